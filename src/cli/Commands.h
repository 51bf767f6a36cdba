#pragma once

#include <QStringList>
#include <QTextStream>

QString UsageText();

// Runs one command of the command-line tool in the current (program) folder; returns the
// exit status.
int RunCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err);

int CatalogueCommand(const QStringList &args, QTextStream &out, QTextStream &err);

int ImportNormsCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int ImportRegistersCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int SearchCommand(const QStringList &args, QTextStream &out, QTextStream &err);

int SumsCommand(const QStringList &args, QTextStream &out, QTextStream &err);
