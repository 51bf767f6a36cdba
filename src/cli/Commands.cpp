#include "cli/Commands.h"

QString UsageText()
{
    return QStringLiteral(
        "Användning: velmora-cli KOMMANDO\n"
        "  catalogue   skriver näringsämnena i nvnamn.txt: nummer, kortnamn, visningsnamn, enhet, decimaler\n"
        "  import-registers KÄLLMAPP UTFIL\n"
        "              bygger livsmedelsregistret (register.sqlite) ur källfilerna i KÄLLMAPP "
        "(data/sources)\n"
        "  search TEXT [--dabas]\n"
        "              skriver sökträffarna som livsmedelslistan visar dem: raden, tab, dess tvillingrad;\n"
        "              sist antalet träffar\n"
        "  import-norms NORMER.csv DATABAS   bygger normtabellen normer\n"
        "  sums FIL.diet   dagssummor, medelvärde och antal ätdagar för en sparad beräkning\n");
}

int RunCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (command == u"catalogue")
        return CatalogueCommand(args, out, err);
    if (command == u"import-norms")
        return ImportNormsCommand(args, out, err);
    if (command == u"import-registers")
        return ImportRegistersCommand(args, out, err);
    if (command == u"search")
        return SearchCommand(args, out, err);

    if (command == u"sums")
        return SumsCommand(args, out, err);
    err << "Okänt kommando: " << command << "\n" << UsageText();
    return 2;
}
