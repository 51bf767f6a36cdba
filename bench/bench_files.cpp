// Saving, opening and "Byt alla" on Computations as users have them, with the delivered
// registers: every row a food drawn from the whole national table (and some found only in the
// 2005 edition), so that every distinct code costs what it costs in a real file. Then
// `velmora-cli sums` as a whole process, on the full file and on an empty one.
#include "BenchTimer.h"
#include "app/ProgramState.h"
#include "calc/Recalculate.h"
#include "calc/RowEditing.h"
#include "files/ComputationFiles.h"
#include "food/FoodRegisters.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

const QString programDir = QStringLiteral(VELMORA_PROGRAM_DIR);

// The codes of a register table, read on a connection of the benchmark's own.
QStringList codesOf(const QString &table, const QString &notIn = {})
{
    QStringList codes;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-codes"));
        db.setDatabaseName(programDir + QStringLiteral("/register.sqlite"));
        if (!db.open())
            qFatal("cannot open register.sqlite");
        QSqlQuery q(db);
        QString sql = QStringLiteral("SELECT Kod FROM %1").arg(table);
        if (!notIn.isEmpty())
            sql += QStringLiteral(" WHERE Kod NOT IN (SELECT Kod FROM %1)").arg(notIn);
        if (!q.exec(sql))
            qFatal("cannot read the codes");
        while (q.next())
            codes.append(q.value(0).toString());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-codes"));
    return codes;
}

// Fills `days` days of nine meals with `rows` rows each: national foods drawn at random from
// the whole table, one row in twenty a food found only in the 2005 edition.
void fill(ProgramState &state, FoodLookup &foods, int days, int rows)
{
    static const QStringList national = codesOf(QStringLiteral("brasol100"));
    static const QStringList older = codesOf(QStringLiteral("brasol2005"), QStringLiteral("brasol100"));
    QRandomGenerator random(20261211);
    ClearComputation(*state.computation, true);
    for (int d = 0; d < days; ++d)
        for (int m = 0; m < ComputationSize::Meals; ++m)
            for (int r = 1; r <= rows; ++r) {
                const bool old = !older.isEmpty() && random.bounded(20) == 0;
                const QStringList &from = old ? older : national;
                const QString code = from[random.bounded(int(from.size()))];
                const auto found = foods.FindFood(code, LookupChain::OpenComputation);
                if (!found)
                    qFatal("a register code was not found");
                MealRow &row = state.computation->row(d, m, r);
                RowEditing::FillRowFromFood(row, found->record);
                row.grams = float(5 + random.bounded(400)) + 0.5f;
                row.timeText.assign(QStringLiteral("%1:%2").arg(6 + m * 2).arg(15 * (r % 4), 2, 10, QLatin1Char('0')));
            }
}

// The whole process, as a batch run starts it once per file.
double sumsProcess(const QString &label, const QString &file)
{
    const QString tool = programDir + QStringLiteral("/velmora-cli");
    return benchMedian(label, 11, [&] {
        QProcess p;
        p.setWorkingDirectory(programDir);
        p.start(tool, {QStringLiteral("sums"), file});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            qFatal("velmora-cli sums failed");
    });
}

void benchComputation(const QString &kind, int days, int rows, FoodRegisters &registers, const QString &file)
{
    auto state = std::make_unique<ProgramState>();
    state->foods = &registers;
    fill(*state, registers, days, rows);
    benchMedian(QStringLiteral("save %1").arg(kind), 11,
                [&] { ComputationFiles::Save(*state, file, QStringLiteral("2026-12-11")); });
    benchMedian(QStringLiteral("open %1").arg(kind), 11, [&] {
        ClearComputation(*state->computation, true);
        if (!ComputationFiles::Open(*state, file).opened)
            qFatal("open failed");
    });
    // "Byt alla" of the food in the first row: snapshot, replace and rebuild, recalculate.
    const QString first = state->computation->row(0, 0, 1).code.toString();
    const QString second = state->computation->row(0, 0, 2).code.toString();
    int n = 0;
    benchMedian(QStringLiteral("\"Byt alla\" with recalculation, %1").arg(kind), 11, [&] {
        const bool back = n++ % 2;
        TakeUndoSnapshot(*state->computation);
        RowEditing::ReplaceFoodEverywhere(*state->computation, registers, back ? second : first,
                                          back ? first : second);
        Recalculate(*state);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString full = dir.filePath(QStringLiteral("full.diet"));
    const QString typical = dir.filePath(QStringLiteral("typical.diet"));
    const QString empty = dir.filePath(QStringLiteral("empty.diet"));
    {
        FoodRegisters registers;
        if (!registers.open(programDir).ok)
            qFatal("cannot open the registers");
        benchComputation(QStringLiteral("full Computation (37,611 rows of varied real foods)"), ComputationSize::Days,
                         ComputationSize::RowsPerMeal, registers, full);
        benchComputation(QStringLiteral("typical Computation (7 days, 9 meals, 6 rows)"), 7, 6, registers,
                         typical);
        auto state = std::make_unique<ProgramState>();
        ComputationFiles::Save(*state, empty, QStringLiteral("2026-12-11"));
    }
    const double none = sumsProcess(QStringLiteral("velmora-cli sums, empty Computation (whole process)"), empty);
    sumsProcess(QStringLiteral("velmora-cli sums, typical Computation (whole process)"), typical);
    const double all = sumsProcess(QStringLiteral("velmora-cli sums, full Computation (whole process)"), full);
    QTextStream(stdout) << "velmora-cli sums, full minus empty: " << QString::number(all - none, 'f', 1)
                        << " ms\n";
    return 0;
}
