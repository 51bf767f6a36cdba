// Opens a Computation as "Hämta beräkning" does: the ".diet" file (either layout) with its
// ".txt", ".dnamn" and ".norm" companions, then builds the meal-type lists from it. An input is
// the four files separated by PartSeparator lines; missing parts are missing files.
//
// Properties beyond "no crash": every number read is finite, and a Computation that opened
// without a fault writes the same lines again after being read back from its own lines.

#include "FuzzSupport.h"

#include "app/ProgramState.h"
#include "app/TextCodec.h"
#include "app/TextFile.h"
#include "files/ComputationFile.h"
#include "files/ComputationFiles.h"
#include "support/FakeFoodLookup.h"

#include <cmath>
#include <memory>

namespace {

// The foods the seed files name, in the registers the lookup chains go through.
struct World {
    FakeFoodLookup foods;
    ProgramState state;
    std::unique_ptr<Computation> again = std::make_unique<Computation>();

    World()
    {
        FoodRecord milk = makeFood(QStringLiteral("101"), QStringLiteral("Mjölk fett 3%"), 3.4f, 3.0f, 4.8f, 200,
                                   QStringLiteral("glas"));
        milk.unitNames = {QStringLiteral("dl"), QStringLiteral("msk"), QString(), QString()};
        milk.unitGrams = {100, 15, 0, 0};
        milk.kgPrice = 12.5f;
        foods.add(FoodRegister::Brasol100, milk);
        foods.add(FoodRegister::Brasol100, makeFood(QStringLiteral("2208"), QStringLiteral("Bröd"), 9, 4, 45, 30,
                                                    QStringLiteral("skiva")));
        foods.add(FoodRegister::Brasol2005, makeFood(QStringLiteral("777"), QStringLiteral("Gammal ost"), 25, 28,
                                                     0, 20, QStringLiteral("skiva")));
        foods.add(FoodRegister::Fabrikant, makeFood(QStringLiteral("F12"), QStringLiteral("Fabriksbar"), 5, 10,
                                                    60, 50, QStringLiteral("bar")));
        foods.add(FoodRegister::Egna, makeFood(QStringLiteral("E7"), QStringLiteral("Egen gröt"), 3, 2, 12, 250,
                                               QStringLiteral("tallrik")));
        foods.addArticleNumber(QStringLiteral("A-5550"), QStringLiteral("2208"));
        state.foods = &foods;
    }
};

// Only rows a reader filled need emptying: the readers never look at a row before writing it.
void emptyFilledRows(Computation &c)
{
    for (DayRows &day : c.Rows)
        for (MealRows &meal : day)
            for (MealRow &row : meal)
                if (!row.isEmpty()) {
                    row = MealRow{};
                    row.code.assign(QStringLiteral("0"));
                }
}

void reset(World &w)
{
    ProgramState &s = w.state;
    emptyFilledRows(*s.computation);
    s.computation->InfoText.clear();
    for (int d = 0; d < ComputationSize::Days; ++d)
        s.computation->DayNames[d] = DefaultDayName(d);
    s.settings = MealSettings{};
    s.norm = ActiveNorm{};
    s.diabetes.clear();
    s.files.EarlierComputations.clear();
}

void requireFiniteRows(const Computation &c)
{
    for (const DayRows &day : c.Rows)
        for (const MealRows &meal : day)
            for (const MealRow &row : meal) {
                if (row.isEmpty())
                    continue;
                fuzz::require(std::isfinite(row.grams) && std::isfinite(row.portionGrams),
                              "grams and portion of a row are finite");
                for (float v : row.nutrients)
                    fuzz::require(std::isfinite(v), "nutrient values are finite");
            }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static World w;
    const QList<QByteArray> files = fuzz::parts(fuzz::bytesOf(data, size), 4);
    const QDir &dir = fuzz::scratch();
    const QString diet = dir.filePath(QStringLiteral("fuzz.diet"));
    fuzz::putFile(diet, &files[0]);
    fuzz::putFile(dir.filePath(QStringLiteral("fuzz.txt")), files.size() > 1 ? &files[1] : nullptr);
    fuzz::putFile(dir.filePath(QStringLiteral("fuzz.dnamn")), files.size() > 2 ? &files[2] : nullptr);
    fuzz::putFile(dir.filePath(QStringLiteral("fuzz.norm")), files.size() > 3 ? &files[3] : nullptr);

    reset(w);
    ProgramState &s = w.state;
    const auto opened = ComputationFiles::Open(s, diet);
    ComputationFiles::RebuildMealTypeLists(s);
    requireFiniteRows(*s.computation);
    for (float v : s.norm.values)
        fuzz::require(std::isfinite(v), "norm values are finite");
    fuzz::require(opened.opened || !opened.messages.isEmpty(), "a file that did not open says why");

    if (opened.opened) {
        // What was read writes back as lines that read into the same Computation.
        const QStringList lines = ComputationFile::Lines(*s.computation, s.settings.WholeDayMode, s.diabetes,
                                                         opened.dateText);
        QByteArray bytes;
        for (const QString &line : lines)
            bytes += TextCodec::encode(line) + "\r\n";
        QStringList reread;
        fuzz::require(TextFile::splitBytes(bytes, ComputationFile::FileLimits(), diet, reread).ok,
                      "a written Computation is within the reader's limits");
        emptyFilledRows(*w.again);
        MealSettings settings;
        DiabetesEntries diabetes;
        QString dateText;
        const Status back = ComputationFile::ReadComputationBody(
            reread, {*w.again, settings, diabetes, *s.foods}, dateText);
        fuzz::require(back.ok, "a written Computation reads back");
        fuzz::require(ComputationFile::Lines(*w.again, settings.WholeDayMode, diabetes, dateText) == lines,
                      "a Computation read back writes the same lines");
    }
    return 0;
}
