#pragma once
// What a save publishes beside the project, said before anything is written:
// the editor, the command-line tool, the publish report and the tests all read
// the same list.

#include <string>
#include <vector>

#include "model/records.h"

class TvarnAppletAgent;

// The project's base name: with a "." in the name, every occurrence of its
// extension (from the last "." on, any letter case) is removed; otherwise the
// name is used whole. MENU.TMZ gives MENU, a.tmz.tmz gives a.
std::string PublishBaseName(const std::string& name);

// The arrow image names a report lists: the non-empty ones, each name once
// (exact, case-sensitive comparison), normal before over.
std::vector<std::string> PublishedImageNames(const TAppletData& applet);

// The lines of a publish report, without their line ends.
std::vector<std::string> PublishReportLines(const std::vector<std::string>& scriptNames,
                                            const std::vector<std::string>& imageNames);

struct TPublishedFile {
    enum class Kind { Page, Script, Project, Report, ArrowImage };
    Kind kind;
    std::string name;    // bare file name in the publish folder
    std::string source;  // the file copied there; "" for a file generated there
};

class TPublishPlan {
public:
    // The files that SaveAndPublish (folder, name) writes, in writing order:
    // the page, the five scripts, the project file, the report, the images.
    TPublishPlan(const TvarnAppletAgent& agent, const std::string& folder, const std::string& name);

    const std::string& Folder() const { return folder_; }
    const std::string& BaseName() const { return baseName_; }
    const std::vector<TPublishedFile>& Files() const { return files_; }
    std::vector<TPublishedFile> FilesOf(TPublishedFile::Kind kind) const;
    // The one file of a kind that occurs once (page, project, report).
    const TPublishedFile& File(TPublishedFile::Kind kind) const;
    std::string PathOf(const TPublishedFile& file) const;
    std::vector<std::string> Paths() const;

private:
    std::string folder_;
    std::string baseName_;
    std::vector<TPublishedFile> files_;
};
