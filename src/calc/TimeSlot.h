#pragma once

#include <QStringView>

// The quarter-hour (0 to 95) of a clock text such as "7:45", "7,45", "7.45" or "12";
// 96 when the text is no number. Minutes are read exactly from the written decimals
// ("7,45" is 45 minutes). Hours above 23 count as 0; a negative hour counts as no time.
int TimeToSlot(QStringView text);
