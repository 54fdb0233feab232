// Publishing at save time and the publish report.
#include "codegen/publishing.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "codegen/fileops.h"
#include "codegen/menucode.h"
#include "codegen/moderncode.h"
#include "files/filetransaction.h"
#include "files/projectfile.h"
#include "model/statustask.h"

namespace {

using Kind = TPublishedFile::Kind;

const std::string kRule(77, '=');

}  // namespace

const TStringArray& ScriptFileNames() {
    static const TStringArray names{"tmzcfg.js", "tmzparams.js", "tmzie.js", "tmzmo.js", "tmzop.js"};
    return names;
}

std::string PublishBaseName(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ProjectFileNameFor(const std::string& name) {
    return EndsWithIgnoringCase(name, ".tmz") ? name : PublishBaseName(name) + ".tmz";
}

std::vector<std::string> PublishedImageNames(const TAppletData& applet) {
    std::vector<std::string> names;
    for (TAppletField field : {pSubMenuArrowFileNormal, pSubMenuArrowFileOver}) {
        const std::string& name = applet[field];
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

std::vector<std::string> PublishReportLines(const std::vector<std::string>& scriptNames,
                                            const std::vector<std::string>& imageNames, TPageCode pageCode) {
    std::vector<std::string> lines = {
        kRule,
        "This message contain the information about how to publish the Javascript menu. Please read it carefully!",
        "All necessary files be saved in the same directory the project file (*.tmz) in. If you still not",
        "save the current project, save it first! This message will aslo be saved in a text file along with",
        "project file named \"ProjectName_PublishReport.txt\".",
        kRule,
        "",
        "[Javascript menu script file(s)]:",
    };
    for (const std::string& name : scriptNames) lines.push_back("  " + name);
    lines.push_back("");
    lines.push_back("[Image File(s)]: They should be copied to the same directory the script file in!");
    for (const std::string& name : imageNames) lines.push_back("  " + name);
    lines.insert(lines.end(), {"", "", kRule, "End of Publish Report", kRule});
    if (pageCode == TPageCode::Modern) {
        lines.insert(lines.end(), {"", "[Style sheet for visitors without JavaScript]: Copy it with the script files!",
                                   std::string("  ") + kMenuStylesheetName});
    }
    return lines;
}

TTextEncoding PublishReportEncoding(const TMenuDocument& document) {
    const std::vector<std::string> names = PublishedImageNames(document.applet);
    return EncodingToWrite(document.encoding, [&](auto visit) {
        for (const std::string& name : names) {
            if (!visit(name)) return;
        }
    });
}

std::string MakePublishReport(const TMenuDocument& document, TStatusDisplay& status, TPageCode pageCode) {
    const TStringArray& scripts = ScriptFileNames();
    const std::vector<std::string> lines = PublishReportLines(scripts, PublishedImageNames(document.applet), pageCode);
    // The classic report's closing lines, and the style sheet's after them.
    const size_t closing = PublishReportLines(scripts, PublishedImageNames(document.applet)).size();
    std::string text;
    size_t written = 0;
    const auto writeUpTo = [&](size_t end) {
        for (; written < end; ++written) text += lines[written] + "\r\n";
    };
    TStatusTask task(status);
    writeUpTo(7);  // the framed notice and its empty line
    task.BeginWithProgress(101, "Making Publish Report ... ...");
    writeUpTo(8);
    for (size_t i = 0; i < scripts.size(); ++i) {
        writeUpTo(written + 1);
        task.Step(1);
    }
    writeUpTo(closing - 5);  // up to the last image line
    task.Step(50);
    task.Step(50);
    writeUpTo(lines.size());
    return text;
}

std::string PublishReportBytes(const TMenuDocument& document, TStatusDisplay& status, TPageCode pageCode) {
    return EncodeText(MakePublishReport(document, status, pageCode), PublishReportEncoding(document));
}

TPublishPlan::TPublishPlan(const TAppletData& applet, const TPublishSetup& setup, const std::string& folder,
                           const std::string& name)
    : folder_(folder), baseName_(PublishBaseName(name)) {
    files_.push_back({Kind::Page, baseName_ + ".html", ""});
    for (const std::string& script : ScriptFileNames()) {
        const bool generated = script == kParameterScriptName;
        files_.push_back({Kind::Script, script, generated ? "" : InFolder(setup.programFolder, script)});
    }
    if (setup.pageCode == TPageCode::Modern) files_.push_back({Kind::Stylesheet, kMenuStylesheetName, ""});
    files_.push_back({Kind::Project, ProjectFileNameFor(name), ""});
    files_.push_back({Kind::Report, baseName_ + "_PublishReport.txt", ""});
    // Each image under its bare file name: a stored name with folders in it
    // must not make a publish write outside the folder.
    std::vector<std::string> images;
    for (const std::string& stored : PublishedImageNames(applet)) {
        const std::string image = FileNamePart(stored);
        if (!IsPlainFileName(image) || std::find(images.begin(), images.end(), image) != images.end()) continue;
        images.push_back(image);
        std::string source;
        for (const std::string& candidate : setup.imageFolders) {
            if (!candidate.empty() && IsRegularFile(InFolder(candidate, image))) {
                source = InFolder(candidate, image);
                break;
            }
        }
        files_.push_back({Kind::ArrowImage, image, source});
    }
}

std::vector<TPublishedFile> TPublishPlan::FilesOf(Kind kind) const {
    std::vector<TPublishedFile> result;
    std::copy_if(files_.begin(), files_.end(), std::back_inserter(result),
                 [kind](const TPublishedFile& file) { return file.kind == kind; });
    return result;
}

const TPublishedFile& TPublishPlan::File(Kind kind) const {
    const auto it = std::find_if(files_.begin(), files_.end(),
                                 [kind](const TPublishedFile& file) { return file.kind == kind; });
    if (it == files_.end()) throw std::logic_error("no such published file");
    return *it;
}

std::string TPublishPlan::PathOf(const TPublishedFile& file) const { return InFolder(folder_, file.name); }

std::vector<std::string> TPublishPlan::Paths() const {
    std::vector<std::string> paths;
    for (const TPublishedFile& file : files_) {
        if (file.kind != Kind::ArrowImage || !file.source.empty()) paths.push_back(PathOf(file));
    }
    return paths;
}

std::vector<std::string> TPublishPlan::MissingImages() const {
    std::vector<std::string> missing;
    for (const TPublishedFile& image : FilesOf(Kind::ArrowImage)) {
        if (image.source.empty()) missing.push_back(image.name);
    }
    return missing;
}

TPublishResult SaveAndPublish(const TMenuDocument& document, const TPublishSetup& setup, const std::string& folder,
                              const std::string& name, TStatusDisplay& status) {
    const TPublishPlan plan(document.applet, setup, folder, name);
    TFileTransaction files(TFileTransaction::Locking::Folders, setup.lockWait);
    std::vector<std::string> folders{folder.empty() ? "." : folder};
    if (!setup.parameterScriptCopy.empty()) folders.push_back(FolderPart(setup.parameterScriptCopy));
    files.LockFolders(folders);

    TGeneratedMenu menu = PrepareSave(document, setup.gathering, status, setup.pageCode);
    files.Create(plan.PathOf(plan.File(Kind::Page)), TRenameOrder::Page).WriteBytes(menu.page);
    if (!setup.parameterScriptCopy.empty()) files.Create(setup.parameterScriptCopy).WriteBytes(menu.script);
    for (const TPublishedFile& script : plan.FilesOf(Kind::Script)) {
        if (script.source.empty())
            files.Create(plan.PathOf(script)).WriteBytes(menu.script);
        else
            files.Copy(script.source, plan.PathOf(script));
    }
    for (const TPublishedFile& sheet : plan.FilesOf(Kind::Stylesheet))
        files.Create(plan.PathOf(sheet)).WriteBytes(menu.stylesheet);
    const std::string projectPath = plan.PathOf(plan.File(Kind::Project));
    StageProjectFile(menu.document, files, projectPath, status);
    files.SetRenameOrder(projectPath, TRenameOrder::Project);
    files.Create(plan.PathOf(plan.File(Kind::Report)))
        .WriteBytes(PublishReportBytes(menu.document, status, setup.pageCode));
    {
        TStatusTask task(status);
        task.BeginWithProgress(100, "Copying Publishable Files ... ...");
        for (const TPublishedFile& image : plan.FilesOf(Kind::ArrowImage)) {
            if (!image.source.empty()) files.Copy(image.source, plan.PathOf(image));
        }
        task.Step(50);
        task.Step(50);
    }
    files.Commit();
    return {std::move(menu.document), projectPath, plan.MissingImages(), files.Warnings()};
}
