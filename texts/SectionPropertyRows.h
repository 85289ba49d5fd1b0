#pragma once

#include "SectionEngineering.h"

#include <QList>
#include <QLocale>
#include <QString>

// One line of the properties window: a value, or a word for the kind of wall, or "—" with
// the reason when the value does not exist.
struct SectionPropertyRow {
    QString symbol; // "Jxy", "I1", ...
    QString name;   // what it is, in words
    double value;   // NaN when missing or when the row is a word
    QString unit;   // "mm4", ...; empty for a word
    QString word;   // the row's text instead of a number ("aberta"); usually empty
    QString note;   // why the value is missing; empty when it is there
};

struct SectionPropertyGroup {
    QString title;
    QList<SectionPropertyRow> rows;
};

// The results of the window's groups (see ResultGroups): the report's results, the principal
// axes (with radii of gyration and fibre distances), torsion and warping. Builds no number
// texts, so that it is cheap enough to run on every change.
QList<SectionPropertyGroup> SectionPropertyGroups(const TEngineeringResults& results);

// The row's value as shown: two decimals with the locale's separator and no group
// separator, the word, or "—".
QString SectionPropertyText(const SectionPropertyRow& row, const QLocale& locale);

// Values of this size or more are shown as a power of ten: written out in full they
// would need more room than the window's value column gives.
inline constexpr double PowerOfTenFrom = 1e8;

// The row's value as the window shows it: SectionPropertyText's, but a value of
// PowerOfTenFrom or more in size as three significant digits times a power of ten.
QString SectionPropertyShownText(const SectionPropertyRow& row, const QLocale& locale);

// The widest texts SectionPropertyShownText gives for a number, written out and as a power
// of ten, so that the value column can be made wide enough for every value.
QStringList WidestShownValues(const QLocale& locale);

// All groups as tab-separated lines for a spreadsheet: a title line per group, then
// symbol, value, unit, name and note per row.
QString SectionPropertiesTabText(const QList<SectionPropertyGroup>& groups, const QLocale& locale);
