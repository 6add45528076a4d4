#include "roots.h"

#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace model {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

struct Point {
    double x;
    double f;
    bool fresh;  // added since f was last looked at here
    bool finite; // f has a value there
};

class Scanner {
public:
    Scanner(const std::function<double(double)>& f, const Many& many, bool logarithmic, double size)
        : f_(f)
        , many_(many)
        , logarithmic_(logarithmic)
        , touch_(1e-11 * size)
    {
    }

    Scan run(double lo, double hi, const std::vector<double>& marks);

private:
    // Evaluated when merged, all new points together.
    void add(double x) { fresh_.push_back({x, kNaN, true, false}); }
    void evaluate();
    void merge();
    void approach(double end, double from, int perDecade);
    double edge(double inside, double outside) const;
    double polish(double a, double b, double fa, double fb);
    bool across(double a, double b) const;
    // Whether a root between a and b has been found already.
    bool known(double a, double b) const
    {
        return std::any_of(roots_.begin(), roots_.end(),
                           [&](double r) { return a <= r && r <= b; });
    }
    bool continuous(size_t i, size_t j) const
    {
        return points_[i].finite && points_[j].finite &&
               (poles_.empty() || !across(points_[i].x, points_[j].x));
    }
    void explore();
    // Both with f continuous on either side of point i.
    bool turns(size_t i) const;
    int bend(size_t i) const;
    bool clear(size_t i) const;
    void refine();

    const std::function<double(double)>& f_;
    const Many& many_;
    std::vector<double> xs_, fs_; // the new points' places and values, for many_
    const bool logarithmic_;
    const double touch_;        // how close to 0 a dip of f counts as a double root
    std::vector<Point> points_; // in order
    std::vector<Point> fresh_;  // to be merged in
    std::vector<Point> spare_;
    std::vector<double> poles_; // where f changes its sign without passing 0
    std::vector<double> edges_; // the last points with a value before f has none
    std::vector<double> roots_;
};

void Scanner::evaluate()
{
    const size_t n = fresh_.size();
    if (many_) {
        xs_.resize(n);
        fs_.resize(n);
        for (size_t k = 0; k < n; ++k)
            xs_[k] = fresh_[k].x;
        many_(xs_.data(), fs_.data(), n);
        for (size_t k = 0; k < n; ++k) {
            fresh_[k].f = fs_[k];
            fresh_[k].finite = std::isfinite(fs_[k]);
        }
    } else {
        for (Point& p : fresh_) {
            p.f = f_(p.x);
            p.finite = std::isfinite(p.f);
        }
    }
}

// The new points into the ordered ones.
void Scanner::merge()
{
    if (fresh_.empty())
        return;
    evaluate();
    const auto before = [](const Point& a, const Point& b) { return a.x < b.x; };
    // Mostly added in order already.
    if (!std::is_sorted(fresh_.begin(), fresh_.end(), before))
        std::sort(fresh_.begin(), fresh_.end(), before);
    spare_.resize(points_.size() + fresh_.size());
    spare_.erase(std::merge(points_.begin(), points_.end(), fresh_.begin(), fresh_.end(),
                            spare_.begin(), before),
                 spare_.end());
    spare_.erase(std::unique(spare_.begin(), spare_.end(),
                             [](const Point& a, const Point& b) { return a.x == b.x; }),
                 spare_.end());
    points_.swap(spare_);
    fresh_.clear();
}

// Towards an edge of f's domain or a pole, roots crowd together (a frustum
// almost a prism has its height a hair below its slant): the distance to the
// end is tried at geometric steps, down to the last digit.
void Scanner::approach(double end, double from, int perDecade)
{
    const double step = std::pow(10.0, -1.0 / perDecade);
    const double least = 4 * kEpsilon * std::max(std::fabs(end), std::fabs(from - end));
    for (double gap = (from - end) * step; std::fabs(gap) > least; gap *= step)
        add(end + gap);
}

// Where f stops having a value between two points, the edge of its domain.
double Scanner::edge(double inside, double outside) const
{
    for (int k = 0; k < 56; ++k) {
        const double mid = (inside + outside) / 2;
        if (mid == inside || mid == outside)
            break;
        (std::isfinite(f_(mid)) ? inside : outside) = mid;
    }
    return inside;
}

// The root TOMS 748 closes in on between a and b, or NaN where the bracket
// closes on a pole instead: f grows there rather than shrinking.
double Scanner::polish(double a, double b, double fa, double fb)
{
    namespace bt = boost::math::tools;
    try {
        std::uintmax_t iterations = 100;
        // By reference: the search copies its function at every step.
        const auto r =
            bt::toms748_solve(std::ref(f_), a, b, fa, fb, bt::eps_tolerance<double>(), iterations);
        const double x = (r.first + r.second) / 2;
        const double fx = f_(x);
        if (std::isfinite(fx) && std::fabs(fx) <= std::max(std::fabs(fa), std::fabs(fb)))
            return x;
        poles_.insert(std::upper_bound(poles_.begin(), poles_.end(), x), x);
    } catch (...) {
        // A bracket that leaves the domain inside: no root the points can vouch for.
    }
    return kNaN;
}

bool Scanner::across(double a, double b) const
{
    if (poles_.empty())
        return false;
    const auto p = std::upper_bound(poles_.begin(), poles_.end(), a);
    return p != poles_.end() && *p < b;
}

// Edges of f's domain between two points, found by bisection and
// approached; poles, where a change of sign closes on no root. Each once.
void Scanner::explore()
{
    for (size_t i = 0; i + 1 < points_.size(); ++i) {
        const Point& a = points_[i];
        const Point& b = points_[i + 1];
        if (!a.fresh && !b.fresh)
            continue;
        const bool here = a.finite, there = b.finite;
        if (here != there) {
            const double from = here ? a.x : b.x;
            if (std::binary_search(edges_.begin(), edges_.end(), from))
                continue;
            const double e = edge(from, here ? b.x : a.x);
            edges_.insert(std::upper_bound(edges_.begin(), edges_.end(), e), e);
            if (e != from) {
                add(e);
                approach(e, from, 4);
            }
        } else if (here && a.f != 0 && b.f != 0 && (a.f < 0) != (b.f < 0) && !across(a.x, b.x) &&
                   !known(a.x, b.x)) {
            const size_t before = poles_.size();
            const double x = polish(a.x, b.x, a.f, b.f);
            if (std::isfinite(x)) {
                roots_.push_back(x);
            } else if (poles_.size() > before) {
                approach(x, a.x, 4);
                approach(x, b.x, 4);
            }
        }
    }
    merge();
}

// How f bends at point i against its neighbours, by more than its rounding:
// +1 up, -1 down, 0 where that cannot be told.
int Scanner::bend(size_t i) const
{
    const double a = points_[i - 1].f, m = points_[i].f, b = points_[i + 1].f;
    const double noise = 1e-9 * std::max({std::fabs(a), std::fabs(m), std::fabs(b)});
    const double d = (a - m) + (b - m);
    return d > noise ? 1 : d < -noise ? -1 : 0;
}

// Whether f, between the points beside point i, surely keeps the sign it
// has there: the parabola through the three points turns well clear of 0.
bool Scanner::clear(size_t i) const
{
    const auto place = [&](size_t k) {
        return logarithmic_ && points_[k].x > 0 ? std::log(points_[k].x) : points_[k].x;
    };
    const double a = points_[i - 1].f, m = points_[i].f, b = points_[i + 1].f;
    if ((a < 0) != (m < 0) || (b < 0) != (m < 0))
        return false;
    const double t0 = place(i - 1), t1 = place(i), t2 = place(i + 1);
    const double d1 = (m - a) / (t1 - t0), d2 = (b - m) / (t2 - t1);
    const double c2 = (d2 - d1) / (t2 - t0);
    const double sign = m > 0 ? 1 : -1;
    if (!(sign * c2 > 0))
        return true; // turning away from 0
    const double t = (t0 + t1) / 2 - d1 / (2 * c2);
    const double bottom = a + d1 * (t - t0) + c2 * (t - t0) * (t - t1);
    return sign * bottom > 0.25 * std::fabs(m);
}

// Whether f turns at point i, by more than its rounding.
bool Scanner::turns(size_t i) const
{
    const double a = points_[i - 1].f, m = points_[i].f, b = points_[i + 1].f;
    const double noise = 1e-12 * std::max({std::fabs(a), std::fabs(m), std::fabs(b)});
    return (m - a > noise && m - b > noise) || (a - m > noise && b - m > noise);
}

// Where f changes its sign, turns, or changes the way it bends between two
// points, a second root may hide beside the first, or two in a dip that the
// points step over: such stretches are tried again at eight times the
// density, three times over.
void Scanner::refine()
{
    constexpr int kParts = 8;
    constexpr int kMostStretches = 24;
    std::vector<char> near, joined;
    std::vector<signed char> turning, bending;
    for (int level = 0; level < 3; ++level) {
        const size_t n = points_.size();
        // Only near new points can anything have changed.
        near.assign(n + 4, 0);
        for (size_t i = 0; i < n; ++i) {
            if (points_[i].fresh) {
                char* at = &near[i]; // i - 2 ... i + 2, shifted by 2
                at[0] = at[1] = at[2] = at[3] = at[4] = 1;
                points_[i].fresh = false;
            }
        }
        // Whether f is continuous from point i to the next, where that is asked.
        joined.assign(n, 0);
        for (size_t i = 0; i + 1 < n; ++i) {
            if (near[i + 2] || near[i + 3])
                joined[i] = continuous(i, i + 1);
        }
        turning.assign(n, 0);
        bending.assign(n, 0);
        for (size_t i = 1; i + 1 < n; ++i) {
            if (near[i + 2] && joined[i - 1] && joined[i]) {
                turning[i] = turns(i);
                bending[i] = static_cast<signed char>(bend(i));
            }
        }
        int count = 0;
        for (size_t i = 0; i + 1 < n && count < kMostStretches; ++i) {
            if (!near[i + 2] || !joined[i])
                continue;
            const bool sign = (points_[i].f < 0) != (points_[i + 1].f < 0);
            if (!(sign || turning[i] || turning[i + 1] || bending[i] * bending[i + 1] < 0))
                continue;
            ++count;
            const double a = points_[i].x, b = points_[i + 1].x;
            const double ratio = logarithmic_ && a > 0 ? std::pow(b / a, 1.0 / kParts) : 0;
            double x = a;
            for (int k = 1; k < kParts; ++k) {
                x = ratio > 0 ? x * ratio : a + (b - a) * (double(k) / kParts);
                if (x > a && x < b)
                    add(x);
            }
        }
        if (count == 0)
            break;
        merge();
        explore();
    }
}

Scan Scanner::run(double lo, double hi, const std::vector<double>& marks)
{
    namespace bt = boost::math::tools;
    constexpr int kPoints = 145; // 8 a decade over 18 decades
    points_.reserve(4 * kPoints);
    fresh_.reserve(kPoints);
    const double ratio = logarithmic_ ? std::pow(hi / lo, 1.0 / (kPoints - 1)) : 0;
    double at = lo;
    for (int i = 0; i < kPoints; ++i, at *= ratio)
        add(logarithmic_ ? at : lo + (hi - lo) * (double(i) / (kPoints - 1)));
    merge();
    // Edges of the domain often stand at a given value (a height below its
    // slant), and a piece of the domain there may be narrower than the grid:
    // each mark is approached from both sides at 2 points a decade, where the
    // grid beside it finds f without a value (elsewhere it sees the domain).
    const size_t gridPoints = points_.size();
    for (const double mark : marks) {
        const auto above =
            std::upper_bound(points_.begin(), points_.begin() + std::ptrdiff_t(gridPoints), mark,
                             [](double x, const Point& p) { return x < p.x; });
        if (above == points_.begin() || above == points_.begin() + std::ptrdiff_t(gridPoints) ||
            (std::isfinite(above->f) && std::isfinite((above - 1)->f)))
            continue;
        add(mark);
        constexpr double kRootTen = 3.1622776601683795; // two a decade
        for (double gap = 1 / kRootTen; gap > kEpsilon; gap /= kRootTen) {
            add(mark * (1 - gap));
            add(mark * (1 + gap));
        }
    }
    merge();
    explore();
    refine();

    const size_t n = points_.size();
    bool positive = false, negative = false;
    for (size_t i = 0; i < n; ++i) {
        const Point& p = points_[i];
        if (!std::isfinite(p.f))
            continue;
        positive |= p.f > 0;
        negative |= p.f < 0;
        if (p.f == 0) {
            roots_.push_back(p.x);
            continue;
        }
        if (i + 1 < n && continuous(i, i + 1)) {
            const Point& q = points_[i + 1];
            if (q.f != 0 && (p.f < 0) != (q.f < 0) && !known(p.x, q.x)) {
                const double x = polish(p.x, q.x, p.f, q.f);
                if (std::isfinite(x))
                    roots_.push_back(x);
            }
        }
    }
    // A dip of |f| towards 0 between points may hide two roots close
    // together, or touch 0 in one.
    double best = kInf;
    size_t bestAt = 0;
    // Whether f is continuous from point i to the next, again where a pole
    // has been found since.
    std::vector<char> joined(n, 0);
    size_t poles = 0;
    for (size_t i = 1; i + 1 < n; ++i) {
        if (i == 1 || poles_.size() != poles) {
            for (size_t k = 0; k + 1 < n; ++k)
                joined[k] = continuous(k, k + 1);
            poles = poles_.size();
        }
        if (!joined[i - 1] || !joined[i])
            continue;
        const double a = points_[i - 1].f, m = points_[i].f, b = points_[i + 1].f;
        if (m == 0 || (a < 0) != (m < 0) || (b < 0) != (m < 0))
            continue;
        if (std::fabs(m) < best) {
            best = std::fabs(m);
            bestAt = i;
        }
        if (!(std::fabs(m) <= std::fabs(a) && std::fabs(m) <= std::fabs(b)))
            continue;
        const double sign = m > 0 ? 1 : -1;
        if (clear(i))
            continue;
        std::uintmax_t iterations = 100;
        const auto g = [&](double x) {
            const double v = f_(x);
            return std::isfinite(v) ? sign * v : kInf;
        };
        const double left = points_[i - 1].x, right = points_[i + 1].x;
        const auto [x, gx] = bt::brent_find_minima(g, left, right, 52, iterations);
        if (gx < 0) {
            const double l = polish(left, x, sign * g(left), sign * gx);
            const double r = polish(x, right, sign * gx, sign * g(right));
            for (const double root : {l, r}) {
                if (std::isfinite(root))
                    roots_.push_back(root);
            }
        } else if (gx <= std::max(1e-13 * std::fabs(m), touch_)) {
            roots_.push_back(x);
        }
    }
    Scan scan;
    scan.roots = std::move(roots_);
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
            const double v = f_(x);
            return std::isfinite(v) ? s * v : kInf;
        };
        scan.extreme = s * bt::brent_find_minima(g, points_[bestAt - 1].x, points_[bestAt + 1].x,
                                                 52, iterations)
                               .second;
    }
    return scan;
}

} // namespace

Scan roots(const std::function<double(double)>& f, double lo, double hi, bool logarithmic,
           const std::vector<double>& marks, double size, const Many& many)
{
    return Scanner(f, many, logarithmic, size).run(lo, hi, marks);
}

} // namespace model
