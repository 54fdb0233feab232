#include "menupages.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include "model/fieldrules.h"
#include "model/colorconversion.h"
#include "ui/colorswatch.h"
#include "ui/editorhost.h"
#include "ui/pagecommon.h"
#include "ui/prompts.h"

namespace {

using K = TControlKind;

// Ascending field order, as the refresh runs.
const TPageBinding kMenuPageBindings[] = {
    {pMenuZIndex, "spnedtpMenuZIndex", K::Spin, false},
    {pSlideStep, "spnedtpSlideStep", K::Spin, false},
    {pSlideSpeed, "spnedtpSlideSpeed", K::Spin, false},
    {pAutoCloseSubMenus, "chckbxpAutoCloseSubMenus", K::Check, false},
    {pSnapEnabled, "chckbxpSnapEnabled", K::Check, false},
    {pMenuScrollType, "cmbxpMenuScrollType", K::PositionList, false},
    {pSlideOpenSubMenuEnabled, "chckbxpSlideOpenSubMenuEnabled", K::Check, false},
    {pDelayOpenSubMenuInMSec, "spnedtpDelayOpenSubMenuInMSec", K::Spin, false},
    {pDelayCloseSubMenuInMSec, "spnedtpDelayCloseSubMenuInMSec", K::Spin, false},
    {paramDelayShowDescTextInMSec, "spnedtparamDelayShowDescTextInMSec", K::Spin, false},
    {pSnapDistance, "spnedtpSnapDistance", K::Spin, false},
    {pOnResizeEventHandler, "edtpOnResizeEventHandler", K::Text, false},
    {pOnRMouseMoveEventHandler, "edtpOnRMouseMoveEventHandler", K::Text, false},
    {pOnMouseUpHandler, "edtpOnMouseUpHandler", K::Text, false},
    {pOnClickEventHandler, "edtpOnClickEventHandler", K::Text, false},
    {pDragBarEnabled, "chckbxpDragBarEnabled", K::Check, false},
    {pDragBar_TitleAlign, "cmbxpDragBar_TitleAlign", K::WordList, true},
    {pDragBar_BGColor, "pnlpDragBar_BGColor", K::Swatch, false},
    {pDragBar_TitleColor, "pnlpDragBar_TitleColor", K::Swatch, false},
    {pDragBar_FontFamily, "edtpDragBar_FontFamily", K::Text, false},
    {pDragBar_FontSize, "spnedtpDragBar_FontSize", K::Spin, false},
    {pDragBar_FontBold, "spdbtnpDragBar_FontBold", K::Toggle, false},
    {pDragBar_FontItalic, "spdbtnpDragBar_FontItalic", K::Toggle, false},
    {pDragBar_PopTip, "edtpDragBar_PopTip", K::Text, false},
    {pDragBar_Title, "edtpDragBar_Title", K::Text, false},
    {pMainMenuOuterBGColor, "pnlpMainMenuOuterBGColor", K::Swatch, false},
    {pSubMenuArrowFileNormal, "edtpSubMenuArrowFileNormal", K::Text, true},
    {pSubMenuArrowFileOver, "edtpSubMenuArrowFileOver", K::Text, true},
    {pItemNoColor, "pnlpItemNoColor", K::Swatch, false},
    {pItemNoBgColor, "pnlpItemNoBgColor", K::Swatch, false},
    {pItemOvColor, "pnlpItemOvColor", K::Swatch, false},
    {pItemOvBgColor, "pnlpItemOvBgColor", K::Swatch, false},
    {pItemFontFamily, "edtpItemFontFamily", K::Text, false},
    {pItemFontSize, "spnedtpItemFontSize", K::Spin, false},
    {pItemFontWeight, "spdbtnpItemFontWeight", K::Toggle, false},
    {pItemFontStyle, "spdbtnpItemFontStyle", K::Toggle, false},
    {pSeparatorColor, "pnlpSeparatorColor", K::Swatch, false},
    {pSeparatorLightColor, "pnlpSeparatorLightColor", K::Swatch, false},
    {pPopDescBgColor, "pnlpPopDescBgColor", K::Swatch, false},
    {pPopDescColor, "pnlpPopDescColor", K::Swatch, false},
    {pPopDescWidth, "spnedtpPopDescWidth", K::Spin, false},
    {pItemPaddingLeft, "spnedtpItemPaddingLeft", K::Spin, false},
    {pInitMenuX, "spnedtpInitMenuX", K::Spin, false},
    {pInitMenuY, "spnedtpInitMenuY", K::Spin, false},
    {pPopDescBorderWidth, "spnedtpPopDescBorderWidth", K::Spin, false},
    {pPopDescBorderStyle, "cmbxpPopDescBorderStyle", K::WordList, false},
    {pPopDescBorderColor, "pnlpPopDescBorderColor", K::Swatch, false},
    {pInternalUse_RootDir_Local, "edtpInternalUse_RootDir_Local", K::Text, false},
    {pInternalUse_RootDir_Remote, "edtpInternalUse_RootDir_Remote", K::Text, false},
    {pInternalUse_RootDir_Local_Checked, "rdbtnpInternalUse_RootDir_Local_Checked", K::RadioPair, false},
};

const char* const kArrowImageFilter =
    "All Image Files (*.gif *.jpg *.jpeg);;GIF Image File (*.gif);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg)";

}  // namespace

TMenuPages::TMenuPages(TPageCommon& common, QObject* parent) : QObject(parent), common_(common)
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
    binder_ = std::make_unique<TPageBinder>(roots, kMenuPageBindings, int(std::size(kMenuPageBindings)));
    slideOpen_ = static_cast<QCheckBox*>(binder_->Control(pSlideOpenSubMenuEnabled));
    connect(slideOpen_, &QCheckBox::clicked, this, &TMenuPages::slideOpenClicked);
}

TMenuPages::~TMenuPages() = default;

TAppletData TMenuPages::Gather() const
{
    TAppletData data;  // every field "", unbound ones stay so
    binder_->GatherInto(data);
    DeriveBorderColors(data);
    return data;
}

std::optional<TRefreshError> TMenuPages::Refresh(const TAppletData& data)
{
    TPageCommon::QuietScope quiet(common_);
    return binder_->Refresh(data);
}

void TMenuPages::ApplyEnablingRules()
{
    const bool slide = slideOpen_->isChecked();
    for (int field : {pSlideSpeed, pDelayOpenSubMenuInMSec}) {
        QWidget* control = binder_->Control(field);
        control->setEnabled(slide);
        SetSilverBackground(control, !slide);
    }
}

void TMenuPages::btnSeparatorSuggestedColorClick()
{
    auto* base = static_cast<TColorSwatch*>(binder_->Control(pItemNoBgColor));
    static_cast<TColorSwatch*>(binder_->Control(pSeparatorColor))->SetValue(LightenColor(base->Value()));
    static_cast<TColorSwatch*>(binder_->Control(pSeparatorLightColor))->SetValue(DarkenColor(base->Value()));
    common_.Host().MarkModified();
}

void TMenuPages::spdbtn_SubMenuArrowClick(QWidget* button)
{
    const bool normal = button->objectName() == "spdbtnpSubMenuArrowFileNormal";
    TEditorHost& host = common_.Host();
    const QString path = host.Prompts().OpenFileName(QString(), host.ProgramFolder(), kArrowImageFilter);
    if (path.isEmpty())
        return;
    auto* edit = static_cast<QLineEdit*>(binder_->Control(normal ? pSubMenuArrowFileNormal : pSubMenuArrowFileOver));
    edit->setText(QFileInfo(path).fileName());
    host.CopyToPreview(path);
}
