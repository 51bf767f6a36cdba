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

namespace {

// Cuts a stream of bytes into lines as it comes, so that no more than the limits allow is ever
// held: the bytes of one line at a time, and the lines so far.
class LineSplitter {
public:
    LineSplitter(const Limits &limits, const QString &name, QStringList &lines)
        : limits(limits)
        , name(name)
        , lines(lines)
    {
    }

    bool feed(const char *data, qsizetype n)
    {
        total += n;
        if (total > limits.maxBytes)
            return fail(tooLarge(name, limits));
        qsizetype i = 0;
        while (i < n) {
            if (afterCarriageReturn) {
                afterCarriageReturn = false;
                if (data[i] == '\n') {
                    ++i;
                    continue;
                }
            }
            qsizetype end = i;
            while (end < n && data[end] != '\n' && data[end] != '\r')
                ++end;
            const qsizetype length = end - i;
            if (limits.maxLineLength > 0 && current.size() + length > limits.maxLineLength)
                return fail(QStringLiteral("Rad %1 i filen %2 är för lång (över %3 tecken)")
                                .arg(lines.size() + 1)
                                .arg(name)
                                .arg(limits.maxLineLength));
            if (end == n) {
                current.append(data + i, length); // the rest of the line comes with the next block
                break;
            }
            afterCarriageReturn = data[end] == '\r';
            // A line wholly inside this block is decoded where it lies.
            const bool whole = current.isEmpty();
            if (!whole)
                current.append(data + i, length);
            if (!endLine(whole ? data + i : current.constData(), whole ? length : current.size()))
                return false;
            i = end + 1;
        }
        return true;
    }

    // The last line, when the file does not end with a line end.
    bool finish() { return current.isEmpty() || endLine(current.constData(), current.size()); }

    Status status;

    static QString tooLarge(const QString &name, const Limits &limits)
    {
        return QStringLiteral("Filen %1 är för stor (över %2 byte)").arg(name).arg(limits.maxBytes);
    }

private:
    bool endLine(const char *bytes, qsizetype length)
    {
        if (lines.size() >= limits.maxLines)
            return fail(
                QStringLiteral("Filen %1 har för många rader (över %2)").arg(name).arg(limits.maxLines));
        lines.append(TextCodec::decode(bytes, int(length)));
        current.clear();
        return true;
    }
    bool fail(const QString &message)
    {
        status = Status::failure(message);
        return false;
    }

    const Limits &limits;
    const QString &name;
    QStringList &lines;
    QByteArray current;
    qint64 total = 0;
    bool afterCarriageReturn = false;
};

} // namespace

Status splitBytes(const QByteArray &bytes, const Limits &limits, const QString &name, QStringList &lines)
{
    lines.clear();
    LineSplitter splitter(limits, name, lines);
    if (!splitter.feed(bytes.constData(), bytes.size()) || !splitter.finish())
        return splitter.status;
    return Status::success();
}

Status readLines(const QString &path, const Limits &limits, QStringList &lines)
{
    lines.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::failure(QStringLiteral("Kan ej läsa filen %1: %2").arg(path, file.errorString()));
    // Refused before reading when the size is known; a device without one is counted as it comes.
    if (file.size() > limits.maxBytes)
        return Status::failure(LineSplitter::tooLarge(path, limits));
    LineSplitter splitter(limits, path, lines);
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0)
            return Status::failure(QStringLiteral("Kan ej läsa filen %1: %2").arg(path, file.errorString()));
        if (n == 0)
            break;
        if (!splitter.feed(buffer, n))
            return splitter.status;
    }
    if (!splitter.finish())
        return splitter.status;
    return Status::success();
}

Result<QStringList> readLines(const QString &path, const Limits &limits)
{
    QStringList lines;
    if (Status s = readLines(path, limits, lines); !s)
        return Result<QStringList>::failure(s.message);
    return Result<QStringList>::success(std::move(lines));
}

Result<QString> readFirstLine(const QString &path, const Limits &limits)
{
    auto lines = readLines(path, limits);
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
