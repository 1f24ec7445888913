<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>in use: no, but the stale lock file %1 of user %2 blocks it</source>
        <translation>占用：无，但用户 %2 的过期锁文件 %1 挡住了它</translation>
    </message>
    <message>
        <source>in use: no, but the lock file %1 of user %2 is no regular file and blocks it</source>
        <translation>占用：无，但用户 %2 的锁文件 %1 不是普通文件，挡住了它</translation>
    </message>
    <message>
        <source>Displays help on command-line options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Write a page from the stored settings, without a window: main, sensor or all.</source>
        <translation>不打开窗口，按保存的设置写入一页：main（主页）、sensor（无线报警传感器）或 all（两页）。</translation>
    </message>
    <message>
        <source>With --write: print each block as its tag and hex bytes; send and store nothing.</source>
        <translation>与 --write 同用：逐块打印标记和十六进制字节；不发送，也不保存。</translation>
    </message>
    <message>
        <source>With --write, or --export --include-password: the SMS-rewrite password (four Chinese characters).</source>
        <translation>与 --write 或 --export --include-password 同用：短信改写安全密语（四个汉字）。</translation>
    </message>
    <message>
        <source>With --write: write from this profile; the stored settings stay untouched.</source>
        <translation>与 --write 同用：按此配置文件写入；保存的设置不变。</translation>
    </message>
    <message>
        <source>Save the stored settings as a profile.</source>
        <translation>把保存的设置导出为配置文件。</translation>
    </message>
    <message>
        <source>Store a profile&apos;s settings, as if typed and written (nothing is sent).</source>
        <translation>保存配置文件中的设置，如同输入并写入一样（不发送任何数据）。</translation>
    </message>
    <message>
        <source>With --export: put the SMS-rewrite password (--password) into the profile.</source>
        <translation>与 --export 同用：把短信改写安全密语（--password）写进配置文件。</translation>
    </message>
    <message>
        <source>Use DEVICE for the option COMk, e.g. COM1=/dev/ttyUSB0. Repeatable.</source>
        <translation>COMk 选项使用设备 DEVICE，例如 COM1=/dev/ttyUSB0。可重复给出。</translation>
    </message>
    <message>
        <source>With --write: write to the option COMk (1 to 4) instead of the stored choice; a single --port selects its option too. Nothing is stored.</source>
        <translation>与 --write 同用：写入 COMk 选项（1 到 4），而不是保存的选择；只给出一个 --port 时也选择它的选项。不保存任何选择。</translation>
    </message>
    <message>
        <source>List the serial devices behind COM1 to COM4 and any others, with their adapters, access and users; opens none.</source>
        <translation>列出 COM1 到 COM4 及其他串口设备，以及它们的适配器、读写权限和占用程序；不打开任何设备。</translation>
    </message>
    <message>
        <source>With --write: write one unit after another; Enter goes on to the next, q stops.</source>
        <translation>与 --write 同用：逐台写入报警器；按回车继续下一台，输入 q 停止。</translation>
    </message>
    <message>
        <source>Show the last N writes (20 without N), oldest first: --history [N] or --history=N.</source>
        <translation>显示最近 N 次写入（不给 N 时为 20 次），最早的在前：--history [N] 或 --history=N。</translation>
    </message>
    <message>
        <source>Open the pages with a simulated alarm unit behind every COM option.</source>
        <translation>打开设置页面，每个COM选项后面都是一台模拟报警器。</translation>
    </message>
    <message>
        <source>The language of the pages and messages: zh (Chinese) or en (English). Without it, the system&apos;s locale chooses.</source>
        <translation>页面和提示信息的语言：zh（中文）或 en（英文）。不给出时按系统的区域设置选择。</translation>
    </message>
    <message>
        <source>Configuration tool for the TQ18/TQ18G GSM car alarm.
Without options it opens the settings pages.</source>
        <translation>TQ18/TQ18G GSM车载防盗报警器设置软件。
不带选项时打开设置页面。</translation>
    </message>
    <message>
        <source>Open the pages with this profile imported.</source>
        <translation>打开设置页面并导入此配置文件。</translation>
    </message>
    <message>
        <source>%1 is given more than once.</source>
        <translation>%1 给出了不止一次。</translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation>%1 需要一个文件名。</translation>
    </message>
    <message>
        <source>--dry-run goes with --write.</source>
        <translation>--dry-run 要与 --write 同用。</translation>
    </message>
    <message>
        <source>--profile goes with --write.</source>
        <translation>--profile 要与 --write 同用。</translation>
    </message>
    <message>
        <source>--repeat goes with --write, and not with --dry-run.</source>
        <translation>--repeat 要与 --write 同用，不能与 --dry-run 同用。</translation>
    </message>
    <message>
        <source>--include-password goes with --export.</source>
        <translation>--include-password 要与 --export 同用。</translation>
    </message>
    <message>
        <source>--password goes with --write, or with --export and --include-password.</source>
        <translation>--password 要与 --write 同用，或与 --export 和 --include-password 同用。</translation>
    </message>
    <message>
        <source>--simulate opens the pages; it does not go with --write, --export, --import, --history or --list-ports.</source>
        <translation>--simulate 用于打开设置页面，不能与 --write、--export、--import、--history 或 --list-ports 同用。</translation>
    </message>
    <message>
        <source>--com goes with --write.</source>
        <translation>--com 要与 --write 同用。</translation>
    </message>
    <message>
        <source>--port takes COMk=DEVICE with k from 1 to 4, not &quot;%1&quot;.</source>
        <translation>--port 的值应为 COMk=DEVICE，k 为 1 到 4，而不是“%1”。</translation>
    </message>
    <message>
        <source>--com takes an option from 1 to 4, not &quot;%1&quot;.</source>
        <translation>--com 的值应为 1 到 4 的选项，而不是“%1”。</translation>
    </message>
    <message>
        <source>--write takes main, sensor or all, not &quot;%1&quot;.</source>
        <translation>--write 的值应为 main、sensor 或 all，而不是“%1”。</translation>
    </message>
    <message>
        <source>--password is not four Chinese characters.</source>
        <translation>--password 不是四个汉字。</translation>
    </message>
    <message>
        <source>--lang takes zh or en, not &quot;%1&quot;.</source>
        <translation>--lang 的值应为 zh 或 en，而不是“%1”。</translation>
    </message>
    <message>
        <source>--history takes a number of writes from 1 on, not &quot;%1&quot;.</source>
        <translation>--history 的值应为不小于 1 的写入次数，而不是“%1”。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>No profile file &quot;%1&quot; to open.</source>
        <translation>没有要打开的配置文件“%1”。</translation>
    </message>
    <message>
        <source>&quot;--&quot; is not taken: give the options, then the profile to open.</source>
        <translation>不接受“--”：请先给出选项，再给出要打开的配置文件。</translation>
    </message>
    <message>
        <source>--write, --export, --import, --history and --list-ports go one at a time.</source>
        <translation>--write、--export、--import、--history 和 --list-ports 一次只能用一个。</translation>
    </message>
    <message>
        <source>The write history %1 cannot be read: %2.</source>
        <translation>无法读取写入记录 %1：%2。</translation>
    </message>
    <message>
        <source>%1 line(s) of %2 are no write record and are left out.</source>
        <translation>%2 中有 %1 行不是写入记录，已略过。</translation>
    </message>
    <message>
        <source>read/write: unknown</source>
        <translation>读写：未知</translation>
    </message>
    <message>
        <source>read/write: no such device</source>
        <translation>读写：设备不存在</translation>
    </message>
    <message>
        <source>read/write: yes</source>
        <translation>读写：可以</translation>
    </message>
    <message>
        <source>read/write: no</source>
        <translation>读写：不可以</translation>
    </message>
    <message>
        <source>read/write: no (group %1)</source>
        <translation>读写：不可以（%1 组）</translation>
    </message>
    <message>
        <source>in use: no</source>
        <translation>占用：无</translation>
    </message>
    <message>
        <source>in use: unknown</source>
        <translation>占用：未知</translation>
    </message>
    <message>
        <source>in use: yes, pid %1</source>
        <translation>占用：是，进程号 %1</translation>
    </message>
    <message>
        <source>in use: yes, %1 (pid %2)</source>
        <translation>占用：是，%1（进程号 %2）</translation>
    </message>
    <message>
        <source>%1  no serial device</source>
        <translation>%1  无串口设备</translation>
    </message>
    <message>
        <source>Nothing was exported: a stored setting could not be read.</source>
        <translation>没有导出任何设置：有保存的设置无法读取。</translation>
    </message>
    <message>
        <source>%1 answered</source>
        <translation>%1 已应答</translation>
    </message>
    <message>
        <source>%1 not answered</source>
        <translation>%1 未应答</translation>
    </message>
    <message>
        <source>Nothing was written: the settings above could not be read.</source>
        <translation>没有写入任何设置：以上设置无法读取。</translation>
    </message>
    <message>
        <source>Connect the next unit and press Enter (q and Enter to stop).</source>
        <translation>请连接下一台报警器并按回车（输入 q 并按回车停止）。</translation>
    </message>
    <message>
        <source>Unit %1: succeeded.</source>
        <translation>第 %1 台：成功。</translation>
    </message>
    <message>
        <source>Unit %1: failed.</source>
        <translation>第 %1 台：失败。</translation>
    </message>
    <message>
        <source>%1 succeeded, %2 failed.</source>
        <translation>成功 %1 台，失败 %2 台。</translation>
    </message>
    <message>
        <source>With --write main or all: send pass phrases and the SMS-rewrite password even where they are still the published defaults (refused otherwise).</source>
        <translation>与 --write main 或 all 同用：即使密语和短信改写密语仍是公开的默认值也照样发送（否则拒绝写入）。</translation>
    </message>
    <message>
        <source>--send-default-secrets goes with --write.</source>
        <translation>--send-default-secrets 只能与 --write 同用。</translation>
    </message>
    <message>
        <source>--port names COM%1 more than once.</source>
        <translation>--port 多次指定了 COM%1。</translation>
    </message>
    <message>
        <source>With several --port options, --com names the one to write to.</source>
        <translation>给出多个 --port 时，须用 --com 指定写入哪一个。</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be read.</source>
        <translation>无法读取配置文件“%1”。</translation>
    </message>
    <message>
        <source>--repeat reads its answers from standard input, which is closed.</source>
        <translation>--repeat 从标准输入读取回答，但标准输入已关闭。</translation>
    </message>
    <message>
        <source>The settings file %1 is missing.</source>
        <translation>设置文件 %1 不存在。</translation>
    </message>
    <message>
        <source>Nothing was written: the settings folder cannot be made.</source>
        <translation>没有写入任何设置：无法创建设置目录。</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>the disk took only part of the line</source>
        <translation>磁盘只写入了该行的一部分</translation>
    </message>
    <message>
        <source>The write history %1 could not be written (%2); the writes go on without it.</source>
        <translation>无法写入写入记录 %1（%2）；写入继续进行，但不再记录。</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between field labels</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>default secrets sent: %1</source>
        <translation>已发送默认密语：%1</translation>
    </message>
    <message>
        <source>a symbolic link, not a regular file</source>
        <translation>是符号链接，不是普通文件</translation>
    </message>
</context>
</TS>
