#include "roots.h"

#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace model {

Scan roots(const std::function<double(double)>& f, double lo, double hi, bool logarithmic)
{
    namespace bt = boost::math::tools;
    constexpr int kPoints = 217; // 12 a decade over 18 decades
    std::vector<double> xs(kPoints), fs(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        const double t = double(i) / (kPoints - 1);
        xs[i] = logarithmic ? lo * std::pow(hi / lo, t) : lo + (hi - lo) * t;
        fs[i] = f(xs[i]);
    }
    Scan scan;
    const auto polish = [&](double a, double b, double fa, double fb) {
        try {
            std::uintmax_t iterations = 100;
            const auto r =
                bt::toms748_solve(f, a, b, fa, fb, bt::eps_tolerance<double>(), iterations);
            const double x = (r.first + r.second) / 2;
            if (std::isfinite(f(x)))
                scan.roots.push_back(x);
        } catch (...) {
            // A bracket that leaves the domain inside: no root the grid can vouch for.
        }
    };
    // Where f stops having a value between two grid points, the edge of its
    // domain is found by bisection; a root may lie just inside it.
    const auto edge = [&](double inside, double outside) {
        for (int k = 0; k < 80; ++k) {
            const double mid = (inside + outside) / 2;
            if (mid == inside || mid == outside)
                break;
            (std::isfinite(f(mid)) ? inside : outside) = mid;
        }
        return inside;
    };
    for (int i = 0; i + 1 < kPoints; ++i) {
        const bool here = std::isfinite(fs[i]), there = std::isfinite(fs[i + 1]);
        if (here == there || (here ? fs[i] : fs[i + 1]) == 0)
            continue;
        const double from = here ? xs[i] : xs[i + 1];
        const double e = edge(from, here ? xs[i + 1] : xs[i]);
        const double fe = f(e), ff = here ? fs[i] : fs[i + 1];
        if (fe == 0)
            scan.roots.push_back(e);
        else if (std::isfinite(fe) && (fe < 0) != (ff < 0))
            polish(std::min(from, e), std::max(from, e), from < e ? ff : fe, from < e ? fe : ff);
    }
    bool positive = false, negative = false;
    for (int i = 0; i < kPoints; ++i) {
        if (!std::isfinite(fs[i]))
            continue;
        positive |= fs[i] > 0;
        negative |= fs[i] < 0;
        if (fs[i] == 0) {
            scan.roots.push_back(xs[i]);
            continue;
        }
        if (i + 1 < kPoints && std::isfinite(fs[i + 1]) && fs[i + 1] != 0 &&
            (fs[i] < 0) != (fs[i + 1] < 0))
            polish(xs[i], xs[i + 1], fs[i], fs[i + 1]);
    }
    // A dip of |f| towards 0 between grid points may hide two roots close
    // together, or touch 0 in one.
    double best = std::numeric_limits<double>::infinity();
    int bestAt = -1;
    for (int i = 1; i + 1 < kPoints; ++i) {
        const double a = fs[i - 1], m = fs[i], b = fs[i + 1];
        if (!std::isfinite(a) || !std::isfinite(m) || !std::isfinite(b) || m == 0)
            continue;
        if ((a < 0) != (m < 0) || (b < 0) != (m < 0))
            continue;
        if (std::fabs(m) < best) {
            best = std::fabs(m);
            bestAt = i;
        }
        if (!(std::fabs(m) <= std::fabs(a) && std::fabs(m) <= std::fabs(b)))
            continue;
        const double sign = m > 0 ? 1 : -1;
        std::uintmax_t iterations = 100;
        const auto g = [&](double x) {
            const double v = f(x);
            return std::isfinite(v) ? sign * v : std::numeric_limits<double>::infinity();
        };
        const auto [x, gx] = bt::brent_find_minima(g, xs[i - 1], xs[i + 1], 52, iterations);
        if (gx < 0) {
            polish(xs[i - 1], x, sign * g(xs[i - 1]), sign * gx);
            polish(x, xs[i + 1], sign * gx, sign * g(xs[i + 1]));
        } else if (gx <= 1e-13 * std::fabs(sign * m)) {
            scan.roots.push_back(x);
        }
    }
    std::sort(scan.roots.begin(), scan.roots.end());
    scan.roots.erase(
        std::unique(scan.roots.begin(), scan.roots.end(),
                    [](double a, double b) { return std::fabs(a - b) <= 1e-12 * std::fabs(b); }),
        scan.roots.end());
    if (scan.roots.empty() && positive != negative && bestAt > 0) {
        scan.sign = positive ? 1 : -1;
        std::uintmax_t iterations = 100;
        const double s = scan.sign;
        const auto g = [&](double x) {
            const double v = f(x);
            return std::isfinite(v) ? s * v : std::numeric_limits<double>::infinity();
        };
        scan.extreme =
            s * bt::brent_find_minima(g, xs[bestAt - 1], xs[bestAt + 1], 52, iterations).second;
    }
    return scan;
}

} // namespace model
