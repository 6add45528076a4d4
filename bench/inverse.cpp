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
            const model::Kind kind = body.quantity(d)->kind;
            v.insert(d, kind == model::Kind::Count   ? corners(rng)
                        : kind == model::Kind::Angle ? angle(rng)
                                                     : std::pow(10.0, exponent(rng)));
        }
        const model::Answer a = model::solve(body, v);
        if (a.status == model::Answer::Solved)
            return a.solutions.front().values;
    }
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
    int unsolved = 0;
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
                all.push_back(us);
                if (a.status != model::Answer::Solved) {
                    ++unsolved;
                    std::fprintf(stderr, "not solved (%d): %s", int(a.status),
                                 qPrintable(body->name));
                    for (const QString& g : set)
                        std::fprintf(stderr, " %s=%.17g", qPrintable(g), givens.value(g));
                    std::fprintf(stderr, "\n");
                }
                for (const model::Solution& s : a.solutions) {
                    for (const QString& g : set)
                        error = std::max(error, std::fabs(s.values.value(g) - givens.value(g)) /
                                                    std::fabs(givens.value(g)));
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
    std::printf("unsolved: %d\n", unsolved);
    return 0;
}
