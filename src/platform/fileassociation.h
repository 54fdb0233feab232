#pragma once
// Registers the ".tmz" project file type with the desktop, pointing at the
// running program, at every start. Every failure is silent: the editor works
// the same without the association.

#include <QString>

class TFileAssociation {
public:
    static constexpr const char* kMimeType = "application/x-trellimenu-project";

    // `dataHome` is the user's XDG data folder (see UserDataHome).
    TFileAssociation(const QString& programPath, const QString& dataHome);

    // Writes the MIME package and the desktop entry; refreshes the desktop's
    // caches when either file changed. True when both files are in place.
    bool Write();

    QString MimePackagePath() const;
    QString DesktopEntryPath() const;
    QString MimePackageText() const;
    QString DesktopEntryText() const;

    // $XDG_DATA_HOME, else ~/.local/share.
    static QString UserDataHome();
    // The program path as a desktop entry's Exec field wants it.
    static QString QuoteExecArgument(const QString& path);

private:
    QString programPath_;
    QString dataHome_;
};
