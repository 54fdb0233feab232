// Publishing at save time and the publish report.
#include "codegen/publishing.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "codegen/fileops.h"
#include "codegen/menucode.h"
#include "files/textfile.h"
#include "model/appletagent.h"
#include "model/statustask.h"

namespace {

using Kind = TPublishedFile::Kind;

const std::string kRule(77, '=');

}  // namespace

std::string PublishBaseName(const std::string& name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) return name;
    return ReplaceAllIgnoreCase(name, name.substr(dot), "");
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
                                            const std::vector<std::string>& imageNames) {
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
    return lines;
}

TPublishPlan::TPublishPlan(const TvarnAppletAgent& agent, const std::string& folder, const std::string& name)
    : folder_(folder), baseName_(PublishBaseName(name)) {
    files_.push_back({Kind::Page, baseName_ + ".html", ""});
    for (const std::string& script : agent.ScriptFileNames()) {
        files_.push_back({Kind::Script, script, InFolder(agent.ProgramFolder(), script)});
    }
    files_.push_back({Kind::Project, baseName_ + ".tmz", ""});
    files_.push_back({Kind::Report, baseName_ + "_PublishReport.txt", ""});
    // The preview folder holds each image under its bare file name; a stored
    // name with folders in it must not make a publish write outside the folder.
    std::vector<std::string> images;
    for (const std::string& stored : PublishedImageNames(agent.GetAppletData())) {
        const std::string image = FileNamePart(stored);
        if (!IsPlainFileName(image) || std::find(images.begin(), images.end(), image) != images.end()) continue;
        images.push_back(image);
        files_.push_back({Kind::ArrowImage, image, agent.PreviewFolder() + image});
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
    for (const TPublishedFile& file : files_) paths.push_back(PathOf(file));
    return paths;
}

void TvarnAppletAgent::MakePublishReport(const std::string& folder, const std::string& name) {
    const std::vector<std::string> lines = PublishReportLines(scriptFileNames_, PublishedImageNames(appletData_));
    TTextFileWriter file(InFolder(folder, name));
    size_t written = 0;
    const auto writeUpTo = [&](size_t end) {
        for (; written < end; ++written) file.WriteLine(lines[written]);
    };
    TStatusTask task(Status());
    writeUpTo(7);  // the framed notice and its empty line
    task.BeginWithProgress(101, "Making Publish Report ... ...");
    writeUpTo(8);
    for (size_t i = 0; i < scriptFileNames_.size(); ++i) {
        writeUpTo(written + 1);
        task.Step(1);
    }
    writeUpTo(lines.size() - 5);  // up to the last image line
    task.Step(50);
    task.Step(50);
    writeUpTo(lines.size());
    file.Commit();
}

bool TvarnAppletAgent::SaveAndPublish(const std::string& folder, const std::string& name) {
    const TPublishPlan plan(*this, folder, name);
    MakeHTMLCodes(plan.PathOf(plan.File(Kind::Page)));
    for (const TPublishedFile& script : plan.FilesOf(Kind::Script)) CopyFileReplacing(script.source, plan.PathOf(script));
    SaveProject(plan.PathOf(plan.File(Kind::Project)));
    MakePublishReport(folder, plan.File(Kind::Report).name);

    TStatusTask task(Status());
    task.BeginWithProgress(100, "Copying Publishable Files ... ...");
    for (const TPublishedFile& image : plan.FilesOf(Kind::ArrowImage)) CopyFileReplacing(image.source, plan.PathOf(image));
    task.Step(50);
    task.Step(50);
    return true;
}
