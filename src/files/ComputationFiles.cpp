#include "files/ComputationFiles.h"

#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "files/ComputationFile.h"
#include "food/SwedishOrder.h"
#include "norms/StandardNorms.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace ComputationFiles {

using ComputationFile::CompanionPath;

void RememberEarlier(ProgramState &state, const QString &fileName)
{
    QStringList &list = state.files.EarlierComputations;
    list.removeOne(fileName);
    list.prepend(fileName);
}

SaveOutcome Save(ProgramState &state, const QString &chosenName, const QString &dateText)
{
    const QString f = CompanionPath(chosenName, QStringLiteral(".diet"));
    RememberEarlier(state, f);
    SaveOutcome out = WriteFiles(state, f, dateText);
    if (out.saved) {
        state.app.ComputationFileName = f;
        state.app.ComputationChanged = false;
    }
    return out;
}

SaveOutcome WriteFiles(const ProgramState &state, const QString &dietFile, const QString &dateText,
                       bool allDayNames)
{
    SaveOutcome out;
    const QString &f = dietFile;
    out.fileName = f;
    const Computation &c = *state.computation;

    if (!c.InfoText.isEmpty())
        if (!TextFile::writeLines(CompanionPath(f, QStringLiteral(".txt")), c.InfoText.split(u'\n')))
            out.messages.append(QStringLiteral("Kan ej spara anteckningarna."));

    if (Status s = ComputationFile::Write(f, c, state.settings.WholeDayMode, state.diabetes, dateText))
        out.saved = true;
    else
        out.messages.append(ComputationFile::saveFailed());

    if (state.files.DayNamesSet || allDayNames) {
        QStringList names;
        for (const QString &name : c.DayNames)
            names.append(QString(name).replace(u'\n', u' ').replace(u'\r', u' ')); // one line each
        if (!TextFile::writeLines(CompanionPath(f, QStringLiteral(".dnamn")), names))
            out.messages.append(QStringLiteral("Kan ej spara dagsnamnen."));
    }
    if (Status s = WriteNormFile(CompanionPath(f, QStringLiteral(".norm")), state.norm); !s)
        out.messages.append(s.message);
    // The companion file of a derived norm kind is written by that norm's own module.
    return out;
}

OpenOutcome Open(ProgramState &state, const QString &fileName)
{
    RememberEarlier(state, fileName);
    return Read(state, fileName);
}

OpenOutcome Read(ProgramState &state, const QString &fileName)
{
    OpenOutcome out;
    Computation &c = *state.computation;

    if (auto notes = TextFile::readLines(CompanionPath(fileName, QStringLiteral(".txt"))))
        c.InfoText = notes->join(u'\n');
    // 21 names of at most 100 characters.
    const TextFile::Limits dayNameLimits{64 * 1024, 1000, 0};
    if (auto names = TextFile::readLines(CompanionPath(fileName, QStringLiteral(".dnamn")), dayNameLimits))
        for (int d = 0; d < ComputationSize::Days && d < names->size(); ++d)
            c.DayNames[d] = names->at(d).left(100);
    QString normFault;
    if (ReadNormFile(CompanionPath(fileName, QStringLiteral(".norm")), state.norm, {}, &normFault))
        RefreshIdealEnergyFromNorm(state.norm, state.settings);
    if (!normFault.isEmpty())
        out.messages.append(normFault);

    // A file that fails part-way (a line far too long, too many lines) still gives the rows
    // before the fault, as a damaged file does.
    QStringList lines;
    const Status read = ComputationFile::ReadLines(fileName, lines);
    bool numeric = false;
    const bool old = ComputationFile::IsOldLayout(lines, numeric);
    if (!read && !numeric) {
        out.messages.append(read.message);
        return out;
    }
    if (!numeric) {
        out.messages.append(ComputationFile::openFailed() + u'\n' +
                            QStringLiteral("Första raden är inget tal, så filen är ingen beräkning."));
        return out;
    }
    if (!state.foods) {
        out.messages.append(ComputationFile::openFailed() + u'\n' +
                            QStringLiteral("Livsmedelstabellerna är inte öppna."));
        return out;
    }
    ComputationFile::Target target{c, state.settings, state.diabetes, *state.foods};
    Status s;
    if (old) {
        out.oldLayout = true;
        s = ComputationFile::ReadOldLayout(lines, target, out.missingFoods);
    } else {
        s = ComputationFile::ReadComputationBody(lines, target, out.dateText);
    }
    if (!read)
        s = read; // the fault itself, not the early end it left behind
    if (!s)
        out.messages.append(s.message);
    out.opened = s.ok;
    return out;
}

void AddToMealTypeList(ProgramState &state, int meal, const QString &name, const QString &twin)
{
    // No trimming here: after an open the list shows every food of its meals.
    state.recent.forMeal(meal).addSorted(name, twin);
}

void RebuildMealTypeLists(ProgramState &state)
{
    // The lists get every food of the Computation, up to 37,611 different ones: adding them one
    // by one in name order (a search and an insert each) is quadratic, so each list is gathered
    // once and sorted once. The Swedish order is total (equal keys fall back to the exact text)
    // and the first row of a name gives its twin, so the lists are those that AddToMealTypeList
    // row by row would give.
    struct Entry {
        QString key;
        QString name;
        QString twin;
    };
    struct Gathered {
        FoodPairList *list;
        QSet<QString> names;
        std::vector<Entry> entries;
    };
    RecentFoodLists &recent = state.recent;
    std::array<Gathered, 4> gathered{{{&recent.breakfast, {}, {}},
                                      {&recent.lunch, {}, {}},
                                      {&recent.dinner, {}, {}},
                                      {&recent.snacks, {}, {}}}};
    std::array<Gathered *, ComputationSize::Meals> ofMeal{};
    for (int m = 0; m < ComputationSize::Meals; ++m)
        ofMeal[m] = &*std::find_if(gathered.begin(), gathered.end(),
                                   [&](const Gathered &x) { return x.list == &recent.forMeal(m); });
    const Computation &c = *state.computation;
    // Day by day as before, so that the first row of a name is the same one.
    for (int d = 0; d < ComputationSize::Days; ++d)
        for (int m = 0; m < ComputationSize::Meals; ++m) {
            Gathered &g = *ofMeal[m];
            for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r) {
                const MealRow &row = c.Rows[d][m][r];
                if (row.isEmpty())
                    continue;
                QString name = row.name.toString();
                if (g.names.contains(name))
                    continue;
                g.names.insert(name);
                QString twin = name + u'{' + row.code.toString() + u'}' +
                               QString::number(std::llround(double(row.grams))) + u'@' + row.unitText.toString();
                g.entries.push_back({SwedishSortKey(name), std::move(name), std::move(twin)});
            }
    }
    for (Gathered &g : gathered) {
        // SwedishCompare: the keys in code-unit order, then the exact texts.
        std::sort(g.entries.begin(), g.entries.end(), [](const Entry &a, const Entry &b) {
            const int byKey = QString::compare(a.key, b.key, Qt::CaseSensitive);
            return byKey != 0 ? byKey < 0 : QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
        });
        g.list->clear();
        g.list->shown.reserve(qsizetype(g.entries.size()));
        g.list->twins.reserve(qsizetype(g.entries.size()));
        for (Entry &e : g.entries) {
            g.list->shown.append(std::move(e.name));
            g.list->twins.append(std::move(e.twin));
        }
    }
}

Result<QString> Delete(const QString &fileName)
{
    if (!QFile::remove(fileName))
        return Result<QString>::failure(QStringLiteral("Kan ej radera %1").arg(fileName));
    for (const char *ext : {".txt", ".norm", ".akt", ".enorm", ".harris"}) {
        const QString companion = CompanionPath(fileName, QString::fromLatin1(ext));
        if (QFileInfo::exists(companion))
            QFile::remove(companion);
    }
    return Result<QString>::success(CompanionPath(fileName, QStringLiteral(".diet")) +
                                    QStringLiteral(" borttagen"));
}

} // namespace ComputationFiles
