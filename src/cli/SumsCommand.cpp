#include "app/ProgramState.h"
#include "calc/Recalculate.h"
#include "cli/Commands.h"
#include "files/ComputationFiles.h"
#include "food/FoodRegisters.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString number(float v)
{
    return QString::number(double(v), 'f', 3);
}

void printLine(QTextStream &out, const QString &first, const NutrientVector &values)
{
    out << first;
    for (float v : values)
        out << ';' << number(v);
    out << '\n';
}

} // namespace

// sums FILE.diet: opens the Computation as "Hämta beräkning" does (with its ".norm" file), recalculates
// and prints the day sums of every day with food, the period average and the number of eaten days.
int SumsCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1) {
        err << "Användning: velmora-cli sums FIL.diet\n";
        return 2;
    }
    // The tool runs in its program folder; a relative name is meant from where it was started.
    const QString start = qApp->property("velmoraStartDirectory").toString();
    const QString file = QDir(start.isEmpty() ? QDir::currentPath() : start).absoluteFilePath(args[0]);

    FoodRegisters registers;
    if (Status s = registers.open(QDir::currentPath()); !s) {
        err << s.message << "\n";
        return 1;
    }
    auto state = std::make_unique<ProgramState>();
    state->foods = &registers;
    const auto opened = ComputationFiles::Open(*state, file);
    if (!opened.opened) {
        err << opened.messages.join(u'\n') << "\n";
        return 1;
    }
    Recalculate(*state);
    const CalculationResults &r = *state->results;

    out << "dag";
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
        out << ';' << n;
    out << '\n';
    for (int d = 0; d < ComputationSize::Days; ++d)
        if (r.DaySums[d][Nutrient::index(Nutrient::EnergyKJ)] > 0.1f)
            printLine(out, QString::number(d + 1), r.DaySums[d]);
    printLine(out, QStringLiteral("medel"), r.PeriodAverage);
    out << "dagar;" << r.IncludedEatenDays << '\n';
    return 0;
}
