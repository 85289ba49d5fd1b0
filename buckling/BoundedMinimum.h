#pragma once

#include <functional>
#include <optional>

struct TMinimumPoint {
    double X, Value;
};

// Brent's search for a minimum of f on [a, b], golden sections with parabolic steps, from a
// known point inside: it ends when the bracket is within tolerance of x or after
// maxEvaluations further values of f. f returns nullopt to abandon the search, which then
// returns nullopt too.
std::optional<TMinimumPoint> BoundedMinimum(const std::function<std::optional<double>(double)>& f,
                                            double a, double b, TMinimumPoint start,
                                            double tolerance, int maxEvaluations);
