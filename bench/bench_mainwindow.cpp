// From a committed meal-grid cell to the repainted main window on a typical Computation.
#include "BenchTimer.h"
#include "app/ProgramState.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "calc/RowEditing.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto state = std::make_unique<ProgramState>();
    TForm1 w(*state);
    if (!w.FormCreate(QStringLiteral(VELMORA_PROGRAM_DIR)).ok)
        return 1;
    state->app.StartingUp = false;
    // 7 days of 9 meals with 6 rows each.
    for (int d = 0; d < 7; ++d)
        for (int m = 0; m < 9; ++m)
            for (int r = 1; r <= 6; ++r) {
                FoodRecord f;
                f.code = QString::number(100 + r);
                f.name = QStringLiteral("Livsmedel %1").arg(r);
                f.unit = QStringLiteral("port");
                f.portionGrams = 80 + r;
                for (int j = 0; j < Nutrient::Count; ++j)
                    f.nutrients[j] = float((r * 31 + j * 7) % 300) / 10.0f;
                RowEditing::FillRowFromFood(state->computation->row(d, m, r), f);
            }
    w.resize(1300, 800);
    w.show();
    QApplication::processEvents();
    int n = 0;
    benchMedian(QStringLiteral("Typed grams committed to repainted main window (typical Computation)"), 101,
                [&] {
                    w.CommitMealCell(3, 3, QString::number(100 + (n++ % 50)), true);
                    w.repaint();
                });
    benchMedian(QStringLiteral("Main window Recalculate without painting"), 101, [&] { w.Recalculate(); });
    benchMedian(QStringLiteral("  of which PaintMealGrid"), 101, [&] { w.PaintMealGrid(); });
    benchMedian(QStringLiteral("  of which FillCharts"), 101, [&] { w.FillCharts(); });
    benchMedian(QStringLiteral("  repaint only"), 101, [&] { w.repaint(); });
    return 0;
}
