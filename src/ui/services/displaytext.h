#pragma once
// Turning the bytes of the product's text files into text for the windows,
// by the one rule of the readers: valid UTF-8, else Windows-1252.

#include <QByteArray>
#include <QString>

// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
QString TextFromFileBytes(const QByteArray& bytes);

// The whole file as text for a read-only text box; throws TFileError naming
// the file and the reason when it cannot be read.
QString ReadDisplayText(const QString& path);
