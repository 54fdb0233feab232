#pragma once
// File names between the windows (QString) and the core (bytes as the file
// system takes them).

#include <QFile>
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
