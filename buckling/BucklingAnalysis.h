#pragma once

#include "BucklingInput.h"
#include "DirectStrength.h"
#include "HalfWaveSolver.h"
#include "SignatureCurve.h"

#include <memory>
#include <optional>
#include <span>
#include <stop_token>

// One finished analysis; nothing in it changes after it is made, so it may be handed
// between threads as it is.
struct TBucklingResult {
    TBucklingInput Input;
    double Reference = 0; // Py in N or My in N mm: the load a factor of 1 means
    TSignatureCurve Curve;
    // The first and second minima that are no plateau, and the factor at the length.
    std::optional<TCurvePoint> Local, Distortional, Global;
    TDirectStrength Dsm;
    // The strip model with its stress and material, for the buckled shape at any point.
    std::shared_ptr<const THalfWaveSolver> Solver;

    // False when there is nothing to buckle: no bar, or a moment about an axis that all
    // the bars lie on. The curve is then empty and every strength NaN.
    bool analysed() const { return Reference > 0; }
};

// The signature curve of the profile's bars from about their narrowest plate to 10 m,
// its minima, and the design strengths. Appendices take no part. Checks stop between
// half-wavelengths: nullopt when it was requested.
std::optional<TBucklingResult> AnalyseBuckling(std::span<const TProfileObject> objects,
                                               const TBucklingInput& input,
                                               std::stop_token stop = {});

// The same on a strip model of one's own making (tests, convergence studies).
std::optional<TBucklingResult>
AnalyseBuckling(const TStripModel& model, const TBucklingInput& input, std::stop_token stop = {});
