#pragma once

#include "app/Result.h"

#include <QByteArray>
#include <QStringList>

// The one way the program reads and writes its text files: Windows-1252, lines ended by
// CR LF on writing, either CR LF or LF accepted on reading.
namespace TextFile {

// How much a reader takes before it calls a file damaged. Every reader has a bound that fits
// its content, so that a wrong or hostile file (gigabytes of line ends, one endless line) is
// refused while it is read instead of filling the memory.
struct Limits {
    qint64 maxBytes = 4 * 1024 * 1024;
    qsizetype maxLines = 100000;
    qsizetype maxLineLength = 0; // characters; 0 = bounded by maxBytes only
};

// All lines of the file. A missing or unreadable file, or one beyond the limits, gives a
// failure with a message.
Result<QStringList> readLines(const QString &path, const Limits &limits = {});

// The same, keeping the lines read before a fault: the reader of a damaged file can then
// keep what it understood.
Status readLines(const QString &path, const Limits &limits, QStringList &lines);

// Splits bytes as they would be read from a file called `name` (used in the messages).
Status splitBytes(const QByteArray &bytes, const Limits &limits, const QString &name, QStringList &lines);

// The first line of the file, or a failure when it cannot be read or is empty of lines.
Result<QString> readFirstLine(const QString &path, const Limits &limits = {});

// Writes the lines atomically: the old file is replaced only when every byte of the new one
// is on disk, so a failed write leaves the previous file as it was.
Status writeLines(const QString &path, const QStringList &lines);

// Splits file content into lines, accepting CR LF, LF and a lone CR; a final line end
// does not make an extra empty line.
QStringList splitLines(const QString &content);

} // namespace TextFile
