// Saving and opening a full Computation: 21 days x 9 meals x 199 rows.
#include "BenchTimer.h"
#include "app/ProgramState.h"
#include "files/ComputationFiles.h"
#include "food/FoodLookup.h"

#include <QCoreApplication>
#include <QHash>
#include <QTemporaryDir>

namespace {

// Register lookups from memory, so that the file code itself is measured.
class MemoryLookup : public FoodLookup {
public:
    QHash<QString, FoodRecord> foods;
    std::optional<FoundFood> FindFood(const QString &code, LookupChain) override
    {
        auto it = foods.find(code);
        if (it == foods.end())
            return std::nullopt;
        return FoundFood{FoodRegister::Brasol100, it.value()};
    }
    QString CodeForArticleNumber(const QString &) override { return {}; }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    MemoryLookup lookup;
    for (int i = 0; i < 500; ++i) {
        FoodRecord f;
        f.code = QString::number(1000 + i);
        f.name = QStringLiteral("Livsmedel nummer %1").arg(i);
        f.unit = QStringLiteral("port");
        f.portionGrams = 150;
        f.nutrients.fill(1.5f);
        lookup.foods.insert(f.code, f);
    }
    ProgramState state;
    state.foods = &lookup;
    for (int d = 0; d < ComputationSize::Days; ++d)
        for (int m = 0; m < ComputationSize::Meals; ++m)
            for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r) {
                MealRow &row = state.computation->row(d, m, r);
                const FoodRecord &f = lookup.foods[QString::number(1000 + (d * 31 + m * 7 + r) % 500)];
                row.code.assign(f.code);
                row.name.assign(f.name);
                row.unitText.assign(f.unit);
                row.portionGrams = f.portionGrams;
                row.grams = 12.5f + r;
                row.timeText.assign(QStringLiteral("08:30"));
                row.nutrients = f.nutrients;
            }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("full.diet"));
    benchMedian(QStringLiteral("save full Computation (37611 rows)"), 15,
                [&] { ComputationFiles::Save(state, file, QStringLiteral("2026-12-11")); });
    benchMedian(QStringLiteral("open full Computation (37611 rows)"), 15, [&] {
        ClearComputation(*state.computation, true);
        const auto outcome = ComputationFiles::Open(state, file);
        if (!outcome.opened)
            qFatal("open failed");
    });
    return 0;
}
