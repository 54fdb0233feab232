#include "ui/pages/menupages.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include "model/colorconversion.h"
#include "model/fieldrules.h"
#include "ui/pages/colorswatch.h"
#include "ui/pages/pagecommon.h"
#include "ui/services/foldermemory.h"
#include "ui/services/previewcopies.h"
#include "ui/services/prompts.h"

namespace {

// Ascending field order, as the refresh runs.
const TPageBinding kMenuPageBindings[] = {
    {pMenuZIndex, "spnedtpMenuZIndex"},
    {pSlideStep, "spnedtpSlideStep"},
    {pSlideSpeed, "spnedtpSlideSpeed"},
    {pAutoCloseSubMenus, "chckbxpAutoCloseSubMenus"},
    {pSnapEnabled, "chckbxpSnapEnabled"},
    {pMenuScrollType, "cmbxpMenuScrollType"},
    {pSlideOpenSubMenuEnabled, "chckbxpSlideOpenSubMenuEnabled"},
    {pDelayOpenSubMenuInMSec, "spnedtpDelayOpenSubMenuInMSec"},
    {pDelayCloseSubMenuInMSec, "spnedtpDelayCloseSubMenuInMSec"},
    {paramDelayShowDescTextInMSec, "spnedtparamDelayShowDescTextInMSec"},
    {pSnapDistance, "spnedtpSnapDistance"},
    {pOnResizeEventHandler, "edtpOnResizeEventHandler"},
    {pOnRMouseMoveEventHandler, "edtpOnRMouseMoveEventHandler"},
    {pOnMouseUpHandler, "edtpOnMouseUpHandler"},
    {pOnClickEventHandler, "edtpOnClickEventHandler"},
    {pDragBarEnabled, "chckbxpDragBarEnabled"},
    {pDragBar_TitleAlign, "cmbxpDragBar_TitleAlign"},
    {pDragBar_BGColor, "pnlpDragBar_BGColor"},
    {pDragBar_TitleColor, "pnlpDragBar_TitleColor"},
    {pDragBar_FontFamily, "edtpDragBar_FontFamily"},
    {pDragBar_FontSize, "spnedtpDragBar_FontSize"},
    {pDragBar_FontBold, "spdbtnpDragBar_FontBold"},
    {pDragBar_FontItalic, "spdbtnpDragBar_FontItalic"},
    {pDragBar_PopTip, "edtpDragBar_PopTip"},
    {pDragBar_Title, "edtpDragBar_Title"},
    {pMainMenuOuterBGColor, "pnlpMainMenuOuterBGColor"},
    {pSubMenuArrowFileNormal, "edtpSubMenuArrowFileNormal"},
    {pSubMenuArrowFileOver, "edtpSubMenuArrowFileOver"},
    {pItemNoColor, "pnlpItemNoColor"},
    {pItemNoBgColor, "pnlpItemNoBgColor"},
    {pItemOvColor, "pnlpItemOvColor"},
    {pItemOvBgColor, "pnlpItemOvBgColor"},
    {pItemFontFamily, "edtpItemFontFamily"},
    {pItemFontSize, "spnedtpItemFontSize"},
    {pItemFontWeight, "spdbtnpItemFontWeight"},
    {pItemFontStyle, "spdbtnpItemFontStyle"},
    {pSeparatorColor, "pnlpSeparatorColor"},
    {pSeparatorLightColor, "pnlpSeparatorLightColor"},
    {pPopDescBgColor, "pnlpPopDescBgColor"},
    {pPopDescColor, "pnlpPopDescColor"},
    {pPopDescWidth, "spnedtpPopDescWidth"},
    {pItemPaddingLeft, "spnedtpItemPaddingLeft"},
    {pInitMenuX, "spnedtpInitMenuX"},
    {pInitMenuY, "spnedtpInitMenuY"},
    {pPopDescBorderWidth, "spnedtpPopDescBorderWidth"},
    {pPopDescBorderStyle, "cmbxpPopDescBorderStyle"},
    {pPopDescBorderColor, "pnlpPopDescBorderColor"},
    {pInternalUse_RootDir_Local, "edtpInternalUse_RootDir_Local"},
    {pInternalUse_RootDir_Remote, "edtpInternalUse_RootDir_Remote"},
    {pInternalUse_RootDir_Local_Checked, "rdbtnpInternalUse_RootDir_Local_Checked"},
};

const char* const kArrowImageFilter =
    "All Image Files (*.gif *.jpg *.jpeg);;GIF Image File (*.gif);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg)";

}  // namespace

TMenuPages::TMenuPages(TPageCommon& common, TFolderMemory& folders, TPreviewCopies& previewCopies, QObject* parent)
    : QObject(parent), common_(common), folders_(folders), previewCopies_(previewCopies)
{
    BuildMenuPage();
    BuildItemsPage();
    BuildMiscPage();
    BuildDragBarPage();
    BuildPopUpBoxPage();
    BuildAdvancedPage();
    BuildPathPage();
    QList<QWidget*> roots;
    for (const TPageTab& tab : pages_)
        roots.append(tab.page);
    binder_ = std::make_unique<TPageBinder>(roots, kMenuPageBindings, int(std::size(kMenuPageBindings)),
                                            MenuFieldRules());
    slideOpen_ = static_cast<QCheckBox*>(binder_->Control(pSlideOpenSubMenuEnabled));
}

TMenuPages::~TMenuPages() = default;

std::optional<TRefreshError> TMenuPages::Refresh(const TAppletData& data)
{
    TPageCommon::QuietScope quiet(common_);
    return binder_->Refresh(data);
}

void TMenuPages::ApplyEnablingRules(bool inFlow)
{
    const auto enable = [this](std::initializer_list<int> fields, bool enabled) {
        for (int field : fields) {
            QWidget* control = binder_->Control(field);
            control->setEnabled(enabled);
            SetSilverBackground(control, !enabled);
        }
    };
    enable({pSlideSpeed, pDelayOpenSubMenuInMSec}, slideOpen_->isChecked());
    enable({pInitMenuX, pInitMenuY, pMenuScrollType, pSnapEnabled, pSnapDistance, pDragBarEnabled,
            pDragBar_Title, pDragBar_TitleAlign, pDragBar_PopTip, pDragBar_FontFamily, pDragBar_FontSize,
            pDragBar_FontBold, pDragBar_FontItalic, pDragBar_TitleColor, pDragBar_BGColor},
           !inFlow);
}

void TMenuPages::btnSeparatorSuggestedColorClick()
{
    auto* base = static_cast<TColorSwatch*>(binder_->Control(pItemNoBgColor));
    auto* separator = static_cast<TColorSwatch*>(binder_->Control(pSeparatorColor));
    auto* shadow = static_cast<TColorSwatch*>(binder_->Control(pSeparatorLightColor));
    TPageCommon::EditGroup group(common_, "Suggested Color");
    separator->SetValue(LightenColor(base->Value()));
    common_.Changed(separator);
    shadow->SetValue(DarkenColor(base->Value()));
    common_.Changed(shadow);
}

void TMenuPages::spdbtn_SubMenuArrowClick(QWidget* button)
{
    const bool normal = button->objectName() == "spdbtnpSubMenuArrowFileNormal";
    const QString path = common_.Prompts().OpenFileName(QString(), folders_.LastFolder(TFolderKind::Images), kArrowImageFilter);
    if (path.isEmpty())
        return;
    folders_.RememberFolderOf(TFolderKind::Images, path);
    auto* edit = static_cast<QLineEdit*>(binder_->Control(normal ? pSubMenuArrowFileNormal : pSubMenuArrowFileOver));
    edit->setText(QFileInfo(path).fileName());
    previewCopies_.CopyToPreview(path);
}
