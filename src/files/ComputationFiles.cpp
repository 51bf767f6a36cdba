#include "files/ComputationFiles.h"

#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "files/ComputationFile.h"
#include "norms/StandardNorms.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

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
    if (auto names = TextFile::readLines(CompanionPath(fileName, QStringLiteral(".dnamn"))))
        for (int d = 0; d < ComputationSize::Days && d < names->size(); ++d)
            c.DayNames[d] = names->at(d).left(100);
    if (ReadNormFile(CompanionPath(fileName, QStringLiteral(".norm")), state.norm))
        RefreshIdealEnergyFromNorm(state.norm, state.settings);

    auto lines = ComputationFile::ReadLines(fileName);
    if (!lines) {
        out.messages.append(lines.message);
        return out;
    }
    bool numeric = false;
    const bool old = ComputationFile::IsOldLayout(*lines, numeric);
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
        s = ComputationFile::ReadOldLayout(*lines, target, out.missingFoods);
    } else {
        s = ComputationFile::ReadComputationBody(*lines, target, out.dateText);
    }
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
    state.recent.breakfast.clear();
    state.recent.lunch.clear();
    state.recent.dinner.clear();
    state.recent.snacks.clear();
    const Computation &c = *state.computation;
    for (int d = 0; d < ComputationSize::Days; ++d)
        for (int m = 0; m < ComputationSize::Meals; ++m)
            for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r) {
                const MealRow &row = c.Rows[d][m][r];
                if (row.isEmpty())
                    continue;
                const QString name = row.name.toString();
                const QString twin = name + u'{' + row.code.toString() + u'}' +
                                     QString::number(std::llround(double(row.grams))) + u'@' +
                                     row.unitText.toString();
                AddToMealTypeList(state, m, name, twin);
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
