#pragma once
// A file the user picked (an arrow image) copied into the preview folder, so
// the preview shows it and the next save publishes it.

#include <QString>

#include "codegen/previewfolder.h"
#include "ui/services/localpath.h"

class TPreviewCopies {
public:
    virtual ~TPreviewCopies() = default;
    virtual void CopyToPreview(const QString& path) = 0;
};

class TPreviewFolderCopies final : public TPreviewCopies {
public:
    explicit TPreviewFolderCopies(TPreviewFolder& folder) : folder_(folder) {}
    void CopyToPreview(const QString& path) override { folder_.CopyToPreview(LocalPath(path)); }

private:
    TPreviewFolder& folder_;
};
