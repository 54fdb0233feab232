#include "ui/displaytext.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>

#include "files/textfile.h"

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks an unassigned byte.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString FromWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        const char16_t mapped = (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : char16_t(0);
        text += QChar(mapped ? mapped : char16_t(b));
    }
    return text;
}
}  // namespace

QString TextFromFileBytes(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return FromWindows1252(bytes);
}

QString ReadDisplayText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const int error = file.error() == QFileDevice::OpenError && !file.exists() ? ENOENT : EACCES;
        throw TFileError("Cannot open file", QFile::encodeName(path).toStdString(), ReasonFromErrno(error));
    }
    return TextFromFileBytes(file.readAll());
}
