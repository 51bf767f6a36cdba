#pragma once

#include "app/AppState.h"

#include <QString>

// The small configuration files in the program folder. A missing or unreadable file leaves
// the defaults in place without a message.

// country.txt: the country letter and the names of the first meal that go with it.
void ReadCountryFile(const QString &programDir, AppState &state);

// initdir.txt: the start folder of every file dialog (its first line, also when empty).
void ReadInitialDirectoryFile(const QString &programDir, AppState &state);

// losenord.txt: the edit-lock password; "*" lines are comments and the last other line wins.
void ReadPasswordFile(const QString &programDir, AppState &state);

// Applies a country letter as country.txt would (upper-cased).
void ApplyCountryCode(const QString &letter, AppState &state);
