#pragma once

#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

struct TCurvePoint {
    double HalfWave; // mm
    double Factor;   // load factor, critical load over the reference load
};

struct TCurveMinimum {
    TCurvePoint Point;
    // Shallower than a thousandth of its factor on either side: a flat stretch of the
    // curve, not a mode of its own.
    bool Plateau;
};

// The load factor against the half-wavelength, with its minima.
struct TSignatureCurve {
    std::vector<TCurvePoint> Points;   // by growing half-wavelength, the minima among them
    std::vector<TCurveMinimum> Minima; // found between samples and refined, in order

    // The n-th minimum that is no plateau (0: local, 1: distortional), if there is one.
    std::optional<TCurvePoint> mode(int n) const;
};

// At least 60 half-wavelengths, 20 a decade, evenly spaced on a log scale from shortest
// to longest.
std::vector<double> CurveHalfWaves(double shortest, double longest);

// factor(half-wavelength) at each half-wavelength (ascending), each sampled minimum refined by a
// bounded search between its neighbours to a ten-thousandth of the half-wavelength.
// Checks stop between half-wavelengths: nullopt when it was requested.
std::optional<TSignatureCurve> ComputeSignatureCurve(const std::function<double(double)>& factor,
                                                     std::span<const double> halfWaves,
                                                     std::stop_token stop = {});
