<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on command-line options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a page from the stored settings, without a window: main, sensor or all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --write: print each block as its tag and hex bytes; send and store nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --write, or --export --include-password: the SMS-rewrite password (four Chinese characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --write: write from this profile; the stored settings stay untouched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the stored settings as a profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store a profile&apos;s settings, as if typed and written (nothing is sent).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export: put the SMS-rewrite password (--password) into the profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use DEVICE for the option COMk, e.g. COM1=/dev/ttyUSB0. Repeatable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --write: write to the option COMk (1 to 4) instead of the stored choice; a single --port selects its option too. Nothing is stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the serial devices behind COM1 to COM4 and any others, with their adapters, access and users; opens none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --write: write one unit after another; Enter goes on to the next, q stops.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the last N writes (20 without N), oldest first: --history [N] or --history=N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the pages with a simulated alarm unit behind every COM option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the pages and messages: zh (Chinese) or en (English). Without it, the system&apos;s locale chooses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration tool for the TQ18/TQ18G GSM car alarm.
Without options it opens the settings pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the pages with this profile imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dry-run goes with --write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--profile goes with --write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--repeat goes with --write, and not with --dry-run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--include-password goes with --export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--password goes with --write, or with --export and --include-password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--simulate opens the pages; it does not go with --write, --export, --import, --history or --list-ports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--com goes with --write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port takes COMk=DEVICE with k from 1 to 4, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--com takes an option from 1 to 4, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--write takes main, sensor or all, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--password is not four Chinese characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang takes zh or en, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--history takes a number of writes from 1 on, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No profile file &quot;%1&quot; to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;--&quot; is not taken: give the options, then the profile to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--write, --export, --import, --history and --list-ports go one at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write history %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line(s) of %2 are no write record and are left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read/write: unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read/write: no such device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read/write: yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read/write: no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read/write: no (group %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use: no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use: unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use: yes, pid %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use: yes, %1 (pid %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  no serial device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was exported: a stored setting could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: the settings above could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the next unit and press Enter (q and Enter to stop).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit %1: succeeded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit %1: failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 succeeded, %2 failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2 answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 not answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk took only part of the line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write history %1 could not be written (%2); the writes go on without it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
