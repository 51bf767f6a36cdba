#include "app/TextFile.h"

#include "app/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFile {

QStringList splitLines(const QString &content)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = content.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = content.at(i);
        if (c == u'\n' || c == u'\r') {
            lines.append(content.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && content.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(content.mid(start));
    return lines;
}

Result<QStringList> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QStringList>::failure(
            QStringLiteral("Kan ej läsa filen %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result<QStringList>::failure(
            QStringLiteral("Kan ej läsa filen %1: %2").arg(path, file.errorString()));
    return Result<QStringList>::success(splitLines(TextCodec::decode(bytes)));
}

Result<QString> readFirstLine(const QString &path)
{
    auto lines = readLines(path);
    if (!lines)
        return Result<QString>::failure(lines.message);
    if (lines->isEmpty())
        return Result<QString>::failure(QStringLiteral("Filen %1 är tom").arg(path));
    return Result<QString>::success(lines->first());
}

Status writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += TextCodec::encode(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    // Unbuffered, so that a short write (disk full, file size limit) shows in write()'s count:
    // a buffered QSaveFile can commit a truncated file without reporting it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Status::failure(QStringLiteral("Kan ej skriva filen %1: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Status::failure(QStringLiteral("Kan ej skriva filen %1: %2").arg(path, why));
    }
    if (!file.commit())
        return Status::failure(QStringLiteral("Kan ej skriva filen %1: %2").arg(path, file.errorString()));
    return Status::success();
}

} // namespace TextFile
