#include "app/CsvReader.h"

#include <QFile>
#include <QStringDecoder>

namespace Csv {

Result<QList<QStringList>> parse(const QString &input, QChar separator)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;      // inside a quoted field
    bool fieldQuoted = false; // the current field began with a quote
    bool any = false;         // the current record has content
    int line = 1;
    const QString text = input.startsWith(QChar(0xFEFF)) ? input.mid(1) : input;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.isEmpty() && !fieldQuoted) {
            quoted = true;
            fieldQuoted = true;
            any = true;
        } else if (c == separator) {
            record.append(field);
            field.clear();
            fieldQuoted = false;
            any = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            if (any || !field.isEmpty()) {
                record.append(field);
                records.append(record);
            }
            record.clear();
            field.clear();
            fieldQuoted = false;
            any = false;
            ++line;
        } else {
            field += c;
            any = true;
        }
    }
    if (quoted)
        return Result<QList<QStringList>>::failure(
            QStringLiteral("Citattecken utan slut på rad %1").arg(line));
    if (any || !field.isEmpty()) {
        record.append(field);
        records.append(record);
    }
    return Result<QList<QStringList>>::success(records);
}

Result<QList<QStringList>> readFile(const QString &path, QChar separator)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Result<QList<QStringList>>::failure(
            QStringLiteral("Kan ej läsa %1: %2").arg(path, f.errorString()));
    return parseUtf8(f.readAll(), separator, path);
}

Result<QList<QStringList>> parseUtf8(const QByteArray &bytes, QChar separator, const QString &name)
{
    // Stateless: the bytes are the whole file, so a sequence still open at their end is an
    // error, not something to wait for.
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError())
        return Result<QList<QStringList>>::failure(QStringLiteral("%1 är inte UTF-8-text").arg(name));
    auto result = parse(text, separator);
    if (!result)
        return Result<QList<QStringList>>::failure(QStringLiteral("%1: %2").arg(name, result.message));
    return result;
}

} // namespace Csv
