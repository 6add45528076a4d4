#include "solver.h"

#include "numbers/errors.h"
#include "roots.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <tuple>

// The solver works in tiers. A relation whose one unknown quantity occurs in
// it once is solved for it symbolically; a closed form a pupil expects is
// taken where its givens are there. A relation left with one unknown that
// occurs more than once is solved by search, and so is a coupled pair: one
// dimension is tried at values on a logarithmic grid scaled from the givens,
// the others follow from it step by step, and a relation left over must hold.
// Every sign change of what is left over is polished with TOMS 748, and every
// solution found is computed once more with the checked arithmetic.
namespace model {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Equation {
    QString symbol;
    Term formula; // reading the quantities it ties together by reference
    QStringList refs;
};

// The body seen through one choice of free dimensions.
struct Network {
    const Body* body = nullptr;
    const Chart* chart = nullptr;
    QStringList dimensions;
    QHash<QString, Dimension> kinds;
    std::vector<Equation> equations;
    QHash<QString, int> places; // every symbol's place in a search's array
    QStringList symbols;        // every symbol, in order

    // Equation i solved for one of its quantities, worked out once.
    const std::optional<Term>& solvedFor(size_t i, const QString& unknown) const
    {
        const auto key = std::make_pair(i, unknown);
        auto it = solved.find(key);
        if (it == solved.end())
            it = solved
                     .emplace(key, equations[i].formula.solvedFor(
                                       unknown, Term::quantity(equations[i].symbol)))
                     .first;
        return it->second;
    }
    mutable std::map<std::pair<size_t, QString>, std::optional<Term>> solved;
};

Network network(const Body& body, const Chart* chart)
{
    Network net;
    net.body = &body;
    net.chart = chart;
    QSet<QString> names;
    for (const Quantity& q : body.quantities) {
        names.insert(q.symbol);
        net.kinds.insert(q.symbol, q.dimension);
    }
    if (chart) {
        for (const Quantity& d : chart->dimensions) {
            names.insert(d.symbol);
            net.kinds.insert(d.symbol, d.dimension);
            net.dimensions << d.symbol;
        }
    } else {
        net.dimensions = body.dimensions;
    }
    QSet<QString> defined;
    const auto add = [&](const Relation& r) {
        if (defined.contains(r.symbol) || net.dimensions.contains(r.symbol))
            return;
        Equation e{r.symbol, r.formula.referencing(names), {}};
        e.refs = e.formula.quantities();
        net.equations.push_back(e);
        defined.insert(r.symbol);
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
        const Dimension k = net.kinds.value(e.symbol, Dimension::Length);
        return k == Dimension::Volume ? 0 : k == Dimension::Area ? 1 : 2;
    };
    std::stable_sort(net.equations.begin(), net.equations.end(),
                     [&](const Equation& a, const Equation& b) { return rank(a) < rank(b); });
    for (auto it = net.kinds.constBegin(); it != net.kinds.constEnd(); ++it)
        net.places.insert(it.key(), 0);
    net.symbols = net.places.keys();
    net.symbols.sort();
    for (int i = 0; i < int(net.symbols.size()); ++i)
        net.places.insert(net.symbols[i], i);
    return net;
}

// A body's networks are made once: they depend on nothing but the body.
const Network& networkOf(const Body& body, const Chart* chart)
{
    static std::map<std::pair<const Body*, const Chart*>, Network> made;
    const auto key = std::make_pair(&body, chart);
    auto it = made.find(key);
    if (it == made.end())
        it = made.emplace(key, network(body, chart)).first;
    return it->second;
}

struct State {
    Values known;
    std::vector<bool> used;
    std::vector<Step> steps;
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

double lookup(const Values& values, const QString& symbol)
{
    const auto it = values.constFind(symbol);
    return it == values.constEnd() ? kNaN : *it;
}

double approximate(const Term& t, const Values& values)
{
    return t.approximate([&](const QString& s) { return lookup(values, s); });
}

bool admissible(const Network& net, const QString& symbol, double v)
{
    if (!std::isfinite(v))
        return false;
    const Dimension kind = net.kinds.value(symbol, Dimension::Length);
    if (kind.angle)
        return v > 0 && v < (net.dimensions.contains(symbol) ? 180 : 360);
    if (kind.count)
        return v >= 3 && v == std::floor(v);
    return v > 0;
}

bool holds(const Condition& c, const Values& values)
{
    return c.holdsFor(approximate(c.left, values), approximate(c.right, values));
}

// The length that the givens suggest: the search grid is laid around it.
double scale(const Network& net, const Values& known)
{
    double logs = 0;
    int n = 0;
    // In a fixed order, so that the grid does not move with the hash's seed.
    for (const QString& symbol : net.symbols) {
        const auto it = known.constFind(symbol);
        if (it == known.constEnd())
            continue;
        const double v = *it;
        if (!(v > 0) || !std::isfinite(v))
            continue;
        // Pure powers of a length only: a mass or a density says nothing
        // of a size on its own.
        const Dimension kind = net.kinds.value(symbol, Dimension::Count);
        if (kind.length <= 0 || kind.mass != 0 || kind.money != 0 || kind.angle || kind.count)
            continue;
        logs += std::log(v) / kind.length;
        ++n;
    }
    return n ? std::exp(logs / n) : 1.0;
}

int power(Dimension kind)
{
    return kind == Dimension::Area ? 2 : kind == Dimension::Volume ? 3 : 1;
}

class Search {
public:
    Search(const Network& net, const Values& givens)
        : net_(net)
        , givens_(givens)
    {
    }

    void run(State st);

    std::vector<State> done;
    Trouble trouble;

private:
    bool known(const State& st, const QString& s) const { return st.known.contains(s); }
    QStringList unknownRefs(const State& st, const Equation& e) const;
    bool propagate(State& st, bool validate, bool dimensionsOnly = false);
    bool complete(const State& st) const;
    void searchOne(State& st, int equation, const QString& unknown);
    bool searchCoupled(State& st);
    void noRoot(const Scan& scan, const QString& symbol, const QStringList& by);
    std::pair<double, double> range(const State& st, const QString& symbol) const;
    // The givens of the unknown's kind: where its domain may end.
    std::vector<double> marks(const QString& unknown) const
    {
        std::vector<double> out;
        const Dimension kind = net_.kinds.value(unknown, Dimension::Count);
        if (kind == Dimension::Angle || kind == Dimension::Count)
            return out;
        for (auto it = givens_.constBegin(); it != givens_.constEnd(); ++it) {
            if (net_.kinds.value(it.key(), Dimension::Count) == kind)
                out.push_back(it.value());
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    // The known values in the network's places, NaN for the rest.
    std::vector<double> places(const State& st) const
    {
        std::vector<double> v(size_t(net_.places.size()), kNaN);
        for (auto it = st.known.constBegin(); it != st.known.constEnd(); ++it) {
            const auto slot = net_.places.constFind(it.key());
            if (slot != net_.places.constEnd())
                v[size_t(*slot)] = it.value();
        }
        return v;
    }
    Compiled compiled(const Term& t) const
    {
        return t.compile([this](const QString& s) { return net_.places.value(s, 0); });
    }

    const Network& net_;
    const Values& givens_;
};

QStringList Search::unknownRefs(const State& st, const Equation& e) const
{
    QStringList out;
    for (const QString& r : e.refs) {
        if (!known(st, r))
            out << r;
    }
    return out;
}

bool Search::complete(const State& st) const
{
    for (const QString& d : net_.dimensions) {
        if (!known(st, d))
            return false;
    }
    return true;
}

// Closed forms, then relations evaluated forwards or solved for their one
// unknown, until nothing more follows. With `validate`, a value out of its
// range ends this way to a solution.
bool Search::propagate(State& st, bool validate, bool dimensionsOnly)
{
    for (bool progress = true; progress;) {
        progress = false;
        if (!net_.chart) {
            for (const Shortcut& sc : net_.body->shortcuts) {
                if (known(st, sc.symbol) ||
                    !std::all_of(sc.givens.begin(), sc.givens.end(),
                                 [&](const QString& g) { return givens_.contains(g); }))
                    continue;
                const double v = approximate(sc.formula, st.known);
                if (validate && !admissible(net_, sc.symbol, v))
                    return false;
                st.known.insert(sc.symbol, v);
                st.steps.push_back({Step::Shortcut, sc.symbol, {}, sc.formula, {}});
                progress = true;
            }
        }
        for (size_t i = 0; i < net_.equations.size(); ++i) {
            if (st.used[i])
                continue;
            const Equation& e = net_.equations[i];
            const QStringList open = unknownRefs(st, e);
            if (!known(st, e.symbol) && open.isEmpty()) {
                const double v = approximate(e.formula, st.known);
                if (validate && !admissible(net_, e.symbol, v))
                    return false;
                st.known.insert(e.symbol, v);
                st.used[i] = true;
                st.steps.push_back({Step::Computed, e.symbol, e.symbol, e.formula, {}});
                progress = true;
            } else if (known(st, e.symbol) && open.size() == 1 &&
                       (!dimensionsOnly || net_.dimensions.contains(open.front()))) {
                const std::optional<Term>& solved = net_.solvedFor(i, open.front());
                if (!solved)
                    continue;
                const double v = approximate(*solved, st.known);
                if (validate && !admissible(net_, open.front(), v)) {
                    if (!trouble.invalid)
                        trouble.invalid = Answer::Invalid{open.front(), *solved, v};
                    return false;
                }
                st.known.insert(open.front(), v);
                st.used[i] = true;
                st.steps.push_back({Step::Rearranged, open.front(), e.symbol, *solved, {}});
                progress = true;
                // From the top again: the relations are tried in their order
                // of preference, volumes first.
                break;
            }
        }
    }
    return true;
}

std::pair<double, double> Search::range(const State& st, const QString& symbol) const
{
    const Dimension kind = net_.kinds.value(symbol, Dimension::Length);
    if (kind == Dimension::Angle)
        return {1e-9, 180 - 1e-9};
    const double p = power(kind), l = scale(net_, st.known);
    return {std::pow(l * 1e-9, p), std::pow(l * 1e9, p)};
}

void Search::noRoot(const Scan& scan, const QString& symbol, const QStringList& by)
{
    if (trouble.bound || scan.sign == 0 || !givens_.contains(symbol))
        return;
    const double given = givens_.value(symbol);
    trouble.bound = Answer::Bound{symbol, given + scan.extreme, scan.sign > 0, by};
}

// A relation with one unknown that it reads more than once.
void Search::searchOne(State& st, int equation, const QString& unknown)
{
    const Equation& e = net_.equations[equation];
    const double target = st.known.value(e.symbol);
    std::vector<double> work = places(st);
    const int at = net_.places.value(unknown);
    const Compiled formula = compiled(e.formula);
    const auto f = [&](double x) {
        work[size_t(at)] = x;
        return formula.run(work.data()) - target;
    };
    const auto [lo, hi] = range(st, unknown);
    const Scan scan = roots(f, lo, hi, net_.kinds.value(unknown) != Dimension::Angle,
                            marks(unknown), std::fabs(target));
    QStringList by;
    for (const QString& r : e.refs) {
        if (r != unknown)
            by << r;
    }
    if (scan.roots.empty())
        noRoot(scan, e.symbol, by);
    for (double x : scan.roots) {
        if (!admissible(net_, unknown, x))
            continue;
        State branch = st;
        branch.known.insert(unknown, x);
        branch.used[equation] = true;
        branch.steps.push_back({Step::Numeric, unknown, {}, {}, {e.symbol}});
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
    for (const QString& u : net_.dimensions) {
        if (known(st, u))
            continue;
        // Which relations give what, once u is known: found with a trial
        // value, since that does not depend on the value.
        // Solving for dimensions alone first, so that what is left over is a
        // given, and a search that finds nothing can say how far it is off.
        State plan;
        int residual = -1;
        for (const bool dimensionsOnly : {true, false}) {
            plan = st;
            plan.known.insert(u, range(st, u).second);
            plan.steps.clear();
            propagate(plan, false, dimensionsOnly);
            residual = -1;
            for (int pass = 0; pass < 2 && residual < 0; ++pass) {
                for (size_t i = 0; i < net_.equations.size() && residual < 0; ++i) {
                    const Equation& e = net_.equations[i];
                    if (!plan.used[i] && known(plan, e.symbol) && unknownRefs(plan, e).isEmpty() &&
                        !e.refs.isEmpty() && (pass == 1 || givens_.contains(e.symbol)))
                        residual = int(i);
                }
            }
            if (residual >= 0)
                break;
        }
        if (residual < 0)
            continue;
        const Equation& e = net_.equations[residual];
        // Only the steps the left-over relation needs are repeated at every trial.
        QSet<QString> needed(e.refs.begin(), e.refs.end());
        needed.insert(e.symbol);
        std::vector<Step> steps;
        for (auto step = plan.steps.rbegin(); step != plan.steps.rend(); ++step) {
            if (!needed.contains(step->symbol))
                continue;
            for (const QString& q : step->formula.quantities())
                needed.insert(q);
            steps.insert(steps.begin(), *step);
        }
        plan.steps = steps;
        std::vector<double> work = places(st);
        std::vector<std::pair<size_t, Compiled>> program;
        for (const Step& step : plan.steps)
            program.emplace_back(size_t(net_.places.value(step.symbol)), compiled(step.formula));
        const Compiled left = compiled(e.formula);
        const size_t at = size_t(net_.places.value(u)), right = size_t(net_.places.value(e.symbol));
        const auto f = [&](double x) {
            work[at] = x;
            for (const auto& [slot, code] : program)
                work[slot] = code.run(work.data());
            return left.run(work.data()) - work[right];
        };
        const auto [lo, hi] = range(st, u);
        const Scan scan = roots(f, lo, hi, net_.kinds.value(u) != Dimension::Angle, marks(u),
                                std::fabs(lookup(st.known, e.symbol)));
        QStringList equations;
        for (const Step& step : plan.steps) {
            if (step.kind == Step::Rearranged)
                equations << step.relation;
        }
        equations << e.symbol;
        if (scan.roots.empty()) {
            QStringList by;
            for (const QString& g : equations) {
                if (g != e.symbol && givens_.contains(g))
                    by << g;
            }
            noRoot(scan, e.symbol, by);
            planned = true;
            continue;
        }
        for (double x : scan.roots) {
            State branch = st;
            branch.known.insert(u, x);
            bool fine = admissible(net_, u, x);
            branch.steps.push_back({Step::Numeric, u, {}, {}, equations});
            for (const Step& step : plan.steps) {
                const double v = approximate(step.formula, branch.known);
                fine = fine && admissible(net_, step.symbol, v);
                branch.known.insert(step.symbol, v);
                branch.steps.push_back(step);
            }
            for (const Step& step : plan.steps) {
                for (size_t i = 0; i < net_.equations.size(); ++i) {
                    if (!step.relation.isEmpty() && net_.equations[i].symbol == step.relation)
                        branch.used[i] = true;
                }
            }
            branch.used[residual] = true;
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
        if (st.used[i] || !known(st, e.symbol))
            continue;
        const QStringList open = unknownRefs(st, e);
        if (open.size() == 1 && net_.kinds.value(open.front()) != Dimension::Count) {
            searchOne(st, int(i), open.front());
            return;
        }
    }
    if (!searchCoupled(st))
        trouble.stuck = true;
}

// The quantities' values as a calculator computes them from the dimensions.
class Computed final : public Environment {
public:
    explicit Computed(Values& values)
        : values_(values)
    {
    }
    rt::Real value(const QString& symbol) const override { return values_.value(symbol); }
    rt::Real shown(const QString& symbol) const override
    {
        // As written with 15 significant digits and read back.
        const QLocale c = QLocale::c();
        return rt::toNumber(rt::toText(values_.value(symbol), c), c);
    }

private:
    Values& values_;
};

QSet<QString> dependencies(const Body& body, const QString& symbol)
{
    if (body.isDimension(symbol))
        return {symbol};
    QSet<QString> deps;
    if (const Term* f = body.formula(symbol)) {
        for (const QString& s : f->quantities()) {
            if (s != symbol)
                deps.unite(dependencies(body, s));
        }
    }
    return deps;
}

const QSet<QString>& dependenciesOnce(const Body& body, const QString& symbol)
{
    static std::map<std::pair<const Body*, QString>, QSet<QString>> known;
    const auto key = std::make_pair(&body, symbol);
    auto it = known.find(key);
    if (it == known.end())
        it = known.emplace(key, dependencies(body, symbol)).first;
    return it->second;
}

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

// A body's relations as short programs over numbered slots, made once: the
// Newton steps below run them many times.
struct Program {
    QHash<QString, int> places;
    std::vector<std::pair<size_t, Compiled>> steps;

    // Every relation's value from the dimensions in their places.
    void run(std::vector<double>& values) const
    {
        for (const auto& [slot, code] : steps)
            values[slot] = code.run(values.data());
    }
};

const Program& programOf(const Body& body)
{
    static std::map<const Body*, Program> made;
    auto it = made.find(&body);
    if (it == made.end()) {
        Program p;
        for (const Quantity& q : body.quantities)
            p.places.insert(q.symbol, int(p.places.size()));
        for (const Relation& r : body.relations) {
            p.steps.emplace_back(size_t(p.places.value(r.symbol)),
                                 r.formula.compile([&](const QString& symbol) {
                                     return p.places.value(symbol, 0);
                                 }));
        }
        it = made.emplace(&body, std::move(p)).first;
    }
    return it->second;
}

// The quantities of a solid, computed without checks from its dimensions.
Values forward(const Body& body, const Values& dims)
{
    const Program& program = programOf(body);
    std::vector<double> v(size_t(program.places.size()), kNaN);
    for (auto it = dims.constBegin(); it != dims.constEnd(); ++it)
        v[size_t(program.places.value(it.key()))] = it.value();
    program.run(v);
    Values all;
    for (auto it = program.places.constBegin(); it != program.places.constEnd(); ++it)
        all.insert(it.key(), v[size_t(it.value())]);
    return all;
}

// A root found through a helper quantity or a long chain of steps may be a
// few units off in its last digits: Newton's method on the givens themselves,
// kept only where it brings them closer, takes it to what a double can hold.
void refine(const Body& body, const Values& givens, Values& dims)
{
    const Program& program = programOf(body);
    std::vector<size_t> free, given;
    for (const QString& d : body.dimensions) {
        if (!givens.contains(d))
            free.push_back(size_t(program.places.value(d)));
    }
    std::vector<double> target;
    for (const Quantity& q : body.quantities) {
        if (givens.contains(q.symbol) && !body.isDimension(q.symbol)) {
            given.push_back(size_t(program.places.value(q.symbol)));
            target.push_back(givens.value(q.symbol));
        }
    }
    if (free.empty() || given.size() < free.size())
        return;
    std::vector<double> x(size_t(program.places.size()), kNaN);
    for (const QString& d : body.dimensions)
        x[size_t(program.places.value(d))] = dims.value(d);
    const auto misfit = [&](std::vector<double> v, std::vector<double>& f) {
        program.run(v);
        double sum = 0;
        f.clear();
        for (size_t i = 0; i < given.size(); ++i) {
            f.push_back(v[given[i]] / target[i] - 1);
            sum += f.back() * f.back();
        }
        return sum;
    };
    std::vector<double> f;
    double error = misfit(x, f);
    // Below 1e-30 the givens are as close as their digits go.
    for (int iteration = 0; iteration < 3 && error >= 1e-30 && std::isfinite(error); ++iteration) {
        std::vector<std::vector<double>> jacobian(given.size(), std::vector<double>(free.size()));
        for (size_t j = 0; j < free.size(); ++j) {
            std::vector<double> moved = x;
            const double at = x[free[j]], h = 1e-7 * at;
            moved[free[j]] = at + h;
            std::vector<double> fm;
            misfit(moved, fm);
            for (size_t i = 0; i < f.size(); ++i)
                jacobian[i][j] = (fm[i] - f[i]) / (h / at);
        }
        std::vector<double> step(free.size()), minus(f.size());
        for (size_t i = 0; i < f.size(); ++i)
            minus[i] = -f[i];
        if (!leastSquares(jacobian, minus, step))
            break;
        std::vector<double> next = x;
        for (size_t j = 0; j < free.size(); ++j)
            next[free[j]] = x[free[j]] * (1 + step[j]);
        std::vector<double> fn;
        const double e = misfit(next, fn);
        if (!(e < error))
            break;
        x = next;
        error = e;
        f = fn;
    }
    // Where a rounder value gives the givens back as well, it is the better
    // guess: an exercise's 3 rather than 3.0000000000000058, and its cube of
    // edge 2 rather than 2.00001 × 2.00001 × 1.99998, which a triple root
    // leaves as uncertain as that.
    if (std::isfinite(error)) {
        for (const int digits : {3, 6, 9, 12, 14}) {
            std::vector<double> round = x;
            for (const size_t slot : free) {
                char text[32];
                const auto written = std::to_chars(text, text + sizeof text, x[slot],
                                                   std::chars_format::general, digits);
                std::from_chars(text, written.ptr, round[slot]);
            }
            if (round == x)
                continue;
            std::vector<double> fr;
            if (misfit(round, fr) <= error) {
                x = round;
                break;
            }
        }
    }
    for (const QString& d : body.dimensions)
        dims.insert(d, x[size_t(program.places.value(d))]);
}

int rank(const Body& body, const QStringList& given, const Values& givens);

// The rank depends on which quantities are given (and the prism's corners),
// not on their values: it is worked out once for each such set.
int rankOnce(const Body& body, const QStringList& given, const Values& givens)
{
    static std::map<std::tuple<const Body*, QStringList, double>, int> known;
    const double corners = body.alwaysGiven.isEmpty() ? 0 : givens.value(body.alwaysGiven[0]);
    const auto key = std::make_tuple(&body, given, corners);
    auto it = known.find(key);
    if (it == known.end())
        it = known.emplace(key, rank(body, given, givens)).first;
    return it->second;
}

// How many of the free dimensions the givens fix: the rank of their
// derivatives by the dimensions, at two ordinary solids of the body. A count
// of givens is not enough: a cuboid's O, G and M tie only two of its three
// edges, since O = 2 · G + M.
int rank(const Body& body, const QStringList& given, const Values& givens)
{
    QStringList free;
    for (const QString& d : body.dimensions) {
        if (!body.alwaysGiven.contains(d))
            free << d;
    }
    int best = 0;
    const double lengths[2][4] = {{2.9, 1.3, 1.9, 2.3}, {3.1, 1.7, 1.1, 2.2}};
    const double angles[2][3] = {{71, 83, 77}, {64, 95, 88}};
    for (int point = 0; point < 2; ++point) {
        Values at;
        int l = 0, a = 0;
        for (const QString& d : body.dimensions) {
            const Dimension kind = body.quantity(d)->dimension;
            at.insert(d, kind == Dimension::Count   ? givens.value(d, 5)
                         : kind == Dimension::Angle ? angles[point][a++ % 3]
                                                    : lengths[point][l++ % 4]);
        }
        // Relative derivatives by central differences: one row per given.
        const Values here = forward(body, at);
        std::vector<std::vector<double>> rows;
        for (const QString& g : given) {
            if (!body.alwaysGiven.contains(g))
                rows.emplace_back();
        }
        for (const QString& d : free) {
            const double x = at.value(d), h = 1e-6 * x;
            Values up = at, down = at;
            up.insert(d, x + h);
            down.insert(d, x - h);
            const Values above = forward(body, up), below = forward(body, down);
            size_t row = 0;
            for (const QString& g : given) {
                if (body.alwaysGiven.contains(g))
                    continue;
                rows[row++].push_back((above.value(g) - below.value(g)) / (2 * h) * x /
                                      here.value(g));
            }
        }
        // Gaussian elimination with the largest pivot first.
        int r = 0;
        for (int c = 0; c < int(free.size()) && r < int(rows.size()); ++c) {
            size_t pivot = size_t(r);
            for (size_t i = size_t(r); i < rows.size(); ++i) {
                if (std::fabs(rows[i][c]) > std::fabs(rows[pivot][c]))
                    pivot = i;
            }
            if (!(std::fabs(rows[pivot][c]) > 1e-6))
                continue;
            std::swap(rows[pivot], rows[r]);
            for (size_t i = size_t(r) + 1; i < rows.size(); ++i) {
                const double factor = rows[i][c] / rows[r][c];
                for (int j = c; j < int(free.size()); ++j)
                    rows[i][j] -= factor * rows[r][j];
            }
            ++r;
        }
        best = std::max(best, r);
    }
    return best + int(body.alwaysGiven.size());
}

// Two ways to one solid: within a 1e-4th, as near as a root found two or
// three times over lets its ways come apart.
bool same(const Solution& a, const Solution& b, const QStringList& dims)
{
    return std::all_of(dims.begin(), dims.end(), [&](const QString& d) {
        return std::fabs(a.values.value(d) - b.values.value(d)) <=
               1e-4 * std::fabs(b.values.value(d));
    });
}

} // namespace

std::vector<QStringList> givenSets(const Body& body)
{
    QStringList free;
    for (const Quantity& q : body.quantities) {
        if (!body.alwaysGiven.contains(q.symbol))
            free << q.symbol;
    }
    const int k = int(body.dimensions.size() - body.alwaysGiven.size());
    std::vector<QStringList> sets;
    for (unsigned mask = 0; mask < (1u << free.size()); ++mask) {
        if (std::popcount(mask) != k)
            continue;
        QStringList set = body.alwaysGiven;
        int dimensions = 0;
        for (int i = 0; i < int(free.size()); ++i) {
            if (mask & (1u << i)) {
                set << free[i];
                dimensions += body.isDimension(free[i]) ? 1 : 0;
            }
        }
        if (dimensions >= body.leastDimensions)
            sets.push_back(set);
    }
    return sets;
}

bool agree(double a, double b)
{
    return std::fabs(a - b) <= 5e-9 * std::max(std::fabs(a), std::fabs(b));
}

Answer solve(const Body& body, const Values& givens)
{
    Answer answer;
    // A given value out of its range: no solid, whatever the others say.
    const Network& plain = networkOf(body, nullptr);
    for (const Quantity& q : body.quantities) {
        if (givens.contains(q.symbol) && !admissible(plain, q.symbol, givens.value(q.symbol))) {
            answer.status = Answer::NoSolid;
            answer.invalid =
                Answer::Invalid{q.symbol, Term::quantity(q.symbol), givens.value(q.symbol)};
            return answer;
        }
    }
    const QStringList given = [&] {
        QStringList g;
        for (const Quantity& q : body.quantities) {
            if (givens.contains(q.symbol))
                g << q.symbol;
        }
        return g;
    }();

    // Too few: a dimension that must always be given, or givens that fix
    // fewer dimensions than the body has.
    const int fixed = rankOnce(body, given, givens);
    QSet<QString> reached;
    for (const QString& g : given)
        reached.unite(dependenciesOnce(body, g));
    for (const QString& d : body.alwaysGiven) {
        if (!givens.contains(d))
            answer.open << d;
    }
    if (!answer.open.isEmpty() || fixed < int(body.dimensions.size())) {
        for (const QString& d : body.dimensions) {
            if (!reached.contains(d) && !answer.open.contains(d))
                answer.open << d;
        }
        answer.status = Answer::Missing;
        answer.lacking = std::max(int(body.dimensions.size()) - fixed, int(answer.open.size()));
        return answer;
    }

    int dimensionsGiven = 0;
    for (const QString& d : body.dimensions)
        dimensionsGiven += givens.contains(d) && !body.alwaysGiven.contains(d) ? 1 : 0;
    if (dimensionsGiven < body.leastDimensions) {
        answer.status = Answer::Unsolved;
        answer.reason = body.combinations;
        return answer;
    }

    std::vector<const Chart*> charts{nullptr};
    for (const Chart& c : body.charts)
        charts.push_back(&c);
    std::optional<Answer> unsolved;
    for (const Chart* chart : charts) {
        const Network& net = networkOf(body, chart);
        Answer attempt;
        Search search(net, givens);
        State start;
        start.known = givens;
        start.used.assign(net.equations.size(), false);
        search.run(start);
        if (search.done.empty() && search.trouble.stuck)
            continue;

        // Each way to a solution, computed once more as the calculators compute.
        Trouble& trouble = search.trouble;
        for (const State& st : search.done) {
            Values values;
            for (const QString& d : body.dimensions)
                values.insert(d, st.known.value(d));
            const Values found = values;
            refine(body, givens, values);
            // Written with the first not less than the second, unless the user
            // named one of them.
            if (body.interchangeable.size() == 2 && !givens.contains(body.interchangeable[0]) &&
                !givens.contains(body.interchangeable[1])) {
                const QString& first = body.interchangeable[0];
                const QString& second = body.interchangeable[1];
                if (values.value(first) < values.value(second)) {
                    const double v = values.value(first);
                    values.insert(first, values.value(second));
                    values.insert(second, v);
                }
            }
            try {
                Computed env(values);
                for (const Relation& r : body.relations)
                    values.insert(r.symbol, r.formula.evaluate(env).value());
            } catch (const rt::Error& e) {
                trouble.error = e.message();
                continue;
            }
            const auto failed = std::find_if(body.conditions.begin(), body.conditions.end(),
                                             [&](const Condition& c) { return !holds(c, values); });
            if (failed != body.conditions.end()) {
                trouble.reason = failed->reason;
                continue;
            }
            if (!std::all_of(body.quantities.begin(), body.quantities.end(),
                             [&](const Quantity& q) {
                                 return admissible(net, q.symbol, values.value(q.symbol, kNaN));
                             }))
                continue;
            Values disagreeing;
            for (const QString& g : given) {
                if (!agree(values.value(g), givens.value(g)))
                    disagreeing.insert(g, values.value(g));
            }
            if (!disagreeing.isEmpty()) {
                // Said with the values that follow from the givens this way
                // used, not from the compromise that Newton's steps find
                // between givens that disagree.
                if (trouble.contradicting.isEmpty()) {
                    const Values way = forward(body, found);
                    Values following;
                    for (const QString& g : given) {
                        if (!agree(way.value(g), givens.value(g)))
                            following.insert(g, way.value(g));
                    }
                    trouble.contradicting = following.isEmpty() ? disagreeing : following;
                }
                continue;
            }
            Solution s{values, st.steps, st.known, chart ? chart->note : QString()};
            const bool seen =
                std::any_of(attempt.solutions.begin(), attempt.solutions.end(),
                            [&](const Solution& other) { return same(other, s, body.dimensions); });
            if (!seen)
                attempt.solutions.push_back(std::move(s));
        }
        std::sort(attempt.solutions.begin(), attempt.solutions.end(),
                  [&](const Solution& a, const Solution& b) {
                      for (const QString& d : body.dimensions) {
                          if (a.values.value(d) != b.values.value(d))
                              return a.values.value(d) < b.values.value(d);
                      }
                      return false;
                  });
        if (!attempt.solutions.empty()) {
            attempt.status = Answer::Solved;
        } else if (!trouble.contradicting.isEmpty()) {
            attempt.status = Answer::Contradiction;
            attempt.contradicting = trouble.contradicting;
        } else {
            attempt.status = Answer::NoSolid;
            // A condition the givens break, said in its own words.
            for (const Condition& c : body.conditions) {
                const QStringList refs = c.left.quantities() + c.right.quantities();
                if (std::all_of(refs.begin(), refs.end(),
                                [&](const QString& r) { return givens.contains(r); }) &&
                    !holds(c, givens)) {
                    attempt.reason = c.reason;
                    break;
                }
            }
            if (attempt.reason.isEmpty())
                attempt.reason = trouble.reason.isEmpty() ? trouble.error : trouble.reason;
            attempt.bound = trouble.bound;
            attempt.invalid = trouble.invalid;
        }
        if (attempt.status == Answer::Solved)
            return attempt;
        // A search that found nothing in one choice of dimensions may find
        // the solid in another, where no narrow domain hides it; the first
        // choice's reason stands if none does.
        if (!unsolved)
            unsolved = std::move(attempt);
    }
    if (unsolved)
        return *unsolved;
    answer.status = Answer::Unsolved;
    return answer;
}

} // namespace model
