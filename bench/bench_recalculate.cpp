// Cost of the central recalculation on a full and on a typical Computation.
#include "BenchTimer.h"
#include "app/ProgramState.h"
#include "calc/Recalculate.h"
#include "calc/RowEditing.h"

#include <QCoreApplication>

namespace {

// A food with a realistic spread of values: most known, a few unknown.
FoodRecord realisticFood(int i)
{
    FoodRecord f;
    f.code = QString::number(1000 + i);
    f.name = QStringLiteral("Livsmedel %1").arg(i);
    f.unit = QStringLiteral("port");
    f.portionGrams = 50 + i % 150;
    for (int j = 0; j < Nutrient::Count; ++j)
        f.nutrients[j] = (i + j) % 17 == 0 ? -1.0f : float((i * 7 + j * 13) % 400) / 10.0f;
    f.nutrients[Nutrient::index(Nutrient::EnergyKJ)] = 200 + i % 1500;
    return f;
}

void fill(ProgramState &s, int days, int rowsPerMeal)
{
    ClearComputation(*s.computation, true);
    int n = 0;
    for (int d = 0; d < days; ++d)
        for (int m = 0; m < ComputationSize::Meals; ++m)
            for (int r = 1; r <= rowsPerMeal; ++r) {
                MealRow &row = s.computation->row(d, m, r);
                RowEditing::FillRowFromFood(row, realisticFood(n++ % 500));
                RowEditing::SetTimeFrom(s.computation->Rows[d][m], r, QStringLiteral("%1:15").arg(6 + m));
            }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    auto state = std::make_unique<ProgramState>();
    fill(*state, ComputationSize::Days, ComputationSize::RowsPerMeal);
    benchMedian(QStringLiteral("Recalculate, full Computation (21 x 9 x 199 rows)"), 41,
                [&] { Recalculate(*state); });
    fill(*state, 7, 6);
    benchMedian(QStringLiteral("Recalculate, typical Computation (7 days x 9 meals x 6 rows)"), 201,
                [&] { Recalculate(*state); });
    return 0;
}
