#pragma once

#include <QString>

// Name order as a Swedish reader expects a list: case-insensitive, Å, Ä and Ö after Z (Æ with Ä,
// Ø with Ö), Ü as Y, other accented letters as their base letter, digits before letters.
// Equal keys fall back to the exact text, so the order is total.

// A key whose plain (code-unit) comparison gives the Swedish order.
QString SwedishSortKey(const QString &text);

// < 0, 0 or > 0 as a comes before, together with or after b.
int SwedishCompare(const QString &a, const QString &b);

inline bool SwedishLess(const QString &a, const QString &b)
{
    return SwedishCompare(a, b) < 0;
}
