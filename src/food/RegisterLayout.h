#pragma once

#include <QString>
#include <QStringList>

// The 96-field layout that every food register table shares (brasol100, brasol2005, fabrikant,
// egna, dabas). Field positions count from 1: position 1 is `Kod`, 14 the waste percentage,
// 15 to 86 the nutrients, 96 `www`. Dabas names the nutrient fields differently and allows
// longer codes and unit names.
namespace RegisterLayout {

constexpr int FieldCount = 96;
constexpr int CodePosition = 1;
constexpr int WastePosition = 14;
constexpr int FirstNutrientPosition = 15;
constexpr int LastNutrientPosition = 86;
constexpr int FirstUnitPosition = 87; // port1, enhet1, ... port4, enhet4 at 87 to 94

enum class Kind { National, Dabas };

enum class FieldType { Text, Real };

struct Field {
    QString name;
    FieldType type;
    int length; // characters of a text field; 0 for a number
};

// The field at a position 1 to 96 of a table of this kind.
const Field &field(Kind kind, int position);

// All 96 field names in their order.
QStringList fieldNames(Kind kind);

// The register tables and their kind.
Kind kindOf(const QString &table);

// "CREATE TABLE" for a register table of the given name, then its indexes: the primary key on
// `Kod`, "livsmedel" on the name in Swedish order and, for brasol100, "grossartnr".
// `schema` qualifies the statements ("main" or an attached database's name).
QStringList createStatements(const QString &table, const QString &schema = QStringLiteral("main"));

// A name quoted for SQL (field names hold blanks, "%", ":" and "-").
QString quoted(const QString &name);

} // namespace RegisterLayout
