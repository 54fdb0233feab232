// Saves on Windows: what the system refuses or allows that POSIX systems do
// not have (device names, the read-only attribute, the 260-character limit,
// files held open without delete sharing) and drive-letter project folders.
#include <gtest/gtest.h>

// Windows only: the same rules on POSIX systems are in test_files_transaction.cpp.
#if defined(_WIN32)

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "files/filetransaction.h"
#include "files/pathtofileurl.h"
#include "files/textfile.h"
#include "test_files_support.h"

namespace {

namespace fs = std::filesystem;
using testfiles::ReadBytes;

class WindowsSaveTest : public testfiles::ScratchFolderTest {
protected:
    // The message a refused save gives, or "" when it went through.
    static std::string SaveMessage(const std::string& path, const std::string& bytes)
    {
        try {
            WriteFileAtomically(path, bytes);
            return "";
        } catch (const TFileError& e) {
            return e.what();
        }
    }
};

TEST_F(WindowsSaveTest, DeviceNamesAreRefusedNamingTheFile)
{
    for (const char* name : {"CON", "con.html", "NUL.tmz", "Aux.js", "prn", "COM1.txt", "com9", "LPT1", "lpt9.gif",
                             "page.", "page ", "NUL .txt"}) {
        const std::string path = PathOf(name);
        EXPECT_EQ(SaveMessage(path, "x"),
                  "Cannot create file \"" + path + "\". The name is reserved by Windows for a device")
            << name;
    }
    EXPECT_TRUE(Names().empty());
    // Near misses are ordinary names.
    for (const char* name : {"COM0.txt", "COM10", "LPT0", "CONSOLE.html", "nullable.js", "auxiliary", "con_tents"})
        EXPECT_EQ(SaveMessage(PathOf(name), name), "") << name;
    EXPECT_EQ(ReadBytes(PathOf("COM10")), "COM10");
    EXPECT_EQ(Names().size(), 7u);
    try {
        ReadWholeFile(PathOf("NUL"));
        FAIL() << "the device was read";
    } catch (const TFileError& e) {
        EXPECT_EQ(e.Reason(), "The name is reserved by Windows for a device");
    }
}

TEST_F(WindowsSaveTest, AReadOnlyTargetIsRefusedAndKept)
{
    const std::string path = Put("menu.html", "old");
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(SaveMessage(path, "new"), "Cannot create file \"" + path + "\". Access denied");
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"menu.html"});
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(SaveMessage(path, "new"), "");
    EXPECT_EQ(ReadBytes(path), "new");
}

TEST_F(WindowsSaveTest, APathLongerThanTheClassicLimitIsSavedAndRead)
{
    std::wstring folder = folder_.wstring();
    for (int i = 0; i < 4; ++i) {
        folder += L"\\" + std::wstring(60, static_cast<wchar_t>(L'a' + i));
        ASSERT_TRUE(::CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr));
    }
    const std::string path = fs::path(folder + L"\\menu.html").string();
    ASSERT_GT(path.size(), 260u);
    EXPECT_EQ(SaveMessage(path, "first"), "");
    EXPECT_EQ(SaveMessage(path, "second"), "");  // replacing, not only creating
    EXPECT_EQ(ReadWholeFile(path), "second");
    WIN32_FIND_DATAW found{};
    std::vector<std::wstring> names;
    HANDLE search = ::FindFirstFileW((L"\\\\?\\" + folder + L"\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do
        names.emplace_back(found.cFileName);
    while (::FindNextFileW(search, &found));
    ::FindClose(search);
    EXPECT_EQ(names, (std::vector<std::wstring>{L".", L"..", L"menu.html"}));  // no temporary, no lock file
    ::DeleteFileW((L"\\\\?\\" + folder + L"\\menu.html").c_str());
    for (int i = 0; i < 4; ++i, folder.resize(folder.rfind(L'\\')))
        ::RemoveDirectoryW((L"\\\\?\\" + folder).c_str());
}

// Run as a second process by the test below: holds the file named in the
// environment open as an editor that forbids deleting would, until told.
TEST(WindowsHolder, HoldsTheNamedFile)
{
    const char* held = std::getenv("TRELLIMENU_HOLD_FILE");
    if (!held)
        GTEST_SKIP() << "the helper process of WindowsSaveTest.AFileHeldOpenElsewhereIsNotReplaced";
    HANDLE file = ::CreateFileA(held, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::string signal = std::string(held) + ".held";
    std::ofstream(signal) << "held";
    for (int i = 0; i < 600 && fs::exists(signal); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::CloseHandle(file);
}

TEST_F(WindowsSaveTest, AFileHeldOpenElsewhereIsNotReplaced)
{
    const std::string path = Put("menu.html", "old");
    const std::string signal = path + ".held";
    wchar_t self[MAX_PATH];
    ASSERT_GT(::GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=WindowsHolder.HoldsTheNamedFile";
    ASSERT_TRUE(::SetEnvironmentVariableA("TRELLIMENU_HOLD_FILE", path.c_str()));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started =
        ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    ::SetEnvironmentVariableA("TRELLIMENU_HOLD_FILE", nullptr);
    ASSERT_TRUE(started);
    for (int i = 0; i < 600 && !fs::exists(signal); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(fs::exists(signal));

    // Windows will not replace a file another program holds without delete
    // sharing: the save is refused and the file kept as it was.
    EXPECT_EQ(SaveMessage(path, "new"), "Cannot write file \"" + path + "\". Access denied");
    EXPECT_EQ(ReadBytes(path), "old");

    fs::remove(signal);
    ::WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(Names(), std::vector<std::string>{"menu.html"});
    EXPECT_EQ(SaveMessage(path, "new"), "");
    EXPECT_EQ(ReadBytes(path), "new");
}

TEST_F(WindowsSaveTest, ADriveLetterProjectFolderGivesRelativeLinksInAnyLetterCase)
{
    // A real drive path, as a Windows user's project folder is.
    const std::string project = fs::canonical(folder_).string() + "\\";
    ASSERT_EQ(project[1], ':');
    const std::string page = Put("pages.html", "p");
    EXPECT_EQ(LinkToLocalFile(page, project), "pages.html");
    std::string lower = project;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_EQ(LinkToLocalFile(page, lower), "pages.html");
    EXPECT_EQ(LinkToLocalFile("C:\\Web\\Site\\menu\\a b.htm", "C:\\Web\\Site\\"), "menu/a b.htm");
    EXPECT_EQ(LinkToLocalFile("C:\\Web\\Other\\a.htm", "C:\\Web\\Site\\"), "file:///C|/Web/Other/a.htm");
}

}  // namespace

#endif  // defined(_WIN32)
