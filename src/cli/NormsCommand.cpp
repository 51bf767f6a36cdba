#include "cli/Commands.h"
#include "norms/NormTable.h"
#include "norms/StandardNorms.h"

// import-norms CSV DATABASE: builds the standard norm table from the delivered rows. Every row must
// be consistent in its energy, as the norm window would warn about it otherwise.
int ImportNormsCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 2) {
        err << "Användning: velmora-cli import-norms NORMER.csv normer.sqlite\n";
        return 2;
    }
    const auto rows = NormTable::readCsv(args[0]);
    if (!rows) {
        err << rows.message << "\n";
        return 1;
    }
    int warnings = 0;
    for (const StandardNormRow &row : *rows) {
        ActiveNorm norm;
        TakeStandardNorm(norm, row);
        for (const QString &message : CheckNormEnergy(norm)) {
            err << "Norm " << row.number << ": " << message << "\n";
            ++warnings;
        }
    }
    if (warnings > 0)
        return 1;
    if (Status s = NormTable::create(args[1], *rows); !s) {
        err << s.message << "\n";
        return 1;
    }
    out << rows->size() << " normer i " << args[1] << "\n";
    return 0;
}
