<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>BatchWindow</name>
    <message>
        <source>批量写入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主页 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无线报警传感器 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 台（%2）：%3（%4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>；</source>
        <comment>between pages</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配置文件有误，没有写入任何设置：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入下一台</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配置文件：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接一台报警器，然后按“写入下一台”。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已写入 %1 台：成功 %2 台，失败 %3 台</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>写入记录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无线报警传感器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>窗口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>命令行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配置文件 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取写入记录：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有 %1 行无法识别，已略过。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>来源</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结果</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出写入记录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;所有文件 (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法保存 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>COM%1 → 无串口设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（串口 %1：%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入设置失败！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置写入失败。你可能存在以下之一的错误：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1：TQ18/TQ18G未起动成功（LED0不亮）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2：TQ18/TQ18G与计算机的串口电缆未连接好。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3：串口设置错误，请在“版本查询”中重新设置COM口。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口未打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进程号 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，进程号 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该串口正被另一个程序占用（%1）。
请关闭该程序，或让它释放串口，然后再选择该COM口或写入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该串口正被另一个程序占用（%1）。
请关闭使用该串口的程序（串口调试助手、minicom、screen 等），然后再选择该COM口或写入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前用户没有读写该设备的权限。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该设备属于 %1 组，而当前用户不在该组中。加入该组：sudo usermod -aG %1 $USER，然后注销并重新登录（新加入的组在重新登录后才生效）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前用户已在该设备的 %1 组中，但系统仍不允许读写；请管理员检查该设备的权限。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该设备没有可以加入的组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该设备属于 %1 组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该设备的 %1 组没有读写权限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，加入该组也无济于事。本软件的软件包带有 udev 规则（/usr/lib/udev/rules.d/70-alarmcfg.rules），让本地桌面用户使用常见的USB串口适配器（uaccess）；安装后重新插拔适配器即可。也可以请管理员为该设备设置权限。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备不存在，USB串口适配器可能已拔出。插好后再选择该COM口或写入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开串口 COM%1（%2）：%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注意：ModemManager 正在运行，它向新插入的串口设备发送 AT 命令，会打乱与报警器的第一次通信；本软件的 udev 规则（/usr/lib/udev/rules.d/70-alarmcfg.rules，设置 ID_MM_DEVICE_IGNORE）让它不碰常见的USB串口适配器，但只对规则安装后插入的适配器生效：请重新插拔适配器。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注意：ModemManager 正在运行，它向新插入的串口设备发送 AT 命令，会打乱与报警器的第一次通信；本软件软件包的 udev 规则（/usr/lib/udev/rules.d/70-alarmcfg.rules，设置 ID_MM_DEVICE_IGNORE），或一条为该适配器设置 ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; 的手写 udev 规则，可让它不碰该设备。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 没有对应的串口设备，请插好USB串口适配器后再选择该COM口，或选择其他COM口。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiLineBox</name>
    <message>
        <source>剩余%1%2字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超出%1%2字</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortStatus</name>
    <message>
        <source>串口设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已断开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
没有写入任何设置。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（模拟报警器）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileMenu</name>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入配置…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入配置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出配置…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出配置（含安全密语）…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>批量写入…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>批量写入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入记录…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出配置</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>模拟报警器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法启动模拟报警器 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模拟报警器 %1 没有给出串口设备。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreErrors</name>
    <message>
        <source>设置文件出错</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TypingLimit</name>
    <message>
        <source>已截去%1%2 个字符</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>写入记录</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Write</name>
    <message>
        <source>无法写入设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口%1未打开，没有写入任何设置。
请在“串口设置”中选择连接报警器的COM口，然后再写入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteOutcome</name>
    <message>
        <source>没有发送任何设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已写入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <comment>between block tags</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 未应答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 未应答，其余已写入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <comment>outcome (time)</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
