#include "ui/actions/recentfiles.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "files/filetransaction.h"
#include "files/textfile.h"
#include "ui/services/localpath.h"

namespace {
// Every slot's line starts with a three-character prefix, whatever it holds.
QString WithoutPrefix(const QString& line)
{
    return line.size() > 3 ? line.mid(3) : QString();
}
}  // namespace

TRecentFiles::TRecentFiles(const QString& programFolder, QMenu* submenu, std::function<void(const QString&)> open)
    : QObject(submenu), listFile_(programFolder + kFileName), submenu_(submenu), open_(std::move(open))
{
}

void TRecentFiles::EnsureListFile() const
{
    if (QFileInfo::exists(listFile_))
        return;
    WriteFileAtomically(LocalPath(listFile_), "");
}

std::array<QString, TRecentFiles::kSlotCount> TRecentFiles::ReadSlots() const
{
    EnsureListFile();
    std::array<QString, kSlotCount> lines;
    TTextLineReader reader(LocalPath(listFile_));
    std::string line;
    for (int i = 0; i < kSlotCount && reader.ReadLine(line); ++i)
        lines[i] = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    return lines;
}

void TRecentFiles::LoadRecentFiles()
{
    slots_ = ReadSlots();
    submenu_->clear();
    for (const QString& line : slots_) {
        if (line.isEmpty())
            continue;
        QAction* entry = submenu_->addAction(line);
        connect(entry, &QAction::triggered, this, [this, entry] { RecentFileClick(entry); });
    }
}

void TRecentFiles::AddRecentFile(const QString& path)
{
    if (path.isEmpty())
        return;
    std::array<QString, kSlotCount> paths = ReadSlots();
    for (QString& slot : paths)
        slot = WithoutPrefix(slot);
    for (const QString& slot : paths) {
        if (!slot.isEmpty() && slot == path)
            return;  // already listed: order and file stay as they are
    }
    for (int i = kSlotCount - 1; i > 0; --i)
        paths[i] = paths[i - 1];
    paths[0] = path;

    QByteArray text;
    for (int i = 0; i < kSlotCount; ++i) {
        if (!paths[i].isEmpty())
            text += ("&" + QString::number(i + 1) + ' ' + paths[i]).toUtf8() + "\r\n";
    }
    WriteFileAtomically(LocalPath(listFile_), text.toStdString());
    LoadRecentFiles();
}

void TRecentFiles::RecentFileClick(QAction* entry)
{
    if (open_)
        open_(WithoutPrefix(entry->text()));
}
