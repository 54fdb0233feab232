// Reading and identifying files on Windows.
#include <cerrno>

#include "files/systemfiles.h"
#include "files/win32path.h"

int OpenRegularFile(const std::string& path, TSystemHandle& file, std::uint64_t& sizeHint)
{
    if (HasReservedName(path))
        return kReservedNameError;
    // Others may go on writing, renaming or deleting the file while it is read,
    // as they may on POSIX systems.
    HANDLE handle = ::CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return LastErrno();
    BY_HANDLE_FILE_INFORMATION info{};
    const bool described = ::GetFileInformationByHandle(handle, &info) != 0;
    const int error = !described ? LastErrno()
                      : (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? EISDIR
                      : ::GetFileType(handle) != FILE_TYPE_DISK            ? kNotRegularFileError
                                                                           : 0;
    if (error != 0) {
        ::CloseHandle(handle);
        return error;
    }
    file = reinterpret_cast<TSystemHandle>(handle);
    sizeHint = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    return 0;
}

int ReadSome(TSystemHandle file, char* data, std::size_t size, std::size_t& got)
{
    DWORD done = 0;
    const DWORD asked = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!::ReadFile(reinterpret_cast<HANDLE>(file), data, asked, &done, nullptr))
        return LastErrno();
    got = done;
    return 0;
}

void CloseQuietly(TSystemHandle file)
{
    if (file != kNoHandle)
        ::CloseHandle(reinterpret_cast<HANDLE>(file));
}

int IdentifyPath(const std::string& path, bool followLinks, TFileIdentity& identity)
{
    identity = {};
    if (HasReservedName(path))
        return 0;  // names a device, never a file
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    TWin32Handle handle(::CreateFileW(WidePath(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, flags, nullptr));
    if (!handle.Valid()) {
        const int error = LastErrno();
        return error == ENOENT || error == ENOTDIR ? 0 : error;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle.Get(), &info))
        return LastErrno();
    identity = IdentityOf(info);
    return 0;
}

std::string EnvironmentValue(const char* name)
{
    // getenv gives the value in the ANSI code page, where a folder named
    // outside it (a Greek user name under C:\Users) is lost.
    const std::wstring wideName = WideText(name);
    std::wstring value(256, L'\0');
    for (;;) {
        const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (length == 0)
            return {};
        if (length < value.size()) {
            value.resize(length);
            return Utf8Text(value);
        }
        value.resize(length);  // the size it needs, with its terminating zero
    }
}
