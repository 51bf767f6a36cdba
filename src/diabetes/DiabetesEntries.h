#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The diabetes texts kept inside a Computation file: per day up to 20 clock/value pairs of
// blood glucose and of insulin, the carbohydrate ratio per meal (rows 1 to 10 of the
// carbohydrate-counting grid) and the carbohydrate factor per clock hour (rows 1 to 24).
struct DiabetesEntries {
    static constexpr int Days = 21;
    static constexpr int Rows = 20;      // rows 1 to 20; slot 0 unused
    static constexpr int TextLength = 8; // each text is cut to 8 characters
    static constexpr int CountingRows = 10;
    static constexpr int FactorRows = 24;

    struct Pair {
        QString clock;
        QString value;
    };
    using DayPairs = std::array<Pair, Rows + 1>;

    std::array<DayPairs, Days> glucose;
    std::array<DayPairs, Days> insulin;
    std::array<QString, CountingRows + 1> carbohydrateRatio; // column 2 of the counting grid
    std::array<QString, FactorRows + 1> carbohydrateFactor;  // column 1 of the factor grid

    void clear() { *this = DiabetesEntries{}; }
};

// The lines of a Computation file after its meal blocks: glucose, insulin, carbohydrate
// counting and carbohydrate factor lines, in that order.
QStringList WriteDiabetesLines(const DiabetesEntries &entries);

// Where the reader of a Computation file stands in the glucose and insulin lines.
struct DiabetesReadPosition {
    int lastGlucoseDay = -1;
    int nextGlucoseRow = 1;
    int lastInsulinDay = -1;
    int nextInsulinRow = 1;
};
// Takes back one line beginning with "*". Returns true for a glucose or insulin line; every other
// such line counts as a meal terminator for the reader (the carbohydrate lines are stored first).
bool ReadDiabetesLine(const QString &line, DiabetesEntries &entries, DiabetesReadPosition &position);
