#include "win_serial_port.h"

#include "windows_port_advice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <windows.h>

namespace {

// Time a block may take to leave the transmit buffer: a 273-byte block needs
// about 0.3 s on the line.
constexpr DWORD kWriteTimeoutMs = 2000;

HANDLE Handle(void *handle)
{
    return static_cast<HANDLE>(handle);
}

// "\\.\COM12": numbers above 9 have no plain name, and the prefix works for all.
std::wstring SystemPath(const QString &device)
{
    return (QStringLiteral("\\\\.\\") + device).toStdWString();
}

// 9600 8N1 without flow control, DTR and RTS left to the program.
bool SetLine(HANDLE handle)
{
    DCB line{};
    line.DCBlength = sizeof line;
    if (!GetCommState(handle, &line))
        return false;
    line.BaudRate = CBR_9600;
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    line.fBinary = TRUE;
    line.fParity = FALSE;
    line.fOutxCtsFlow = FALSE;
    line.fOutxDsrFlow = FALSE;
    line.fDsrSensitivity = FALSE;
    line.fOutX = FALSE;
    line.fInX = FALSE;
    line.fNull = FALSE;
    line.fAbortOnError = FALSE;
    line.fDtrControl = DTR_CONTROL_DISABLE;
    line.fRtsControl = RTS_CONTROL_DISABLE;
    return SetCommState(handle, &line);
}

// Reads return at once with what the driver holds; a write may take its time.
bool SetTimeouts(HANDLE handle)
{
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 2;  // about twice a character's time at 9600 baud
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutMs;
    return SetCommTimeouts(handle, &timeouts);
}

}  // namespace

SerialPort::~SerialPort()
{
    close();
}

QString SerialPort::open(const QString &device)
{
    close();
    m_device = device;
    if (DeviceResponder responder = InProcessDevice(device)) {
        m_inProcess = std::move(responder);
        return {};
    }
    const HANDLE handle = CreateFileW(SystemPath(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        m_refused = IsPortBusyError(error);
        return WindowsOpenFailureReason(error, WindowsErrorText(error));
    }
    if (!SetLine(handle) || !SetTimeouts(handle)) {
        const DWORD error = GetLastError();
        CloseHandle(handle);
        return QCoreApplication::translate("Link", "该设备不接受 9600 波特、8 个数据位、无校验、1 个停止位的设置，可能不是串口（%1）。")
            .arg(WindowsErrorText(error));
    }
    // An adapter without modem lines cannot raise DTR; the line works all the same.
    EscapeCommFunction(handle, SETDTR);
    PurgeComm(handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
    m_handle = handle;
    return {};
}

void SerialPort::close()
{
    if (m_handle)
        CloseHandle(Handle(m_handle));
    m_handle = nullptr;
    m_inProcess = {};
    m_received.clear();
    m_error.clear();
    m_refused = false;
}

bool SerialPort::isOpen() const
{
    return m_handle != nullptr || bool(m_inProcess);
}

QString SerialPort::deviceName() const
{
    return m_device;
}

void SerialPort::discardInput()
{
    if (m_handle && !hasFailed())
        PurgeComm(Handle(m_handle), PURGE_RXCLEAR);
    m_received.clear();
}

bool SerialPort::writeAll(const QByteArray &bytes)
{
    if (!isOpen() || hasFailed())
        return false;
    if (m_inProcess) {
        m_received += m_inProcess(bytes);
        return true;
    }
    DWORD written = 0;
    if (!WriteFile(Handle(m_handle), bytes.constData(), DWORD(bytes.size()), &written, nullptr)) {
        fail(GetLastError());
        return false;
    }
    if (written != DWORD(bytes.size())) {
        m_error = QCoreApplication::translate("Link", "写入超时");
        return false;
    }
    // Returns once the driver has sent every byte, where the driver can tell
    // (Wine's serial line on a pseudo-terminal cannot); the wait for the
    // answer covers the rest.
    if (!FlushFileBuffers(Handle(m_handle))) {
        const DWORD error = GetLastError();
        if (error != ERROR_NOT_SUPPORTED && error != ERROR_INVALID_FUNCTION) {
            fail(error);
            return false;
        }
    }
    return true;
}

qint64 SerialPort::bytesWaiting()
{
    pullFromDriver();
    return m_received.size();
}

void SerialPort::waitForBytes(int ms)
{
    // The driver gives no notice without overlapped reads: poll it, a
    // millisecond apart, as the exchange polls the port.
    const QDeadlineTimer deadline(ms);
    while (pullFromDriver() && m_received.isEmpty() && !deadline.hasExpired())
        Sleep(1);
}

bool SerialPort::hasFailed() const
{
    return !m_error.isEmpty();
}

QString SerialPort::errorString() const
{
    return m_error;
}

bool SerialPort::pullFromDriver()
{
    if (!m_handle || hasFailed())
        return !hasFailed() && isOpen();
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(Handle(m_handle), &errors, &status)) {
        fail(GetLastError());
        return false;
    }
    if (status.cbInQue == 0)
        return true;
    QByteArray bytes(qsizetype(status.cbInQue), Qt::Uninitialized);
    DWORD read = 0;
    if (!ReadFile(Handle(m_handle), bytes.data(), DWORD(bytes.size()), &read, nullptr)) {
        fail(GetLastError());
        return false;
    }
    m_received += bytes.left(qsizetype(read));
    return true;
}

void SerialPort::fail(unsigned long systemError)
{
    // A pulled adapter fails every call from then on; the port says so once.
    m_error = WindowsErrorText(systemError);
}
