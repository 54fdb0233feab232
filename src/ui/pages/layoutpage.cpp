#include "ui/pages/layoutpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "model/extendedvalues.h"
#include "ui/document/editcommands.h"
#include "ui/document/editordocument.h"
#include "ui/pages/colorswatch.h"
#include "ui/pages/controlnames.h"
#include "ui/pages/pagecommon.h"

namespace {

// Help buttons of the page's groups.
constexpr int kLayoutHelpTag = 29;
constexpr int kBarHelpTag = 30;
constexpr int kDarkColoursHelpTag = 31;

// Stored words that read badly in a list by themselves; the others show as stored.
const struct {
    const char* name;
    const char* stored;
    const char* shown;
} kChoiceCaptions[] = {
    {extended::kBarWidth, "Full", "Full width"},
    {extended::kBarWidth, "Fit", "Fit the items"},
    {extended::kBarAlign, "Center", "Centre"},
};

QString ShownChoice(const std::string& name, const std::string& stored)
{
    for (const auto& c : kChoiceCaptions) {
        if (name == c.name && stored == c.stored)
            return QString::fromLatin1(c.shown);
    }
    return QString::fromStdString(stored);
}

QString ColourText(const QColor& colour)
{
    return colour.name().mid(1).toUpper();
}

}  // namespace

TLayoutPage::TLayoutPage(TPageCommon& common, QObject* parent)
    : QObject(parent), common_(common), document_(common.Document())
{
    Build();
    connect(&common_, &TPageCommon::edited, this, &TLayoutPage::Edited);
    connect(&document_, &TEditorDocument::extendedChanged, this, &TLayoutPage::Refresh);
    connect(&document_, &TEditorDocument::documentReplaced, this, &TLayoutPage::Refresh);
    Refresh();
}

QWidget* TLayoutPage::Bind(const char* name, QWidget* control)
{
    const TExtendedName* known = FindExtendedName(name);
    if (!known)
        qFatal("%s is no extended value", name);
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        for (const std::string& stored : known->choices)
            list->addItem(ShownChoice(name, stored), QString::fromStdString(stored));
    }
    bound_.append({known, control});
    return control;
}

QWidget* TLayoutPage::NewColourCell(const char* name, const char* control)
{
    // A plain holder: the row names the swatch, its first widget.
    auto* cell = new QWidget;
    auto* line = new QHBoxLayout(cell);
    line->setContentsMargins(0, 0, 0, 0);
    TColorSwatch* swatch = common_.NewSwatch(control);
    line->addWidget(Bind(name, swatch));
    auto* none = new QToolButton;
    none->setObjectName(QString::fromLatin1(control) + "None");
    none->setText("None");
    none->setToolTip("No dark colour: visitors with a dark system see the normal colour here");
    connect(none, &QToolButton::clicked, this, [this, swatch] {
        swatch->SetNone();
        common_.Changed(swatch);
    });
    line->addWidget(none);
    line->addStretch(1);
    bound_.last().none = none;
    return cell;
}

void TLayoutPage::Build()
{
    QVBoxLayout* page;
    page_ = common_.NewPage("tbshtLayout", &page);
    common_.WatchHint(page_);
    QGridLayout* grid;

    page->addWidget(common_.NewGroup("Layout", kLayoutHelpTag, &grid));
    TGroupRows layout(grid);
    layout.Note(common_.NewNote("Floating: the menu floats over the page at its position. Bar: a row of items "
                                "where the code block stands, for a page's header. Sidebar: a column of items "
                                "where the code block stands, for a side column. A bar and a sidebar do not use "
                                "the position, drag bar, snap and scroll settings."));
    layout.Row({NewLabel("Layout"), Bind(extended::kLayout, common_.NewList("cmbxLayout", {}, false))});
    layout.Note(common_.NewNote("In windows narrower than this, the menu becomes one button that opens the whole "
                                "menu as a panel, as phones need."));
    QSpinBox* phone = common_.NewSpin("spnedtPhoneBelow");
    phone->setRange(0, 9999);
    layout.Row({NewLabel("Phone form below (px)"), Bind(extended::kPhoneBelow, phone)});

    page->addWidget(common_.NewGroup("Bar", kBarHelpTag, &grid));
    TGroupRows bar(grid);
    bar.Note(common_.NewNote("How wide the bar is, where its items stand, and whether it stays at the top of "
                             "the window while the page scrolls."));
    bar.Row({NewLabel("Bar width"), Bind(extended::kBarWidth, common_.NewList("cmbxBarWidth", {}, false))});
    bar.Row({NewLabel("Alignment"), Bind(extended::kBarAlign, common_.NewList("cmbxBarAlign", {}, false))});
    auto* sticky = new QCheckBox("Stick to the top when scrolled");
    sticky->setObjectName("chckbxSticky");
    common_.WatchChanges(sticky);
    bar.Span(Bind(extended::kSticky, sticky));

    page->addWidget(common_.NewGroup("Dark Colours", kDarkColoursHelpTag, &grid));
    TGroupRows dark(grid);
    dark.Note(common_.NewNote("Colours for visitors whose system is set to dark. None keeps the normal colour."));
    dark.Row({NewLabel("Dark Border Color"), NewColourCell(extended::kDarkBorderColor, "pnlDarkBorderColor")});
    dark.Row({NewLabel("Dark Bar Background"), NewColourCell(extended::kDarkBarBGColor, "pnlDarkBarBGColor")});
    dark.Header({new QLabel, NewLabel("Normal:"), NewLabel("Mouse Over:")});
    dark.Row({NewLabel("Dark Text Color"), NewColourCell(extended::kDarkItemFontColor, "pnlDarkItemFontColor"),
              NewColourCell(extended::kDarkItemFontColorOver, "pnlDarkItemFontColorOver")});
    dark.Row({NewLabel("Dark BG Color"), NewColourCell(extended::kDarkItemBGColor, "pnlDarkItemBGColor"),
              NewColourCell(extended::kDarkItemBGColorOver, "pnlDarkItemBGColorOver")});
    for (const TBound& b : std::as_const(bound_)) {
        if (b.none)
            b.none->setAccessibleName(ControlName(b.control) + ", none");
    }

    page->addStretch(1);
}

const TLayoutPage::TBound* TLayoutPage::BoundTo(const QWidget* control) const
{
    for (const TBound& b : bound_) {
        if (b.control == control)
            return &b;
    }
    return nullptr;
}

std::string TLayoutPage::ValueOf(const TBound& bound) const
{
    switch (bound.known->kind) {
    case TExtendedKind::Choice:
        return static_cast<QComboBox*>(bound.control)->currentData().toString().toStdString();
    case TExtendedKind::Flag:
        return static_cast<QCheckBox*>(bound.control)->isChecked() ? "1" : "0";
    case TExtendedKind::Pixels:
        return std::to_string(static_cast<QSpinBox*>(bound.control)->value());
    case TExtendedKind::Colour: {
        auto* swatch = static_cast<TColorSwatch*>(bound.control);
        return swatch->IsNone() ? std::string() : ColourText(swatch->Color()).toStdString();
    }
    }
    return std::string();
}

void TLayoutPage::Show(const TBound& bound, const std::string& value)
{
    // Only a different value is shown, so a box being typed in keeps its text.
    if (ValueOf(bound) == value)
        return;
    switch (bound.known->kind) {
    case TExtendedKind::Choice: {
        auto* list = static_cast<QComboBox*>(bound.control);
        list->setCurrentIndex(list->findData(QString::fromStdString(value)));
        break;
    }
    case TExtendedKind::Flag:
        static_cast<QCheckBox*>(bound.control)->setChecked(value == "1");
        break;
    case TExtendedKind::Pixels:
        static_cast<QSpinBox*>(bound.control)->setValue(std::stoi(value));
        break;
    case TExtendedKind::Colour: {
        auto* swatch = static_cast<TColorSwatch*>(bound.control);
        if (value.empty())
            swatch->SetNone();
        else
            swatch->SetColor(QColor(QString::fromStdString("#" + value)));
        break;
    }
    }
}

void TLayoutPage::Refresh()
{
    {
        TPageCommon::QuietScope quiet(common_);
        // ValueOrDefault gives every known name a value of its kind.
        for (const TBound& b : std::as_const(bound_)) {
            Show(b, document_.Extended().ValueOrDefault(b.known->name));
            if (b.none)
                b.none->setEnabled(!static_cast<TColorSwatch*>(b.control)->IsNone());
        }
    }
    ApplyEnablingRules();
}

void TLayoutPage::ApplyEnablingRules()
{
    const bool bar = document_.Extended().ValueOrDefault(extended::kLayout) == "Bar";
    for (const char* name : {extended::kBarWidth, extended::kBarAlign, extended::kSticky}) {
        for (const TBound& b : std::as_const(bound_)) {
            if (b.known->name == std::string_view(name)) {
                b.control->setEnabled(bar);
                SetSilverBackground(b.control, !bar);
            }
        }
    }
}

void TLayoutPage::Edited(QWidget* control)
{
    const TBound* bound = BoundTo(control);
    if (!bound)
        return;
    const bool typed = bound->known->kind == TExtendedKind::Pixels;
    auto command = TSetExtendedCommand::IfChanging(
        document_, bound->known->name, ValueOf(*bound), QString("Change '%1'").arg(ControlName(control)),
        typed ? TSetExtendedCommand::Kind::Typed : TSetExtendedCommand::Kind::Committed);
    if (command)
        document_.UndoStack().push(command.release());
    else
        Show(*bound, document_.Extended().ValueOrDefault(bound->known->name));
}
