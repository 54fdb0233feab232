#include "ui/dialogs/publishreport.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/services/displaytext.h"

namespace {
const QString kCaption = QStringLiteral("Applet Publish Report");
}  // namespace

TfrmPublishReport::TfrmPublishReport(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      memoPublishReport(new QPlainTextEdit(this))
{
    setObjectName("frmPublishReport");
    setWindowTitle(kCaption);

    memoPublishReport->setObjectName("memoPublishReport");
    memoPublishReport->setReadOnly(true);
    memoPublishReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoPublishReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoPublishReport->setMinimumSize(529, 254);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    ok->setFixedSize(145, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 8, 4, 6);
    layout->addWidget(memoPublishReport, 1);
    layout->addLayout(buttons);
    setFixedSize(536, 303);
}

void TfrmPublishReport::LoadFromFile(const QString& path)
{
    memoPublishReport->setPlainText(ReadDisplayText(path));
}

void TfrmPublishReport::ShowPublishFolder(const QString& folder)
{
    setWindowTitle(folder.isEmpty() ? kCaption : QString("%1 - %2").arg(kCaption, QDir::toNativeSeparators(folder)));
}

QString TfrmPublishReport::Text() const
{
    return memoPublishReport->toPlainText();
}
