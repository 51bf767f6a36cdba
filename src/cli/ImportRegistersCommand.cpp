#include "cli/Commands.h"
#include "food/RegisterImport.h"

#include <QDir>

int ImportRegistersCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 2) {
        err << "Användning: velmora-cli import-registers KÄLLMAPP UTFIL\n";
        return 2;
    }
    const QString sources = QDir(args[0]).absolutePath();
    const QString output = QDir(args[1]).absolutePath();
    const auto summary = ImportRegisters(sources, output);
    if (!summary) {
        err << summary.message << "\n";
        return 1;
    }
    out << output << ": brasol100 " << summary->nationalFoods << " livsmedel (portion: egen "
        << summary->portionsFromOverrides << ", rättad " << summary->portionsFromCorrections << ", gruppens "
        << summary->portionsFromGroups << "), brasol2005 " << summary->previousFoods << " livsmedel\n";
    return 0;
}
