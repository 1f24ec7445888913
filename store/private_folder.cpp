#include "private_folder.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#include <sddl.h>

#include <vector>

namespace {

// The security identifier of the user this process runs as, in its text form.
QString CurrentUserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<char> user(size);
    QString sid;
    LPWSTR text = nullptr;
    if (GetTokenInformation(token, TokenUser, user.data(), size, &size)
        && ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(user.data())->User.Sid, &text)) {
        sid = QString::fromWCharArray(text);
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

}  // namespace

bool MakePrivateFolder(const QString &path)
{
    const QString user = CurrentUserSid();
    if (user.isEmpty())
        return false;
    // P: protected, nothing inherited; OICI: passed on to files and folders
    // in it; FA: full access; SY and BA: the system and the administrators.
    const QString access = QStringLiteral("D:P(A;OICI;FA;;;%1)(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)").arg(user);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, FALSE};
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(reinterpret_cast<LPCWSTR>(access.utf16()),
                                                              SDDL_REVISION_1, &attributes.lpSecurityDescriptor,
                                                              nullptr))
        return false;
    const bool made = CreateDirectoryW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), &attributes);
    LocalFree(attributes.lpSecurityDescriptor);
    return made;
}

#else

bool MakePrivateFolder(const QString &path)
{
    constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    // The umask may take the owner's rights off a new folder: they are set again after.
    return QDir().mkdir(path, kOwnerOnly) && QFile::setPermissions(path, kOwnerOnly);
}

#endif
