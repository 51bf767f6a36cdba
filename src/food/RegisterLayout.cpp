#include "food/RegisterLayout.h"

#include <array>

namespace RegisterLayout {

namespace {

using FT = FieldType;

struct Spec {
    const char *national;
    const char *dabas; // nullptr: the same as national
    FT type;
    int length;
    int dabasLength; // 0: the same as length
};

// Positions 1 to 96, in order.
const Spec kSpecs[FieldCount] = {
    {"Kod", nullptr, FT::Text, 12, 24},
    {"Livsmedel", nullptr, FT::Text, 100, 0},
    {"Portionsstorlek", nullptr, FT::Real, 0, 0},
    {"Enhet", nullptr, FT::Text, 10, 0},
    {"Grupp1", nullptr, FT::Text, 30, 0},
    {"Grupp2", nullptr, FT::Text, 30, 0},
    {"kgpris", nullptr, FT::Text, 10, 0},
    {"Datum", nullptr, FT::Text, 10, 0},
    {"Grossist", nullptr, FT::Text, 12, 0},
    {"Grossartnr", nullptr, FT::Text, 20, 0},
    {"ean", nullptr, FT::Text, 20, 0},
    {"Res1", nullptr, FT::Text, 20, 0},
    {"Res2", nullptr, FT::Text, 20, 0},
    {"Avfall _%_", nullptr, FT::Real, 0, 0},
    {"Energi _kJ_ _kJ_", "kj", FT::Real, 0, 0},
    {"Energi _kcal_ _kcal_", "kcal", FT::Real, 0, 0},
    {"Vatten _g_", "vatten g", FT::Real, 0, 0},
    {"Aska _g_", "aska g", FT::Real, 0, 0},
    {"Protein _g_", "prot g", FT::Real, 0, 0},
    {"Fett _g_", "fett g", FT::Real, 0, 0},
    {"Kolhydrater _g_", "kolhydrat g", FT::Real, 0, 0},
    {"Retinol _mcg_", "Retinol ug", FT::Real, 0, 0},
    {"Karoten _mcg_", "Karoten ug", FT::Real, 0, 0},
    {"Retinolekv _mcg_", "Retinolekv ug", FT::Real, 0, 0},
    {"D vitamin _mcg_", "D vitamin ug", FT::Real, 0, 0},
    {"a-Tokoferol _mg_", "a-Tokoferol mg", FT::Real, 0, 0},
    {"Tiamin _mg_", "Tiamin mg", FT::Real, 0, 0},
    {"Askorbinsyra _mg_", "Askorbinsyra mg", FT::Real, 0, 0},
    {"Riboflavin _mg_", "Riboflavin mg", FT::Real, 0, 0},
    {"Niacin _mg_", "Niacin mg", FT::Real, 0, 0},
    {"Niacinekv _mg_", "Niacinekv mg", FT::Real, 0, 0},
    {"Vitamin B6 _mg_", "Vitamin B6 mg", FT::Real, 0, 0},
    {"Vitamin B12 _mcg_", "Vitamin B12 ug", FT::Real, 0, 0},
    {"Kalcium _mg_", "Kalcium mg", FT::Real, 0, 0},
    {"Fosfor _mg_", "Fosfor mg", FT::Real, 0, 0},
    {"Järn _mg_", "Järn mg", FT::Real, 0, 0},
    {"Magnesium _mg_", "Magnesium mg", FT::Real, 0, 0},
    {"Natrium _mg_", "Natrium mg", FT::Real, 0, 0},
    {"Kalium _mg_", "Kalium mg", FT::Real, 0, 0},
    {"Zink _mg_", "Zink mg", FT::Real, 0, 0},
    {"Mättade fettsyror _g_", "Mättade fettsyror g", FT::Real, 0, 0},
    {"Enkelomättade fettsyror _", "Enkelomättade fettsyror g", FT::Real, 0, 0},
    {"Fleromättade fettsyror _g", "Fleromättade fettsyror g", FT::Real, 0, 0},
    {"Kolesterol _mg_", "Kolesterol mg", FT::Real, 0, 0},
    {"Monosackarider _g_", "Monosackarider g", FT::Real, 0, 0},
    {"Disackarider _g_", "Disackarider g", FT::Real, 0, 0},
    {"Sackaros _g_", "Sackaros g", FT::Real, 0, 0},
    {"Fibrer _g_", "Fibrer g", FT::Real, 0, 0},
    {"Alkohol _g_", "Alkohol g", FT::Real, 0, 0},
    {"Fettsyra C4-C10 _g_", "Fettsyra C4-C10 g", FT::Real, 0, 0},
    {"Fettsyra C12:0 _g_", "Fettsyra C12:0 g", FT::Real, 0, 0},
    {"Fettsyra C14:0 _g_", "Fettsyra C14:0 g", FT::Real, 0, 0},
    {"Fettsyra C16:0 _g_", "Fettsyra C16:0 g", FT::Real, 0, 0},
    {"Fettsyra C18:0 _g_", "Fettsyra C18:0 g", FT::Real, 0, 0},
    {"Fettsyra C20:0 _g_", "Fettsyra C20:0 g", FT::Real, 0, 0},
    {"Fettsyra C16:1 _g_", "Fettsyra C16:1 g", FT::Real, 0, 0},
    {"Fettsyra C18:1 _g_", "Fettsyra C18:1 g", FT::Real, 0, 0},
    {"Fettsyra C18:2 _g_", "Fettsyra C18:2 g", FT::Real, 0, 0},
    {"Fettsyra C18:3 _g_", "Fettsyra C18:3 g", FT::Real, 0, 0},
    {"Fettsyra C20:4 _g_", "Fettsyra C20:4 g", FT::Real, 0, 0},
    {"Fettsyra C20:5 _g_", "Fettsyra C20:5 g", FT::Real, 0, 0},
    {"Fettsyra C22:5 _g_", "Fettsyra C22:5 g", FT::Real, 0, 0},
    {"Fettsyra C22:6 _g_", "Fettsyra C22:6 g", FT::Real, 0, 0},
    {"Folat _mcg_", "Folat ug", FT::Real, 0, 0},
    {"Selen _mcg_", "Selen ug", FT::Real, 0, 0},
    {"ILE_mg", nullptr, FT::Real, 0, 0},
    {"LEU_mg", nullptr, FT::Real, 0, 0},
    {"LYS_mg", nullptr, FT::Real, 0, 0},
    {"MET_mg", nullptr, FT::Real, 0, 0},
    {"CYS_mg", nullptr, FT::Real, 0, 0},
    {"PHE_mg", nullptr, FT::Real, 0, 0},
    {"TYR_mg", nullptr, FT::Real, 0, 0},
    {"THR_mg", nullptr, FT::Real, 0, 0},
    {"TRP_mg", nullptr, FT::Real, 0, 0},
    {"VAL_mg", nullptr, FT::Real, 0, 0},
    {"ARG_mg", nullptr, FT::Real, 0, 0},
    {"HIS_mg", nullptr, FT::Real, 0, 0},
    {"ALA_mg", nullptr, FT::Real, 0, 0},
    {"ASP_mg", nullptr, FT::Real, 0, 0},
    {"GLU_mg", nullptr, FT::Real, 0, 0},
    {"GLY_mg", nullptr, FT::Real, 0, 0},
    {"PRO_mg", nullptr, FT::Real, 0, 0},
    {"SER_mg", nullptr, FT::Real, 0, 0},
    {"extra1", nullptr, FT::Real, 0, 0},
    {"extra2", nullptr, FT::Real, 0, 0},
    {"extra3", nullptr, FT::Real, 0, 0},
    {"port1", nullptr, FT::Real, 0, 0},
    {"enhet1", nullptr, FT::Text, 10, 16},
    {"port2", nullptr, FT::Real, 0, 0},
    {"enhet2", nullptr, FT::Text, 10, 16},
    {"port3", nullptr, FT::Real, 0, 0},
    {"enhet3", nullptr, FT::Text, 10, 16},
    {"port4", nullptr, FT::Real, 0, 0},
    {"enhet4", nullptr, FT::Text, 10, 16},
    {"extrastring", nullptr, FT::Text, 20, 0},
    {"www", nullptr, FT::Text, 60, 0},
};

std::array<Field, FieldCount> buildFields(Kind kind)
{
    std::array<Field, FieldCount> fields;
    for (int i = 0; i < FieldCount; ++i) {
        const Spec &s = kSpecs[i];
        const bool dabas = kind == Kind::Dabas;
        const char *name = dabas && s.dabas ? s.dabas : s.national;
        const int length = dabas && s.dabasLength ? s.dabasLength : s.length;
        fields[i] = Field{QString::fromUtf8(name), s.type, length};
    }
    return fields;
}

const std::array<Field, FieldCount> &fieldsOf(Kind kind)
{
    // Built once on first use; the tables never change while the program runs.
    static const std::array<Field, FieldCount> national = buildFields(Kind::National);
    static const std::array<Field, FieldCount> dabas = buildFields(Kind::Dabas);
    return kind == Kind::Dabas ? dabas : national;
}

} // namespace

const Field &field(Kind kind, int position)
{
    Q_ASSERT(position >= 1 && position <= FieldCount);
    return fieldsOf(kind)[position - 1];
}

QStringList fieldNames(Kind kind)
{
    QStringList names;
    names.reserve(FieldCount);
    for (const Field &f : fieldsOf(kind))
        names.append(f.name);
    return names;
}

Kind kindOf(const QString &table)
{
    return table == u"dabas" ? Kind::Dabas : Kind::National;
}

QString quoted(const QString &name)
{
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QStringList createStatements(const QString &table, const QString &schema)
{
    const Kind kind = kindOf(table);
    const QString qualified = quoted(schema) + u'.' + quoted(table);
    QStringList columns;
    for (int p = 1; p <= FieldCount; ++p) {
        const Field &f = field(kind, p);
        QString column = quoted(f.name) + u' ';
        column +=
            f.type == FieldType::Real ? QStringLiteral("REAL") : QStringLiteral("VARCHAR(%1)").arg(f.length);
        if (p == CodePosition)
            column += QStringLiteral(" NOT NULL PRIMARY KEY");
        columns.append(column);
    }
    QStringList statements;
    statements.append(
        QStringLiteral("CREATE TABLE %1 (%2)").arg(qualified, columns.join(QStringLiteral(", "))));
    // Index names are per database file, so each carries its table's name in front of the name
    // the program uses ("livsmedel", "grossartnr").
    statements.append(QStringLiteral("CREATE INDEX %1.%2 ON %3 (%4 COLLATE SWEDISH)")
                          .arg(quoted(schema), quoted(table + QStringLiteral("_livsmedel")), quoted(table),
                               quoted(field(kind, 2).name)));
    if (table == u"brasol100")
        statements.append(QStringLiteral("CREATE INDEX %1.%2 ON %3 (%4)")
                              .arg(quoted(schema), quoted(table + QStringLiteral("_grossartnr")),
                                   quoted(table), quoted(QStringLiteral("Grossartnr"))));
    return statements;
}

} // namespace RegisterLayout
