#include "norms/StandardNorms.h"

#include "app/NumberText.h"
#include "app/TextFile.h"

#include <QFileInfo>
#include <cmath>

namespace {

constexpr int NameLength = 80;
constexpr int ReservedLines = 10;

float at(const ActiveNorm &norm, int number)
{
    return norm.values[Nutrient::index(number)];
}

QString whole(double value)
{
    return QString::number(std::llround(value));
}

} // namespace

void TakeStandardNorm(ActiveNorm &norm, const StandardNormRow &row)
{
    norm.SelectedStandardNorm.number = row.number;
    norm.SelectedStandardNorm.name = row.name.left(NameLength);
    norm.SelectedStandardNorm.values = row.values;
    norm.values = row.values;
}

bool LoadDefaultNorm(ActiveNorm &norm, const QList<StandardNormRow> &rows)
{
    if (rows.isEmpty())
        return false;
    auto it = std::find_if(rows.begin(), rows.end(),
                           [](const StandardNormRow &r) { return r.number == DefaultNormNumber; });
    TakeStandardNorm(norm, it != rows.end() ? *it : rows.first());
    norm.NormCaption = QStringLiteral("Norm: ") + norm.SelectedStandardNorm.name;
    norm.NormKind = QStringLiteral("standardnorm");
    return true;
}

QStringList CheckNormEnergy(const ActiveNorm &norm)
{
    QStringList messages;
    const double kj = at(norm, Nutrient::EnergyKJ);
    const double kcal = at(norm, Nutrient::EnergyKcal);
    if (std::fabs(kj - 4.21 * kcal) > 200)
        messages.append(
            QStringLiteral("För stor skillnad mellan kJ (%1) och kcal (%2). Om du ändrat normen kolla "
                           "den, kontakta annars Brantvik Analys")
                .arg(whole(kj), whole(kcal)));
    const double givers = 17.0 * at(norm, Nutrient::Protein) + 37.0 * at(norm, Nutrient::Fat) +
                          17.0 * at(norm, Nutrient::Carbohydrate);
    if (std::fabs(kj - givers) > 50)
        messages.append(
            norm.SelectedStandardNorm.name +
            QStringLiteral("   För stor skillnad mellan kJ (%1) och energigivare (%2). Om du ändrat "
                           "normen kolla den, kontakta annars Brantvik Analys")
                .arg(whole(kj), whole(givers)));
    return messages;
}

QStringList ChooseStandardNorm(ActiveNorm &norm, const StandardNormRow &row)
{
    TakeStandardNorm(norm, row);
    QStringList messages = CheckNormEnergy(norm);
    norm.NormCaption = QStringLiteral("Norm: ") + norm.SelectedStandardNorm.name + QStringLiteral("   ") +
                       whole(at(norm, Nutrient::EnergyKcal)) + QStringLiteral(" kcal/dag");
    messages.append(QStringLiteral("Vald ") + norm.NormCaption);
    if (norm.NormKind == u"ketogennorm")
        messages.append(QStringLiteral("Om du räknat på ketogen kost bör du kolla måltidsfördelningen under "
                                       "Arkiv/Inställningar, de kan ha ändrats."));
    norm.NormKind = QStringLiteral("standarnorm");
    return messages;
}

bool RefreshIdealEnergyFromNorm(const ActiveNorm &norm, MealSettings &settings)
{
    const double protein = 1700.0 * at(norm, Nutrient::Protein);
    const double fat = 3700.0 * at(norm, Nutrient::Fat);
    const double carbohydrate = 1700.0 * at(norm, Nutrient::Carbohydrate) + 800.0 * at(norm, Nutrient::Fibre);
    const double energy = protein + fat + carbohydrate;
    if (energy <= 5)
        return false;
    const double fatShare = 100.0 * fat / energy;
    auto &ideal = settings.IdealEnergyDistribution;
    ideal[0] = float(100.0 * protein / energy);
    ideal[1] = float(fatShare);
    ideal[2] = float(100.0 * carbohydrate / energy);
    ideal[3] = float(fatShare * 0.4167);
    ideal[4] = float(fatShare * 0.25);
    ideal[5] = float(fatShare * 0.3333);
    return true;
}

Status WriteNormFile(const QString &path, const ActiveNorm &norm)
{
    QStringList lines;
    lines.reserve(ReservedLines + 2 + Nutrient::Count);
    for (int i = 0; i < ReservedLines; ++i)
        lines.append(QStringLiteral("reserv"));
    lines.append(norm.NormKind);
    lines.append(norm.NormCaption);
    for (float v : norm.values)
        lines.append(QString::number(double(v), 'f', 3));
    if (!TextFile::writeLines(path, lines))
        return Status::failure(QStringLiteral("Kan ej spara aktuell norm"));
    return Status::success();
}

TextFile::Limits NormFileLimits()
{
    return {256 * 1024, 1000, 0};
}

bool ReadNormFile(const QString &path, ActiveNorm &norm, const std::function<void()> &readPerKgFile,
                  QString *fault)
{
    if (!QFileInfo::exists(path))
        return false;
    auto lines = TextFile::readLines(path, NormFileLimits());
    if (!lines) { // an unreadable norm file leaves the norm as it was
        if (fault)
            *fault = QStringLiteral("Kan ej läsa normen\n") + lines.message;
        return true;
    }
    ReadNormLines(*lines, norm, readPerKgFile);
    return true;
}

void ReadNormLines(const QStringList &l, ActiveNorm &norm, const std::function<void()> &readPerKgFile)
{
    if (l.size() <= ReservedLines)
        return;
    // Guard against a foreign file: a caption or kind is one short line.
    norm.NormKind = l[ReservedLines].left(100);
    if (l.size() <= ReservedLines + 1)
        return;
    const QString caption = l[ReservedLines + 1].left(1000);
    norm.SelectedStandardNorm.name = caption.left(NameLength);
    // The whole caption, not the cut name: the kcal of a standard norm sits after the 80th character.
    norm.NormCaption = caption;
    if (norm.NormKind == u"kgkroppsviktnorm" && readPerKgFile)
        readPerKgFile();
    for (int i = 0; i < Nutrient::Count && ReservedLines + 2 + i < l.size(); ++i) {
        const float v = TextToNumber(l[ReservedLines + 2 + i]);
        norm.values[i] = v;
        norm.SelectedStandardNorm.values[i] = v;
    }
}
