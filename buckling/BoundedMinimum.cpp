#include "BoundedMinimum.h"

#include <cmath>

std::optional<TMinimumPoint> BoundedMinimum(const std::function<std::optional<double>(double)>& f,
                                            double a, double b, TMinimumPoint start,
                                            double tolerance, int maxEvaluations) {
    constexpr double golden = 0.3819660112501051; // (3 - sqrt 5) / 2
    // The best point, the second best and the one before it.
    double x = start.X, w = x, v = x, fx = start.Value, fw = fx, fv = fx;
    double step = 0, previousStep = 0;
    for (int evaluation = 0; evaluation < maxEvaluations; ++evaluation) {
        const double middle = (a + b) / 2, tol2 = 2 * tolerance;
        if (std::abs(x - middle) <= tol2 - (b - a) / 2)
            break;
        bool parabolic = false;
        if (std::abs(previousStep) > tolerance) {
            const double r = (x - w) * (fx - fv);
            double q = (x - v) * (fx - fw);
            double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0)
                p = -p;
            q = std::abs(q);
            // Only a step that falls inside and is shorter than half the one before last.
            if (std::abs(p) < std::abs(0.5 * q * previousStep) && p > q * (a - x) &&
                p < q * (b - x)) {
                previousStep = step;
                step = p / q;
                if ((x + step) - a < tol2 || b - (x + step) < tol2)
                    step = std::copysign(tolerance, middle - x);
                parabolic = true;
            }
        }
        if (!parabolic) {
            previousStep = x >= middle ? a - x : b - x;
            step = golden * previousStep;
        }
        const double u =
            std::abs(step) >= tolerance ? x + step : x + std::copysign(tolerance, step);
        const std::optional<double> value = f(u);
        if (!value)
            return std::nullopt;
        const double fu = *value;
        if (fu <= fx) {
            (u >= x ? a : b) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu <= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    return TMinimumPoint{x, fx};
}
