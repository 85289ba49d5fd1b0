#pragma once

#include "BucklingAnalysis.h"
#include "CommandLine.h"
#include "Profile.h"

#include <QLocale>
#include <QStringList>

// What the command line asks to analyse in profile: E, nu and fy of the profile's material
// unless --fy gives fy.
TBucklingInput BucklingInput(const TProfile& profile, const BucklingRequest& request);

// The analysis of a profile's bars as the command line asks for it.
TBucklingResult AnalyseProfile(const TProfile& profile, const BucklingRequest& request);

// What --buckling prints: the load and material, the minima with their factors, half-
// wavelengths and critical values, the factor at the length, plateaus, and the strengths
// of the Direct Strength Method, in the user's language with the locale's numbers.
QStringList BucklingLines(const TBucklingResult& result, const QLocale& locale);
