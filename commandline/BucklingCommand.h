#pragma once

#include "BucklingAnalysis.h"
#include "Profile.h"

#include <QLocale>
#include <QStringList>

// The analysis of a profile's bars as the command line asks for it.
TBucklingResult AnalyseProfile(const TProfile& profile, const TBucklingInput& input);

// What --buckling prints: the load and material, the minima with their factors, half-
// wavelengths and critical values, the factor at the length, plateaus, and the strengths
// of the Direct Strength Method, in the user's language with the locale's numbers.
QStringList BucklingLines(const TBucklingResult& result, const QLocale& locale);
