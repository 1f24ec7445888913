#include "windows_port_advice.h"

#include <QCoreApplication>

#include <windows.h>

bool IsPortBusyError(unsigned long systemError)
{
    return systemError == ERROR_ACCESS_DENIED || systemError == ERROR_SHARING_VIOLATION;
}

QString WindowsOpenFailureReason(unsigned long systemError, const QString &systemText)
{
    if (IsPortBusyError(systemError))
        return QCoreApplication::translate("Link", "该串口正被另一个程序占用（%1）。\n"
                                                   "请关闭使用该串口的程序（串口调试助手、另一个 alarmcfg 等），然后再选择该COM口或写入。")
            .arg(systemText);
    if (systemError == ERROR_FILE_NOT_FOUND || systemError == ERROR_PATH_NOT_FOUND)
        return QCoreApplication::translate("Link", "系统中没有这个COM口（%1）。\n"
                                                   "USB串口适配器可能没有插好，或者它的驱动程序（CH340/CH341、PL2303、CP210x、FTDI）没有安装："
                                                   "在设备管理器的“端口 (COM 和 LPT)”下可以看到适配器得到的COM号；"
                                                   "若适配器在“其他设备”下带黄色感叹号，请安装适配器厂家的驱动程序。\n"
                                                   "适配器的COM号大于4时，右键单击一个COM选项，选择“其他端口”中的该COM口。")
            .arg(systemText);
    return QCoreApplication::translate("Link", "%1\n请重新插拔USB串口适配器，然后再选择该COM口或写入。").arg(systemText);
}

QString WindowsErrorText(unsigned long systemError)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, systemError, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString message = length > 0 ? QString::fromWCharArray(text, int(length)).trimmed()
                                 : QStringLiteral("Windows error %1").arg(systemError);
    LocalFree(text);
    return message;
}
