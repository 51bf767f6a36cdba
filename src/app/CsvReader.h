#pragma once

#include "app/Result.h"

#include <QList>
#include <QStringList>

// Reads delimited UTF-8 text as published data sets come: fields separated by `separator`,
// optionally quoted with '"' (a doubled quote inside stands for one), records ended by LF or
// CR LF, line ends allowed inside quoted fields. A byte-order mark is dropped.
namespace Csv {

Result<QList<QStringList>> parse(const QString &text, QChar separator);
// The bytes of a file called `name` (used in the messages): refused unless wholly UTF-8, a
// character cut off at the end included.
Result<QList<QStringList>> parseUtf8(const QByteArray &bytes, QChar separator, const QString &name);
Result<QList<QStringList>> readFile(const QString &path, QChar separator);

} // namespace Csv
