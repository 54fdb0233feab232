#include "ui/dialogs/htmlbuild.h"

#include <algorithm>

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/services/displaytext.h"

namespace {
const char* const kCodesBegin = "<!-- CODES BEGIN -->";
const char* const kCodesEnd = "<!-- CODES END -->";
}  // namespace

QString MenuCodeOf(const QString& page)
{
    const QStringList lines = page.split(QLatin1Char('\n'));
    const auto isMarker = [](const QString& line, const char* marker) { return line.trimmed() == QLatin1String(marker); };
    const auto begin = std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return isMarker(l, kCodesBegin); });
    const auto end = std::find_if(begin, lines.end(), [&](const QString& l) { return isMarker(l, kCodesEnd); });
    if (begin == lines.end() || end == lines.end())
        return QString();
    QString code;
    for (auto line = begin; line != end + 1; ++line)
        code += *line + QLatin1Char('\n');
    return code;
}

TformHTML::TformHTML(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      memoHTMLBuild(new QPlainTextEdit(this)),
      copyMenuCode_(new QPushButton("Copy &Menu Code", this))
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
    copyMenuCode_->setObjectName("btnCopyMenuCode");
    copyMenuCode_->setToolTip("Copy only the lines to paste right after the <body> tag of your pages");
    copyMenuCode_->setEnabled(false);
    connect(copyMenuCode_, &QPushButton::clicked, this, &TformHTML::CopyMenuCode);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(copyMenuCode_);
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
    copyMenuCode_->setEnabled(!MenuCodeOf(text).isEmpty());
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

void TformHTML::CopyMenuCode()
{
    const QString code = MenuCodeOf(Text());
    if (!code.isEmpty())
        QGuiApplication::clipboard()->setText(code);
}
