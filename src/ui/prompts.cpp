#include "ui/prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "model/records.h"
#include "ui/fieldhints.h"

namespace {
QString Title()
{
    return QApplication::applicationDisplayName();
}

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
          QMessageBox::StandardButton button = QMessageBox::Ok)
{
    QMessageBox box(icon, Title(), text, button, parent);
    box.exec();
}

TPrompts::Answer Ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                     QMessageBox::StandardButton escape)
{
    QMessageBox box(QMessageBox::Warning, Title(), text, buttons, parent);
    box.setEscapeButton(escape);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TPrompts::Answer::Yes;
    case QMessageBox::No:
        return TPrompts::Answer::No;
    default:
        return TPrompts::Answer::Cancel;
    }
}
}  // namespace

void TDialogPrompts::Error(const QString& text)
{
    Show(parent_, QMessageBox::Critical, text);
}

void TDialogPrompts::Warning(const QString& text)
{
    Show(parent_, QMessageBox::Warning, text);
}

void TDialogPrompts::WarningWithYes(const QString& text)
{
    Show(parent_, QMessageBox::Warning, text, QMessageBox::Yes);
}

void TDialogPrompts::Information(const QString& text)
{
    Show(parent_, QMessageBox::Information, text);
}

TPrompts::Answer TDialogPrompts::AskYesNoCancel(const QString& text)
{
    return Ask(parent_, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

TPrompts::Answer TDialogPrompts::AskYesNo(const QString& text)
{
    return Ask(parent_, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

QString TDialogPrompts::OpenFileName(const QString& caption, const QString& folder, const QString& filter)
{
    // The open dialog accepts names of files that do not exist; the reader says so.
    QFileDialog dialog(parent_, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString TDialogPrompts::SaveFileName(const QString& caption, const QString& folder, const QString& filter)
{
    // No default extension and no question before replacing: a save writes the
    // project under its own name anyway, with the published files beside it.
    return QFileDialog::getSaveFileName(parent_, caption, folder, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

std::optional<QColor> TDialogPrompts::PickColor(const QColor& initial)
{
    QColor color = QColorDialog::getColor(initial, parent_);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

bool RefuseFieldSeparator(TPrompts& prompts, const QString& text)
{
    const QString separator = QString::fromStdString(kFieldSeparator);
    if (!text.contains(separator))
        return false;
    prompts.WarningWithYes(SeparatorRefusedHint());
    return true;
}
