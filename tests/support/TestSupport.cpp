#include "support/TestSupport.h"

#include "app/TextFile.h"

#include <QDir>
#include <QFile>

QString deliveredFile(const QString &name)
{
    return QDir(QStringLiteral(VELMORA_PROGRAM_DIR)).filePath(name);
}

TemporaryProgramFolder::TemporaryProgramFolder()
{
    const QDir program(QStringLiteral(VELMORA_PROGRAM_DIR));
    for (const QString &name : program.entryList(QDir::Files)) {
        if (name.startsWith(QStringLiteral("velmora")))
            continue; // the executables themselves
        QFile::copy(program.filePath(name), dir.filePath(name));
    }
}

void TemporaryProgramFolder::writeText(const QString &name, const QStringList &lines) const
{
    TextFile::writeLines(dir.filePath(name), lines);
}

void TemporaryProgramFolder::remove(const QString &name) const
{
    QFile::remove(dir.filePath(name));
}
