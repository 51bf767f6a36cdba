#pragma once

#include "app/MealSettings.h"
#include "app/Result.h"
#include "app/TextFile.h"

#include <QStringList>

// velmora.para: 15 lines, the settings grids' cells as typed: the nine meal shares in percent
// (breakfast to in-between meal 6), then the ideal protein, fat, carbohydrate,
// monounsaturated, polyunsaturated and saturated fat percentages.
namespace SettingsFile {

constexpr int LineCount = 15;

QString fileName();

// How much of a file is taken for velmora.para: 15 short lines, with room for comments.
TextFile::Limits limits();

// The 15 cell texts; a shorter file gives empty texts for the missing lines.
Result<QStringList> read(const QString &path);

// The 15 cell texts of the file's lines.
QStringList cellsOf(const QStringList &lines);

// Writes the 15 texts atomically.
Status write(const QString &path, const QStringList &cells);

// Takes the 15 texts into the settings: meal shares (percent / 100, kept as typed too) and the
// ideal energy distribution. Text that is no number counts as 0.
void apply(MealSettings &settings, const QStringList &cells);

// The 15 texts of the current settings: the meal-share texts and the ideal distribution.
QStringList cellsOf(const MealSettings &settings);

// An ideal percentage as the grid shows it ("12.5", "15").
QString idealText(float value);

} // namespace SettingsFile
