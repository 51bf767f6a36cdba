#pragma once

#include <QString>
#include <QStringView>

// Reads every number the user types or a text file holds. Leading blanks are dropped, the
// first comma counts as a decimal point, and any text that is not wholly a number gives 0, as
// does a number beyond the range of a float: the result is always finite.
float TextToNumber(QStringView text);

// Leading blanks dropped and the first "." made a ",": numbers in ".skv" spreadsheet files.
QString PointToComma(const QString &text);

// A number in fixed notation with a decimal point, right-aligned to at least `width`
// characters: the (w:d) format of every file the program writes.
QString FixedNumber(double value, int width, int decimals);
