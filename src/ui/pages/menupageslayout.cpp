// The layout of the seven menu pages: groups, labels, controls and the grey
// explanatory texts. The bindings and behaviour live in menupages.cpp.

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/pages/colorswatch.h"
#include "ui/pages/menupages.h"
#include "ui/pages/pagecommon.h"
#include "ui/pages/pagegroup.h"

namespace {

QCheckBox* NewCheck(const QString& name, const QString& caption)
{
    auto* check = new QCheckBox(caption);
    check->setObjectName(name);
    return check;
}

// A group that only frames other groups.
QGroupBox* NewFrameGroup(const QString& caption, QVBoxLayout** inner)
{
    auto* group = new TPageGroup(caption);
    *inner = new QVBoxLayout(group);
    (*inner)->setContentsMargins(8, 6, 8, 8);
    (*inner)->setSpacing(8);
    return group;
}

}  // namespace

QWidget* TMenuPages::NewWatchedEdit(const QString& name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMinimumWidth(120);
    common_.WatchChanges(edit);
    return edit;
}

QWidget* TMenuPages::NewFontList(const QString& name)
{
    // The stacks web pages use first, every family installed here after:
    // any text may still be typed, as the page's CSS takes it.
    static const QStringList stacks = {
        "Arial, Helvetica, sans-serif",
        "Verdana, Geneva, sans-serif",
        "Tahoma, Verdana, sans-serif",
        "\"Trebuchet MS\", Helvetica, sans-serif",
        "Georgia, \"Times New Roman\", serif",
        "\"Times New Roman\", Times, serif",
        "\"Courier New\", Courier, monospace",
        "system-ui, -apple-system, \"Segoe UI\", Roboto, sans-serif",
    };
    QComboBox* list = common_.NewList(name, stacks + QFontDatabase::families(), true);
    list->setMinimumWidth(120);
    list->setMaxVisibleItems(20);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(16);
    return list;
}

QWidget* TMenuPages::NewFontGroup(const QString& caption, int helpTag, const char* family, const char* size,
                                  const char* bold, const char* italic)
{
    QGridLayout* grid;
    QGroupBox* group = common_.NewGroup(caption, helpTag, &grid);
    TGroupRows rows(grid);
    rows.Note(common_.NewNote("Specifies font family, size, set font style to bold or italic "));
    rows.RowToEnd({NewLabel("Font"), NewFontList(family)});
    auto* sizeRow = new QWidget;
    auto* line = new QHBoxLayout(sizeRow);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(common_.NewSpin(size));
    line->addWidget(common_.NewToggle(bold, true));
    line->addWidget(common_.NewToggle(italic, false));
    line->addStretch(1);
    rows.RowToEnd({NewLabel("Size"), sizeRow});
    return group;
}

QWidget* TMenuPages::NewArrowBrowseButton(const QString& name)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText("...");
    button->setToolTip(QString());
    button->setAccessibleName("Browse");
    connect(button, &QToolButton::clicked, this, [this, button] { spdbtn_SubMenuArrowClick(button); });
    return button;
}

void TMenuPages::BuildMenuPage()
{
    QVBoxLayout* page;
    QWidget* widget = common_.NewPage("tbshtMenu", &page);
    common_.WatchHint(widget);
    QGridLayout* grid;

    page->addWidget(common_.NewGroup("Position", 1, &grid));
    TGroupRows position(grid);
    position.Note(common_.NewNote("Here you can set the position of the menu where it will be displayed when page was loaded."));
    position.Row({NewLabel("Menu Initial X"), common_.NewSpin("spnedtpInitMenuX"), NewLabel("Y"), common_.NewSpin("spnedtpInitMenuY")});

    page->addWidget(common_.NewGroup("Slide Effect", 2, &grid));
    TGroupRows slide(grid);
    slide.Note(common_.NewNote("How many steps will be spent to complete the slide effect. Larger is smoother."));
    slide.Row({NewLabel("Slide Step"), common_.NewSpin("spnedtpSlideStep")});
    slide.Note(common_.NewNote("How long the submenu should wait/delay for next move/step in millisecond."));
    slide.Row({NewLabel("Slide Speed"), common_.NewSpin("spnedtpSlideSpeed")});
    QCheckBox* slideOpen = NewCheck("chckbxpSlideOpenSubMenuEnabled", "Slide Opening SubMenu");
    // Unsaved changes must never be lost on close, so this box counts as an edit too.
    common_.WatchChanges(slideOpen);
    slide.Span(slideOpen);

    page->addWidget(common_.NewGroup("Delay Open/Close Submenu", 3, &grid));
    TGroupRows delay(grid);
    delay.Note(common_.NewNote("How long the menu will wait before opening submenu if visitors move mouse pointer over the item which has submenu."));
    delay.RowToEnd({NewLabel("Wait "), common_.NewSpin("spnedtpDelayOpenSubMenuInMSec"), NewWrappedLabel("millisecond(s) before opening submenu.")});
    delay.Note(common_.NewNote("How long the menu will wait before closing opened submenu if visitors move mouse pointer out of the submenu."));
    delay.RowToEnd({NewLabel("Wait"), common_.NewSpin("spnedtpDelayCloseSubMenuInMSec"), NewWrappedLabel("millisecond(s) before closing submenu.")});
    QCheckBox* autoClose = NewCheck("chckbxpAutoCloseSubMenus", "Auto Close Opened SubMenu");
    common_.WatchChanges(autoClose);
    delay.Span(autoClose);

    page->addStretch(1);
    AddPage(widget, "Menu");
}

void TMenuPages::BuildItemsPage()
{
    QVBoxLayout* page;
    QWidget* widget = common_.NewPage("tbshtItems", &page);
    common_.WatchHint(widget);
    QVBoxLayout* settings;
    page->addWidget(NewFrameGroup("Items Settings", &settings));
    QGridLayout* grid;

    settings->addWidget(common_.NewGroup("Color and Background", 4, &grid));
    TGroupRows colours(grid);
    colours.Note(common_.NewNote("The color of item caption and the background color of the item. Normal color will be used if no mouse pointer moves over the item. Mouse Over color will be used if mouse pointer moves over the item."));
    colours.Header({new QLabel, NewLabel("Normal:"), NewLabel("Mouse Over:")});
    colours.Row({NewLabel("Text Color"), common_.NewSwatch("pnlpItemNoColor"), common_.NewSwatch("pnlpItemOvColor")});
    colours.Row({NewLabel("BG Color"), common_.NewSwatch("pnlpItemNoBgColor"), common_.NewSwatch("pnlpItemOvBgColor")});

    settings->addWidget(NewFontGroup("Font Settings", 5, "edtpItemFontFamily", "spnedtpItemFontSize", "spdbtnpItemFontWeight",
                                     "spdbtnpItemFontStyle"));

    settings->addWidget(common_.NewGroup("Separator", 6, &grid));
    TGroupRows separator(grid);
    separator.Note(common_.NewNote("The color of separator."));
    auto* suggested = new QPushButton("Suggested Color");
    suggested->setObjectName("btnSeparatorSuggestedColor");
    connect(suggested, &QPushButton::clicked, this, &TMenuPages::btnSeparatorSuggestedColorClick);
    separator.Row({NewLabel("Color"), common_.NewSwatch("pnlpSeparatorColor"), NewLabel("Shadow Color"),
                   common_.NewSwatch("pnlpSeparatorLightColor"), suggested});

    settings->addWidget(common_.NewGroup("Position Offset", 7, &grid));
    TGroupRows offset(grid);
    offset.Note(common_.NewNote("The horizontal offset of the item caption. Increase this number to move the caption to right side."));
    offset.Row({NewLabel("Items Padding-Left"), common_.NewSpin("spnedtpItemPaddingLeft")});

    page->addStretch(1);
    AddPage(widget, "Items");
}

void TMenuPages::BuildMiscPage()
{
    QVBoxLayout* page;
    QWidget* widget = common_.NewPage("tbshtMisc", &page);
    QGridLayout* grid;

    page->addWidget(common_.NewGroup("Menu Border", 8, &grid));
    TGroupRows border(grid);
    border.Note(common_.NewNote("The color of menu border will be decided depending on base color you specified here."));
    border.Row({NewLabel("Base Color"), common_.NewSwatch("pnlpMainMenuOuterBGColor")});

    page->addWidget(common_.NewGroup("Submenu Arrow Indicator", 9, &grid));
    TGroupRows arrows(grid);
    arrows.Note(common_.NewNote("Image files that will be displayed at the right side of the item to indicate that this item has submenu."));
    arrows.Note(common_.NewNote("Submenu-closed Arrow Image will be displayed if no mouse pointer moves over the item, in this case, submenu will not be displayed. "));
    arrows.Span(NewLabel("Submenu-closed Arrow Image"));
    arrows.Row({NewWatchedEdit("edtpSubMenuArrowFileNormal"), NewArrowBrowseButton("spdbtnpSubMenuArrowFileNormal")});
    arrows.Note(common_.NewNote("Submenu-opened Arrow Image will be displayed if visitors move mouse pointer over the item, in this case, submenu will be opened."));
    arrows.Span(NewLabel("Submenu-opened Arrow Image"));
    arrows.Row({NewWatchedEdit("edtpSubMenuArrowFileOver"), NewArrowBrowseButton("spdbtnpSubMenuArrowFileOver")});

    page->addWidget(common_.NewGroup("Scroll", 10, &grid));
    TGroupRows scroll(grid);
    scroll.Note(common_.NewNote("Specifies how the menu will adjust its position if visitors scroll the page."));
    scroll.Row({NewLabel("Menu Scroll Direction"),
                common_.NewList("cmbxpMenuScrollType", {"No Scroll", "Horizontal Scroll Only", "Vertical Scroll Only", "Both H and V Scroll"}, false)});

    page->addWidget(common_.NewGroup("Snap", 11, &grid));
    TGroupRows snap(grid);
    snap.Note(common_.NewNote("The menu will snap the border of the web browser if the distance between the menu border and the web browser border reaches or less than the Snap Distance below."));
    QCheckBox* snapEnabled = NewCheck("chckbxpSnapEnabled", "Snap Enabled");
    common_.WatchChanges(snapEnabled);
    snap.Span(snapEnabled);
    snap.Row({NewLabel("Snap Distance"), common_.NewSpin("spnedtpSnapDistance")});

    page->addStretch(1);
    AddPage(widget, "Misc");
}

void TMenuPages::BuildDragBarPage()
{
    QVBoxLayout* page;
    QWidget* widget = common_.NewPage("tbshtDragBar", &page);
    QGridLayout* grid;
    QGroupBox* dragBar = common_.NewGroup("Drag Bar", 12, &grid);
    page->addWidget(dragBar);
    TGroupRows outer(grid);
    outer.Note(common_.NewNote("Drag Bar will be displayed at the top of the menu and visitors may move the menu anywhere on the web page by moving the mouse pointer over the drag bar and then press and hold the left-button of the mouse. It is recommended to display the Drag Bar."));
    QCheckBox* display = NewCheck("chckbxpDragBarEnabled", "Display Drag Bar");
    common_.WatchChanges(display);
    outer.Span(display);

    QGroupBox* group = common_.NewGroup("Title and Tip", 13, &grid);
    outer.Span(group);
    TGroupRows title(grid);
    title.Note(common_.NewNote("Specifies text that will be displayed on drag bar and how to align it."));
    title.RowToEnd({NewLabel("Title"), NewWatchedEdit("edtpDragBar_Title")});
    title.Row({NewLabel("Title Align"), common_.NewList("cmbxpDragBar_TitleAlign", {"Left", "Center", "Right"}, false)});
    title.Note(common_.NewNote("Specifies message that will be displayed on a popup box if visitors move mouse pointer over the drag bar. You may put tip message here."));
    title.RowToEnd({NewLabel("PopUp Tip"), NewWatchedEdit("edtpDragBar_PopTip")});

    outer.Span(NewFontGroup("Title Font Settings", 14, "edtpDragBar_FontFamily", "spnedtpDragBar_FontSize",
                            "spdbtnpDragBar_FontBold", "spdbtnpDragBar_FontItalic"));

    group = common_.NewGroup("Color", 15, &grid);
    outer.Span(group);
    TGroupRows colour(grid);
    colour.Note(common_.NewNote("The color of drag bar's title."));
    colour.Row({NewLabel("Title Color"), common_.NewSwatch("pnlpDragBar_TitleColor")});
    colour.Note(common_.NewNote("The bg color of drag bar."));
    colour.Row({NewLabel("Background Color"), common_.NewSwatch("pnlpDragBar_BGColor")});

    page->addStretch(1);
    AddPage(widget, "Drag Bar");
}

void TMenuPages::BuildPopUpBoxPage()
{
    QVBoxLayout* page;
    QWidget* widget = common_.NewPage("tbshtPopUpBox", &page);
    QVBoxLayout* box;
    page->addWidget(NewFrameGroup("PopUp Description Box", &box));
    box->addWidget(common_.NewNote("The PopUp Description Box will be displayed along with the item description message around the item if visitors move mouse pointer over it."));
    QGridLayout* grid;

    box->addWidget(common_.NewGroup("Color", 16, &grid));
    TGroupRows colour(grid);
    colour.Note(common_.NewNote("The text color and background color of PopUp Description Box."));
    colour.Row({NewLabel("Text Color"), common_.NewSwatch("pnlpPopDescColor")});
    colour.Row({NewLabel("Background Color"), common_.NewSwatch("pnlpPopDescBgColor")});

    box->addWidget(common_.NewGroup("Size", 17, &grid));
    TGroupRows size(grid);
    size.Note(common_.NewNote("The width of the PopUp Description Box in pixels. The description message will be wrapped if its length exceeds the width of the PopUp Description Box."));
    size.Row({NewLabel("PopUp Description Box Width"), common_.NewSpin("spnedtpPopDescWidth")});

    box->addWidget(common_.NewGroup("Delay Setting", 18, &grid));
    TGroupRows delay(grid);
    delay.Note(common_.NewNote("How long the menu will wait before displaying PopUp Description Box when visitors move mouse pointer over the item which has description message."));
    delay.RowToEnd({NewLabel("Wait"), common_.NewSpin("spnedtparamDelayShowDescTextInMSec"), NewWrappedLabel("millisecond(s) before displaying PopUp Box.")});

    box->addWidget(common_.NewGroup("Border", 19, &grid));
    TGroupRows border(grid);
    border.Note(common_.NewNote("The border properties of PopUp Description Box."));
    border.Row({NewLabel("Width"), common_.NewSpin("spnedtpPopDescBorderWidth"), NewLabel("Style"),
                common_.NewList("cmbxpPopDescBorderStyle", {"none", "solid", "double", "groove", "ridge", "inset", "outset", "dotted", "dashed"}, false)});
    border.Row({NewLabel("Color"), common_.NewSwatch("pnlpPopDescBorderColor")});

    page->addStretch(1);
    AddPage(widget, "PopUp Box");
}

void TMenuPages::BuildAdvancedPage()
{
    QVBoxLayout* page;
    QWidget* widget = common_.NewPage("tbshtAdvanced", &page);
    QGridLayout* grid;
    page->addWidget(common_.NewGroup("Advanced", 0, &grid));
    TGroupRows rows(grid);
    rows.Note(common_.NewNote("You may need to increase Z-Index of the menu if some other elements that have higher Z-Index to overlap the menu."));
    rows.Row({NewLabel("Z-Index"), common_.NewSpin("spnedtpMenuZIndex"), common_.NewHelpButton(20)});
    rows.Note(common_.NewNote("The following event handlers are designed for developer only. Please do not change anything here unless you understand what you are doing."));
    rows.Note(common_.NewNote("If there are any scripts that use one or more event handlers below and need to work with this script on the same web page, they may not work properly. In this case, move their handlers here. This menu script will call these handlers when event occurs."));
    const struct { const char* label; const char* name; } handlers[] = {
        {"OnResize", "edtpOnResizeEventHandler"},
        {"OnMouseMove", "edtpOnRMouseMoveEventHandler"},
        {"OnMouseUp", "edtpOnMouseUpHandler"},
        {"OnClick", "edtpOnClickEventHandler"},
    };
    for (const auto& h : handlers)
        rows.RowToEnd({NewLabel(h.label), NewWatchedEdit(h.name)});
    rows.Row({common_.NewHelpButton(21)});

    page->addStretch(1);
    AddPage(widget, "Advanced");
}

void TMenuPages::BuildPathPage()
{
    QVBoxLayout* page;
    QWidget* widget = common_.NewPage("tbshtPath", &page);
    QGridLayout* grid;
    page->addWidget(common_.NewGroup("Path Replacement for Publishing", 22, &grid));
    TGroupRows rows(grid);
    rows.Note(common_.NewNote("If item's URL contains either local or web path you specified here, one path will be replaced by another depending on the choice below. Local path will be replaced by web path for uploading if you need to upload the menu to web server to test or publish. "));
    rows.Span(NewLabel("Root Directory for Local Computer"));
    rows.Span(NewWatchedEdit("edtpInternalUse_RootDir_Local"));
    rows.Span(NewLabel("Root Directory for Web Server"));
    rows.Span(NewWatchedEdit("edtpInternalUse_RootDir_Remote"));
    // Both buttons sit in one parent so the binder finds the second beside the first.
    auto* pair = new QWidget;
    auto* pairLayout = new QVBoxLayout(pair);
    pairLayout->setContentsMargins(0, 0, 0, 0);
    const struct { const char* name; const char* caption; } radios[] = {
        {"rdbtnpInternalUse_RootDir_Local_Checked", "Test on Local Computer"},
        {"rdbtnpInternalUse_RootDir_Local_Checked2", "Upload to Web Server"},
    };
    for (const auto& r : radios) {
        auto* radio = new QRadioButton(r.caption);
        radio->setObjectName(r.name);
        common_.WatchChanges(radio);
        pairLayout->addWidget(radio);
    }
    rows.Span(pair);

    page->addStretch(1);
    AddPage(widget, "Path");
}
