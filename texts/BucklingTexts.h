#pragma once

#include "BucklingAnalysis.h"

#include <QList>
#include <QLocale>
#include <QString>

// The words and numbers of a buckling analysis as the window and the engineering report
// show them: loads in kN, moments in kN·m, factors to three decimals.

// A point of the signature curve worth naming: the local and distortional minima and the
// factor at the member's length.
struct BucklingCurveMark {
    QString name; // "Local", "Distorcional", "Global"
    TCurvePoint point;
};
QList<BucklingCurveMark> BucklingCurveMarks(const TBucklingResult& result);

// What is written beside a mark: its name, factor and half-wavelength.
QString BucklingMarkText(const BucklingCurveMark& mark, const QLocale& locale);

// "global", "local", "distorcional" or "escoamento": the mode that governs the strength.
QString GoverningText(TGoverningMode mode);

// "P", "+Mx", "−Mx", "+My", "−My": the load as the window offers it.
QString BucklingLoadText(TBucklingLoad load);

// One line of the design strength table.
struct DirectStrengthRow {
    QString symbol; // "Pne", "φc·Pn", ..., "Modo"
    QString name;   // what it is, in words
    QString value;  // the number, a mode's name, or why there is none
    QString unit;   // "kN", "kN·m" or empty
};

// The nominal strengths (global, local, distortional, the least), the mode that governs,
// and the LRFD and ASD strengths; "sem mínimo local" or "sem mínimo distorcional" where
// the curve has no such minimum.
QList<DirectStrengthRow> DirectStrengthRows(const TBucklingResult& result, const QLocale& locale);

// The curve as tab-separated lines for a spreadsheet: a heading, then the half-wavelength
// in mm and the load factor of each point.
QString SignatureCurveTabText(const TSignatureCurve& curve, const QLocale& locale);
