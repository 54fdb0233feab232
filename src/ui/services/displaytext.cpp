#include "ui/services/displaytext.h"

#include <QFile>

#include "files/textfile.h"
#include "model/textencoding.h"

QString TextFromFileBytes(const QByteArray& bytes)
{
    const std::string_view view(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (DetectEncoding(view) == TTextEncoding::Utf8)
        return QString::fromUtf8(bytes);
    return QString::fromStdString(Windows1252ToUtf8(view));
}

QString ReadDisplayText(const QString& path)
{
    return TextFromFileBytes(QByteArray::fromStdString(ReadWholeFile(QFile::encodeName(path).toStdString())));
}
