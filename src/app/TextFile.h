#pragma once

#include "app/Result.h"

#include <QStringList>

// The one way the program reads and writes its text files: Windows-1252, lines ended by
// CR LF on writing, either CR LF or LF accepted on reading.
namespace TextFile {

// All lines of the file. A missing or unreadable file gives a failure with a message.
Result<QStringList> readLines(const QString &path);

// The first line of the file, or a failure when it cannot be read or is empty of lines.
Result<QString> readFirstLine(const QString &path);

// Writes the lines atomically: the old file is replaced only when every byte of the new one
// is on disk, so a failed write leaves the previous file as it was.
Status writeLines(const QString &path, const QStringList &lines);

// Splits file content into lines, accepting CR LF, LF and a lone CR; a final line end
// does not make an extra empty line.
QStringList splitLines(const QString &content);

} // namespace TextFile
