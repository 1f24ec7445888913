<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>BatchWindow</name>
    <message>
        <source>批量写入</source>
        <translation>Batch Write</translation>
    </message>
    <message>
        <source>主页 %1</source>
        <translation>Main page %1</translation>
    </message>
    <message>
        <source>无线报警传感器 %1</source>
        <translation>Wireless sensors %1</translation>
    </message>
    <message>
        <source>第 %1 台（%2）：%3（%4）</source>
        <translation>Unit %1 (%2): %3 (%4)</translation>
    </message>
    <message>
        <source>；</source>
        <comment>between pages</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>配置文件有误，没有写入任何设置：
%1</source>
        <translation>The profile has errors; no settings were written:
%1</translation>
    </message>
    <message>
        <source>写入下一台</source>
        <translation>Write Next Unit</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>配置文件：%1</source>
        <translation>Profile: %1</translation>
    </message>
    <message>
        <source>连接一台报警器，然后按“写入下一台”。</source>
        <translation>Connect an alarm unit, then press “Write Next Unit”.</translation>
    </message>
    <message>
        <source>已写入 %1 台：成功 %2 台，失败 %3 台</source>
        <translation>%1 units written: %2 succeeded, %3 failed</translation>
    </message>
    <message>
        <source>写入到：%1</source>
        <translation>Writing to: %1</translation>
    </message>
</context>
<context>
    <name>Block</name>
    <message>
        <source>油路控制密语</source>
        <translation>fuel pass phrases</translation>
    </message>
    <message>
        <source>设防解防密语和授权手机号码（第1份）</source>
        <translation>arming pass phrases and authorised numbers (copy 1)</translation>
    </message>
    <message>
        <source>授权手机号码（第2份）</source>
        <translation>authorised numbers (copy 2)</translation>
    </message>
    <message>
        <source>报警短信内容和号码、报警方式、安全密语</source>
        <translation>alarm SMS text and numbers, alarm mode, security pass phrase</translation>
    </message>
    <message>
        <source>固定数据</source>
        <translation>fixed data</translation>
    </message>
    <message>
        <source>授权手机号码（第3份）和振铃开关</source>
        <translation>authorised numbers (copy 3) and ring-tone switch</translation>
    </message>
    <message>
        <source>无线传感器1–5</source>
        <translation>wireless sensors 1–5</translation>
    </message>
    <message>
        <source>无线传感器6–10</source>
        <translation>wireless sensors 6–10</translation>
    </message>
</context>
<context>
    <name>BoundedRead</name>
    <message>
        <source>文件超过%1字节，不会读取</source>
        <translation>the file is larger than %1 bytes and is not read</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>DefaultSecrets</name>
    <message>
        <source>、</source>
        <comment>between field labels</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>默认密语</source>
        <translation>Default pass phrases</translation>
    </message>
    <message>
        <source>以下密语仍是本软件公开的默认值，任何知道它们的人都能用短信控制这辆车：
%1

请先改成只有车主知道的内容。</source>
        <translation>These are still the defaults published with this program; anyone who knows them can control the car by SMS:
%1

Please change them to something only the owner knows.</translation>
    </message>
    <message>
        <source>返回修改</source>
        <translation>Go back and change</translation>
    </message>
    <message>
        <source>仍然写入</source>
        <translation>Write anyway</translation>
    </message>
    <message>
        <source>没有写入任何设置：%1 仍是本软件公开的默认值。请先修改；确要照样发送，请加上 --send-default-secrets。</source>
        <translation>Nothing was written: still at the defaults published with this program: %1. Change them first, or give --send-default-secrets to send them anyway.</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>“切断汽车油路”密语</source>
        <translation>“Cut off fuel” pass phrase</translation>
    </message>
    <message>
        <source>“接通汽车油路”密语</source>
        <translation>“Restore fuel” pass phrase</translation>
    </message>
    <message>
        <source>“防盗系统设防”密语</source>
        <translation>“Arm” pass phrase</translation>
    </message>
    <message>
        <source>“防盗系统解防”密语</source>
        <translation>“Disarm” pass phrase</translation>
    </message>
    <message>
        <source>授权手机号码1</source>
        <translation>Authorized phone number 1</translation>
    </message>
    <message>
        <source>授权手机号码2</source>
        <translation>Authorized phone number 2</translation>
    </message>
    <message>
        <source>授权手机号码3</source>
        <translation>Authorized phone number 3</translation>
    </message>
    <message>
        <source>授权手机号码4</source>
        <translation>Authorized phone number 4</translation>
    </message>
    <message>
        <source>授权手机号码5</source>
        <translation>Authorized phone number 5</translation>
    </message>
    <message>
        <source>授权手机号码6</source>
        <translation>Authorized phone number 6</translation>
    </message>
    <message>
        <source>改写报警设置的安全密语</source>
        <translation>Settings rewrite password</translation>
    </message>
    <message>
        <source>关闭本机的振铃声响</source>
        <translation>Switch off the ring tone</translation>
    </message>
    <message>
        <source>振动报警短信内容</source>
        <translation>Vibration alarm SMS text</translation>
    </message>
    <message>
        <source>报警短信接收号码1</source>
        <translation>Alarm SMS recipient 1</translation>
    </message>
    <message>
        <source>报警短信接收号码2</source>
        <translation>Alarm SMS recipient 2</translation>
    </message>
    <message>
        <source>报警短信接收号码3</source>
        <translation>Alarm SMS recipient 3</translation>
    </message>
    <message>
        <source>报警短信接收号码4</source>
        <translation>Alarm SMS recipient 4</translation>
    </message>
    <message>
        <source>报警短信接收号码5</source>
        <translation>Alarm SMS recipient 5</translation>
    </message>
    <message>
        <source>报警短信接收号码6</source>
        <translation>Alarm SMS recipient 6</translation>
    </message>
    <message>
        <source>报警拨打电话号码1</source>
        <translation>Alarm call number 1</translation>
    </message>
    <message>
        <source>报警拨打电话号码2</source>
        <translation>Alarm call number 2</translation>
    </message>
    <message>
        <source>报警拨打电话号码3</source>
        <translation>Alarm call number 3</translation>
    </message>
    <message>
        <source>报警拨打电话号码4</source>
        <translation>Alarm call number 4</translation>
    </message>
    <message>
        <source>报警拨打电话号码5</source>
        <translation>Alarm call number 5</translation>
    </message>
    <message>
        <source>报警拨打电话号码6</source>
        <translation>Alarm call number 6</translation>
    </message>
    <message>
        <source>只发短信</source>
        <translation>SMS only</translation>
    </message>
    <message>
        <source>只拨打电话</source>
        <translation>Call only</translation>
    </message>
    <message>
        <source>既发短信，又拨打电话</source>
        <translation>SMS and call</translation>
    </message>
    <message>
        <source>01号无线传感器的短信内容</source>
        <translation>Sensor 01 SMS text</translation>
    </message>
    <message>
        <source>01号无线传感器的号码</source>
        <translation>Sensor 01 phone number</translation>
    </message>
    <message>
        <source>02号无线传感器的短信内容</source>
        <translation>Sensor 02 SMS text</translation>
    </message>
    <message>
        <source>02号无线传感器的号码</source>
        <translation>Sensor 02 phone number</translation>
    </message>
    <message>
        <source>03号无线传感器的短信内容</source>
        <translation>Sensor 03 SMS text</translation>
    </message>
    <message>
        <source>03号无线传感器的号码</source>
        <translation>Sensor 03 phone number</translation>
    </message>
    <message>
        <source>04号无线传感器的短信内容</source>
        <translation>Sensor 04 SMS text</translation>
    </message>
    <message>
        <source>04号无线传感器的号码</source>
        <translation>Sensor 04 phone number</translation>
    </message>
    <message>
        <source>05号无线传感器的短信内容</source>
        <translation>Sensor 05 SMS text</translation>
    </message>
    <message>
        <source>05号无线传感器的号码</source>
        <translation>Sensor 05 phone number</translation>
    </message>
    <message>
        <source>06号无线传感器的短信内容</source>
        <translation>Sensor 06 SMS text</translation>
    </message>
    <message>
        <source>06号无线传感器的号码</source>
        <translation>Sensor 06 phone number</translation>
    </message>
    <message>
        <source>07号无线传感器的短信内容</source>
        <translation>Sensor 07 SMS text</translation>
    </message>
    <message>
        <source>07号无线传感器的号码</source>
        <translation>Sensor 07 phone number</translation>
    </message>
    <message>
        <source>08号无线传感器的短信内容</source>
        <translation>Sensor 08 SMS text</translation>
    </message>
    <message>
        <source>08号无线传感器的号码</source>
        <translation>Sensor 08 phone number</translation>
    </message>
    <message>
        <source>09号无线传感器的短信内容</source>
        <translation>Sensor 09 SMS text</translation>
    </message>
    <message>
        <source>09号无线传感器的号码</source>
        <translation>Sensor 09 phone number</translation>
    </message>
    <message>
        <source>10号无线传感器的短信内容</source>
        <translation>Sensor 10 SMS text</translation>
    </message>
    <message>
        <source>10号无线传感器的号码</source>
        <translation>Sensor 10 phone number</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>只写入了%1字节中的%2字节，磁盘可能已满</source>
        <translation>only %2 of %1 bytes were written; the disk may be full</translation>
    </message>
    <message>
        <source>已存在且不是普通文件，不会替换它</source>
        <translation>exists and is not a regular file, so it is not replaced</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>设置目录 %1 被一个同名文件占用</source>
        <translation>A file of the same name takes the place of the settings folder %1</translation>
    </message>
    <message>
        <source>无法创建设置目录 %1</source>
        <translation>Cannot create the settings folder %1</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1：%2</source>
        <translation>Cannot read the settings file %1: %2</translation>
    </message>
    <message>
        <source>设置文件 %1 是空的</source>
        <translation>The settings file %1 is empty</translation>
    </message>
    <message>
        <source>设置文件 %1 含有无法识别的字符</source>
        <translation>The settings file %1 holds unrecognized characters</translation>
    </message>
    <message>
        <source>无法保存设置文件 %1：%2</source>
        <translation>Cannot save the settings file %1: %2</translation>
    </message>
    <message>
        <source>这%1个设置文件都没有保存，原有的设置保持不变</source>
        <translation>None of these %1 settings files was saved; the previous settings stay as they were</translation>
    </message>
    <message>
        <source>内容含有无法保存的字符</source>
        <translation>the value holds characters that cannot be saved</translation>
    </message>
    <message>
        <source>无法在 %1 创建设置目录，设置保存在 %2</source>
        <translation>Cannot create the settings folder %1; the settings are kept in %2</translation>
    </message>
    <message>
        <source>设置正由另一个 alarmcfg 窗口或命令使用，请稍后再试</source>
        <translation>The settings are in use by another alarmcfg window or command; try again shortly</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>写入记录</source>
        <translation>Write History</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Main page</translation>
    </message>
    <message>
        <source>无线报警传感器</source>
        <translation>Wireless sensors</translation>
    </message>
    <message>
        <source>窗口</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>命令行</source>
        <translation>Command line</translation>
    </message>
    <message>
        <source>配置文件 %1</source>
        <translation>Profile %1</translation>
    </message>
    <message>
        <source>无法读取写入记录：%1</source>
        <translation>The write history cannot be read: %1</translation>
    </message>
    <message>
        <source>有 %1 行无法识别，已略过。</source>
        <translation>%1 unrecognized line(s) were skipped.</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>来源</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>导出写入记录</source>
        <translation>Export Write History</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;所有文件 (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>无法保存 %1：%2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>%1；发送了默认密语：%2</source>
        <translation>%1; default pass phrases sent: %2</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>锁文件 %1 不是普通文件（属于用户 %2），它挡住了该串口。
请管理员删除它：sudo rm %1</source>
        <translation>The lock file %1 is not a regular file (it belongs to user %2) and blocks the port.
Ask an administrator to remove it: sudo rm %1</translation>
    </message>
    <message>
        <source>用户 %2 留下的过期锁文件 %1 挡住了该串口（锁文件中的进程已不存在，而当前用户无权删除别的用户的文件）。
请该用户或管理员删除它：sudo rm %1</source>
        <translation>The stale lock file %1 left by user %2 blocks the port (the process it names is gone, and the current user may not remove another user&apos;s file).
Ask that user or an administrator to remove it: sudo rm %1</translation>
    </message>
    <message>
        <source>COM%1 → 无串口设备</source>
        <translation>COM%1 → no serial device</translation>
    </message>
    <message>
        <source>（串口 %1：%2）</source>
        <translation>(serial port %1: %2)</translation>
    </message>
    <message>
        <source>写入设置失败！</source>
        <translation>Writing the settings failed!</translation>
    </message>
    <message>
        <source>设置写入失败。你可能存在以下之一的错误：</source>
        <translation>The settings could not be written. One of the following may be wrong:</translation>
    </message>
    <message>
        <source>1：TQ18/TQ18G未起动成功（LED0不亮）。</source>
        <translation>1: The TQ18/TQ18G did not start (LED0 is off).</translation>
    </message>
    <message>
        <source>2：TQ18/TQ18G与计算机的串口电缆未连接好。</source>
        <translation>2: The serial cable between the TQ18/TQ18G and the computer is not connected properly.</translation>
    </message>
    <message>
        <source>3：串口设置错误，请在“版本查询”中重新设置COM口。</source>
        <translation>3: The serial port setting is wrong; choose the COM port again under “Version Query”.</translation>
    </message>
    <message>
        <source>串口未打开</source>
        <translation>the serial port is not open</translation>
    </message>
    <message>
        <source>进程号 %1</source>
        <translation>process ID %1</translation>
    </message>
    <message>
        <source>%1，进程号 %2</source>
        <translation>%1, process ID %2</translation>
    </message>
    <message>
        <source>该串口正被另一个程序占用（%1）。
请关闭该程序，或让它释放串口，然后再选择该COM口或写入。</source>
        <translation>The serial port is in use by another program (%1).
Close that program or have it release the port, then choose this COM port again or write.</translation>
    </message>
    <message>
        <source>该串口正被另一个程序占用（%1）。
请关闭使用该串口的程序（串口调试助手、minicom、screen 等），然后再选择该COM口或写入。</source>
        <translation>The serial port is in use by another program (%1).
Close the program using it (a serial terminal, minicom, screen, …), then choose this COM port again or write.</translation>
    </message>
    <message>
        <source>当前用户没有读写该设备的权限。
</source>
        <translation>The current user may not read and write this device.
</translation>
    </message>
    <message>
        <source>该设备属于 %1 组，而当前用户不在该组中。加入该组：sudo usermod -aG %1 $USER，然后注销并重新登录（新加入的组在重新登录后才生效）。</source>
        <translation>The device belongs to the group %1, and the current user is not in it. Join the group with sudo usermod -aG %1 $USER, then log out and back in (a new group takes effect only after logging in again).</translation>
    </message>
    <message>
        <source>当前用户已在该设备的 %1 组中，但系统仍不允许读写；请管理员检查该设备的权限。</source>
        <translation>The current user is in the device&apos;s group %1, but the system still refuses reading and writing; ask an administrator to check the device&apos;s permissions.</translation>
    </message>
    <message>
        <source>该设备没有可以加入的组</source>
        <translation>The device has no group that could be joined</translation>
    </message>
    <message>
        <source>该设备属于 %1 组</source>
        <translation>The device belongs to the group %1</translation>
    </message>
    <message>
        <source>该设备的 %1 组没有读写权限</source>
        <translation>The device&apos;s group %1 may not read and write it</translation>
    </message>
    <message>
        <source>，加入该组也无济于事。本软件的软件包带有 udev 规则（/usr/lib/udev/rules.d/70-alarmcfg.rules），让本地桌面用户使用常见的USB串口适配器（uaccess）；安装后重新插拔适配器即可。也可以请管理员为该设备设置权限。</source>
        <translation>, so joining a group does not help. This program&apos;s package brings a udev rule (/usr/lib/udev/rules.d/70-alarmcfg.rules) that lets the local desktop user use common USB serial adapters (uaccess); once it is installed, unplug the adapter and plug it in again. An administrator can also set the device&apos;s permissions.</translation>
    </message>
    <message>
        <source>设备不存在，USB串口适配器可能已拔出。插好后再选择该COM口或写入。</source>
        <translation>The device does not exist; the USB serial adapter may have been unplugged. Plug it in, then choose this COM port again or write.</translation>
    </message>
    <message>
        <source>无法打开串口 COM%1（%2）：%3</source>
        <translation>Cannot open the serial port COM%1 (%2): %3</translation>
    </message>
    <message>
        <source>注意：ModemManager 正在运行，它向新插入的串口设备发送 AT 命令，会打乱与报警器的第一次通信；本软件的 udev 规则（/usr/lib/udev/rules.d/70-alarmcfg.rules，设置 ID_MM_DEVICE_IGNORE）让它不碰常见的USB串口适配器，但只对规则安装后插入的适配器生效：请重新插拔适配器。</source>
        <translation>Note: ModemManager is running. It sends AT commands to newly plugged serial devices, which disturbs the first exchange with the alarm unit. This program&apos;s udev rule (/usr/lib/udev/rules.d/70-alarmcfg.rules, setting ID_MM_DEVICE_IGNORE) keeps it away from common USB serial adapters, but only from adapters plugged in after the rule was installed: unplug the adapter and plug it in again.</translation>
    </message>
    <message>
        <source>注意：ModemManager 正在运行，它向新插入的串口设备发送 AT 命令，会打乱与报警器的第一次通信；本软件软件包的 udev 规则（/usr/lib/udev/rules.d/70-alarmcfg.rules，设置 ID_MM_DEVICE_IGNORE），或一条为该适配器设置 ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; 的手写 udev 规则，可让它不碰该设备。</source>
        <translation>Note: ModemManager is running. It sends AT commands to newly plugged serial devices, which disturbs the first exchange with the alarm unit. The udev rule of this program&apos;s package (/usr/lib/udev/rules.d/70-alarmcfg.rules, setting ID_MM_DEVICE_IGNORE), or a udev rule of your own that sets ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; for the adapter, keeps it away from the device.</translation>
    </message>
    <message>
        <source>COM%1 没有对应的串口设备，请插好USB串口适配器后再选择该COM口，或选择其他COM口。</source>
        <translation>COM%1 has no serial device. Plug in the USB serial adapter, then choose this COM port again, or choose another COM port.</translation>
    </message>
    <message>
        <source>该设备不接受 9600 波特、8 个数据位、无校验、1 个停止位的设置，可能不是串口（%1）。</source>
        <translation>The device does not take the settings 9600 baud, 8 data bits, no parity, 1 stop bit; it may not be a serial port (%1).</translation>
    </message>
    <message>
        <source>写入超时</source>
        <translation>The write timed out</translation>
    </message>
    <message>
        <source>该串口正被另一个程序占用（%1）。
请关闭使用该串口的程序（串口调试助手、另一个 alarmcfg 等），然后再选择该COM口或写入。</source>
        <translation>Another program is using this port (%1).
Close the program using the port (a serial terminal, another alarmcfg, …), then select the COM option again or write.</translation>
    </message>
    <message>
        <source>系统中没有这个COM口（%1）。
USB串口适配器可能没有插好，或者它的驱动程序（CH340/CH341、PL2303、CP210x、FTDI）没有安装：在设备管理器的“端口 (COM 和 LPT)”下可以看到适配器得到的COM号；若适配器在“其他设备”下带黄色感叹号，请安装适配器厂家的驱动程序。
适配器的COM号大于4时，右键单击一个COM选项，选择“其他端口”中的该COM口。</source>
        <translation>The system has no such COM port (%1).
The USB serial adapter may not be plugged in, or its driver (CH340/CH341, PL2303, CP210x, FTDI) is not installed: the Device Manager shows the adapter&apos;s COM number under &quot;Ports (COM &amp; LPT)&quot;; if the adapter is under &quot;Other devices&quot; with a yellow exclamation mark, install the driver from the adapter&apos;s maker.
When the adapter&apos;s COM number is above 4, right-click a COM option and choose that port under &quot;Other ports&quot;.</translation>
    </message>
    <message>
        <source>%1
请重新插拔USB串口适配器，然后再选择该COM口或写入。</source>
        <translation>%1
Unplug the USB serial adapter and plug it in again, then select the COM option again or write.</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>配置文件</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Serial Port Settings</translation>
    </message>
    <message>
        <source>只允许以下手机才能对报警器控制</source>
        <translation>Phones Allowed to Control the Alarm</translation>
    </message>
    <message>
        <source>中文短信远程控制密语</source>
        <translation>Chinese SMS Control Phrases</translation>
    </message>
    <message>
        <source>切断汽车油路：</source>
        <translation>Cut off fuel:</translation>
    </message>
    <message>
        <source>接通汽车油路：</source>
        <translation>Restore fuel:</translation>
    </message>
    <message>
        <source>防盗系统设防：</source>
        <translation>Arm:</translation>
    </message>
    <message>
        <source>防盗系统解防：</source>
        <translation>Disarm:</translation>
    </message>
    <message>
        <source>短信改写报警设置的安全密语</source>
        <translation>Password to Rewrite Settings by SMS</translation>
    </message>
    <message>
        <source>用户只要记住这4个字的密语，就能以手机发短信的方式改写报警设置，密语可以改成任何汉字，但必须是4个汉字，多于4个或少于4个都将无效。</source>
        <translation>Whoever knows this 4-character password can rewrite the alarm settings by SMS from a phone. It may be any Chinese characters, but exactly 4 of them; more or fewer will not work.</translation>
    </message>
    <message>
        <source>主报警设置</source>
        <translation>Main Alarm Settings</translation>
    </message>
    <message>
        <source>振动位移传感器被触发时，需要发送的短信内容：</source>
        <translation>Vibration alarm SMS text:</translation>
    </message>
    <message>
        <source>把以上报警短信内容同时发送给以下1-6个手机：</source>
        <translation>Send the alarm SMS to these 1-6 phones:</translation>
    </message>
    <message>
        <source>振动位移传感器被触发时，需要向以下1-6个号码拨打电话：</source>
        <translation>On a vibration alarm, call these 1-6 numbers:</translation>
    </message>
    <message>
        <source>报警时，只发短信，不拨打电话。</source>
        <translation>On alarm, send SMS only, do not call.</translation>
    </message>
    <message>
        <source>报警时，只拨打电话，不发短信。</source>
        <translation>On alarm, call only, do not send SMS.</translation>
    </message>
    <message>
        <source>报警时，既发短信，又拨打电话。</source>
        <translation>On alarm, send SMS and call.</translation>
    </message>
    <message>
        <source>无线报警传感器内容设置</source>
        <translation>Wireless Sensor Settings</translation>
    </message>
    <message>
        <source>点击此按钮进入无线门磁、无线人体红外热释电传感器的报警设置。</source>
        <translation>Alarms of wireless door and motion sensors.</translation>
    </message>
    <message>
        <source>关闭本机的振铃声响。</source>
        <translation>Switch off the ring tone.</translation>
    </message>
    <message>
        <source>（注意！一旦关闭本机的振铃声响，将无法再恢复。除了非常必要外，请不要选中此项。）</source>
        <translation>(Caution! Once off, the ring tone cannot be turned on again. Tick only if you must.)</translation>
    </message>
    <message>
        <source>退    出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>立即写入本页设置</source>
        <translation>Write This Page Now</translation>
    </message>
    <message>
        <source>  GSM车载防盗报警器设置软件 V1.0</source>
        <translation>  GSM Car Alarm Setup V1.0</translation>
    </message>
    <message>
        <source>配置文件有误，没有导入任何设置：
</source>
        <translation>The profile has errors; no settings were imported:
</translation>
    </message>
    <message>
        <source>无法保存配置文件 %1：%2</source>
        <translation>Cannot save the profile %1: %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>page title — profile file</comment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>配置已保存到 %1</source>
        <translation>Profile saved to %1</translation>
    </message>
</context>
<context>
    <name>MultiLineBox</name>
    <message>
        <source>剩余%1%2字</source>
        <translation>Left:%1%2</translation>
    </message>
    <message>
        <source>超出%1%2字</source>
        <translation>Over:%1%2</translation>
    </message>
</context>
<context>
    <name>PageSettings</name>
    <message>
        <source>设置文件 %1.cck 的内容“%2”无效，已使用默认值</source>
        <translation>The settings file %1.cck holds the invalid value “%2”; the default is used</translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>其他端口</source>
        <translation>Other ports</translation>
    </message>
    <message>
        <source>COM%1 使用的端口</source>
        <translation>Port used by COM%1</translation>
    </message>
    <message>
        <source>COM%1（本机端口）</source>
        <translation>COM%1 (the port of that name)</translation>
    </message>
</context>
<context>
    <name>PortStatus</name>
    <message>
        <source>串口设置</source>
        <translation>Serial Port Settings</translation>
    </message>
    <message>
        <source>已打开</source>
        <translation>open</translation>
    </message>
    <message>
        <source>已断开</source>
        <translation>disconnected</translation>
    </message>
    <message>
        <source>未打开</source>
        <translation>not open</translation>
    </message>
    <message>
        <source>
没有写入任何设置。</source>
        <translation>
No settings were written.</translation>
    </message>
    <message>
        <source>（模拟报警器）</source>
        <translation> (simulated unit)</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>缺少此项</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>应为文字</source>
        <translation>should be text</translation>
    </message>
    <message>
        <source>应为 %1 或 %2 之一</source>
        <translation>should be one of %1 or %2</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between names</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>应为 true 或 false</source>
        <translation>should be true or false</translation>
    </message>
    <message>
        <source>不是有效的JSON（第%1个字节：%2）</source>
        <translation>not valid JSON (byte %1: %2)</translation>
    </message>
    <message>
        <source>format: 不是 alarmcfg 配置文件</source>
        <translation>format: not an alarmcfg profile</translation>
    </message>
    <message>
        <source>version: 不支持的版本 %1（支持 %2）</source>
        <translation>version: unsupported version %1 (%2 is supported)</translation>
    </message>
    <message>
        <source>%1: 无法读取：%2</source>
        <translation>%1: cannot read: %2</translation>
    </message>
</context>
<context>
    <name>ProfileMenu</name>
    <message>
        <source>配置文件 (*.alarmcfg.json *.json);;所有文件 (*)</source>
        <translation>Profiles (*.alarmcfg.json *.json);;All files (*)</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>导入配置…</source>
        <translation>Import Profile…</translation>
    </message>
    <message>
        <source>导入配置</source>
        <translation>Import Profile</translation>
    </message>
    <message>
        <source>导出配置…</source>
        <translation>Export Profile…</translation>
    </message>
    <message>
        <source>导出配置（含安全密语）…</source>
        <translation>Export Profile with Password…</translation>
    </message>
    <message>
        <source>批量写入…</source>
        <translation>Batch Write…</translation>
    </message>
    <message>
        <source>批量写入</source>
        <translation>Batch Write</translation>
    </message>
    <message>
        <source>写入记录…</source>
        <translation>Write History…</translation>
    </message>
    <message>
        <source>导出配置</source>
        <translation>Export Profile</translation>
    </message>
</context>
<context>
    <name>ProfileOpening</name>
    <message>
        <source>打开配置文件</source>
        <translation>Open profile</translation>
    </message>
    <message>
        <source>要用配置文件“%1”中的设置（包括密语）替换已保存的设置吗？
替换前，已保存的设置会另存为“%2”，可以再导入。</source>
        <translation>Replace the stored settings (pass phrases included) with those of the profile "%1"?
Before that, the stored settings are saved as "%2", which can be imported again.</translation>
    </message>
    <message>
        <source>不导入</source>
        <translation>Do not import</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>已保存的设置无法另存为“%1”，没有导入任何设置：%2</source>
        <translation>The stored settings cannot be saved as "%1"; nothing was imported: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>模拟报警器</source>
        <translation>Simulated Unit</translation>
    </message>
    <message>
        <source>无法启动模拟报警器 %1：%2</source>
        <translation>Cannot start the simulated unit %1: %2</translation>
    </message>
    <message>
        <source>模拟报警器 %1 没有给出串口设备。</source>
        <translation>The simulated unit %1 gave no serial device.</translation>
    </message>
    <message>
        <source>设置目录</source>
        <translation>Settings folder</translation>
    </message>
</context>
<context>
    <name>SensorPage</name>
    <message>
        <source>%1号无线传感器被触发，把</source>
        <translation>When sensor %1 triggers, send</translation>
    </message>
    <message>
        <source>发送给</source>
        <translation>to</translation>
    </message>
    <message>
        <source>退   出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>返回主页</source>
        <translation>Main Page</translation>
    </message>
    <message>
        <source>立即写入本页设置</source>
        <translation>Write This Page Now</translation>
    </message>
    <message>
        <source>  无线报警传感器内容设置</source>
        <translation>  Wireless Sensor Settings</translation>
    </message>
</context>
<context>
    <name>StoreErrors</name>
    <message>
        <source>设置文件出错</source>
        <translation>Settings File Error</translation>
    </message>
    <message>
        <source>读取设置时出现以下问题，相应的设置已使用默认值：</source>
        <translation>Reading the settings met these problems; the settings concerned use their defaults:</translation>
    </message>
    <message>
        <source>保存设置时出现以下问题：</source>
        <translation>Saving the settings met these problems:</translation>
    </message>
    <message>
        <source>保存串口设置时出现以下问题：</source>
        <translation>Saving the serial port choice met these problems:</translation>
    </message>
</context>
<context>
    <name>TypingLimit</name>
    <message>
        <source>已截去 %1 个字符</source>
        <translation>Cut off: %1 characters</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>%1含有不完整的字符（单独的代理项U+%2），报警器无法接收。</source>
        <translation>%1 holds an incomplete character (a lone surrogate U+%2) that the alarm unit cannot receive.</translation>
    </message>
    <message>
        <source>%1“%2”含有无效字符：号码只能由数字0-9组成。请去掉开头的“+”和国家代码（如“+86”），只填写国内号码。</source>
        <translation>%1 “%2” holds invalid characters: a number may hold only the digits 0-9. Remove the leading “+” and the country code (such as “+86”) and enter the national number only.</translation>
    </message>
    <message>
        <source>%1“%2”含有无效字符：号码只能由数字0-9组成。</source>
        <translation>%1 “%2” holds invalid characters: a number may hold only the digits 0-9.</translation>
    </message>
    <message>
        <source>%1“%2”超过%3位数字。</source>
        <translation>%1 “%2” has more than %3 digits.</translation>
    </message>
    <message>
        <source>%1含有报警器无法接收的字符U+FFFF。</source>
        <translation>%1 holds the character U+FFFF, which the alarm unit cannot receive.</translation>
    </message>
    <message>
        <source>%1超过%2个字符（现有%3个），超出部分无法写入报警器。</source>
        <translation>%1 is longer than %2 characters (it has %3); the rest cannot be written to the alarm unit.</translation>
    </message>
    <message>
        <source>%1必须是%2个汉字。</source>
        <translation>%1 must be %2 Chinese characters.</translation>
    </message>
    <message>
        <source>以下设置无法写入报警器，请修改后再写入：</source>
        <translation>These settings cannot be written to the alarm unit; correct them, then write again:</translation>
    </message>
    <message>
        <source>%1“%2”含有换行，此项只能有一行。</source>
        <translation>%1 &quot;%2&quot; holds a line break; this field takes one line only.</translation>
    </message>
    <message>
        <source>%1“%2”含有无法原样保存的字符或字符组合（如空字符U+0000），请修改。</source>
        <translation>%1 &quot;%2&quot; holds a character or a sequence of characters that cannot be stored as it is (such as the null character U+0000); please change it.</translation>
    </message>
</context>
<context>
    <name>WaitWindow</name>
    <message>
        <source>通信等待,请稍后....</source>
        <translation>Communicating, please wait....</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>写入记录</source>
        <translation>Write History</translation>
    </message>
</context>
<context>
    <name>Write</name>
    <message>
        <source>无法写入设置</source>
        <translation>Cannot Write the Settings</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>串口%1未打开，没有写入任何设置。
请在“串口设置”中选择连接报警器的COM口，然后再写入。</source>
        <translation>The serial port%1 is not open; no settings were written.
Under “Serial Port Settings”, choose the COM port the alarm unit is connected to, then write again.</translation>
    </message>
    <message>
        <source>报警器没有收到任何设置。</source>
        <translation>The alarm unit received none of the settings.</translation>
    </message>
    <message>
        <source>断开前已写入报警器：%1。</source>
        <translation>Written to the alarm unit before that: %1.</translation>
    </message>
    <message>
        <source>串口已断开</source>
        <translation>Serial Port Disconnected</translation>
    </message>
    <message>
        <source>写入途中串口 %1 断开了（USB转串口线可能被拔出）：%2
%3
其余设置没有发送。请重新连接报警器，再写入一次。</source>
        <translation>The serial port %1 was disconnected during the write (the USB serial adapter may have been pulled out): %2
%3
The other settings were not sent. Reconnect the alarm unit and write again.</translation>
    </message>
</context>
<context>
    <name>WriteOutcome</name>
    <message>
        <source>没有发送任何设置</source>
        <translation>nothing sent</translation>
    </message>
    <message>
        <source>已写入</source>
        <translation>written</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between parts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>报警器未收到任何设置</source>
        <translation>the unit received none of the settings</translation>
    </message>
    <message>
        <source>已写入：%1；未写入：%2</source>
        <translation>written: %1; not written: %2</translation>
    </message>
    <message>
        <source>%1（%2）：已应答</source>
        <translation>%1 (%2): answered</translation>
    </message>
    <message>
        <source>%1（%2）：未应答</source>
        <translation>%1 (%2): not answered</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <comment>outcome (time)</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1，此后本页已修改</source>
        <comment>outcome, then the page was edited</comment>
        <translation>%1; the page has changed since</translation>
    </message>
</context>
</TS>
