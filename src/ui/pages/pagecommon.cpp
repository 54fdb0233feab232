#include "ui/pages/pagecommon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include "model/appletagent.h"
#include "ui/dialogs/helpwindow.h"
#include "ui/pages/colorswatch.h"
#include "ui/pages/controlnames.h"
#include "ui/services/fieldhints.h"
#include "ui/pages/pagegroup.h"
#include "ui/pages/typingboxes.h"
#include "ui/services/helptopics.h"
#include "ui/services/hints.h"
#include "ui/services/prompts.h"

namespace {

const QColor kNoteColor(0x70, 0x70, 0x70);
const QColor kSilver(0xC0, 0xC0, 0xC0);
// 6.9:1 against the silver, above the 4.5:1 that small text needs.
const QColor kTextOnSilver(0x33, 0x33, 0x33);

QIcon HelpIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x2F, 0x6F, 0xC0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, "?");
    return QIcon(pixmap);
}

// A value is one line of the project file, and a carriage return pasted into
// a box would end that line early; the box shows one line anyway.
}  // namespace

namespace {
constexpr int kGroupColumns = 8;  // the last one stretches

// The control a row cell stands for: the cell itself, or for a plain holder
// of several widgets the first of them.
QWidget* ControlIn(QWidget* cell)
{
    if (cell->metaObject() != &QWidget::staticMetaObject)
        return cell;
    const QList<QWidget*> inner = cell->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return inner.isEmpty() ? cell : inner.first();
}
}  // namespace

void TGroupRows::Note(QLabel* note)
{
    grid_->addWidget(note, row_++, 0, 1, kGroupColumns);
}

void TGroupRows::Span(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        pendingLabel_ = label;
    else
        NameRow({widget});
    grid_->addWidget(widget, row_++, 0, 1, kGroupColumns);
}

void TGroupRows::Header(std::initializer_list<QWidget*> labels)
{
    columnCaptions_.clear();
    for (QWidget* w : labels) {
        auto* label = qobject_cast<QLabel*>(w);
        columnCaptions_ << (label ? CaptionText(label->text()) : QString());
    }
    int column = 0;
    for (QWidget* w : labels)
        grid_->addWidget(w, row_, column++);
    ++row_;
}

void TGroupRows::Row(std::initializer_list<QWidget*> widgets)
{
    NameRow(widgets);
    int column = 0;
    for (QWidget* w : widgets)
        grid_->addWidget(w, row_, column++);
    grid_->setColumnStretch(kGroupColumns - 1, 1);
    ++row_;
}

void TGroupRows::RowToEnd(std::initializer_list<QWidget*> widgets)
{
    NameRow(widgets);
    int column = 0;
    for (QWidget* w : widgets) {
        const bool last = column == int(widgets.size()) - 1;
        grid_->addWidget(w, row_, column, 1, last ? kGroupColumns - column : 1);
        ++column;
    }
    ++row_;
}

void TGroupRows::NameRow(std::initializer_list<QWidget*> widgets)
{
    QLabel* before = pendingLabel_;  // the label that names the next control
    pendingLabel_ = nullptr;
    QString rowCaption;              // the row's first label, for cells under a column caption
    QWidget* previous = nullptr;     // the control last named
    int column = 0;
    for (QWidget* w : widgets) {
        const bool last = column == int(widgets.size()) - 1;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (column == 0)
                rowCaption = CaptionText(label->text());
            if (previous && last) {
                // A label ending the row finishes the sentence the control stands in.
                ExtendControlName(previous, CaptionText(label->text()));
                label->setBuddy(previous);
            } else {
                before = label;
            }
        } else {
            QWidget* control = ControlIn(w);
            const QString columnCaption = column < columnCaptions_.size() ? columnCaptions_[column] : QString();
            if (!columnCaption.isEmpty() && !rowCaption.isEmpty())
                NameControl(control, rowCaption + QStringLiteral(", ") + columnCaption);
            else if (before)
                NameControl(control, CaptionText(before->text()));
            if (before)
                before->setBuddy(control);
            before = nullptr;
            previous = control;
        }
        ++column;
    }
}

QLabel* NewLabel(const QString& text)
{
    return new QLabel(text);
}

QLabel* NewWrappedLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return label;
}

void SetSilverBackground(QWidget* control, bool silver)
{
    QPalette palette;  // nothing set: the inherited colours
    if (silver) {
        palette = control->palette();
        palette.setColor(QPalette::Base, kSilver);
        // The style's greyed text is nearly silver itself; the silver says
        // "not in use", and the value must still be read.
        palette.setColor(QPalette::Disabled, QPalette::Text, kTextOnSilver);
    }
    control->setPalette(palette);
}

TPageCommon::TPageCommon(TEditorDocument& document, TPrompts& prompts, THints& hints, THelpTopics& help,
                         const bool& suppressTreeEvents, QObject* parent)
    : QObject(parent),
      document_(document),
      prompts_(prompts),
      hints_(hints),
      help_(help),
      typingBoxes_(new TTypingBoxes(document, this)),
      suppressTreeEvents_(suppressTreeEvents)
{
}

void TPageCommon::Changed(QWidget* control)
{
    if (quiet_)
        return;
    emit edited(control);
}

void TPageCommon::KeepOnOneLine(QWidget* control)
{
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable())
        edit = combo->lineEdit();
    if (!edit)
        return;
    edit->setValidator(new TFieldTextValidator(edit));
    // The box keeps its text as it was before the refused keystroke or paste.
    connect(edit, &QLineEdit::inputRejected, this,
            [this, control] { ShowFieldHint(hints_, control, SeparatorRefusedHint()); });
}

void TPageCommon::WatchChanges(QWidget* control)
{
    KeepOnOneLine(control);
    auto changed = [this, control] { Changed(control); };
    if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        // The box's own signal stays silent while its text is no number (an
        // emptied box); its line's does not, and an empty box stores the lowest.
        connect(spin, &QSpinBox::textChanged, this, changed);
        connect(spin->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, changed);
        connect(spin->findChild<QLineEdit*>(), &QLineEdit::inputRejected, this,
                [this, spin] { ShowFieldHint(hints_, spin, NumberRangeHint(spin->accessibleName())); });
        typingBoxes_->Watch(spin);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::textChanged, this, changed);
        typingBoxes_->Watch(edit);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable()) {
            connect(combo, &QComboBox::editTextChanged, this, changed);
            typingBoxes_->Watch(combo);
        } else
            connect(combo, &QComboBox::currentIndexChanged, this, changed);
    } else if (auto* toggle = qobject_cast<QToolButton*>(control))
        connect(toggle, &QToolButton::clicked, this, changed);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        connect(button, &QAbstractButton::toggled, this, changed);
}

void TPageCommon::WatchHint(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool TPageCommon::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) && !suppressTreeEvents_) {
        if (auto* widget = qobject_cast<QWidget*>(watched))
            hints_.ShowHint(widget->toolTip());
    }
    return QObject::eventFilter(watched, event);
}

QWidget* TPageCommon::NewPage(const QString& name, QVBoxLayout** layout)
{
    auto* scroll = new QScrollArea;
    scroll->setObjectName(name);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    content->setObjectName(name + "Content");
    content->setAutoFillBackground(true);
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, Qt::white);
    content->setPalette(palette);
    scroll->setWidget(content);
    *layout = new QVBoxLayout(content);
    (*layout)->setContentsMargins(8, 8, 8, 8);
    (*layout)->setSpacing(8);
    return scroll;
}

QGroupBox* TPageCommon::NewGroup(const QString& caption, int helpTag, QGridLayout** grid)
{
    auto* group = new TPageGroup(caption);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(8, 6, 6, 8);
    *grid = new QGridLayout;
    (*grid)->setHorizontalSpacing(8);
    (*grid)->setVerticalSpacing(6);
    row->addLayout(*grid, 1);
    if (helpTag > 0) {
        auto* help = new QVBoxLayout;
        help->addWidget(NewHelpButton(helpTag));
        help->addStretch(1);
        row->addLayout(help);
    }
    return group;
}

QToolButton* TPageCommon::NewHelpButton(int tag)
{
    auto* button = new QToolButton;
    button->setObjectName(HelpButtonName(tag));
    button->setProperty("tag", tag);
    button->setIcon(HelpIcon());
    button->setAutoRaise(true);
    button->setAccessibleName("Help");
    connect(button, &QToolButton::clicked, this, [this, tag] { help_.ShowHelpTopic(tag); });
    return button;
}

QLabel* TPageCommon::NewNote(const QString& text)
{
    auto* note = new QLabel(text);
    note->setWordWrap(true);
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, kNoteColor);
    note->setPalette(palette);
    return note;
}

QSpinBox* TPageCommon::NewSpin(const QString& name)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setRange(-9999, 9999);
    spin->setSingleStep(1);
    // Plain digits and "-" whatever the user's locale: the gather reads the text.
    spin->setLocale(QLocale::c());
    WatchChanges(spin);
    WatchHint(spin);
    return spin;
}

QToolButton* TPageCommon::NewToggle(const QString& name, bool bold)
{
    auto* toggle = new QToolButton;
    toggle->setObjectName(name);
    toggle->setCheckable(true);
    toggle->setText(bold ? "B" : "I");
    toggle->setAccessibleName(bold ? "Bold" : "Italic");
    QFont font = toggle->font();
    font.setBold(bold);
    font.setItalic(!bold);
    font.setFamily("Serif");
    toggle->setFont(font);
    toggle->setFixedSize(24, 24);
    WatchChanges(toggle);
    WatchHint(toggle);
    return toggle;
}

TColorSwatch* TPageCommon::NewSwatch(const QString& name)
{
    auto* swatch = new TColorSwatch;
    swatch->setObjectName(name);
    connect(swatch, &TColorSwatch::clicked, this, [this, swatch] {
        // pnlApBgClrClick: a cancelled dialog changes nothing.
        if (std::optional<QColor> chosen = prompts_.PickColor(swatch->Color())) {
            swatch->SetColor(*chosen);
            Changed(swatch);
        }
    });
    WatchHint(swatch);
    return swatch;
}

QComboBox* TPageCommon::NewList(const QString& name, const QStringList& entries, bool editable)
{
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->setEditable(editable);
    combo->addItems(entries);
    if (editable) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);  // no silent completion of typed links
    }
    WatchChanges(combo);
    return combo;
}
