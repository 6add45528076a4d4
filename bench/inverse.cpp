// The inverse solver's benchmark: every set of givens that fixes a body,
// at random dimensions, solved again and again. Prints per body and in all
// the median and the worst time of one solve and the worst backward error:
// how far the shown dimensions, put back into the relations, are from the
// givens.
//
//   bench_inverse [rounds per set of givens] [seed]

#include "model/solver.h"

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
    return 0;
}
