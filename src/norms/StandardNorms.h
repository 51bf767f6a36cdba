#pragma once

#include "app/MealSettings.h"
#include "app/Result.h"
#include "app/TextFile.h"
#include "norms/ActiveNorm.h"

#include <QList>
#include <QStringList>
#include <functional>

// The standard norm chosen at start when nothing else is chosen.
constexpr int DefaultNormNumber = 18;

// Takes a standard row into the SelectedStandardNorm (name cut to 80 characters) and the
// ActiveNorm values.
void TakeStandardNorm(ActiveNorm &norm, const StandardNormRow &row);

// Installs row 18 (or the first row when there is none) without warnings or recalculation:
// caption "Norm: " + name, kind "standardnorm". Returns false when the table has no rows.
bool LoadDefaultNorm(ActiveNorm &norm, const QList<StandardNormRow> &rows);

// The warnings about a norm whose energy disagrees with its kcal or with its energy givers;
// empty when the norm is consistent.
QStringList CheckNormEnergy(const ActiveNorm &norm);

// Installs a standard row the user chose, as the norm window's double-click does: the values,
// the caption with the kcal per day, kind "standarnorm". Returns the messages to show, in order
// (the energy warnings, "Vald ..." and, after a ketogenic norm, the meal-distribution reminder).
// The caller then refreshes the ideal energy distribution and recalculates.
QStringList ChooseStandardNorm(ActiveNorm &norm, const StandardNormRow &row);

// Derives the ideal energy distribution from the norm's protein, fat, carbohydrate and fibre.
// Returns false (and changes nothing) when the norm holds no energy givers.
bool RefreshIdealEnergyFromNorm(const ActiveNorm &norm, MealSettings &settings);

// The ".norm" companion of a Computation: ten "reserv" lines, NormKind, NormCaption and the 72
// values with three decimals. Written atomically.
Status WriteNormFile(const QString &path, const ActiveNorm &norm);

// How much of a ".norm" file is taken: 84 short lines, with a wide margin.
TextFile::Limits NormFileLimits();

// Reads a ".norm" file when it exists (returns false when it does not). A short or damaged file
// keeps what was read so far; an unreadable or oversized one leaves the norm as it was and
// gives its message in `fault` (when given). `readPerKgFile` runs before the values when the
// kind is "kgkroppsviktnorm".
bool ReadNormFile(const QString &path, ActiveNorm &norm, const std::function<void()> &readPerKgFile = {},
                  QString *fault = nullptr);

// Takes the lines of a ".norm" file into the norm, as ReadNormFile does.
void ReadNormLines(const QStringList &lines, ActiveNorm &norm, const std::function<void()> &readPerKgFile = {});
