#pragma once
// The seven menu pages ("Menu", "Items", "Misc", "Drag Bar", "PopUp Box",
// "Advanced", "Path") that edit the menu-wide record, with their binding
// table, "Suggested Color", the arrow image browse buttons and the slide
// enabling rule. They show the document; their edits go out through the
// page common's edited signal.

#include <QObject>
#include <QVector>
#include <memory>
#include <optional>

#include "model/records.h"
#include "ui/pages/pagebindings.h"

class QCheckBox;
class QWidget;
class TFolderMemory;
class TPageCommon;
class TPreviewCopies;

struct TPageTab {
    QWidget* page;
    QString caption;
};

class TMenuPages final : public QObject {
    Q_OBJECT
public:
    // Arrow images are picked starting in the folder last used for images
    // and copied into the preview folder.
    TMenuPages(TPageCommon& common, TFolderMemory& folders, TPreviewCopies& previewCopies, QObject* parent = nullptr);
    ~TMenuPages() override;

    // The seven pages in tab order.
    const QVector<TPageTab>& Pages() const { return pages_; }

    const TPageBinder& Binder() const { return *binder_; }
    // Sets every control from the record, or none when a field does not convert.
    std::optional<TRefreshError> Refresh(const TAppletData& data);
    // "Slide Speed" and the opening delay follow "Slide Opening SubMenu"; a
    // menu in the page's flow (a bar, a sidebar) has no use for the position,
    // drag bar, snap and scroll settings, which stay as they are.
    void ApplyEnablingRules(bool inFlow);

private:
    void BuildMenuPage();
    void BuildItemsPage();
    void BuildMiscPage();
    void BuildDragBarPage();
    void BuildPopUpBoxPage();
    void BuildAdvancedPage();
    void BuildPathPage();
    QWidget* NewArrowBrowseButton(const QString& name);
    QWidget* NewFontGroup(const QString& caption, int helpTag, const char* family, const char* size, const char* bold,
                          const char* italic);
    QWidget* NewWatchedEdit(const QString& name);
    QWidget* NewFontList(const QString& name);
    void AddPage(QWidget* page, const QString& caption) { pages_.append({page, caption}); }

    void btnSeparatorSuggestedColorClick();
    void spdbtn_SubMenuArrowClick(QWidget* button);

    TPageCommon& common_;
    TFolderMemory& folders_;
    TPreviewCopies& previewCopies_;
    QVector<TPageTab> pages_;
    std::unique_ptr<TPageBinder> binder_;
    QCheckBox* slideOpen_ = nullptr;
};

