#include "open_failure.h"

#include "printable_text.h"

#include <QCoreApplication>

namespace {

QString HolderText(const PortHolder &holder)
{
    if (holder.program.isEmpty())
        return QCoreApplication::translate("Link", "进程号 %1").arg(holder.pid);
    return QCoreApplication::translate("Link", "%1，进程号 %2").arg(Printable(holder.program), QString::number(holder.pid));
}

// A lock file no live program holds that this user cannot remove (or that
// is no file at all): closing programs does not help, removing it does.
QString BlockingLockReason(const BlockingLock &lock)
{
    if (!lock.regularFile)
        return QCoreApplication::translate("Link", "锁文件 %1 不是普通文件（属于用户 %2），它挡住了该串口。\n"
                                           "请管理员删除它：sudo rm %1").arg(Printable(lock.path), Printable(lock.owner));
    return QCoreApplication::translate("Link", "用户 %2 留下的过期锁文件 %1 挡住了该串口（锁文件中的进程已不存在，"
                                       "而当前用户无权删除别的用户的文件）。\n请该用户或管理员删除它：sudo rm %1")
        .arg(Printable(lock.path), Printable(lock.owner));
}

QString BusyReason(const OpenFailure &failure)
{
    if (const std::optional<PortHolder> &holder = failure.access.holder)
        return QCoreApplication::translate("Link", "该串口正被另一个程序占用（%1）。\n请关闭该程序，或让它释放串口，然后再选择该COM口或写入。")
            .arg(HolderText(*holder));
    return QCoreApplication::translate("Link", "该串口正被另一个程序占用（%1）。\n"
                          "请关闭使用该串口的程序（串口调试助手、minicom、screen 等），然后再选择该COM口或写入。")
        .arg(Printable(failure.systemReason));
}

QString PermissionReason(const DeviceAccess &access)
{
    const QString denied = QCoreApplication::translate("Link", "当前用户没有读写该设备的权限。\n");
    const bool groupHelps = !access.group.isEmpty() && access.group != QLatin1String("root") && access.groupMayReadWrite;
    if (groupHelps && !access.inGroup)
        return denied
            + QCoreApplication::translate("Link", "该设备属于 %1 组，而当前用户不在该组中。加入该组："
                             "sudo usermod -aG %1 $USER，然后注销并重新登录（新加入的组在重新登录后才生效）。")
                  .arg(Printable(access.group));
    if (groupHelps)
        return denied + QCoreApplication::translate("Link", "当前用户已在该设备的 %1 组中，但系统仍不允许读写；请管理员检查该设备的权限。")
                            .arg(Printable(access.group));
    const QString owner = access.group.isEmpty() ? QCoreApplication::translate("Link", "该设备没有可以加入的组")
                          : access.group == QLatin1String("root") || access.groupMayReadWrite
                              ? QCoreApplication::translate("Link", "该设备属于 %1 组").arg(Printable(access.group))
                              : QCoreApplication::translate("Link", "该设备的 %1 组没有读写权限").arg(Printable(access.group));
    return denied + owner
        + QCoreApplication::translate("Link", "，加入该组也无济于事。本软件的软件包带有 udev 规则"
                         "（/usr/lib/udev/rules.d/70-alarmcfg.rules），让本地桌面用户使用常见的USB串口适配器"
                         "（uaccess）；安装后重新插拔适配器即可。也可以请管理员为该设备设置权限。");
}

QString Reason(const OpenFailure &failure)
{
    const DeviceAccess &access = failure.access;
    if (!access.known)
        return Printable(failure.systemReason);
    if (!access.exists)
        return QCoreApplication::translate("Link", "设备不存在，USB串口适配器可能已拔出。插好后再选择该COM口或写入。");
    if (!failure.refused)
        return Printable(failure.systemReason);
    if (access.blockingLock)
        return BlockingLockReason(*access.blockingLock);
    return access.mayReadWrite || access.root ? BusyReason(failure) : PermissionReason(access);
}

}  // namespace

QString OpenFailureMessage(const OpenFailure &failure)
{
    QString message =
        QCoreApplication::translate("Link", "无法打开串口 COM%1（%2）：%3")
            .arg(QString::number(failure.com), Printable(failure.device), Reason(failure));
    if (const QString note = ModemManagerNote(failure.access.modemManager); !note.isEmpty())
        message += u'\n' + note;
    return message;
}

QString ModemManagerNote(const ModemManagerFacts &modemManager)
{
    if (!modemManager.runs)
        return {};
    if (modemManager.ruleInstalled)
        return QCoreApplication::translate("Link", "注意：ModemManager 正在运行，它向新插入的串口设备发送 AT 命令，会打乱与报警器的第一次通信；"
                              "本软件的 udev 规则（/usr/lib/udev/rules.d/70-alarmcfg.rules，设置 ID_MM_DEVICE_IGNORE）"
                              "让它不碰常见的USB串口适配器，但只对规则安装后插入的适配器生效：请重新插拔适配器。");
    return QCoreApplication::translate("Link", "注意：ModemManager 正在运行，它向新插入的串口设备发送 AT 命令，会打乱与报警器的第一次通信；"
                          "本软件软件包的 udev 规则（/usr/lib/udev/rules.d/70-alarmcfg.rules，设置 ID_MM_DEVICE_IGNORE），"
                          "或一条为该适配器设置 ENV{ID_MM_DEVICE_IGNORE}=\"1\" 的手写 udev 规则，可让它不碰该设备。");
}
