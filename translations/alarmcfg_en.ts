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
</context>
<context>
    <name>Link</name>
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
    <name>ProfileMenu</name>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation>Profiles (*.json);;All files (*)</translation>
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
</context>
<context>
    <name>StoreErrors</name>
    <message>
        <source>设置文件出错</source>
        <translation>Settings File Error</translation>
    </message>
</context>
<context>
    <name>TypingLimit</name>
    <message>
        <source>已截去%1%2 个字符</source>
        <translation>Cut off:%1%2 characters</translation>
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
        <comment>between block tags</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 未应答</source>
        <translation>%1 not answered</translation>
    </message>
    <message>
        <source>%1 未应答，其余已写入</source>
        <translation>%1 not answered, the rest written</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <comment>outcome (time)</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
