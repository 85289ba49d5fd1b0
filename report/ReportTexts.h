#pragma once

#include "ProfileObject.h"
#include "SectionProperties.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <string>

// The texts of the profile report: the one place that formats numbers for it, so that every
// output of the results (report pages, PDF, command line) writes them alike. Numbers use the
// given locale's decimal separator and never a group separator. A value that is not finite
// (NaN or infinity, e.g. a section modulus with a zero fibre distance) is written as "—".
namespace ReportTexts {

// printf's "%8.2f" under the locale: fixed, two decimals, blanks on the left up to 8 characters.
QString fixed8(double value, const QLocale& locale);

// The nine result lines of the detail band, in its order: weight, perimeter, area, jxc, jyc,
// xg, yg, wx, wy; e.g. "Peso:     1,55 kg/m".
QStringList sectionResults(const TSectionResults& results, const QLocale& locale);

// Thickness in mm: the shortest decimal of at most 15 significant digits ("1,5", "2").
QString thickness(double millimetres, const QLocale& locale);

// "Nome do perfil: " and the profile's name; without one, the base name of the file it
// came from (fileName, which may be empty); without either, the form's fixed text.
QString profileName(const std::string& name, const QString& fileName);

// "dobras com raio interno 2,25 mm" for an inner bend radius in mm, the radius written as a
// thickness; empty for sharp corners (0).
QString bends(double innerRadius, const QLocale& locale);

// A bar's slot texts: number, P1, P2, thickness.
QStringList barTexts(const TProfileObject& bar, const QLocale& locale);

// An appendix's slot texts: number, point, thickness.
QStringList appendixTexts(const TProfileObject& appendix, const QLocale& locale);

} // namespace ReportTexts
