#include "model/solver.h"
#include "model/writing.h"

#include <QTest>
#include <cmath>
#include <random>

// The bodies and the inverse solver, without any window.

using model::Answer;
using model::Values;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

// Random dimensions of a solid the body allows.
Values randomDimensions(const model::Body& body, std::mt19937& rng)
{
    std::uniform_real_distribution<double> exponent(-0.5, 1.5);
    std::uniform_int_distribution<int> corners(3, 12);
    std::uniform_real_distribution<double> angle(50, 110);
    for (;;) {
        Values v;
        for (const QString& d : body.dimensions) {
            const model::Kind kind = body.quantity(d)->kind;
            if (kind == model::Kind::Count)
                v.insert(d, corners(rng));
            else if (kind == model::Kind::Angle)
                v.insert(d, angle(rng));
            else
                v.insert(d, std::pow(10.0, exponent(rng)));
        }
        const model::Answer forward = model::solve(body, v);
        if (forward.status == Answer::Solved)
            return forward.solutions.front().values;
    }
}

bool close(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance * std::max(std::fabs(a), std::fabs(b));
}

// Every set of givens with as many quantities as the body has dimensions.
QList<QStringList> givenSets(const model::Body& body)
{
    QStringList free;
    for (const model::Quantity& q : body.quantities) {
        if (!body.alwaysGiven.contains(q.symbol))
            free << q.symbol;
    }
    const int k = int(body.dimensions.size() - body.alwaysGiven.size());
    QList<QStringList> sets;
    const int n = int(free.size());
    for (int mask = 0; mask < (1 << n); ++mask) {
        if (__builtin_popcount(unsigned(mask)) != k)
            continue;
        QStringList set = body.alwaysGiven;
        int dimensions = 0;
        for (int i = 0; i < n; ++i) {
            if (mask & (1 << i)) {
                set << free[i];
                dimensions += body.isDimension(free[i]) ? 1 : 0;
            }
        }
        if (dimensions >= body.leastDimensions)
            sets << set;
    }
    return sets;
}

} // namespace

class ModelTest : public QObject {
    Q_OBJECT

private slots:
    // From every set of givens that fixes the solid, at random dimensions, the
    // solver finds the solid again among its solutions, and every solution it
    // gives reproduces the givens.
    void roundTrips_data()
    {
        QTest::addColumn<QString>("name");
        for (const model::Body* b : model::bodies())
            QTest::addRow("%s", qPrintable(b->name)) << b->name;
    }
    void roundTrips()
    {
        QFETCH(QString, name);
        const model::Body& body = *model::body(name);
        std::mt19937 rng(7);
        int solved = 0, missing = 0;
        QStringList failures;
        for (const QStringList& set : givenSets(body)) {
            for (int round = 0; round < 3; ++round) {
                const Values truth = randomDimensions(body, rng);
                Values givens;
                for (const QString& s : set)
                    givens.insert(s, truth.value(s));
                const Answer answer = model::solve(body, givens);
                if (answer.status == Answer::Missing) {
                    ++missing;
                    break;
                }
                bool found = false;
                for (const model::Solution& s : answer.solutions) {
                    bool all = true;
                    for (const QString& d : body.dimensions)
                        all = all && close(s.values.value(d), truth.value(d), 1e-7);
                    found = found || all;
                    for (const QString& g : set) {
                        if (!close(s.values.value(g), givens.value(g), 1e-12))
                            failures << QStringLiteral("%1: %2 reproduced as %3 of %4")
                                            .arg(set.join(u','), g)
                                            .arg(s.values.value(g), 0, 'g', 17)
                                            .arg(givens.value(g), 0, 'g', 17);
                    }
                }
                if (!found) {
                    QStringList dims;
                    for (const QString& d : body.dimensions)
                        dims << QStringLiteral("%1=%2").arg(d).arg(truth.value(d), 0, 'g', 17);
                    failures << QStringLiteral("%1 (%2): status %3, %4 solutions")
                                    .arg(set.join(u','), dims.join(u' '))
                                    .arg(int(answer.status))
                                    .arg(answer.solutions.size());
                } else {
                    ++solved;
                }
            }
        }
        qInfo("%s: %d solved, %d given-sets too few", qPrintable(name), solved, missing);
        if (!failures.isEmpty())
            QFAIL(qPrintable(failures.mid(0, 20).join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(ModelTest)
#include "tst_model.moc"
