// The CSV reader of the register and norm sources. The first byte chooses the separator.
// Records read must read back the same when written with every field quoted.

#include "FuzzSupport.h"

#include "app/CsvReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QChar separator = data[0] % 2 ? u';' : u',';
    const auto records = Csv::parseUtf8(fuzz::bytesOf(data + 1, size - 1), separator, QStringLiteral("fuzz.csv"));
    if (!records) {
        fuzz::require(records.message.startsWith(QStringLiteral("fuzz.csv")), "a fault names the file");
        return 0;
    }
    QString written;
    for (const QStringList &record : *records) {
        fuzz::require(!record.isEmpty(), "a record has a field");
        QStringList fields;
        for (const QString &field : record)
            fields << u'"' + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        written += fields.join(separator) + u'\n';
    }
    const auto again = Csv::parse(written, separator);
    fuzz::require(again.ok() && *again == *records, "quoted records read back the same");
    return 0;
}
