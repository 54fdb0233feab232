#include "cli/cli.h"

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "codegen/fileops.h"
#include "codegen/generation.h"
#include "codegen/programfolder.h"
#include "codegen/publishing.h"
#include "files/filetransaction.h"
#include "files/projectfile.h"
#include "files/structurefile.h"
#include "files/textfile.h"
#include "files/utf8path.h"
#include "model/fieldrules.h"
#include "model/product.h"

namespace fs = std::filesystem;

namespace {

const char* const kTool = "trellimenu-cli";

const char* const kUsage =
    "Usage: trellimenu-cli COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  publish PROJECT.tmz [--out DIR]       write the page, the five scripts, the project file,\n"
    "                                        the publish report and the arrow images into DIR\n"
    "                                        (default: the project's folder), as a Save does\n"
    "  html PROJECT.tmz                      print the generated page\n"
    "  export-structure PROJECT.tmz OUT.gms  write the menu structure file\n"
    "  import-structure IN.gms OUT.tmz       write a project made from a structure file\n"
    "\n"
    "Options:\n"
    "  --page-code classic|modern  the code the page pastes (publish, html): the classic\n"
    "             block (the default), or the modern one of real links and deferred scripts\n"
    "             that works under a strict content security policy (writes tmzmenu.css too)\n"
    "  --wait SECONDS  how long publish waits for another save into the same folder to\n"
    "             finish (default 60); then it ends with status 2\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "Exit status: 0 success, 1 wrong usage, 2 a file was refused or could not be read or written.\n";

struct TUsageError {
    std::string message;
};

// One parsed command line: the command word, its file arguments, the options.
struct TCommandLine {
    std::string command;
    std::vector<std::string> files;
    std::string outFolder;
    bool hasOut = false;
    TPageCode pageCode = TPageCode::Classic;
    bool hasPageCode = false;
    int waitSeconds = 60;
    bool hasWait = false;
};

// An option that takes a value, given as "--name VALUE" or "--name=VALUE";
// true when args[i] is it, `i` then on its value.
bool TakeValueOption(const std::vector<std::string>& args, size_t& i, const std::string& name, bool& given,
                     std::string& value) {
    const std::string& arg = args[i];
    if (arg != name && arg.rfind(name + "=", 0) != 0) return false;
    if (given) throw TUsageError{name + " given twice"};
    if (arg == name && i + 1 >= args.size()) throw TUsageError{name + " needs a value"};
    value = arg == name ? args[++i] : arg.substr(name.size() + 1);
    if (value.empty()) throw TUsageError{name + " needs a value"};
    given = true;
    return true;
}

int ParseSeconds(const std::string& text) {
    const bool digits = !text.empty() && text.size() <= 6 &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) throw TUsageError{"--wait takes a whole number of seconds, not '" + text + "'"};
    return std::stoi(text);
}

// Says once, after the first second, that the publish waits, and gives up
// when the given time has passed since the wait began.
class TSaidLockWait final : public TLockWait {
public:
    TSaidLockWait(std::ostream& err, int seconds)
        : err_(err), giveUp_(std::chrono::steady_clock::now() + std::chrono::seconds(seconds)) {}
    bool KeepWaiting(const std::string& folder) override {
        if (!said_) {
            err_ << "Waiting for another save into " << folder << " to finish\u2026\n";
            err_.flush();
            said_ = true;
        }
        return std::chrono::steady_clock::now() < giveUp_;
    }

private:
    std::ostream& err_;
    std::chrono::steady_clock::time_point giveUp_;
    bool said_ = false;
};

TCommandLine Parse(const std::vector<std::string>& args) {
    TCommandLine line;
    std::string pageCode, wait;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && TakeValueOption(args, i, "--out", line.hasOut, line.outFolder)) {
        } else if (!optionsEnded && TakeValueOption(args, i, "--page-code", line.hasPageCode, pageCode)) {
            if (!PageCodeFromName(pageCode, line.pageCode))
                throw TUsageError{"--page-code takes classic or modern, not '" + pageCode + "'"};
        } else if (!optionsEnded && TakeValueOption(args, i, "--wait", line.hasWait, wait)) {
            line.waitSeconds = ParseSeconds(wait);
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            throw TUsageError{"unknown option '" + arg + "'"};
        } else if (line.command.empty()) {
            line.command = arg;
        } else {
            line.files.push_back(arg);
        }
    }
    return line;
}

void ExpectFiles(const TCommandLine& line, size_t count, bool outAllowed, bool pageCodeAllowed = false) {
    if (line.hasOut && !outAllowed) throw TUsageError{"--out goes with publish only"};
    if (line.hasWait && !outAllowed) throw TUsageError{"--wait goes with publish only"};
    if (line.hasPageCode && !pageCodeAllowed) throw TUsageError{"--page-code goes with publish and html only"};
    if (line.files.size() != count) {
        throw TUsageError{line.command + " takes " + std::to_string(count) + (count == 1 ? " file" : " files")};
    }
}

// A project or structure file that was refused or ended early.
struct TCliRefusal {
    std::string path;
    std::string reason;
};

const char* const kIncompleteReason = "The file ends before its closing tag; nothing was written.";

void CheckRead(const TReadResult& result, const std::string& path) {
    if (result.status == TReadResult::Refused) throw TCliRefusal{path, result.message};
    if (result.status == TReadResult::Incomplete) throw TCliRefusal{path, kIncompleteReason};
}

class TCli {
public:
    TCli(const std::string& executablePath, std::ostream& out, std::ostream& err)
        : executablePath_(executablePath), out_(out), err_(err) {}

    int Run(const TCommandLine& line) {
        if (line.command == "publish") {
            ExpectFiles(line, 1, true, true);
            TSaidLockWait wait(err_, line.waitSeconds);
            Publish(line.files[0], line.hasOut ? line.outFolder : FolderPart(line.files[0]), line.pageCode, wait);
        } else if (line.command == "html") {
            ExpectFiles(line, 1, false, true);
            PrintPage(line.files[0], line.pageCode);
        } else if (line.command == "export-structure") {
            ExpectFiles(line, 2, false);
            ExportStructureFile(Open(line.files[0]), line.files[1], status_);
        } else if (line.command == "import-structure") {
            ExpectFiles(line, 2, false);
            ImportStructure(line.files[0], line.files[1]);
        } else {
            throw TUsageError{line.command.empty() ? "no command given" : "unknown command '" + line.command + "'"};
        }
        return kCliSuccess;
    }

private:
    // Reads a project as the editor's Open does; refused or cut files stop here.
    TMenuDocument Open(const std::string& path) {
        TMenuDocument document;
        const TReadResult result = LoadProjectFile(path, document, status_);
        CheckRead(result, path);
        Warn(result.warnings);
        return document;
    }

    // The editor's Open followed by its Save: the arrow images come from the
    // project's folder, else from the program folder.
    void Publish(const std::string& project, const std::string& outFolder, TPageCode pageCode, TLockWait& wait) {
        const TMenuDocument document = Open(project);
        const std::string programFolder = ResolveProgramFolder(executablePath_);
        std::error_code error;
        if (!outFolder.empty()) fs::create_directories(PathFromUtf8(outFolder), error);
        if (error) throw TFileError("Cannot create folder", outFolder, error.message());

        TPublishSetup setup;
        setup.programFolder = programFolder;
        setup.imageFolders = {FolderPart(project).empty() ? "./" : FolderPart(project), programFolder};
        setup.pageCode = pageCode;
        setup.lockWait = &wait;
        const TPublishResult result =
            SaveAndPublish(document, setup, InFolder(outFolder, ""), FileNamePart(project), status_);
        Warn(result.warnings);
        for (const std::string& image : result.missingImages) {
            err_ << kTool << ": warning: arrow image \"" << image
                 << "\" is neither beside the project nor in the program folder; not published\n";
        }
    }

    void Warn(const std::vector<std::string>& warnings) {
        for (const std::string& warning : warnings) err_ << kTool << ": warning: " << warning << '\n';
    }

    void PrintPage(const std::string& project, TPageCode pageCode) {
        out_ << GenerateMenu(Open(project), status_, pageCode).page;
        out_.flush();
        if (!out_) throw TFileError("Cannot write file", "(standard output)", "Write failed");
    }

    // What the editor's Import followed by Save writes as the project: the
    // pages gathered, then the records as the generator leaves them.
    void ImportStructure(const std::string& structure, const std::string& project) {
        TMenuDocument document;
        CheckRead(ImportStructureFile(structure, document, status_), structure);
        document.applet = GatheredApplet(document.applet);
        SaveProjectFile(GenerateMenu(document, status_).document, project, status_);
    }

    std::string executablePath_;
    std::ostream& out_;
    std::ostream& err_;
    TSilentStatus status_;
};

}  // namespace

int RunTrellimenuCli(const std::vector<std::string>& args, const std::string& executablePath, std::ostream& out,
                     std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return kCliSuccess;
        }
        if (arg == "--version") {
            out << kTool << " (" << kProductName << ") " << kProductVersion << '\n';
            return kCliSuccess;
        }
    }
    try {
        TCli cli(executablePath, out, err);
        return cli.Run(Parse(args));
    } catch (const TUsageError& e) {
        err << kTool << ": " << e.message << "\nTry '" << kTool << " --help' for more information.\n";
        return kCliUsage;
    } catch (const TCliRefusal& e) {
        err << kTool << ": \"" << e.path << "\": " << e.reason << '\n';
        return kCliFileFailure;
    } catch (const std::exception& e) {
        err << kTool << ": " << e.what() << '\n';
        return kCliFileFailure;
    }
}
