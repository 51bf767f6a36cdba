#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary program folder holding copies of the delivered data files, for tests that start
// the program's logic as it starts in a real folder.
class TemporaryProgramFolder {
public:
    TemporaryProgramFolder();
    QString path() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }
    // Writes a Windows-1252 text file with CR LF line ends.
    void writeText(const QString &name, const QStringList &lines) const;
    void remove(const QString &name) const;

private:
    QTemporaryDir dir;
};

QString deliveredFile(const QString &name);
