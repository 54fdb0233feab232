#include "ui/livepreview/previewbar.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TPreviewBar::TPreviewBar(QWidget* parent)
    : QWidget(parent),
      desktop_(AddButton("tlbtnPreviewDesktop", tr("Desktop"),
                         tr("Show the page as a desktop browser lays it out: at least 1024 pixels wide, scaled down to fit "
                            "the pane"))),
      phone_(AddButton("tlbtnPreviewPhone", tr("Phone"),
                       tr("Show the page 390 pixels wide, as on a phone, with the mouse acting as a finger"))),
      background_(new QLineEdit(this)),
      message_(new QLabel(this))
{
    setObjectName("LivePreviewBar");
    auto* widths = new QButtonGroup(this);
    for (QToolButton* button : {desktop_, phone_}) {
        button->setCheckable(true);
        widths->addButton(button);
    }
    desktop_->setChecked(true);
    connect(phone_, &QToolButton::toggled, this, &TPreviewBar::phoneWidthChosen);

    auto* label = new QLabel(tr("&Background:"), this);
    label->setBuddy(background_);
    background_->setObjectName("edtPreviewBackground");
    background_->setPlaceholderText(tr("none (a local page or a web address)"));
    background_->setToolTip(tr("Your own page, a file or a web address, to see the menu over it; the menu code "
                               "goes right after its <body> tag. Kept for each project."));
    background_->setAccessibleName(tr("Background page"));
    background_->setClearButtonEnabled(true);
    connect(background_, &QLineEdit::editingFinished, this, [this] {
        // Focus leaving an unchanged field is no edit.
        if (background_->text() == appliedBackground_)
            return;
        appliedBackground_ = background_->text();
        emit backgroundEdited(appliedBackground_);
    });
    QToolButton* browse = AddButton("tlbtnPreviewBrowse", tr("..."), tr("Choose a page on this computer"));
    browse->setAccessibleName(tr("Choose background page"));
    connect(browse, &QToolButton::clicked, this, &TPreviewBar::browseRequested);
    QToolButton* reload = AddButton("tlbtnPreviewReload", tr("Reload"), tr("Build the preview again"));
    reload->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    reload->setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(reload, &QToolButton::clicked, this, &TPreviewBar::reloadRequested);

    message_->setObjectName("lblPreviewMessage");
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->hide();

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(desktop_);
    row->addWidget(phone_);
    row->addSpacing(8);
    row->addWidget(label);
    row->addWidget(background_, 1);
    row->addWidget(browse);
    row->addWidget(reload);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 2, 4, 2);
    column->setSpacing(2);
    column->addLayout(row);
    column->addWidget(message_);
}

QToolButton* TPreviewBar::AddButton(const char* name, const QString& text, const QString& tip)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

void TPreviewBar::SetPhoneWidth(bool phone)
{
    (phone ? phone_ : desktop_)->setChecked(true);
}

bool TPreviewBar::PhoneWidth() const
{
    return phone_->isChecked();
}

void TPreviewBar::SetBackgroundText(const QString& text)
{
    appliedBackground_ = text;
    background_->setText(text);
}

QString TPreviewBar::BackgroundText() const
{
    return background_->text();
}

void TPreviewBar::ShowMessage(const QStringList& lines, TMessageKind kind)
{
    if (lines.isEmpty()) {
        message_->clear();
        message_->setToolTip(QString());
        message_->hide();
        return;
    }
    QString text = lines.first();
    if (lines.size() > 1)
        text += tr(" (and %n more)", nullptr, static_cast<int>(lines.size() - 1));
    message_->setText(text);
    message_->setToolTip(lines.join('\n'));
    message_->setStyleSheet(kind == TMessageKind::Error ? QStringLiteral("color: #a40000;") : QString());
    message_->show();
}

QString TPreviewBar::Message() const
{
    return message_->text();
}
