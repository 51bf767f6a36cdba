#include "calc/Computation.h"

#include <algorithm>
#include <cstring>

Computation::Computation()
{
    DayIncluded.fill(true);
    MealNames = DefaultMealNames();
    ClearComputation(*this, true);
    std::memcpy(static_cast<void *>(&UndoSnapshot), &Rows, sizeof(RowSet));
}

bool Computation::mealHasFood(int day, int meal) const
{
    const MealRows &rows = Rows[day][meal];
    return std::any_of(rows.begin() + 1, rows.end(), [](const MealRow &r) { return !r.isEmpty(); });
}

void ClearComputation(Computation &computation, bool clearOtherParts)
{
    computation.CurrentDay = 0;
    computation.CurrentMeal = 0;
    for (DayRows &day : computation.Rows)
        for (MealRows &meal : day)
            for (MealRow &row : meal) {
                row.code.assign(QStringLiteral("0"));
                row.name.clear();
                row.unitText.clear();
                row.portionGrams = 0;
                row.grams = 0;
                row.kgPrice = 0;
                row.timeText.clear();
                // A row that never gets a time must not count at midnight in the day profile.
                row.timeSlot = 96;
                row.nutrients.fill(0);
            }
    if (clearOtherParts) {
        computation.InfoText.clear();
        for (int d = 0; d < ComputationSize::Days; ++d)
            computation.DayNames[d] = DefaultDayName(d);
    }
}

void TakeUndoSnapshot(Computation &computation)
{
    std::memcpy(static_cast<void *>(&computation.UndoSnapshot), &computation.Rows, sizeof(RowSet));
}

void SwapUndoSnapshot(Computation &computation)
{
    std::swap(computation.Rows, computation.UndoSnapshot);
}

const std::array<QString, ComputationSize::Meals> &DefaultMealNames()
{
    static const std::array<QString, ComputationSize::Meals> names = {
        QStringLiteral("Frukost"),    QStringLiteral("Lunch"),      QStringLiteral("Middag"),
        QStringLiteral("Mellanmål1"), QStringLiteral("Mellanmål2"), QStringLiteral("Mellanmål3"),
        QStringLiteral("Mellanmål4"), QStringLiteral("Mellanmål5"), QStringLiteral("Mellanmål6")};
    return names;
}

QString DefaultDayName(int day)
{
    return QStringLiteral("Dag %1").arg(day + 1);
}
