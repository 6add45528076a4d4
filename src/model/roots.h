#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <vector>

// The one place the solver searches for roots: a grid, and Boost.Math's
// TOMS 748 and Brent's method to polish what the grid brackets. The function
// is evaluated unchecked: a point outside its domain gives NaN, and no error
// unwinds through the search.
namespace model {

struct Scan {
    std::vector<double> roots;
    // Where no root was found: the least and the greatest value of f seen,
    // refined, with the sign f kept throughout (+1, -1, or 0 for both or none).
    int sign = 0;
    double extreme = std::numeric_limits<double>::quiet_NaN();
};

// Every root of f between lo and hi (> 0 where the grid is logarithmic):
// sign changes on a grid made finer where f changes its sign, turns or bends
// the other way, roots crowding towards an edge of f's domain or a pole, and
// pairs of roots close together where |f| dips between two points. The
// domain of f is looked for closely around the marks, where it may end. f
// compares values of about `size`: a dip that comes within a 1e-11th of it
// is a double root (a square base, whose two edges are one root twice).
// `many`, where given, gives f at many points at once with the same doubles:
// fs[k] = f(xs[k]) for k < n. The grid and its refinements are evaluated so.
using Many = std::function<void(const double* xs, double* fs, size_t n)>;
Scan roots(const std::function<double(double)>& f, double lo, double hi, bool logarithmic,
           const std::vector<double>& marks = {}, double size = 0, const Many& many = {});

} // namespace model
