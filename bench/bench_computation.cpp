// Costs of the Computation's block operations.
#include "BenchTimer.h"
#include "calc/Computation.h"

#include <QCoreApplication>
#include <memory>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    auto computation = std::make_unique<Computation>();
    benchMedian(QStringLiteral("TakeUndoSnapshot (full row set, %1 MB)")
                    .arg(sizeof(RowSet) / (1024.0 * 1024.0), 0, 'f', 1),
                51, [&] { TakeUndoSnapshot(*computation); });
    benchMedian(QStringLiteral("SwapUndoSnapshot"), 51, [&] { SwapUndoSnapshot(*computation); });
    benchMedian(QStringLiteral("ClearComputation"), 51, [&] { ClearComputation(*computation, true); });
    return 0;
}
