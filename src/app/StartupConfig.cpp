#include "app/StartupConfig.h"

#include "app/TextFile.h"

#include <QDir>

void ApplyCountryCode(const QString &letter, AppState &state)
{
    state.CountryCode = letter.toUpper();
    if (state.CountryCode == u"S") {
        state.BreakfastShortName = QStringLiteral("Frukost");
        state.CurrentMealTitle = QStringLiteral("Frukost");
    } else if (state.CountryCode == u"D") {
        state.BreakfastShortName = QStringLiteral("M-mad");
        state.CurrentMealTitle = QStringLiteral("Morgenmad");
    } else if (state.CountryCode == u"E") {
        state.BreakfastShortName = QStringLiteral("B-fast");
        state.CurrentMealTitle = QStringLiteral("BreakFast");
    } else if (state.CountryCode == u"X") {
        state.BreakfastShortName = QStringLiteral("Frukost");
        state.CurrentMealTitle = QStringLiteral("Frukost");
        state.CountryControlsHidden = true;
    }
}

void ReadCountryFile(const QString &programDir, AppState &state)
{
    const auto line = TextFile::readFirstLine(QDir(programDir).filePath(QStringLiteral("country.txt")));
    if (line)
        ApplyCountryCode(*line, state);
}

void ReadInitialDirectoryFile(const QString &programDir, AppState &state)
{
    state.InitialDirectory = QStringLiteral(".");
    const auto line = TextFile::readFirstLine(QDir(programDir).filePath(QStringLiteral("initdir.txt")));
    if (line)
        state.InitialDirectory = *line;
}

void ReadPasswordFile(const QString &programDir, AppState &state)
{
    state.EditLockPassword = QStringLiteral("TOVALKE");
    const auto lines = TextFile::readLines(QDir(programDir).filePath(QStringLiteral("losenord.txt")));
    if (!lines)
        return;
    for (const QString &line : *lines) {
        // A blank line is no password: it would unlock every guarded table with an empty input.
        if (line.startsWith(u'*') || line.trimmed().isEmpty())
            continue;
        state.EditLockPassword = line;
    }
}
