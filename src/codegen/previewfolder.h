#pragma once
// The preview folder ("preview" in the program folder): the files copied
// there for the browser preview, and the cleaning that removes exactly those
// again. Copies and deletions that fail are silent, as the preview has always
// been; each copy is whole or absent, never cut short.

#include <functional>
#include <string>

#include "model/records.h"
#include "model/statusdisplay.h"

class TPreviewFolder {
public:
    // programFolder: with or without its trailing separator.
    explicit TPreviewFolder(const std::string& programFolder = std::string());

    void SetProgramFolder(const std::string& programFolder);
    const std::string& ProgramFolder() const { return programFolder_; }  // trailing separator
    std::string Folder() const;  // program folder + "preview" + separator

    // The bare names copied in, in copying order; a name copied twice is
    // listed twice, a failed copy is listed too.
    const TStringArray& PreviewFiles() const { return previewFiles_; }

    void CopyToPreview(const std::string& path);
    // The same for bytes made in memory, under `name`.
    void WriteToPreview(const std::string& name, const std::string& bytes);
    void CopyScriptsToPreview(const std::string& folder);
    void CopyArrowImagesToPreview(const std::string& folder, const TAppletData& applet, TStatusDisplay& status);
    void ClearPreview();

private:
    // Writes what `bytes` gives under `name`; a name that is no plain file
    // name, or bytes that cannot be had or written, are listed all the same.
    void Put(const std::string& name, const std::function<std::string()>& bytes);

    std::string programFolder_;
    TStringArray previewFiles_;
};
