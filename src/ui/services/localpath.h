#pragma once
// File names between the windows (QString) and the core (bytes as the file
// system takes them).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <string>

inline std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QString FromLocalPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The folder that holds `path`, ending in the separator, as the core takes it.
inline std::string LocalFolderOf(const QString& path)
{
    return LocalPath(QDir::toNativeSeparators(QFileInfo(path).absolutePath() + '/'));
}
