// The save's calls on Windows. What differs from POSIX systems: a file open
// in another program without delete sharing cannot be replaced (the save is
// refused, the target untouched); folders cannot be flushed, so each rename
// is written through instead; the folder lock is a hidden file that the
// system deletes when its last handle closes, even after a crash.
#include <cerrno>

#include "files/savefilesystem.h"
#include "files/systemfiles.h"
#include "files/win32path.h"

extern const char* const kFolderLockName;

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE AsHandle(TSystemHandle file)
{
    return reinterpret_cast<HANDLE>(file);
}

int ErrorOr0(BOOL succeeded)
{
    return succeeded ? 0 : LastErrno();
}

// The handle GetFileInformationByHandle and GetFinalPathNameByHandle need;
// no access to the content, so a file open elsewhere is still described.
HANDLE OpenToDescribe(const std::string& path, bool followLinks)
{
    return ::CreateFileW(WidePath(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
}

void Describe(const BY_HANDLE_FILE_INFORMATION& st, TEntryInfo& info)
{
    using Kind = TEntryInfo::Kind;
    const DWORD attributes = st.dwFileAttributes;
    info.kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? Kind::Link
                : (attributes & FILE_ATTRIBUTE_DIRECTORY)   ? Kind::Folder
                                                            : Kind::File;
    // Files have no owner the save could give a replacement; the access
    // check is the system's when the file is opened or replaced.
    info.ownedByUser = true;
    info.writableByNobody = info.kind == Kind::File && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    info.mode = attributes;
    info.identity = IdentityOf(st);
}

// The whole path of an open file, links resolved; `given` made absolute where
// the system cannot say (Wine fails paths past 260 characters with
// ERROR_MORE_DATA).
int FinalPath(HANDLE handle, const std::string& given, std::string& path)
{
    // As long as a path can be from the start: Wine fails a short buffer
    // with ERROR_MORE_DATA instead of giving the length needed.
    std::wstring wide(32768, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(handle, wide.data(), static_cast<DWORD>(wide.size()),
                                                         FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) {
            if (::GetLastError() != ERROR_MORE_DATA)
                return LastErrno();
            path = Utf8Path(WidePath(given));
            return 0;
        }
        if (length < wide.size()) {
            wide.resize(length);
            path = Utf8Path(wide);
            return 0;
        }
        wide.resize(length + 1);
    }
}

class TWin32SaveFileSystem final : public TSaveFileSystem {
public:
    int Inspect(const std::string& path, TEntryInfo& info) override
    {
        info = {};
        if (HasReservedName(path))
            return kReservedNameError;
        TWin32Handle handle(OpenToDescribe(path, false));
        if (!handle.Valid()) {
            const int error = LastErrno();
            return error == ENOENT || error == ENOTDIR ? 0 : error;
        }
        BY_HANDLE_FILE_INFORMATION st{};
        if (!::GetFileInformationByHandle(handle.Get(), &st))
            return LastErrno();
        Describe(st, info);
        if (info.kind == TEntryInfo::Kind::File && ::GetFileType(handle.Get()) != FILE_TYPE_DISK)
            info.kind = TEntryInfo::Kind::Other;
        return 0;
    }

    // Where a link (a symbolic link or a junction) leads, as a whole path.
    int ReadLink(const std::string& path, std::string& target) override
    {
        TWin32Handle handle(OpenToDescribe(path, true));
        if (!handle.Valid())
            return LastErrno();
        return FinalPath(handle.Get(), path, target);
    }

    int ResolveFolder(const std::string& folder, std::string& resolved) override
    {
        TWin32Handle handle(OpenToDescribe(folder, true));
        if (!handle.Valid())
            return LastErrno();
        return FinalPath(handle.Get(), folder, resolved);
    }

    int CheckWritable(const std::string& path) override
    {
        const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return LastErrno();
        // A folder's read-only attribute only marks it as customised; whether
        // files may be added to it is its access list's to say.
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return (attributes & FILE_ATTRIBUTE_READONLY) ? EACCES : 0;
        TWin32Handle handle(::CreateFileW(WidePath(path).c_str(), FILE_ADD_FILE, kShareAll, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        return handle.Valid() ? 0 : LastErrno();
    }

    int List(const std::string& folder, std::vector<std::string>& names) override
    {
        WIN32_FIND_DATAW found{};
        HANDLE search = ::FindFirstFileW((WidePath(folder) + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return LastErrno();
        do
            names.push_back(Utf8Path(found.cFileName));
        while (::FindNextFileW(search, &found));
        ::FindClose(search);
        return 0;
    }

    int ReadOwnFile(const std::string& path, std::string& bytes, TEntryInfo& info) override
    {
        if (const int error = Inspect(path, info))
            return error;
        if (info.kind != TEntryInfo::Kind::File)
            return info.kind == TEntryInfo::Kind::Missing ? ENOENT : EPERM;
        TWin32Handle handle(::CreateFileW(WidePath(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (!handle.Valid())
            return LastErrno();
        char chunk[65536];
        for (;;) {
            std::size_t got = 0;
            if (const int error = ReadSome(reinterpret_cast<TSystemHandle>(handle.Get()), chunk, sizeof chunk, got))
                return error;
            if (got == 0)
                return 0;
            bytes.append(chunk, got);
        }
    }

    int StageBeside(const std::string& path, const TEntryInfo& replaced, TSystemHandle& file) override
    {
        if (HasReservedName(path))
            return kReservedNameError;
        // Readers may look in; nobody else writes it or takes it away.
        const DWORD attributes =
            replaced.kind == TEntryInfo::Kind::File && (replaced.mode & FILE_ATTRIBUTE_HIDDEN)
                ? FILE_ATTRIBUTE_HIDDEN
                : FILE_ATTRIBUTE_NORMAL;
        HANDLE handle = ::CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                      attributes, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return LastErrno();
        file = reinterpret_cast<TSystemHandle>(handle);
        return 0;
    }

    int Write(TSystemHandle file, const char* data, std::size_t size) override
    {
        while (size > 0) {
            const DWORD asked = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
            DWORD done = 0;
            if (!::WriteFile(AsHandle(file), data, asked, &done, nullptr))
                return LastErrno();
            data += done;
            size -= done;
        }
        return 0;
    }

    int Flush(TSystemHandle file) override { return ErrorOr0(::FlushFileBuffers(AsHandle(file))); }
    int Close(TSystemHandle file) override { return ErrorOr0(::CloseHandle(AsHandle(file))); }

    int Replace(const std::string& from, const std::string& to) override
    {
        if (HasReservedName(to))
            return kReservedNameError;
        return ErrorOr0(::MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    }

    int KeepAside(const std::string& path, const std::string& keep, bool& moved) override
    {
        moved = false;
        // A file another program holds without delete sharing could neither
        // be replaced nor have its second name removed again: refused before
        // anything is made.
        {
            TWin32Handle probe(::CreateFileW(WidePath(path).c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING,
                                             FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
            if (!probe.Valid())
                return LastErrno();
        }
        if (::CreateHardLinkW(WidePath(keep).c_str(), WidePath(path).c_str(), nullptr))
            return 0;
        const int error = LastErrno();
        if (error != ENOTSUP && error != EACCES)
            return error;
        moved = true;  // FAT and exFAT have no second names
        return ErrorOr0(::MoveFileExW(WidePath(path).c_str(), WidePath(keep).c_str(), MOVEFILE_WRITE_THROUGH));
    }

    int Remove(const std::string& path) override { return ErrorOr0(::DeleteFileW(WidePath(path).c_str())); }

    // Every rename was written through (MOVEFILE_WRITE_THROUGH), and a folder
    // cannot be flushed without administrator rights.
    int SyncFolder(const std::string&) override { return 0; }

    int TryLockFolder(const std::string& folder, TFolderLock& lock) override
    {
        const std::string path = folder + "\\" + kFolderLockName;
        HANDLE handle = ::CreateFileW(WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const int error = LastErrno();
            // The last holder closed it and a waiter still has it open: it
            // is going away, and the next attempt makes a new one.
            if (error == EACCES && CheckWritable(folder) == 0)
                return EWOULDBLOCK;
            return error;
        }
        OVERLAPPED whole{};
        if (!::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
            const DWORD error = ::GetLastError();
            ::CloseHandle(handle);
            return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? EWOULDBLOCK : ErrnoFromWindows(error);
        }
        // No name kept: closing the handle removes the file.
        lock = {reinterpret_cast<TSystemHandle>(handle), ""};
        return 0;
    }

    void UnlockFolder(TFolderLock& lock) override
    {
        if (lock.handle == kNoHandle)
            return;
        ::CloseHandle(AsHandle(lock.handle));
        lock = {};
    }
};

}  // namespace

TSaveFileSystem& SystemSaveFileSystem()
{
    static TWin32SaveFileSystem system;
    return system;
}
