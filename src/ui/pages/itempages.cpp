#include "ui/pages/itempages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "files/pathtofileurl.h"
#include "model/fieldrules.h"
#include "ui/services/fieldhints.h"
#include "ui/pages/pagecommon.h"
#include "ui/document/editordocument.h"
#include "ui/services/prompts.h"

namespace {

// The order in which a load sets the controls.
const TPageBinding kItemPageBindings[] = {
    {ICaption, "edtICaption"},
    {pImageLeft, "spnedtpImageLeft"},
    {pImageTop, "spnedtpImageTop"},
    {pMenuWidth, "spnedtpMenuWidth"},
    {pSeparator, "chckbxpSeparator"},
    {pURL, "cmbxpURL"},
    {pTarget, "cmbxpTarget"},
    {pPopDescText, "edtpPopDescText"},
    {pStatusMsg, "edtpStatusMsg"},
    {UseStatusMsgAsPopDescMsg, "chckbxUseStatusMsgAsPopDescMsg"},
    {UseURLAsStatusBarMsg, "chckbxUseURLAsStatusBarMsg"},
};

const char* const kLinkFilter = "HTML files (*.htm *.html);;Any file (*)";

// A file in the project's folder or below it gets a relative link, which
// still works once the site is uploaded; any other file its file address.
// Either path may reach the same place through a symbolic link, so the
// resolved paths get a second look.
QString LinkForChosenFile(const QString& file, const QString& projectFolder)
{
    std::optional<std::string> link = RelativeLinkInFolder(file.toStdString(), projectFolder.toStdString());
    const QString realFile = QFileInfo(file).canonicalFilePath();
    const QString realFolder = projectFolder.isEmpty() ? QString() : QFileInfo(projectFolder).canonicalFilePath();
    if (!link && !realFile.isEmpty() && !realFolder.isEmpty())
        link = RelativeLinkInFolder(realFile.toStdString(), realFolder.toStdString());
    return QString::fromStdString(link.value_or(PathToFileURL(file.toStdString())));
}

}  // namespace

TItemPages::TItemPages(TPageCommon& common, QObject* parent) : QObject(parent), common_(common)
{
    BuildItemPage();
    BuildItemMiscPage();
    binder_ = std::make_unique<TPageBinder>(QList<QWidget*>{pages_[0].page, pages_[1].page}, kItemPageBindings,
                                            int(std::size(kItemPageBindings)), ItemFieldRules());
}

TItemPages::~TItemPages() = default;

void TItemPages::BuildItemPage()
{
    QVBoxLayout* page;
    QWidget* widget = common_.NewPage("tbshtItem", &page);
    QGridLayout* grid;

    page->addWidget(common_.NewGroup("Separator", 23, &grid));
    TGroupRows separator(grid);
    separator.Note(common_.NewNote("Check this if you would like to make the selected item as a separator."));
    separator_ = new QCheckBox("Set selected item to separator.");
    separator_->setObjectName("chckbxpSeparator");
    common_.WatchChanges(separator_);
    separator.Span(separator_);

    QGroupBox* group = common_.NewGroup("Caption", 24, &grid);
    common_.WatchHint(group);
    page->addWidget(group);
    TGroupRows caption(grid);
    caption.Note(common_.NewNote("The text you specified here will appear on the selected item.."));
    caption_ = new QLineEdit;
    caption_->setObjectName("edtICaption");
    common_.WatchChanges(caption_);
    common_.WatchHint(caption_);
    caption.Span(caption_);

    group = common_.NewGroup("Link", 25, &grid);
    common_.WatchHint(group);
    page->addWidget(group);
    TGroupRows link(grid);
    link.Note(common_.NewNote("Set where the selected item should link to and the name of the frame which will be used to load the linked document."));
    url_ = common_.NewList("cmbxpURL", {"https://", "http://", "mailto:", "javascript:", "ftp://", "news://"}, true);
    url_->setMinimumWidth(180);
    browse_ = new QToolButton;
    browse_->setObjectName("spdbtnItURL");
    browse_->setText("...");
    browse_->setAccessibleName("Browse");
    common_.WatchHint(browse_);
    connect(browse_, &QToolButton::clicked, this, &TItemPages::spdbtnItURLClick);
    link.Row({NewLabel("URL"), url_, browse_});
    target_ = common_.NewList("cmbxpTarget", {"_self", "_top", "_blank", "_parent"}, true);
    link.Row({NewLabel("Target"), target_});

    group = common_.NewGroup("Description (Web browser status bar message and PopUp Desc Box message)", 26, &grid);
    common_.WatchHint(group);
    page->addWidget(group);
    TGroupRows description(grid);
    description.Note(common_.NewNote("The text you specified here will be displayed on the status bar of the web browser when visitors move mouse pointer over the selected item."));
    statusMsg_ = new QLineEdit;
    statusMsg_->setObjectName("edtpStatusMsg");
    statusMsg_->setMinimumWidth(180);
    common_.WatchChanges(statusMsg_);
    common_.WatchHint(statusMsg_);
    description.RowToEnd({NewLabel("Status Bar Msg"), statusMsg_});
    urlAsStatus_ = new QCheckBox("Set URL as Status Bar Msg.");
    urlAsStatus_->setObjectName("chckbxUseURLAsStatusBarMsg");
    common_.WatchChanges(urlAsStatus_);
    description.Span(urlAsStatus_);
    description.Note(common_.NewNote("The text you specified here will be displayed on the PopUp Description Box when visitors move mouse pointer over the selected item."));
    popDescText_ = new QLineEdit;
    popDescText_->setObjectName("edtpPopDescText");
    common_.WatchChanges(popDescText_);
    common_.WatchHint(popDescText_);
    description.RowToEnd({NewLabel("PopUp Box Msg"), popDescText_});
    statusAsPopDesc_ = new QCheckBox("Set PopUp Description Msg as Status Bar Msg.");
    statusAsPopDesc_->setObjectName("chckbxUseStatusMsgAsPopDescMsg");
    common_.WatchChanges(statusAsPopDesc_);
    description.Span(statusAsPopDesc_);

    page->addStretch(1);
    pages_.append({widget, "Item"});
}

void TItemPages::BuildItemMiscPage()
{
    QVBoxLayout* page;
    QWidget* widget = common_.NewPage("tbshtItemMisc", &page);
    QGridLayout* grid;

    page->addWidget(common_.NewGroup("Menu Size", 27, &grid));
    TGroupRows size(grid);
    size.Note(common_.NewNote("The width of the menu which contains currently selected item."));
    size.Row({NewLabel("Menu Width"), common_.NewSpin("spnedtpMenuWidth")});

    page->addWidget(common_.NewGroup("Submenu Arrow Indicator Position", 28, &grid));
    TGroupRows arrow(grid);
    arrow.Note(common_.NewNote("The position of the arrow image that will be displayed if the selected item has submenu. You may need to adjust the x and y position to make it looks better."));
    arrow.Row({NewLabel("Image X"), common_.NewSpin("spnedtpImageLeft"), NewLabel("Y"), common_.NewSpin("spnedtpImageTop")});

    page->addStretch(1);
    pages_.append({widget, "Item Misc"});
}


std::optional<TRefreshError> TItemPages::Load(const TItemData& item)
{
    TPageCommon::QuietScope quiet(common_);
    std::optional<TRefreshError> error = binder_->Refresh(item);
    if (!error)
        ShowMirrors(item);
    return error;
}

void TItemPages::ShowMirrors(const TItemData& item)
{
    TPageCommon::QuietScope quiet(common_);
    const std::string& status = item[UseURLAsStatusBarMsg] == "1" ? item[pURL] : item[pStatusMsg];
    const std::string& popDesc = item[UseStatusMsgAsPopDescMsg] == "1" ? status : item[pPopDescText];
    // A box that shows it already is left alone: its caret stays where the user types.
    for (const auto& [field, value] : {std::pair{pStatusMsg, status}, std::pair{pPopDescText, popDesc}}) {
        if (binder_->Value(field) != TrimBlanks(value))
            binder_->RefreshField(field, value);
    }
}

void TItemPages::ApplyEnablingRules(const TNodeShape& shape)
{
    separator_->setEnabled(shape.hasNextSibling && !shape.hasChildren);
    binder_->Control(pMenuWidth)->setEnabled(!shape.hasPrevSibling);
    binder_->Control(pImageLeft)->setEnabled(shape.hasChildren);
    binder_->Control(pImageTop)->setEnabled(shape.hasChildren);

    // A disabled box keeps its text, and so does the item.
    const bool separator = separator_->isChecked();
    auto setBox = [](QWidget* box, bool enabled) {
        box->setEnabled(enabled);
        SetSilverBackground(box, !enabled);
    };
    setBox(caption_, !separator);
    setBox(url_, !separator);
    setBox(target_, !separator);
    setBox(statusMsg_, !separator && !urlAsStatus_->isChecked());
    setBox(popDescText_, !separator && !statusAsPopDesc_->isChecked());
    for (QWidget* w : std::initializer_list<QWidget*>{urlAsStatus_, statusAsPopDesc_, browse_})
        w->setEnabled(!separator);
}

void TItemPages::spdbtnItURLClick()
{
    // Links are made relative to the saved project's folder; an untitled
    // project has none.
    const QString project = common_.Document().FileName();
    const QString projectFolder = project.isEmpty() ? QString() : QFileInfo(project).absolutePath();
    const QString start = projectFolder.isEmpty() ? QDir::homePath() : projectFolder;
    const QString path = common_.Prompts().OpenFileName(QString(), start, kLinkFilter);
    if (path.isEmpty())
        return;
    // Refused as a typed separator is: a file name may hold it as well as
    // typed text can, and the box keeps what it held.
    const QString link = LinkForChosenFile(path, projectFolder);
    if (link.contains(QString::fromStdString(kFieldSeparator))) {
        ShowFieldHint(common_.Hints(), url_, SeparatorRefusedHint());
        return;
    }
    url_->setEditText(link);
}
