#include "calc/RowEditing.h"

#include "app/NumberText.h"
#include "calc/TimeSlot.h"
#include "files/FoodPairList.h"
#include "food/FoodLookup.h"
#include "food/FoodRecord.h"

#include <QtMath>
#include <algorithm>
#include <cstring>

namespace RowEditing {

void ClearRow(MealRow &row)
{
    row = MealRow{};
    row.code.assign(QStringLiteral("0"));
}

int FirstFreeRow(const MealRows &rows)
{
    for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r)
        if (rows[r].isEmpty())
            return r;
    return ComputationSize::RowsPerMeal;
}

int PrepareTargetRow(MealRows &rows, int row, bool insert)
{
    if (row <= 0)
        return FirstFreeRow(rows);
    row = std::min(row, ComputationSize::RowsPerMeal);
    if (insert && row < ComputationSize::RowsPerMeal) {
        for (int r = ComputationSize::RowsPerMeal; r > row; --r)
            rows[r] = rows[r - 1];
    }
    return row;
}

void CopyAlternativeUnits(MealRow &row, const FoodRecord &food)
{
    row.unitName1.assign(food.unitNames[0]);
    row.unitGrams1 = food.unitGrams[0];
    row.unitName2.assign(food.unitNames[1]);
    row.unitGrams2 = food.unitGrams[1];
    row.unitName3.assign(food.unitNames[2]);
    row.unitGrams3 = food.unitGrams[2];
    row.unitName4.assign(food.unitNames[3]);
    row.unitGrams4 = food.unitGrams[3];
}

void FillRowFromFood(MealRow &row, const FoodRecord &food, bool withWasteAndExtra)
{
    ClearRow(row);
    row.code.assign(food.code);
    row.name.assign(food.name);
    row.unitText.assign(food.unit);
    row.portionGrams = food.portionGrams;
    row.grams = food.portionGrams;
    row.kgPrice = food.kgPrice;
    CopyAlternativeUnits(row, food);
    if (withWasteAndExtra) {
        row.wastePercent = food.wastePercent;
        row.extraText.assign(food.extraText);
    }
    row.nutrients = food.nutrients;
}

void CopyTimeFromRowAbove(MealRows &rows, int row)
{
    if (row <= 1 || row > ComputationSize::RowsPerMeal)
        return;
    const MealRow &above = rows[row - 1];
    if (above.timeText.isEmpty())
        return;
    rows[row].timeText = above.timeText;
    rows[row].timeSlot = above.timeSlot;
}

void SetTextRow(MealRow &row, const QString &text)
{
    ClearRow(row);
    row.code.assign(text);
    row.name.assign(text);
}

void SetCount(MealRow &row, float count)
{
    row.grams = row.portionGrams > 0.01f ? count * row.portionGrams : 0.0f;
}

void SetTimeFrom(MealRows &rows, int row, const QString &text)
{
    if (row < 1 || row > ComputationSize::RowsPerMeal)
        return;
    FixedText<5> time;
    time.assign(text);
    const int slot = TimeToSlot(time.toString());
    for (int r = row; r <= ComputationSize::RowsPerMeal; ++r) {
        rows[r].timeText = time;
        rows[r].timeSlot = slot;
    }
}

float GramStep(const MealRow &row)
{
    return row.portionGrams >= 0.5f ? row.portionGrams * 0.1f : 10.0f;
}

void DeleteRow(MealRows &rows, int row)
{
    if (row < 1 || row > ComputationSize::RowsPerMeal)
        return;
    for (int r = row; r < ComputationSize::RowsPerMeal; ++r)
        rows[r] = rows[r + 1];
    ClearRow(rows[ComputationSize::RowsPerMeal]);
}

int ReplaceCodeEverywhere(Computation &computation, const QString &oldCode, const QString &newCode)
{
    FixedText<81> oldText;
    oldText.assign(oldCode);
    int changed = 0;
    for (DayRows &day : computation.Rows)
        for (MealRows &meal : day)
            for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r) {
                MealRow &row = meal[r];
                if (row.isEmpty() || row.code.length != oldText.length ||
                    std::memcmp(row.code.chars, oldText.chars, oldText.length) != 0)
                    continue;
                row.code.assign(newCode);
                ++changed;
            }
    return changed;
}

namespace {

QString unitEntry(float grams, const QString &unit)
{
    return QStringLiteral("%1 g/%2").arg(qRound(grams), 3).arg(unit);
}

} // namespace

QStringList UnitListEntries(const MealRow &row, bool danish)
{
    QStringList list;
    list << row.name.toString();
    const QString tablespoon = danish ? QStringLiteral("spsk") : QStringLiteral("msk");
    const std::pair<const FixedText<16> *, float> units[4] = {{&row.unitName1, row.unitGrams1},
                                                              {&row.unitName2, row.unitGrams2},
                                                              {&row.unitName3, row.unitGrams3},
                                                              {&row.unitName4, row.unitGrams4}};
    for (const auto &[nameText, grams] : units) {
        if (grams <= 0.001f)
            continue;
        const QString name = nameText->toString();
        list << unitEntry(grams, name);
        if (name == QStringLiteral("dl")) {
            list << unitEntry(grams / 6.6f, tablespoon) << unitEntry(grams / 20.0f, QStringLiteral("tsk"));
        } else if (name == QStringLiteral("msk") || name == QStringLiteral("spsk") ||
                   name == QStringLiteral("ssk")) {
            list << unitEntry(grams * 6.6f, QStringLiteral("dl"))
                 << unitEntry(grams / 3.0f, QStringLiteral("tsk"));
        } else if (name == QStringLiteral("tsk")) {
            list << unitEntry(grams * 20.0f, QStringLiteral("dl")) << unitEntry(grams * 3.0f, tablespoon);
        }
    }
    if (row.wastePercent > 0.1f)
        list << QStringLiteral("%1 % avfall").arg(qRound(row.wastePercent), 3);
    if (!row.extraText.isEmpty())
        list << row.extraText.toString();
    list << QStringLiteral("Vikt avser ätlig del");
    return list;
}

bool ApplyUnitEntry(MealRow &row, const QString &entry)
{
    if (entry == row.name.toString() || entry.contains(QStringLiteral("vfall")) ||
        entry.contains(QStringLiteral("ätlig")))
        return false;
    const qsizetype slash = entry.indexOf(u'/');
    if (slash < 0)
        return false;
    // The number is padded to three characters, so the blanks before it are skipped.
    const QString trimmed = entry.trimmed();
    const float grams = TextToNumber(trimmed.left(trimmed.indexOf(u' ')));
    row.unitText.assign(entry.mid(slash + 1));
    row.portionGrams = grams;
    row.grams = grams;
    return true;
}

void RememberRecentFood(RecentFoodLists &recent, int meal, const QString &shown, const QString &twin)
{
    recent.all.addSorted(shown, twin);
    recent.forMeal(meal).addSorted(shown, twin);
    for (FoodPairList *list : {&recent.all, &recent.breakfast, &recent.lunch, &recent.dinner, &recent.snacks})
        list->trimTo(RecentFoodLists::Limit);
}

QString NationalCodeForm(const QString &typed)
{
    QString code = typed.toUpper();
    if (code.size() >= 2 && code.at(0) <= u'9')
        code.insert(1, u'_');
    return code;
}

} // namespace RowEditing

namespace RowEditing {

int RefreshRowsFromFood(Computation &computation, const FoodRecord &food)
{
    FixedText<81> code;
    code.assign(food.code);
    int refreshed = 0;
    for (DayRows &day : computation.Rows)
        for (MealRows &meal : day)
            for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r) {
                MealRow &row = meal[r];
                if (row.code.length != code.length ||
                    std::memcmp(row.code.chars, code.chars, code.length) != 0)
                    continue;
                const MealRow kept = row;
                FillRowFromFood(row, food);
                row.unitText = kept.unitText;
                row.portionGrams = kept.portionGrams;
                row.grams = kept.grams;
                row.timeText = kept.timeText;
                row.timeSlot = kept.timeSlot;
                ++refreshed;
            }
    return refreshed;
}

} // namespace RowEditing

namespace RowEditing {

int ReplaceFoodEverywhere(Computation &computation, FoodLookup &foods, const QString &oldCode,
                          const QString &newCode)
{
    const int changed = ReplaceCodeEverywhere(computation, oldCode, newCode);
    if (const auto found = foods.FindFood(newCode, LookupChain::OpenComputation))
        RefreshRowsFromFood(computation, found->record);
    return changed;
}

} // namespace RowEditing
