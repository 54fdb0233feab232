#pragma once
// Turning the bytes of the product's text files into text for the windows.
// Files are written as UTF-8 today; a file from the original Windows program
// (Windows-1252) must still show its accented letters right.

#include <QByteArray>
#include <QString>

// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
QString TextFromFileBytes(const QByteArray& bytes);

// The whole file as text for a read-only text box; throws TFileError naming
// the file and the reason when it cannot be read.
QString ReadDisplayText(const QString& path);
