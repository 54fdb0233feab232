#pragma once
// The File menu's Recent Files submenu (mnitRecentFiles) and its list file
// "recentfile.dat" in the program folder: up to four lines "&<slot> <path>",
// newest first, CR LF ended, an empty slot leaving a gap in the numbering.

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QAction;
class QMenu;

class TRecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kSlotCount = 4;
    static constexpr const char* kFileName = "recentfile.dat";

    // `programFolder` ends in a separator; `open` receives the path of a clicked entry.
    TRecentFiles(const QString& programFolder, QMenu* submenu, std::function<void(const QString&)> open);

    // Reads the list file (creating it empty when missing) and rebuilds the
    // submenu. Throws TFileError when the file cannot be created or read; the
    // submenu then keeps its entries.
    void LoadRecentFiles();
    // Puts a path at the head of the list unless it is listed already, then
    // rewrites the file and rebuilds the submenu. Throws TFileError; the file
    // is replaced whole or not at all.
    void AddRecentFile(const QString& path);
    // The entry's caption without its "&n " prefix goes to the open routine.
    void RecentFileClick(QAction* entry);

    QString ListFilePath() const { return listFile_; }
    // The four slots as last read, each the whole stored line or empty.
    const std::array<QString, kSlotCount>& Slots() const { return slots_; }

private:
    std::array<QString, kSlotCount> ReadSlots() const;
    void EnsureListFile() const;

    QString listFile_;
    QMenu* submenu_;
    std::function<void(const QString&)> open_;
    std::array<QString, kSlotCount> slots_;
};
