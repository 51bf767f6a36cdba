// Costs of the food registers: resolving a code, opening the database at start-up, walking a
// table in name order.
#include "BenchTimer.h"
#include "app/RegisterDatabase.h"
#include "food/FoodRegisters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // A copy of the program folder's registers, so the user's own file is created here.
    QTemporaryDir dir;
    QFile::copy(QDir(QStringLiteral(VELMORA_PROGRAM_DIR)).filePath(RegisterDatabase::registerFileName()),
                dir.filePath(RegisterDatabase::registerFileName()));

    {
        FoodRegisters warm; // creates egna.sqlite once
        if (Status s = warm.open(dir.path()); !s) {
            QTextStream(stderr) << s.message << "\n";
            return 1;
        }
    }
    benchMedian(QStringLiteral("Opening the registers (register.sqlite + egna.sqlite, five tables)"), 51,
                [&] {
                    FoodRegisters r;
                    r.open(dir.path());
                });

    FoodRegisters registers;
    registers.open(dir.path());
    const QStringList codes = {QStringLiteral("553"), QStringLiteral("1907"), QStringLiteral("123"),
                               QStringLiteral("7254"), QStringLiteral("1")};
    int i = 0;
    benchMedian(QStringLiteral("FindFood + ReadFoodRecord, national food (AddFood chain), 100 lookups"), 51,
                [&] {
                    for (int n = 0; n < 100; ++n)
                        registers.FindFood(codes[i++ % codes.size()], LookupChain::AddFood);
                });
    benchMedian(QStringLiteral("FindFood of a code only in brasol2005 (OpenComputation chain), 100 lookups"),
                51, [&] {
                    for (int n = 0; n < 100; ++n)
                        registers.FindFood(QStringLiteral("106"), LookupChain::OpenComputation);
                });
    benchMedian(QStringLiteral("FindFood of a missing code (all five registers), 100 lookups"), 51, [&] {
        for (int n = 0; n < 100; ++n)
            registers.FindFood(QStringLiteral("nosuchcode"), LookupChain::OpenComputation);
    });
    SqlTable &national = registers.table(FoodRegister::Brasol100);
    national.setIndex(QStringLiteral("livsmedel"));
    benchMedian(QStringLiteral("Walking brasol100 in name order (2,575 rows, code and name read)"), 21, [&] {
        int rows = 0;
        for (Status s = national.first(); s && !national.eof(); s = national.next()) {
            national.text(1);
            national.text(2);
            ++rows;
        }
    });
    national.setIndex(QString());
    return 0;
}
