#pragma once

#include "app/Result.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

struct ProgramState;

// The recovery copy: while the Computation has unsaved changes, the program keeps a copy of it
// in the program folder, so that a crash, a power cut or a killed process loses at most the
// last half minute of work. The copy is "aterstall.diet" with the companions a save writes
// (".norm", ".txt", ".dnamn") and "aterstall.info", which tells the file name the Computation
// had and the checksum of the ".diet" file, so that a copy damaged on disk is never taken for a
// whole one. Nothing here touches the user's file name, the list of earlier Computations or the
// changed flag, except a restore, which sets them as they were before the crash.
namespace RecoveryCopy {

inline QString restoreQuestion()
{
    return QStringLiteral("Programmet avslutades utan att beräkningen sparades. Vill du återställa den?");
}
inline QString writeFailed()
{
    return QStringLiteral("Kan ej spara återställningskopian av beräkningen. Spara beräkningen själv.");
}
inline QString damaged(const QString &setAsideAs)
{
    return QStringLiteral("Kopian av den osparade beräkningen är skadad och öppnas inte.\n"
                          "Den finns kvar som %1.")
        .arg(setAsideAs);
}
inline QString setAsideFailed(const QString &path)
{
    return QStringLiteral("Kan ej lägga undan den skadade kopian %1.").arg(path);
}
inline QString infoMissing(const QString &path)
{
    return QStringLiteral("Uppgifterna om kopian (%1) saknas eller kan inte läsas.").arg(path);
}
inline QString checksumDiffers()
{
    return QStringLiteral("Kopian är inte den som skrevs: den är avkortad eller ändrad.");
}

// "aterstall.diet" in the program folder, and its companion with the given extension.
QString DietPath(const QString &programDir);
QString CompanionPath(const QString &programDir, const QString &extension);

// True when the program folder holds a recovery copy (its ".diet" file).
bool Exists(const QString &programDir);

// Writes the copy of the Computation into state.app.ProgramDirectory: the files a save writes,
// every file atomically, then the info file. A failure keeps the previous copy's files.
Status Write(const ProgramState &state, const QString &dateText);

// What the info file tells about the copy.
struct Info {
    QString computationFileName; // as the caption showed it; empty for a Computation never saved
    bool dayNamesSet = false;    // the day names were edited, so the next save writes them
    QByteArray checksum;         // of the ".diet" file, hexadecimal
};

// Reads the info file and checks the ".diet" file against it; a failure says what is wrong.
Result<Info> Check(const QString &programDir);

struct RestoreOutcome {
    bool restored = false;
    QStringList messages; // why the copy could not be restored
};

// Reads a checked copy into the Computation through the open path of a saved one and puts back
// the file name it had, marked changed. The list of earlier Computations is not touched. A copy
// that fails the check or cannot be read whole leaves the Computation empty and unchanged and
// the norm, settings and diabetes entries as they were.
RestoreOutcome Restore(ProgramState &state);

// Removes the copy and all its companions (missing files are no failure).
void Remove(const QString &programDir);

// Renames the copy and its companions to "aterstall-YYYYMMDD-HHMMSS.*", so that a damaged copy
// is kept for a look but never offered again; gives the new ".diet" name.
Result<QString> SetAside(const QString &programDir, const QDateTime &when);

} // namespace RecoveryCopy
