#include "files/RecoveryCopy.h"

#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "files/ComputationFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace RecoveryCopy {

namespace {

const QString kBaseName = QStringLiteral("aterstall");
const QString kNameKey = QStringLiteral("namn=");
const QString kDayNamesKey = QStringLiteral("dagsnamn=");
const QString kChecksumKey = QStringLiteral("kontroll=");

// Every file that can belong to a copy; the ".diet" file first, since its presence is what
// makes a copy, so a removal cut short leaves no copy, only companions the next write replaces.
// The derived norms' companions are listed because a save of such a norm writes them too.
const char *const kExtensions[] = {".diet", ".info", ".norm", ".txt", ".dnamn", ".akt", ".enorm", ".harris"};

QString pathIn(const QString &dir, const QString &base, const QString &extension)
{
    return QDir(dir).filePath(base + extension);
}

Result<QByteArray> checksumOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(file.errorString());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return Result<QByteArray>::failure(file.errorString());
    return Result<QByteArray>::success(hash.result().toHex());
}

} // namespace

QString DietPath(const QString &programDir)
{
    return CompanionPath(programDir, QStringLiteral(".diet"));
}

QString CompanionPath(const QString &programDir, const QString &extension)
{
    return pathIn(programDir, kBaseName, extension);
}

bool Exists(const QString &programDir)
{
    return QFileInfo(DietPath(programDir)).isFile();
}

Status Write(const ProgramState &state, const QString &dateText)
{
    const QString dir = state.app.ProgramDirectory;
    // Every day name is written: a copy restored without them would show the default names
    // instead of those of the opened Computation.
    const auto written = ComputationFiles::WriteFiles(state, DietPath(dir), dateText, true);
    if (!written.saved)
        return Status::failure(writeFailed() + u'\n' + written.messages.join(u'\n'));
    // A save writes no notes file for empty notes; the copy must not keep older notes instead.
    if (state.computation->InfoText.isEmpty())
        QFile::remove(CompanionPath(dir, QStringLiteral(".txt")));

    // The info file is written last and names the ".diet" file's checksum, so that a ".diet"
    // file cut short or changed on disk is refused instead of read half.
    const auto checksum = checksumOf(DietPath(dir));
    if (!checksum)
        return Status::failure(writeFailed() + u'\n' + checksum.message);
    const QStringList info{kNameKey + state.app.ComputationFileName,
                           kDayNamesKey + (state.files.DayNamesSet ? u'1' : u'0'),
                           kChecksumKey + QString::fromLatin1(*checksum)};
    if (Status s = TextFile::writeLines(CompanionPath(dir, QStringLiteral(".info")), info); !s)
        return Status::failure(writeFailed() + u'\n' + s.message);
    if (!written.messages.isEmpty())
        return Status::failure(writeFailed() + u'\n' + written.messages.join(u'\n'));
    return Status::success();
}

Result<Info> Check(const QString &programDir)
{
    const QString infoPath = CompanionPath(programDir, QStringLiteral(".info"));
    const auto lines = TextFile::readLines(infoPath);
    if (!lines)
        return Result<Info>::failure(infoMissing(infoPath));
    Info info;
    bool named = false;
    for (const QString &line : *lines) {
        if (line.startsWith(kNameKey)) {
            info.computationFileName = line.mid(kNameKey.size());
            named = true;
        } else if (line.startsWith(kDayNamesKey)) {
            info.dayNamesSet = line.mid(kDayNamesKey.size()) == u"1";
        } else if (line.startsWith(kChecksumKey)) {
            info.checksum = line.mid(kChecksumKey.size()).trimmed().toLatin1();
        }
    }
    if (!named || info.checksum.isEmpty())
        return Result<Info>::failure(infoMissing(infoPath));
    const auto actual = checksumOf(DietPath(programDir));
    if (!actual)
        return Result<Info>::failure(actual.message);
    if (*actual != info.checksum)
        return Result<Info>::failure(checksumDiffers());
    return Result<Info>::success(info);
}

RestoreOutcome Restore(ProgramState &state)
{
    RestoreOutcome out;
    const QString dir = state.app.ProgramDirectory;
    const auto info = Check(dir);
    if (!info) {
        out.messages.append(info.message);
        return out;
    }
    // The open path reads the norm and the settings before the ".diet" file; a copy that then
    // fails must not leave them behind.
    const ActiveNorm norm = state.norm;
    const MealSettings settings = state.settings;
    const DiabetesEntries diabetes = state.diabetes;
    ClearComputation(*state.computation, true);
    const auto read = ComputationFiles::Read(state, DietPath(dir));
    if (!read.opened || read.oldLayout) {
        ClearComputation(*state.computation, true);
        state.norm = norm;
        state.settings = settings;
        state.diabetes = diabetes;
        out.messages = read.messages;
        return out;
    }
    state.app.ComputationFileName = info->computationFileName;
    state.app.ComputationChanged = true;
    state.files.DayNamesSet = info->dayNamesSet;
    out.restored = true;
    return out;
}

void Remove(const QString &programDir)
{
    for (const char *extension : kExtensions)
        QFile::remove(CompanionPath(programDir, QString::fromLatin1(extension)));
}

Result<QString> SetAside(const QString &programDir, const QDateTime &when)
{
    const QString stamp = kBaseName + u'-' + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString base = stamp;
    for (int n = 2; QFileInfo::exists(pathIn(programDir, base, QStringLiteral(".diet"))); ++n)
        base = stamp + u'-' + QString::number(n);
    const QString diet = pathIn(programDir, base, QStringLiteral(".diet"));
    if (!QFile::rename(DietPath(programDir), diet))
        return Result<QString>::failure(setAsideFailed(DietPath(programDir)));
    for (const char *extension : kExtensions) {
        const QString ext = QString::fromLatin1(extension);
        if (ext != u".diet" && QFileInfo::exists(CompanionPath(programDir, ext)))
            QFile::rename(CompanionPath(programDir, ext), pathIn(programDir, base, ext));
    }
    return Result<QString>::success(diet);
}

} // namespace RecoveryCopy
