#pragma once

#include <QString>
#include <QStringList>

// What the loading window and the about text say about the program and its data.
namespace ProgramInfo {

inline QString productName()
{
    return QStringLiteral("Velmora");
}

inline QString versionLine()
{
    return QStringLiteral("Version %1 – kostberäkning med 72 näringsämnen")
        .arg(QStringLiteral(VELMORA_VERSION));
}

// The editions of the Swedish, Norwegian and Danish national food tables the registers hold.
inline QStringList foodTableEditions()
{
    return {QStringLiteral("Livsmedelsverkets livsmedelsdatabas version 2025-10-29"),
            QStringLiteral("Norsk matvaretabell: ingår inte"),
            QStringLiteral("Dansk fødevaredatabase: ingår inte")};
}

} // namespace ProgramInfo
