#include "solver.h"

#include "numbers/errors.h"
#include "roots.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <mutex>

// The solver works in tiers. A relation whose one unknown quantity occurs in
// it once is solved for it symbolically; a closed form a pupil expects is
// taken where its givens are there. A relation left with one unknown that
// occurs more than once is solved by search, and so is a coupled pair: one
// dimension is tried at values on a logarithmic grid scaled from the givens,
// the others follow from it step by step, and a relation left over must hold.
// Every sign change of what is left over is polished with TOMS 748, and every
// solution found is computed once more with the checked arithmetic.
//
// A body is prepared once: its quantities numbered (the body's own first, in
// their order, then the charts' helpers), every relation, rearrangement,
// closed form and condition compiled over those numbers. A solve works on
// arrays indexed by them and turns names into numbers only at its ends.
namespace model {

// What a body is made into once, kept in the solver's own terms.
namespace prepared {

// A set of quantities by their numbers, as wide as the body needs.
class Bits {
public:
    Bits() = default;
    explicit Bits(int size)
        : words_((size_t(size) + 63) / 64, 0)
    {
    }
    void set(int i) { words_[size_t(i) >> 6] |= std::uint64_t(1) << (i & 63); }
    bool test(int i) const { return (words_[size_t(i) >> 6] >> (i & 63)) & 1; }
    // Whether every member of `other` is one of these.
    bool covers(const Bits& other) const
    {
        for (size_t k = 0; k < words_.size(); ++k) {
            if (other.words_[k] & ~words_[k])
                return false;
        }
        return true;
    }
    Bits& operator|=(const Bits& other)
    {
        for (size_t k = 0; k < words_.size(); ++k)
            words_[k] |= other.words_[k];
        return *this;
    }

private:
    std::vector<std::uint64_t> words_;
};

// A formula compiled, with the numbers of the quantities it reads.
struct Formula {
    Term term;
    Compiled code;
    std::vector<int> reads;
};

struct Equation {
    int symbol = 0;
    Formula formula; // reading the quantities it ties together by reference
    // The formula solved for each quantity it reads, in the order of reads;
    // none where that cannot be undone in one way.
    std::vector<std::optional<Formula>> solved;
};

// The body seen through one choice of free dimensions.
struct Network {
    const Chart* chart = nullptr;
    std::vector<int> dimensions;
    std::vector<char> isDimension; // by number
    std::vector<Equation> equations;
};

struct Closed {
    Bits givens;
    int symbol = 0;
    Formula formula;
};

struct Check {
    const Condition* condition = nullptr;
    Compiled left, right;
    std::vector<int> reads;

    bool holds(const double* values) const
    {
        return condition->holdsFor(left.run(values), right.run(values));
    }
};

// Relative derivatives of every quantity of the body by each free dimension,
// at two ordinary solids: [solid][quantity][dimension].
using Slopes = std::vector<std::vector<std::vector<double>>>;

} // namespace prepared

using namespace prepared;

struct Prepared::Data {
    const Body* body = nullptr;
    int size = 0;       // numbers in all
    int quantities = 0; // the body's own, numbered first
    QStringList symbols;
    QHash<QString, int> numbers;
    std::vector<Dimension> kinds;
    std::vector<int> dimensions;   // the body's free dimensions
    std::vector<int> free;         // those not always given
    std::vector<char> alwaysGiven; // by number
    std::vector<int> byName;       // every number in the order of its symbol
    std::vector<Network> networks; // the body's own first, then one a chart
    std::vector<Closed> shortcuts;
    std::vector<Check> conditions;
    // The body's relations in their order: every quantity from the dimensions.
    std::vector<std::pair<int, Compiled>> forward;
    // Per quantity of the body, the dimensions it is computed from.
    std::vector<Bits> reaches;
    // Relations that read another relation's quantity where they compute it
    // as a part (V = G · c): what a partial answer rearranges besides.
    std::vector<Equation> derived;
    Slopes slopes; // with 5 corners where a count is a dimension
    // Where a count is a dimension, with 3 to 24 corners.
    std::vector<Slopes> byCorners;
    int first = -1, second = -1; // interchangeable
    double defaultCount = 5;

    int number(const QString& symbol) const { return numbers.value(symbol, 0); }
    void run(std::vector<double>& values) const
    {
        for (const auto& [slot, code] : forward)
            values[size_t(slot)] = code.run(values.data());
    }
};

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Data = Prepared::Data;

Formula formula(const Data& d, const Term& t)
{
    Formula f{t, t.compile([&](const QString& s) { return d.number(s); }), {}};
    for (const QString& s : t.quantities())
        f.reads.push_back(d.number(s));
    return f;
}

Equation equation(const Data& d, int symbol, const Term& t)
{
    Equation e{symbol, formula(d, t), {}};
    for (const int r : e.formula.reads) {
        const std::optional<Term> solved =
            t.solvedFor(d.symbols[r], Term::quantity(d.symbols[symbol]));
        e.solved.push_back(solved ? std::optional<Formula>(formula(d, *solved)) : std::nullopt);
    }
    return e;
}

Network network(const Data& d, const Body& body, const Chart* chart)
{
    Network net;
    net.chart = chart;
    QSet<QString> names;
    for (const Quantity& q : body.quantities)
        names.insert(q.symbol);
    if (chart) {
        for (const Quantity& q : chart->dimensions) {
            names.insert(q.symbol);
            net.dimensions.push_back(d.number(q.symbol));
        }
    } else {
        net.dimensions = d.dimensions;
    }
    net.isDimension.assign(size_t(d.size), 0);
    for (const int k : net.dimensions)
        net.isDimension[size_t(k)] = 1;
    std::vector<char> defined(size_t(d.size), 0);
    const auto add = [&](const Relation& r) {
        const int k = d.number(r.symbol);
        if (defined[size_t(k)] || net.isDimension[size_t(k)])
            return;
        net.equations.push_back(equation(d, k, r.formula.referencing(names)));
        defined[size_t(k)] = 1;
    };
    if (chart) {
        for (const Relation& r : chart->relations)
            add(r);
    }
    for (const Relation& r : body.relations)
        add(r);
    // A volume is undone first, a surface then: what is left over to decide a
    // search is the smaller quantity, and the bound a pupil expects reads "at
    // this volume the surface is at least …".
    const auto rank = [&](const Equation& e) {
        const Dimension k = d.kinds[size_t(e.symbol)];
        return k == Dimension::Volume ? 0 : k == Dimension::Area ? 1 : 2;
    };
    std::stable_sort(net.equations.begin(), net.equations.end(),
                     [&](const Equation& a, const Equation& b) { return rank(a) < rank(b); });
    return net;
}

// The relative derivatives of every quantity by each free dimension, by
// central differences at two ordinary solids of the body.
Slopes slopes(const Data& d, double corners)
{
    const double lengths[2][4] = {{2.9, 1.3, 1.9, 2.3}, {3.1, 1.7, 1.1, 2.2}};
    const double angles[2][3] = {{71, 83, 77}, {64, 95, 88}};
    Slopes out(2, std::vector<std::vector<double>>(size_t(d.quantities)));
    for (int point = 0; point < 2; ++point) {
        std::vector<double> at(size_t(d.size), kNaN);
        int l = 0, a = 0;
        for (const int k : d.dimensions) {
            const Dimension kind = d.kinds[size_t(k)];
            const auto sample = d.body->samples.find(d.symbols[k]);
            const bool placed = sample != d.body->samples.end();
            const int angle = placed ? sample->place : a++, length = placed ? sample->place : l++;
            at[size_t(k)] = kind == Dimension::Count ? corners
                            : kind == Dimension::Angle
                                ? angles[point][angle % 3]
                                : lengths[point][length % 4] * (placed ? sample->scale : 1);
        }
        std::vector<double> here = at;
        d.run(here);
        for (const int k : d.free) {
            const double x = at[size_t(k)], h = 1e-6 * x;
            std::vector<double> above = at, below = at;
            above[size_t(k)] = x + h;
            below[size_t(k)] = x - h;
            d.run(above);
            d.run(below);
            for (int g = 0; g < d.quantities; ++g)
                out[size_t(point)][size_t(g)].push_back((above[size_t(g)] - below[size_t(g)]) /
                                                        (2 * h) * x / here[size_t(g)]);
        }
    }
    return out;
}

// How many of the free dimensions the givens fix: the rank of their
// derivatives by the dimensions, at two ordinary solids of the body. A count
// of givens is not enough: a cuboid's O, G and M tie only two of its three
// edges, since O = 2 · G + M.
int rank(const Data& d, const Slopes& slopes, const std::vector<int>& given)
{
    int best = 0;
    const int columns = int(d.free.size());
    std::vector<double> cells;
    std::vector<double*> rows;
    for (int point = 0; point < 2; ++point) {
        cells.clear();
        for (const int g : given) {
            if (!d.alwaysGiven[size_t(g)]) {
                const std::vector<double>& row = slopes[size_t(point)][size_t(g)];
                cells.insert(cells.end(), row.begin(), row.end());
            }
        }
        rows.clear();
        for (size_t at = 0; columns > 0 && at < cells.size(); at += size_t(columns))
            rows.push_back(cells.data() + at);
        // Gaussian elimination with the largest pivot first.
        int r = 0;
        for (int c = 0; c < columns && r < int(rows.size()); ++c) {
            size_t pivot = size_t(r);
            for (size_t i = size_t(r); i < rows.size(); ++i) {
                if (std::fabs(rows[i][c]) > std::fabs(rows[pivot][c]))
                    pivot = i;
            }
            if (!(std::fabs(rows[pivot][c]) > 1e-6))
                continue;
            std::swap(rows[pivot], rows[size_t(r)]);
            for (size_t i = size_t(r) + 1; i < rows.size(); ++i) {
                const double factor = rows[i][c] / rows[size_t(r)][c];
                for (int j = c; j < columns; ++j)
                    rows[i][j] -= factor * rows[size_t(r)][j];
            }
            ++r;
        }
        best = std::max(best, r);
    }
    int always = 0;
    for (const char a : d.alwaysGiven)
        always += a;
    return best + always;
}

} // namespace

Prepared prepare(const Body& body, Use use)
{
    auto d = std::make_shared<Data>();
    d->body = &body;
    const auto number = [&](const QString& symbol, Dimension kind) {
        if (!d->numbers.contains(symbol)) {
            d->numbers.insert(symbol, int(d->symbols.size()));
            d->symbols << symbol;
            d->kinds.push_back(kind);
        }
    };
    for (const Quantity& q : body.quantities)
        number(q.symbol, q.dimension);
    d->quantities = int(d->symbols.size());
    for (const Chart& c : body.charts) {
        for (const Quantity& q : c.dimensions)
            number(q.symbol, q.dimension);
    }
    d->size = int(d->symbols.size());
    d->alwaysGiven.assign(size_t(d->size), 0);
    for (const QString& s : body.alwaysGiven)
        d->alwaysGiven[size_t(d->number(s))] = 1;
    for (const QString& s : body.dimensions) {
        d->dimensions.push_back(d->number(s));
        if (!body.alwaysGiven.contains(s))
            d->free.push_back(d->number(s));
    }
    QStringList sorted = d->symbols;
    sorted.sort();
    for (const QString& s : sorted)
        d->byName.push_back(d->number(s));
    if (body.interchangeable.size() == 2) {
        d->first = d->number(body.interchangeable[0]);
        d->second = d->number(body.interchangeable[1]);
    }
    for (const Relation& r : body.relations)
        d->forward.emplace_back(d->number(r.symbol),
                                r.formula.compile([&](const QString& s) { return d->number(s); }));

    d->networks.push_back(network(*d, body, nullptr));
    for (const Chart& c : body.charts)
        d->networks.push_back(network(*d, body, &c));
    for (const Shortcut& sc : body.shortcuts) {
        Closed c{Bits(d->size), d->number(sc.symbol), formula(*d, sc.formula)};
        for (const QString& g : sc.givens)
            c.givens.set(d->number(g));
        d->shortcuts.push_back(std::move(c));
    }
    for (const Condition& c : body.conditions) {
        Check check{&c, formula(*d, c.left).code, formula(*d, c.right).code, {}};
        for (const QString& s : c.left.quantities() + c.right.quantities())
            check.reads.push_back(d->number(s));
        d->conditions.push_back(std::move(check));
    }

    // What each quantity is computed from, through the relations in turn.
    d->reaches.assign(size_t(d->quantities), Bits(d->size));
    std::vector<char> done(size_t(d->quantities), 0);
    for (const int k : d->dimensions) {
        d->reaches[size_t(k)].set(k);
        done[size_t(k)] = 1;
    }
    const std::function<void(int)> reach = [&](int k) {
        if (done[size_t(k)])
            return;
        done[size_t(k)] = 1;
        if (const Term* f = body.formula(d->symbols[k])) {
            for (const QString& s : f->quantities()) {
                const int r = d->number(s);
                if (r != k && r < d->quantities) {
                    reach(r);
                    d->reaches[size_t(k)] |= d->reaches[size_t(r)];
                }
            }
        }
    };
    for (int k = 0; k < d->quantities; ++k)
        reach(k);

    // A relation that computes another one's formula as a part of its own
    // reads that quantity there: V = a · b · c is V = G · c.
    const Network& plain = d->networks.front();
    for (const Equation& e : plain.equations) {
        for (const Equation& part : plain.equations) {
            if (&part == &e)
                continue;
            // A formula holds another as a part only if it reads all it reads.
            const std::vector<int>& reads = e.formula.reads;
            if (!std::all_of(part.formula.reads.begin(), part.formula.reads.end(), [&](int r) {
                    return std::find(reads.begin(), reads.end(), r) != reads.end();
                }))
                continue;
            if (const auto t = e.formula.term.reading(part.formula.term, d->symbols[part.symbol]))
                d->derived.push_back(equation(*d, e.symbol, *t));
        }
    }
    d->slopes = slopes(*d, d->defaultCount);
    if (use == Use::Often && std::any_of(d->dimensions.begin(), d->dimensions.end(), [&](int k) {
            return d->kinds[size_t(k)] == Dimension::Count;
        })) {
        for (int corners = 3; corners <= 24; ++corners)
            d->byCorners.push_back(slopes(*d, corners));
    }
    return Prepared{&body, std::move(d)};
}

namespace {

// The givens by their numbers.
struct Given {
    std::vector<double> value; // NaN where not given
    std::vector<char> is;
    Bits bits;
    std::vector<int> list; // in the order of the body's quantities

    Given(const Data& d, const Values& givens)
        : value(size_t(d.size), kNaN)
        , is(size_t(d.size), 0)
        , bits(d.size)
    {
        for (int k = 0; k < d.quantities; ++k) {
            const auto it = givens.constFind(d.symbols[k]);
            if (it == givens.constEnd())
                continue;
            value[size_t(k)] = *it;
            is[size_t(k)] = 1;
            bits.set(k);
            list.push_back(k);
        }
    }
};

// One step of a way to a solution, in the prepared data's terms.
struct Move {
    Move(Step::Kind k, int s, const Formula* f, int e = -1, int r = -1,
         std::vector<int> together = {})
        : kind(k)
        , symbol(s)
        , formula(f)
        , equation(e)
        , relation(r)
        , solved(std::move(together))
    {
    }
    Step::Kind kind;
    int symbol;
    const Formula* formula;  // all but Numeric
    int equation;            // its place in the network (Computed, Rearranged)
    int relation;            // the relation's quantity (Computed, Rearranged)
    std::vector<int> solved; // Numeric: the relations solved together
};

Step step(const Data& d, const Move& m)
{
    Step s{m.kind, d.symbols[m.symbol], {}, m.formula ? m.formula->term : Term(), {}};
    if (m.relation >= 0)
        s.relation = d.symbols[m.relation];
    for (const int r : m.solved)
        s.equations << d.symbols[r];
    return s;
}

struct State {
    std::vector<double> value; // NaN where not known
    std::vector<char> known;
    std::vector<char> used;
    std::vector<Move> moves;

    void set(int k, double v)
    {
        value[size_t(k)] = v;
        known[size_t(k)] = 1;
    }
};

// What went wrong on the way, for the answer when no solution is left.
struct Trouble {
    bool stuck = false;
    Values contradicting;
    QString reason;
    std::optional<Answer::Bound> bound;
    std::optional<Answer::Invalid> invalid;
    QString error;
};

bool admissible(const Data& d, const Network& net, int k, double v)
{
    if (!std::isfinite(v))
        return false;
    const Dimension kind = d.kinds[size_t(k)];
    if (kind.angle)
        return v > 0 && v < (net.isDimension[size_t(k)] ? 180 : 360);
    if (kind.count)
        return v >= 3 && v == std::floor(v);
    return v > 0;
}

int power(Dimension kind)
{
    return kind == Dimension::Area ? 2 : kind == Dimension::Volume ? 3 : 1;
}

class Search {
public:
    Search(const Data& d, const Network& net, const Given& given)
        : d_(d)
        , net_(net)
        , given_(given)
    {
    }

    void run(State st);

    std::vector<State> done;
    Trouble trouble;
    bool searched = false; // whether any relation was solved by search

private:
    bool given(int k) const { return given_.is[size_t(k)]; }
    bool propagate(State& st, bool validate, bool dimensionsOnly = false);
    bool complete(const State& st) const
    {
        return std::all_of(net_.dimensions.begin(), net_.dimensions.end(),
                           [&](int k) { return st.known[size_t(k)]; });
    }
    void searchOne(State& st, int equation, int unknown);
    bool searchCoupled(State& st);
    void noRoot(const Scan& scan, int symbol, const std::vector<int>& by);
    double scale(const State& st) const;
    std::pair<double, double> range(const State& st, int symbol) const;
    // The givens of the unknown's kind: where its domain may end.
    std::vector<double> marks(int unknown) const
    {
        std::vector<double> out;
        const Dimension kind = d_.kinds[size_t(unknown)];
        if (kind == Dimension::Angle || kind == Dimension::Count)
            return out;
        for (const int g : given_.list) {
            if (d_.kinds[size_t(g)] == kind)
                out.push_back(given_.value[size_t(g)]);
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    // How many of the equation's quantities are not known yet, and the
    // place among them of the last one.
    static int unknowns(const State& st, const Equation& e, size_t& at)
    {
        int n = 0;
        for (size_t r = 0; r < e.formula.reads.size(); ++r) {
            if (!st.known[size_t(e.formula.reads[r])]) {
                ++n;
                at = r;
            }
        }
        return n;
    }

    const Data& d_;
    const Network& net_;
    const Given& given_;
};

// Closed forms, then relations evaluated forwards or solved for their one
// unknown, until nothing more follows. With `validate`, a value out of its
// range ends this way to a solution.
bool Search::propagate(State& st, bool validate, bool dimensionsOnly)
{
    for (bool progress = true; progress;) {
        progress = false;
        if (!net_.chart) {
            for (const Closed& sc : d_.shortcuts) {
                if (st.known[size_t(sc.symbol)] || !given_.bits.covers(sc.givens))
                    continue;
                const double v = sc.formula.code.run(st.value.data());
                if (validate && !admissible(d_, net_, sc.symbol, v))
                    return false;
                st.set(sc.symbol, v);
                st.moves.push_back({Step::Shortcut, sc.symbol, &sc.formula});
                progress = true;
            }
        }
        for (size_t i = 0; i < net_.equations.size(); ++i) {
            if (st.used[i])
                continue;
            const Equation& e = net_.equations[i];
            size_t at = 0;
            const int open = unknowns(st, e, at);
            const bool known = st.known[size_t(e.symbol)];
            if (!known && open == 0) {
                const double v = e.formula.code.run(st.value.data());
                if (validate && !admissible(d_, net_, e.symbol, v))
                    return false;
                st.set(e.symbol, v);
                st.used[i] = true;
                st.moves.push_back({Step::Computed, e.symbol, &e.formula, int(i), e.symbol});
                progress = true;
            } else if (known && open == 1) {
                const int unknown = e.formula.reads[at];
                if (dimensionsOnly && !net_.isDimension[size_t(unknown)])
                    continue;
                const std::optional<Formula>& solved = e.solved[at];
                if (!solved)
                    continue;
                const double v = solved->code.run(st.value.data());
                if (validate && !admissible(d_, net_, unknown, v)) {
                    if (!trouble.invalid)
                        trouble.invalid = Answer::Invalid{d_.symbols[unknown], solved->term, v};
                    return false;
                }
                st.set(unknown, v);
                st.used[i] = true;
                st.moves.push_back({Step::Rearranged, unknown, &*solved, int(i), e.symbol});
                progress = true;
                // From the top again: the relations are tried in their order
                // of preference, volumes first.
                break;
            }
        }
    }
    return true;
}

// The length that the givens suggest: the search grid is laid around it.
double Search::scale(const State& st) const
{
    double logs = 0;
    int n = 0;
    // In the order of the symbols, so that the grid does not move with the
    // order the quantities are listed in.
    for (const int k : d_.byName) {
        if (!st.known[size_t(k)])
            continue;
        const double v = st.value[size_t(k)];
        if (!(v > 0) || !std::isfinite(v))
            continue;
        // Pure powers of a length only: a mass or a density says nothing
        // of a size on its own.
        const Dimension kind = d_.kinds[size_t(k)];
        if (kind.length <= 0 || kind.mass != 0 || kind.money != 0 || kind.angle || kind.count)
            continue;
        logs += std::log(v) / kind.length;
        ++n;
    }
    return n ? std::exp(logs / n) : 1.0;
}

std::pair<double, double> Search::range(const State& st, int symbol) const
{
    const Dimension kind = d_.kinds[size_t(symbol)];
    if (kind == Dimension::Angle)
        return {1e-9, 180 - 1e-9};
    const double p = power(kind), l = scale(st);
    return {std::pow(l * 1e-9, p), std::pow(l * 1e9, p)};
}

void Search::noRoot(const Scan& scan, int symbol, const std::vector<int>& by)
{
    if (trouble.bound || scan.sign == 0 || !given(symbol))
        return;
    QStringList names;
    for (const int b : by)
        names << d_.symbols[b];
    trouble.bound = Answer::Bound{d_.symbols[symbol], given_.value[size_t(symbol)] + scan.extreme,
                                  scan.sign > 0, names};
}

// A relation with one unknown that it reads more than once.
void Search::searchOne(State& st, int equation, int unknown)
{
    const Equation& e = net_.equations[size_t(equation)];
    const double target = st.value[size_t(e.symbol)];
    std::vector<double> work = st.value;
    const Compiled& formula = e.formula.code;
    const auto f = [&](double x) {
        work[size_t(unknown)] = x;
        return formula.run(work.data()) - target;
    };
    std::vector<const double*> columns(size_t(d_.size), nullptr);
    const auto many = [&](const double* xs, double* fs, size_t n) {
        columns[size_t(unknown)] = xs;
        formula.run(work.data(), columns.data(), n, fs);
        for (size_t k = 0; k < n; ++k)
            fs[k] = fs[k] - target;
    };
    const auto [lo, hi] = range(st, unknown);
    searched = true;
    const Scan scan = roots(f, lo, hi, d_.kinds[size_t(unknown)] != Dimension::Angle,
                            marks(unknown), std::fabs(target), many);
    if (scan.roots.empty()) {
        std::vector<int> by;
        for (const int r : e.formula.reads) {
            if (r != unknown)
                by.push_back(r);
        }
        noRoot(scan, e.symbol, by);
    }
    for (double x : scan.roots) {
        if (!admissible(d_, net_, unknown, x))
            continue;
        State branch = st;
        branch.set(unknown, x);
        branch.used[size_t(equation)] = true;
        branch.moves.push_back({Step::Numeric, unknown, nullptr, -1, -1, {e.symbol}});
        run(branch);
    }
}

// Two or more unknowns that no relation alone gives: one is tried along a
// grid, the rest follow from it, and a relation left over decides.
bool Search::searchCoupled(State& st)
{
    // A plan whose search finds nothing may have missed a narrow domain that
    // another one sees whole: each is tried until one finds a root.
    bool planned = false;
    for (const int u : net_.dimensions) {
        if (st.known[size_t(u)])
            continue;
        // Which relations give what, once u is known: found with a trial
        // value, since that does not depend on the value.
        // Solving for dimensions alone first, so that what is left over is a
        // given, and a search that finds nothing can say how far it is off.
        State plan;
        int residual = -1;
        for (const bool dimensionsOnly : {true, false}) {
            plan = st;
            plan.set(u, range(st, u).second);
            plan.moves.clear();
            propagate(plan, false, dimensionsOnly);
            residual = -1;
            for (int pass = 0; pass < 2 && residual < 0; ++pass) {
                for (size_t i = 0; i < net_.equations.size() && residual < 0; ++i) {
                    const Equation& e = net_.equations[i];
                    size_t at = 0;
                    if (!plan.used[i] && plan.known[size_t(e.symbol)] &&
                        unknowns(plan, e, at) == 0 && !e.formula.reads.empty() &&
                        (pass == 1 || given(e.symbol)))
                        residual = int(i);
                }
            }
            if (residual >= 0)
                break;
        }
        if (residual < 0)
            continue;
        const Equation& e = net_.equations[size_t(residual)];
        // Only the steps the left-over relation needs are repeated at every trial.
        std::vector<char> needed(size_t(d_.size), 0);
        for (const int r : e.formula.reads)
            needed[size_t(r)] = 1;
        needed[size_t(e.symbol)] = 1;
        std::vector<Move> steps;
        for (auto m = plan.moves.rbegin(); m != plan.moves.rend(); ++m) {
            if (!needed[size_t(m->symbol)])
                continue;
            for (const int r : m->formula->reads)
                needed[size_t(r)] = 1;
            steps.push_back(*m);
        }
        std::reverse(steps.begin(), steps.end());
        std::vector<double> work = st.value;
        const size_t at = size_t(u), right = size_t(e.symbol);
        const Compiled& left = e.formula.code;
        const auto f = [&](double x) {
            work[at] = x;
            for (const Move& m : steps)
                work[size_t(m.symbol)] = m.formula->code.run(work.data());
            return left.run(work.data()) - work[right];
        };
        // The same at many points: each step's values in a column of its own.
        std::vector<const double*> columns(size_t(d_.size), nullptr);
        std::vector<double> lanes;
        const auto many = [&](const double* xs, double* fs, size_t n) {
            lanes.resize(steps.size() * n);
            columns[at] = xs;
            for (size_t j = 0; j < steps.size(); ++j) {
                double* column = lanes.data() + j * n;
                steps[j].formula->code.run(work.data(), columns.data(), n, column);
                columns[size_t(steps[j].symbol)] = column;
            }
            left.run(work.data(), columns.data(), n, fs);
            if (const double* r = columns[right]) {
                for (size_t k = 0; k < n; ++k)
                    fs[k] = fs[k] - r[k];
            } else {
                for (size_t k = 0; k < n; ++k)
                    fs[k] = fs[k] - work[right];
            }
            std::fill(columns.begin(), columns.end(), nullptr);
        };
        const auto [lo, hi] = range(st, u);
        searched = true;
        const Scan scan = roots(f, lo, hi, d_.kinds[size_t(u)] != Dimension::Angle, marks(u),
                                std::fabs(st.value[size_t(e.symbol)]), many);
        std::vector<int> equations;
        for (const Move& m : steps) {
            if (m.kind == Step::Rearranged)
                equations.push_back(m.relation);
        }
        equations.push_back(e.symbol);
        if (scan.roots.empty()) {
            std::vector<int> by;
            for (const int g : equations) {
                if (g != e.symbol && given(g))
                    by.push_back(g);
            }
            noRoot(scan, e.symbol, by);
            planned = true;
            continue;
        }
        for (double x : scan.roots) {
            State branch = st;
            branch.set(u, x);
            bool fine = admissible(d_, net_, u, x);
            branch.moves.push_back({Step::Numeric, u, nullptr, -1, -1, equations});
            for (const Move& m : steps) {
                const double v = m.formula->code.run(branch.value.data());
                fine = fine && admissible(d_, net_, m.symbol, v);
                branch.set(m.symbol, v);
                branch.moves.push_back(m);
                if (m.equation >= 0)
                    branch.used[size_t(m.equation)] = true;
            }
            branch.used[size_t(residual)] = true;
            if (fine)
                run(branch);
        }
        return true;
    }
    return planned;
}

void Search::run(State st)
{
    if (!propagate(st, true))
        return;
    if (complete(st)) {
        done.push_back(std::move(st));
        return;
    }
    for (size_t i = 0; i < net_.equations.size(); ++i) {
        const Equation& e = net_.equations[i];
        if (st.used[i] || !st.known[size_t(e.symbol)])
            continue;
        size_t at = 0;
        if (unknowns(st, e, at) == 1 && d_.kinds[size_t(e.formula.reads[at])] != Dimension::Count) {
            searchOne(st, int(i), e.formula.reads[at]);
            return;
        }
    }
    if (!searchCoupled(st))
        trouble.stuck = true;
}

// The quantities' values as a calculator computes them from the dimensions.
class Computed final : public Environment {
public:
    Computed(const Data& d, const std::vector<double>& values)
        : d_(d)
        , values_(values)
    {
    }
    rt::Real value(const QString& symbol) const override { return read(symbol); }
    rt::Real shown(const QString& symbol) const override
    {
        // As written with 15 significant digits and read back.
        const QLocale c = QLocale::c();
        return rt::toNumber(rt::toText(read(symbol), c), c);
    }

private:
    // A body has a dozen quantities or so: comparing is quicker than hashing.
    double read(const QString& symbol) const
    {
        const QChar* text = symbol.constData();
        const qsizetype n = symbol.size();
        for (int k = 0; k < d_.size; ++k) {
            const QString& s = d_.symbols[k];
            if (s.size() == n && std::equal(text, text + n, s.constData()))
                return values_[size_t(k)];
        }
        return 0.0;
    }
    const Data& d_;
    const std::vector<double>& values_;
};

// Solves the square or overdetermined linear system a · x = b in the least
// squares sense; false where it is singular.
bool leastSquares(const std::vector<std::vector<double>>& a, const std::vector<double>& b,
                  std::vector<double>& x)
{
    const size_t n = x.size();
    std::vector<std::vector<double>> m(n, std::vector<double>(n + 1, 0));
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            for (size_t k = 0; k < a.size(); ++k)
                m[i][j] += a[k][i] * a[k][j];
        }
        for (size_t k = 0; k < a.size(); ++k)
            m[i][n] += a[k][i] * b[k];
    }
    for (size_t c = 0; c < n; ++c) {
        size_t pivot = c;
        for (size_t i = c; i < n; ++i) {
            if (std::fabs(m[i][c]) > std::fabs(m[pivot][c]))
                pivot = i;
        }
        if (!(std::fabs(m[pivot][c]) > 1e-300))
            return false;
        std::swap(m[pivot], m[c]);
        for (size_t i = 0; i < n; ++i) {
            if (i == c)
                continue;
            const double f = m[i][c] / m[c][c];
            for (size_t j = c; j <= n; ++j)
                m[i][j] -= f * m[c][j];
        }
    }
    for (size_t i = 0; i < n; ++i)
        x[i] = m[i][n] / m[i][i];
    return true;
}

// A root found through a helper quantity or a long chain of steps may be a
// few units off in its last digits: Newton's method on the givens themselves,
// kept only where it brings them closer, takes it to what a double can hold.
// `x` holds the dimensions, and nothing else.
void refine(const Data& d, const Given& g, std::vector<double>& x)
{
    std::vector<size_t> free, given;
    std::vector<double> target;
    for (const int k : d.dimensions) {
        if (!g.is[size_t(k)])
            free.push_back(size_t(k));
    }
    for (const int k : g.list) {
        if (!d.body->isDimension(d.symbols[k])) {
            given.push_back(size_t(k));
            target.push_back(g.value[size_t(k)]);
        }
    }
    if (free.empty() || given.size() < free.size())
        return;
    std::vector<double> v;
    const auto misfit = [&](const std::vector<double>& at, std::vector<double>& f) {
        v = at;
        d.run(v);
        double sum = 0;
        f.clear();
        for (size_t i = 0; i < given.size(); ++i) {
            f.push_back(v[given[i]] / target[i] - 1);
            sum += f.back() * f.back();
        }
        return sum;
    };
    std::vector<double> f, fm, fn, fr, moved, step(free.size()), minus, next, round;
    std::vector<std::vector<double>> jacobian(given.size(), std::vector<double>(free.size()));
    double error = misfit(x, f);
    // Below 1e-30 the givens are as close as their digits go.
    for (int iteration = 0; iteration < 3 && error >= 1e-30 && std::isfinite(error); ++iteration) {
        for (size_t j = 0; j < free.size(); ++j) {
            moved = x;
            const double at = x[free[j]], h = 1e-7 * at;
            moved[free[j]] = at + h;
            misfit(moved, fm);
            for (size_t i = 0; i < f.size(); ++i)
                jacobian[i][j] = (fm[i] - f[i]) / (h / at);
        }
        minus.resize(f.size());
        for (size_t i = 0; i < f.size(); ++i)
            minus[i] = -f[i];
        if (!leastSquares(jacobian, minus, step))
            break;
        next = x;
        for (size_t j = 0; j < free.size(); ++j)
            next[free[j]] = x[free[j]] * (1 + step[j]);
        const double e = misfit(next, fn);
        if (!(e < error))
            break;
        x.swap(next);
        error = e;
        f.swap(fn);
    }
    // Where a rounder value gives the givens back as well, it is the better
    // guess: an exercise's 3 rather than 3.0000000000000058, and its cube of
    // edge 2 rather than 2.00001 × 2.00001 × 1.99998, which a triple root
    // leaves as uncertain as that.
    if (std::isfinite(error)) {
        for (const int digits : {3, 6, 9, 12, 14}) {
            round = x;
            for (const size_t slot : free) {
                char text[32];
                const auto written = std::to_chars(text, text + sizeof text, x[slot],
                                                   std::chars_format::general, digits);
                std::from_chars(text, written.ptr, round[slot]);
            }
            if (round == x)
                continue;
            if (misfit(round, fr) <= error) {
                x = round;
                break;
            }
        }
    }
}

// Two ways to one solid: within a 1e-4th, as near as a root found two or
// three times over lets its ways come apart.
bool same(const Data& d, const std::vector<double>& a, const std::vector<double>& b)
{
    return std::all_of(d.dimensions.begin(), d.dimensions.end(), [&](int k) {
        return std::fabs(a[size_t(k)] - b[size_t(k)]) <= 1e-4 * std::fabs(b[size_t(k)]);
    });
}

Values named(const Data& d, const std::vector<double>& v, int count)
{
    Values out;
    out.reserve(count);
    for (int k = 0; k < count; ++k)
        out.insert(d.symbols[k], v[size_t(k)]);
    return out;
}

// What the givens fix where they do not fix the solid: every quantity that
// follows from them in one way, by closed forms, relations solved for their
// one unknown (read also through another relation's quantity, V = G · c) and
// relations computed forwards. Values out of their range are left out.
Solution partial(const Data& d, const Given& g, Values& contradicting)
{
    const Network& plain = d.networks.front();
    std::vector<const Equation*> equations;
    for (const Equation& e : plain.equations)
        equations.push_back(&e);
    for (const Equation& e : d.derived)
        equations.push_back(&e);
    std::vector<double> value = g.value;
    std::vector<char> known = g.is;
    std::vector<Move> moves;
    const auto take = [&](const Move& m, double v) {
        if (!admissible(d, plain, m.symbol, v))
            return false;
        value[size_t(m.symbol)] = v;
        known[size_t(m.symbol)] = 1;
        moves.push_back(m);
        return true;
    };
    for (bool progress = true; progress;) {
        progress = false;
        for (const Closed& sc : d.shortcuts) {
            if (!known[size_t(sc.symbol)] && g.bits.covers(sc.givens))
                progress |= take({Step::Shortcut, sc.symbol, &sc.formula},
                                 sc.formula.code.run(value.data()));
        }
        for (const Equation* e : equations) {
            int open = 0, unknown = -1;
            size_t at = 0;
            for (size_t r = 0; r < e->formula.reads.size(); ++r) {
                if (!known[size_t(e->formula.reads[r])]) {
                    ++open;
                    unknown = e->formula.reads[r];
                    at = r;
                }
            }
            if (!known[size_t(e->symbol)] && open == 0)
                progress |= take({Step::Computed, e->symbol, &e->formula, -1, e->symbol},
                                 e->formula.code.run(value.data()));
            else if (known[size_t(e->symbol)] && open == 1 && e->solved[at])
                progress |= take({Step::Rearranged, unknown, &*e->solved[at], -1, e->symbol},
                                 e->solved[at]->code.run(value.data()));
        }
    }
    // A given that the others already fix otherwise: the givens disagree,
    // however few they are (a cylinder's r = 10 and d = 5).
    for (const Equation* e : equations) {
        if (!g.is[size_t(e->symbol)] ||
            !std::all_of(e->formula.reads.begin(), e->formula.reads.end(),
                         [&](int r) { return known[size_t(r)] != 0; }))
            continue;
        const double follows = e->formula.code.run(value.data());
        if (std::isfinite(follows) && !agree(follows, g.value[size_t(e->symbol)]))
            contradicting.insert(d.symbols[e->symbol], follows);
    }
    if (!contradicting.isEmpty() || moves.empty())
        return {};
    // Computed once more with the checked arithmetic, as a solution is: a
    // quantity computed forwards as the calculator computes it, where its
    // own relation reads only what is known.
    std::vector<double> checked = g.value;
    const Computed env(d, checked);
    Solution s;
    for (const Move& m : moves) {
        const Term* own = m.kind == Step::Computed ? d.body->formula(d.symbols[m.symbol]) : nullptr;
        if (own) {
            const QStringList reads = own->quantities();
            if (!std::all_of(reads.begin(), reads.end(), [&](const QString& r) {
                    return !std::isnan(checked[size_t(d.number(r))]);
                }))
                own = nullptr;
        }
        try {
            const double v = (own ? *own : m.formula->term).evaluate(env).value();
            if (!admissible(d, plain, m.symbol, v))
                break;
            checked[size_t(m.symbol)] = v;
        } catch (const rt::Error&) {
            break;
        }
        s.steps.push_back(step(d, m));
    }
    if (s.steps.empty())
        return {};
    for (int k = 0; k < d.quantities; ++k) {
        if (!std::isnan(checked[size_t(k)]))
            s.values.insert(d.symbols[k], checked[size_t(k)]);
    }
    s.found = s.values;
    return s;
}

// The prepared bodies of the program's list, made once.
const std::vector<Prepared>& preparedBodies()
{
    static const std::vector<Prepared> all = [] {
        std::vector<Prepared> out;
        for (const Body* b : bodies())
            out.push_back(prepare(*b));
        return out;
    }();
    return all;
}

} // namespace

std::vector<QStringList> givenSets(const Body& body)
{
    QStringList free;
    for (const Quantity& q : body.quantities) {
        if (!body.alwaysGiven.contains(q.symbol))
            free << q.symbol;
    }
    const int n = int(free.size());
    const int k = int(body.dimensions.size() - body.alwaysGiven.size());
    std::vector<QStringList> sets;
    if (k < 0 || k > n)
        return sets;
    // Every choice of k of them, in the order of the binary numbers whose
    // set bits they are: the last quantity's place counts most.
    std::vector<int> pick(static_cast<size_t>(k));
    for (int i = 0; i < k; ++i)
        pick[size_t(i)] = i;
    for (;;) {
        QStringList set = body.alwaysGiven;
        int dimensions = 0;
        for (const int i : pick) {
            set << free[i];
            dimensions += body.isDimension(free[i]) ? 1 : 0;
        }
        if (dimensions >= body.leastDimensions)
            sets.push_back(set);
        int i = 0;
        while (i < k && pick[size_t(i)] + 1 == (i + 1 < k ? pick[size_t(i) + 1] : n))
            ++i;
        if (i == k)
            break;
        ++pick[size_t(i)];
        for (int j = 0; j < i; ++j)
            pick[size_t(j)] = j;
    }
    return sets;
}

bool agree(double a, double b)
{
    return std::fabs(a - b) <= 5e-9 * std::max(std::fabs(a), std::fabs(b));
}

Answer solve(const Body& body, const Values& givens)
{
    for (const Prepared& p : preparedBodies()) {
        if (p.body == &body)
            return solve(p, givens);
    }
    // A variant lives as long as the program (variants.h): prepared once too.
    if (body.plain) {
        static std::mutex guard;
        static QHash<const Body*, Prepared> variants;
        Prepared p;
        {
            const std::lock_guard<std::mutex> lock(guard);
            auto it = variants.find(&body);
            if (it == variants.end())
                it = variants.insert(&body, prepare(body));
            p = *it;
        }
        return solve(p, givens);
    }
    return solve(prepare(body), givens);
}

Answer solve(const Prepared& prepared, const Values& givens)
{
    const Data& d = *prepared.data;
    const Body& body = *d.body;
    Answer answer;
    const Given g(d, givens);
    // A given value out of its range: no solid, whatever the others say.
    const Network& plain = d.networks.front();
    for (const int k : g.list) {
        if (!admissible(d, plain, k, g.value[size_t(k)])) {
            answer.status = Answer::NoSolid;
            answer.invalid =
                Answer::Invalid{d.symbols[k], Term::quantity(d.symbols[k]), g.value[size_t(k)]};
            return answer;
        }
    }

    // Too few: a dimension that must always be given, or givens that fix
    // fewer dimensions than the body has. The derivatives depend on the
    // prism's corners, not on the other values.
    double corners = d.defaultCount;
    for (const int k : d.dimensions) {
        if (d.alwaysGiven[size_t(k)] && g.is[size_t(k)])
            corners = g.value[size_t(k)];
    }
    const bool usual =
        corners >= 3 && corners < 3 + double(d.byCorners.size()) && corners == std::floor(corners);
    const int fixed = corners == d.defaultCount ? rank(d, d.slopes, g.list)
                      : usual                   ? rank(d, d.byCorners[size_t(corners) - 3], g.list)
                                                : rank(d, slopes(d, corners), g.list);
    Bits reached(d.size);
    for (const int k : g.list)
        reached |= d.reaches[size_t(k)];
    for (const QString& s : body.alwaysGiven) {
        if (!g.is[size_t(d.number(s))])
            answer.open << s;
    }
    if (!answer.open.isEmpty() || fixed < int(body.dimensions.size())) {
        for (const int k : d.dimensions) {
            if (!reached.test(k) && !answer.open.contains(d.symbols[k]))
                answer.open << d.symbols[k];
        }
        answer.status = Answer::Missing;
        answer.lacking = std::max(int(body.dimensions.size()) - fixed, int(answer.open.size()));
        answer.partial = partial(d, g, answer.contradicting);
        if (!answer.contradicting.isEmpty()) {
            answer.status = Answer::Contradiction;
            answer.open.clear();
            answer.lacking = 0;
        }
        return answer;
    }

    int dimensionsGiven = 0;
    for (const int k : d.free)
        dimensionsGiven += g.is[size_t(k)];
    if (dimensionsGiven < body.leastDimensions) {
        answer.status = Answer::Unsolved;
        answer.reason = body.combinations;
        return answer;
    }

    std::optional<Answer> unsolved;
    for (const Network& net : d.networks) {
        Answer attempt;
        Search search(d, net, g);
        State start{g.value, g.is, std::vector<char>(net.equations.size(), 0), {}};
        search.run(start);
        if (search.done.empty() && search.trouble.stuck)
            continue;

        // Each way to a solution, computed once more as the calculators compute.
        Trouble& trouble = search.trouble;
        struct Kept {
            std::vector<double> values;
            const State* state;
        };
        std::vector<Kept> kept;
        for (const State& st : search.done) {
            std::vector<double> v(size_t(d.size), kNaN);
            for (const int k : d.dimensions)
                v[size_t(k)] = st.value[size_t(k)];
            const std::vector<double> found = v;
            refine(d, g, v);
            // Written with the first not less than the second, unless the user
            // named one of them.
            if (d.first >= 0 && !g.is[size_t(d.first)] && !g.is[size_t(d.second)] &&
                v[size_t(d.first)] < v[size_t(d.second)])
                std::swap(v[size_t(d.first)], v[size_t(d.second)]);
            try {
                const Computed env(d, v);
                for (const Relation& r : body.relations)
                    v[size_t(d.number(r.symbol))] = r.formula.evaluate(env).value();
            } catch (const rt::Error& e) {
                trouble.error = e.message();
                continue;
            }
            const auto failed = std::find_if(d.conditions.begin(), d.conditions.end(),
                                             [&](const Check& c) { return !c.holds(v.data()); });
            if (failed != d.conditions.end()) {
                trouble.reason = failed->condition->reason;
                continue;
            }
            bool inRange = true;
            for (int k = 0; k < d.quantities && inRange; ++k)
                inRange = admissible(d, net, k, v[size_t(k)]);
            if (!inRange)
                continue;
            Values disagreeing;
            for (const int k : g.list) {
                if (!agree(v[size_t(k)], g.value[size_t(k)]))
                    disagreeing.insert(d.symbols[k], v[size_t(k)]);
            }
            if (!disagreeing.isEmpty()) {
                // Said with the values that follow from the givens this way
                // used, not from the compromise that Newton's steps find
                // between givens that disagree.
                if (trouble.contradicting.isEmpty()) {
                    std::vector<double> way = found;
                    d.run(way);
                    Values following;
                    for (const int k : g.list) {
                        if (!agree(way[size_t(k)], g.value[size_t(k)]))
                            following.insert(d.symbols[k], way[size_t(k)]);
                    }
                    trouble.contradicting = following.isEmpty() ? disagreeing : following;
                }
                continue;
            }
            const bool seen = std::any_of(kept.begin(), kept.end(), [&](const Kept& other) {
                return same(d, other.values, v);
            });
            if (!seen)
                kept.push_back({std::move(v), &st});
        }
        std::sort(kept.begin(), kept.end(), [&](const Kept& a, const Kept& b) {
            for (const int k : d.dimensions) {
                if (a.values[size_t(k)] != b.values[size_t(k)])
                    return a.values[size_t(k)] < b.values[size_t(k)];
            }
            return false;
        });
        if (!kept.empty()) {
            attempt.status = Answer::Solved;
            for (const Kept& k : kept) {
                Solution s;
                s.values = named(d, k.values, d.quantities);
                for (const Move& m : k.state->moves)
                    s.steps.push_back(step(d, m));
                s.found = givens;
                for (int q = 0; q < d.size; ++q) {
                    if (k.state->known[size_t(q)] && !g.is[size_t(q)])
                        s.found.insert(d.symbols[q], k.state->value[size_t(q)]);
                }
                if (net.chart)
                    s.chart = net.chart->note;
                attempt.solutions.push_back(std::move(s));
            }
            return attempt;
        }
        if (!trouble.contradicting.isEmpty()) {
            attempt.status = Answer::Contradiction;
            attempt.contradicting = trouble.contradicting;
        } else {
            attempt.status = Answer::NoSolid;
            // A condition the givens break, said in its own words.
            for (const Check& c : d.conditions) {
                if (std::all_of(c.reads.begin(), c.reads.end(),
                                [&](int r) { return g.is[size_t(r)]; }) &&
                    !c.holds(g.value.data())) {
                    attempt.reason = c.condition->reason;
                    break;
                }
            }
            if (attempt.reason.isEmpty())
                attempt.reason = trouble.reason.isEmpty() ? trouble.error : trouble.reason;
            attempt.bound = trouble.bound;
            attempt.invalid = trouble.invalid;
        }
        // A search that found nothing in one choice of dimensions may find
        // the solid in another, where no narrow domain hides it; the first
        // choice's reason stands if none does. Where no search was needed,
        // the steps gave the one candidate there is, and no other choice
        // finds another.
        if (!search.searched && !unsolved)
            return attempt;
        if (!unsolved)
            unsolved = std::move(attempt);
    }
    if (unsolved)
        return *unsolved;
    answer.status = Answer::Unsolved;
    return answer;
}

} // namespace model
