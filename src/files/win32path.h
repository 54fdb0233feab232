#pragma once
// What the Windows calls share: UTF-8 paths made wide for the W functions,
// Windows error codes as errno values (so the messages are the same on every
// system), names Windows keeps for devices, and file times.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

#include "files/fileidentity.h"

// UTF-8 text as UTF-16 and back, for the W functions.
std::wstring WideText(const std::string& text);
std::string Utf8Text(const std::wstring& text);
// The wide form of a UTF-8 path, made absolute; a path too long for the
// classic limit gets the \\?\ prefix that lifts it.
std::wstring WidePath(const std::string& path);
// The UTF-8 form of a wide path, without a \\?\ prefix.
std::string Utf8Path(const std::wstring& path);
// The errno value for a Windows error code.
int ErrnoFromWindows(DWORD error);
// The errno value for the last failed call.
int LastErrno();
// True when the last part of `path` is a name Windows keeps for a device.
bool HasReservedName(const std::string& path);
// The identity GetFileInformationByHandle gave.
TFileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& info);

// A handle closed when it goes out of scope.
class TWin32Handle {
public:
    explicit TWin32Handle(HANDLE handle) : handle_(handle) {}
    ~TWin32Handle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle_);
    }
    TWin32Handle(const TWin32Handle&) = delete;
    TWin32Handle& operator=(const TWin32Handle&) = delete;
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};
