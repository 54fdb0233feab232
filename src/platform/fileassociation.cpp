#include "platform/fileassociation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "model/product.h"

namespace {
// Writes the file only when its content differs; returns {ok, changed}.
std::pair<bool, bool> WriteIfChanged(const QString& path, const QByteArray& content)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return {true, false};
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return {false, false};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, false};
    file.write(content);
    return {file.commit(), true};
}

void RunIfPresent(const QString& tool, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty())
        QProcess::startDetached(program, {folder});
}
}  // namespace

TFileAssociation::TFileAssociation(const QString& programPath, const QString& dataHome)
    : programPath_(programPath), dataHome_(dataHome)
{
}

QString TFileAssociation::UserDataHome()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + "/.local/share";
}

QString TFileAssociation::MimePackagePath() const
{
    return dataHome_ + "/mime/packages/trellimenu.xml";
}

QString TFileAssociation::DesktopEntryPath() const
{
    return dataHome_ + "/applications/trellimenu.desktop";
}

QString TFileAssociation::MimePackageText() const
{
    return QString::fromLatin1(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>%2 project</comment>\n"
               "    <glob pattern=\"*.tmz\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(QString::fromLatin1(kMimeType), QString::fromLatin1(kProductName));
}

QString TFileAssociation::DesktopEntryText() const
{
    return QString::fromLatin1(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=%1\n"
               "Comment=Design pop-up navigation menus for web pages\n"
               "Exec=%2 %f\n"
               "Icon=trellimenu\n"
               "MimeType=%3;\n"
               "Categories=Development;WebDevelopment;\n"
               "Terminal=false\n")
        .arg(QString::fromLatin1(kProductName), QuoteExecArgument(programPath_), QString::fromLatin1(kMimeType));
}

QString TFileAssociation::QuoteExecArgument(const QString& path)
{
    // Field codes start with '%', so a literal one is doubled.
    QString text = path;
    text.replace('%', "%%");
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    for (QChar c : text)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return text;
    // Inside quotes '"', '`', '$' and '\' take a backslash; then the desktop
    // file's own string escaping doubles every backslash once more.
    QString quoted;
    for (QChar c : text) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted.replace("\\", "\\\\");
    return '"' + quoted + '"';
}

bool TFileAssociation::Write()
{
    if (programPath_.isEmpty() || dataHome_.isEmpty())
        return false;
    const auto mime = WriteIfChanged(MimePackagePath(), MimePackageText().toUtf8());
    const auto desktop = WriteIfChanged(DesktopEntryPath(), DesktopEntryText().toUtf8());
    // The caches are rebuilt in the background, and only when something changed,
    // so start-up never waits for them.
    if (mime.second)
        RunIfPresent("update-mime-database", dataHome_ + "/mime");
    if (desktop.second)
        RunIfPresent("update-desktop-database", dataHome_ + "/applications");
    return mime.first && desktop.first;
}
