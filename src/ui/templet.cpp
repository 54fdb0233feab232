#include "ui/templet.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/settingsstore.h"
#include "ui/prompts.h"

TfrmTemplet::TfrmTemplet(TDocumentCommands& commands, TSettingsStore& settings, TPrompts& prompts,
                         const QString& templatesFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      commands_(commands),
      settings_(settings),
      prompts_(prompts),
      templatesFolder_(templatesFolder),
      TempletList(new QListWidget(this)),
      chckbxDontShow(new QCheckBox("Don't show this dialog again.", this))
{
    setObjectName("frmTemplet");
    setWindowTitle("Template");

    TempletList->setObjectName("TempletList");
    TempletList->setSelectionMode(QAbstractItemView::SingleSelection);
    TempletList->setFixedSize(324, 147);
    chckbxDontShow->setObjectName("chckbxDontShow");

    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    ok->setObjectName("BitBtn1");
    ok->setDefault(true);
    auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    cancel->setObjectName("BitBtn2");
    auto* label1 = new QLabel("Click OK, The template you selected will be opened. Click Cancel, a new project", this);
    label1->setObjectName("Label1");
    auto* label3 = new QLabel("will be created.", this);
    label3->setObjectName("Label3");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(TempletList, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(label1, 1, 0, 1, 2);
    layout->addWidget(label3, 2, 0, 1, 2);
    layout->addWidget(chckbxDontShow, 3, 0, 1, 2);
    layout->setVerticalSpacing(2);

    connect(ok, &QPushButton::clicked, this, &TfrmTemplet::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &TfrmTemplet::BitBtn2Click);
    connect(TempletList, &QListWidget::itemDoubleClicked, this, &TfrmTemplet::TempletListDblClick);
    connect(chckbxDontShow, &QCheckBox::clicked, this, &TfrmTemplet::chckbxDontShowClick);

    FormCreate();
    FormShow();
    setFixedSize(sizeHint().expandedTo(QSize(416, 216)));
}

void TfrmTemplet::FormCreate()
{
    // A missing or unreadable folder simply lists nothing.
    const QDir folder(templatesFolder_, "*.tmz", QDir::Name | QDir::IgnoreCase, QDir::Files);
    TempletList->addItems(folder.entryList());
    // Chosen, not only highlighted: Enter opens the first template.
    if (TempletList->count() > 0)
        TempletList->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
}

void TfrmTemplet::FormShow()
{
    chckbxDontShow->setChecked(!settings_.ShowTempletsDialog());
}

QString TfrmTemplet::SelectedTemplatePath() const
{
    const QList<QListWidgetItem*> selected = TempletList->selectedItems();
    if (selected.isEmpty())
        return QString();
    return QDir(templatesFolder_).filePath(selected.first()->text());
}

void TfrmTemplet::OpenSelectedAndClose()
{
    const QString path = SelectedTemplatePath();
    if (!path.isEmpty())
        commands_.OpenTemplate(path);
    accept();
}

void TfrmTemplet::BitBtn1Click()
{
    OpenSelectedAndClose();
}

void TfrmTemplet::TempletListDblClick()
{
    OpenSelectedAndClose();
}

void TfrmTemplet::BitBtn2Click()
{
    commands_.New1Click();
    QDialog::reject();
}

void TfrmTemplet::reject()
{
    BitBtn2Click();
}

void TfrmTemplet::chckbxDontShowClick()
{
    const bool dontShow = chckbxDontShow->isChecked();
    // Turning the offer back on is the change a user would miss, so only its
    // failure is reported.
    if (!settings_.SetShowTempletsDialog(!dontShow) && !dontShow)
        prompts_.Error(QString("Cannot write the setting \"ShowTempletsDialog\" to %1.").arg(settings_.FileName()));
}
