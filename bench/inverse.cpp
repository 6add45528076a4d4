// The inverse solver's benchmark: every set of givens that fixes a body,
// at random dimensions, solved again and again. Prints per body and in all
// the median and the worst time of one solve and the worst backward error:
// how far the shown dimensions, put back into the relations, are from the
// givens.
//
//   bench_inverse [rounds per set of givens] [seed] [parts]

#include "model/composite.h"
#include "model/solver.h"
#include "numbers/errors.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

model::Values dimensions(const model::Body& body, std::mt19937& rng)
{
    std::uniform_real_distribution<double> exponent(-1, 2);
    std::uniform_int_distribution<int> corners(3, 12);
    std::uniform_real_distribution<double> angle(40, 120);
    for (;;) {
        model::Values v;
        for (const QString& d : body.dimensions) {
            const model::Dimension kind = body.quantity(d)->dimension;
            v.insert(d, kind == model::Dimension::Count   ? corners(rng)
                        : kind == model::Dimension::Angle ? angle(rng)
                                                          : std::pow(10.0, exponent(rng)));
        }
        const model::Answer a = model::solve(body, v);
        if (a.status == model::Answer::Solved)
            return a.solutions.front().values;
    }
}

// Dimension d of a solution and of the solid it should be, within a
// relative tolerance; length and width may be swapped.
bool sameSolid(const model::Body& body, const model::Values& found, const model::Values& truth,
               const QString& d, double tolerance)
{
    const auto near = [&](double a, double b) {
        return std::fabs(a - b) <= tolerance * std::fabs(b);
    };
    if (near(found.value(d), truth.value(d)))
        return true;
    if (body.interchangeable.contains(d)) {
        for (const QString& other : body.interchangeable) {
            if (near(found.value(other), truth.value(d)))
                return true;
        }
    }
    return false;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

// Random bodies of two to eight parts, each joined to an earlier one in a
// way its body allows, with random dimensions; those whose faces do not fit
// are drawn again. Each is solved forwards (every dimension given) and then
// backwards: one dimension of one part is the unknown x and the volume is
// given. A solve is what "Berechnen" does: the description flattened,
// prepared and solved.
void composites(int count, std::mt19937& rng)
{
    const QStringList ids{"cube",       "cuboid",           "cylinder",      "cone",    "pyramid",
                          "hemisphere", "triangular-prism", "half-cylinder", "frustum", "prism",
                          "sphere"};
    const QLocale c = QLocale::c();
    std::uniform_int_distribution<int> parts(2, 8);
    std::uniform_int_distribution<size_t> pick(0, size_t(ids.size()) - 1);
    std::uniform_real_distribution<double> size(1, 3);
    std::vector<double> forward, backward;
    int drawn = 0, wrong = 0, unsolved = 0;
    while (int(forward.size()) < count) {
        ++drawn;
        model::Description d;
        const int n = parts(rng);
        for (int i = 0; i < n; ++i) {
            model::PartDescription p;
            const model::Body* body = model::bodyById(ids[qsizetype(pick(rng))]);
            p.body = body->id;
            if (i > 0) {
                std::vector<model::Joint> joints;
                for (const model::Joint j : model::kJoints) {
                    if (model::allows(*body, j))
                        joints.push_back(j);
                }
                p.joint = joints[std::uniform_int_distribution<size_t>(0, joints.size() - 1)(rng)];
                p.target = std::uniform_int_distribution<int>(1, i)(rng);
                // Removed parts smaller, so that more of them fit.
                if (model::removes(p.joint)) {
                    for (const QString& dim : body->dimensions)
                        p.rows.insert(dim, {QString::number(size(rng) / 4, 'g', 17), {}});
                }
            }
            for (const QString& dim : body->dimensions) {
                if (p.rows.contains(dim))
                    continue;
                const model::Dimension kind = body->quantity(dim)->dimension;
                const double v = kind == model::Dimension::Count   ? 6
                                 : kind == model::Dimension::Angle ? 70
                                                                   : size(rng) * (i == 0 ? 3 : 1);
                p.rows.insert(dim, {QString::number(v, 'g', 17), {}});
            }
            d.parts.push_back(p);
        }
        // The links a joint makes take their rows from the part joined;
        // a joint the parts cannot make is drawn again.
        model::Composite made;
        try {
            made = model::flatten(d, c);
        } catch (const rt::Error&) {
            continue;
        }
        for (size_t i = 0; i < d.parts.size(); ++i) {
            for (auto it = d.parts[i].rows.begin(); it != d.parts[i].rows.end();) {
                if (!made.body->isDimension(model::numbered(it.key(), int(i) + 1)))
                    it = d.parts[i].rows.erase(it);
                else
                    ++it;
            }
        }
        auto start = std::chrono::steady_clock::now();
        model::Composite composite = model::flatten(d, c);
        const double flatUs =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        const model::Answer a = model::solve(composite);
        const double us =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        if (a.status != model::Answer::Solved)
            continue;
        if (us > 5000 && qEnvironmentVariableIsSet("SOLVANTO_BENCH_SLOW")) {
            QStringList what;
            for (const auto& p : d.parts)
                what << p.body + u'/' + model::jointCaption(p.joint, p.target);
            std::fprintf(stderr, "slow %.0f µs (flatten %.0f), %lld dims: %s\n", us, flatUs,
                         qlonglong(composite.body->dimensions.size()), qPrintable(what.join(", ")));
        }
        forward.push_back(us);
        const double volume = a.solutions.front().values.value("V");

        // One dimension the unknown, the volume given.
        const size_t i = std::uniform_int_distribution<size_t>(0, d.parts.size() - 1)(rng);
        if (d.parts[i].rows.isEmpty() || d.parts[i].joint == model::Joint::HollowIn)
            continue;
        auto row = d.parts[i].rows.begin();
        std::advance(row,
                     std::uniform_int_distribution<qsizetype>(0, d.parts[i].rows.size() - 1)(rng));
        if (model::body(model::bodyById(d.parts[i].body)->name)->quantity(row.key())->dimension !=
            model::Dimension::Length)
            continue;
        const double truth = row->text.toDouble();
        row->text = QStringLiteral("x");
        d.whole.insert("V", {QString::number(volume, 'g', 17), {}});
        start = std::chrono::steady_clock::now();
        model::Composite back = model::flatten(d, c);
        const model::Answer b = model::solve(back);
        const double backUs =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        backward.push_back(backUs);
        if (backUs > 900 && qEnvironmentVariableIsSet("SOLVANTO_BENCH_SLOW")) {
            QStringList what;
            for (const auto& p : d.parts)
                what << p.body + u'/' + model::jointCaption(p.joint, p.target);
            std::fprintf(stderr, "slow x %.0f µs, %lld dims, x in part %zu: %s\n", backUs,
                         qlonglong(back.body->dimensions.size()), i + 1,
                         qPrintable(what.join(", ")));
        }
        if (b.status != model::Answer::Solved) {
            ++unsolved;
            QStringList what;
            for (const auto& p : d.parts)
                what << p.body + u'/' + model::jointCaption(p.joint, p.target);
            std::fprintf(stderr, "not solved (%d): %s: %s\n", int(b.status),
                         qPrintable(what.join(", ")), qPrintable(model::message(back, b, c)));
            continue;
        }
        const bool found =
            std::any_of(b.solutions.begin(), b.solutions.end(), [&](const model::Solution& s) {
                return std::fabs(s.values.value("x") - truth) <= 1e-6 * truth;
            });
        // A volume that does not depend on x (a part inside another's
        // bore) leaves x open: that is no wrong answer.
        wrong += found ? 0 : 1;
    }
    std::printf("\ncomposites of 2 to 8 parts (%d drawn, %zu fitting)\n", drawn, forward.size());
    std::printf("%-16s %6s %10s %10s %10s\n", "", "solves", "median µs", "p99 µs", "worst µs");
    for (const auto& [name, times] :
         {std::pair{"forwards", &forward}, std::pair{"one unknown", &backward}}) {
        std::printf("%-16s %6zu %10.1f %10.1f %10.1f\n", name, times->size(), median(*times),
                    percentile(*times, 0.99),
                    times->empty() ? 0.0 : *std::max_element(times->begin(), times->end()));
    }
    std::printf("one unknown: not solved %d, x not among the solutions %d\n", unsolved, wrong);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::mt19937 rng(argc > 2 ? unsigned(std::atoi(argv[2])) : 1u);
    std::vector<double> all;
    double worstError = 0;
    int unsolved = 0, lost = 0, illConditioned = 0;
    double slowest = 0;
    QString slowestSolve;
    std::printf("%-16s %6s %6s %10s %10s %12s\n", "body", "sets", "solves", "median µs", "worst µs",
                "worst error");
    // "parts" as a third argument: the bodies made of parts alone.
    const bool partsOnly = argc > 3 && QByteArray(argv[3]) == "parts";
    if (partsOnly) {
        composites(rounds * 50, rng);
        return 0;
    }
    for (const model::Body* body : model::bodies()) {
        std::vector<double> times;
        double error = 0;
        int sets = 0;
        for (const QStringList& set : model::givenSets(*body)) {
            bool counted = false;
            for (int round = 0; round < rounds; ++round) {
                const model::Values truth = dimensions(*body, rng);
                model::Values givens;
                for (const QString& s : set)
                    givens.insert(s, truth.value(s));
                const auto start = std::chrono::steady_clock::now();
                const model::Answer a = model::solve(*body, givens);
                const double us = std::chrono::duration<double, std::micro>(
                                      std::chrono::steady_clock::now() - start)
                                      .count();
                if (a.status == model::Answer::Missing)
                    break;
                if (!counted) {
                    ++sets;
                    counted = true;
                }
                times.push_back(us);
                if (us > slowest) {
                    slowest = us;
                    slowestSolve = body->name;
                    for (const QString& g : set)
                        slowestSolve +=
                            QStringLiteral(" %1=%2").arg(g).arg(givens.value(g), 0, 'g', 17);
                }
                all.push_back(us);
                if (a.status != model::Answer::Solved) {
                    ++unsolved;
                    std::fprintf(stderr, "not solved (%d): %s", int(a.status),
                                 qPrintable(body->name));
                    for (const QString& g : set)
                        std::fprintf(stderr, " %s=%.17g", qPrintable(g), givens.value(g));
                    std::fprintf(stderr, "\n");
                }
                // The solid the givens came from must be among the solutions:
                // to 6 digits, or to 3 where the givens hardly depend on a
                // dimension (a frustum almost flat), so that any solid within
                // their digits is as right as another.
                const auto among = [&](double tolerance) {
                    return std::any_of(
                        a.solutions.begin(), a.solutions.end(), [&](const model::Solution& s) {
                            return std::all_of(
                                truth.keyBegin(), truth.keyEnd(), [&](const QString& d) {
                                    return sameSolid(*body, s.values, truth, d, tolerance);
                                });
                        });
                };
                if (a.status == model::Answer::Solved && !among(1e-6)) {
                    const bool loose = among(1e-3);
                    ++(loose ? illConditioned : lost);
                    std::fprintf(stderr, "%s: %s", loose ? "ill-conditioned" : "lost",
                                 qPrintable(body->name));
                    for (const QString& g : set)
                        std::fprintf(stderr, " %s=%.17g", qPrintable(g), givens.value(g));
                    std::fprintf(stderr, "\n");
                }
                for (const model::Solution& s : a.solutions) {
                    double worst = 0;
                    for (const QString& g : set)
                        worst = std::max(worst, std::fabs(s.values.value(g) - givens.value(g)) /
                                                    std::fabs(givens.value(g)));
                    if (worst > 1e-12) {
                        std::fprintf(stderr, "backward error %.2e: %s", worst,
                                     qPrintable(body->name));
                        for (const QString& g : set)
                            std::fprintf(stderr, " %s=%.17g", qPrintable(g), givens.value(g));
                        std::fprintf(stderr, "\n");
                    }
                    error = std::max(error, worst);
                }
            }
        }
        worstError = std::max(worstError, error);
        std::printf("%-16s %6d %6zu %10.1f %10.1f %12.2e\n", qPrintable(body->name), sets,
                    times.size(), median(times), *std::max_element(times.begin(), times.end()),
                    error);
    }
    std::printf("%-16s %6s %6zu %10.1f %10.1f %12.2e\n", "all", "", all.size(), median(all),
                *std::max_element(all.begin(), all.end()), worstError);
    std::printf("slowest: %.1f µs, %s\n", slowest, qPrintable(slowestSolve));
    std::printf("unsolved: %d; solid not among the solutions: %d, only to 3 digits: %d\n", unsolved,
                lost, illConditioned);
    composites(rounds * 50, rng);
    return 0;
}
