#include "ui/htmlbuild.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/displaytext.h"

TformHTML::TformHTML(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      memoHTMLBuild(new QPlainTextEdit(this))
{
    setObjectName("formHTML");
    setWindowTitle("HTML");
    resize(672, 517);

    memoHTMLBuild->setObjectName("memoHTMLBuild");
    memoHTMLBuild->setReadOnly(true);
    memoHTMLBuild->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoHTMLBuild->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoHTMLBuild->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoHTMLBuild->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    auto* copy = new QPushButton("&Copy to Clipboard", this);
    copy->setObjectName("btnCopyToClipboard");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(copy, &QPushButton::clicked, this, &TformHTML::CopyToClipboard);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memoHTMLBuild, 1);
    layout->addLayout(buttons);
}

void TformHTML::LoadFromFile(const QString& path)
{
    SetText(ReadDisplayText(path));
}

void TformHTML::SetText(const QString& text)
{
    memoHTMLBuild->setPlainText(text);
}

QString TformHTML::Text() const
{
    return memoHTMLBuild->toPlainText();
}

void TformHTML::CopyToClipboard()
{
    memoHTMLBuild->selectAll();
    memoHTMLBuild->copy();
}
