#include "runtime/errors.h"
#include "solids/sphere.h"
#include "support.h"

#include <QTest>
#include <cstring>

using solids::Calculator;
using solids::Inputs;
using solids::Outcome;
using solids::Real;
using test::TextSheet;

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Two results, of which the second overflows for large inputs: the shared
// routine must keep the first.
const Calculator kTwoSteps{
    .checks = {{"txta", "a fehlt"}, {"txtb", "b fehlt"}},
    .variants = {{nullptr,
                  {
                      {"labfirst", [](const Inputs& in) { return in("txta") + in("txtb"); }},
                      {"labsecond", [](const Inputs& in) { return in("txta") * in("txtb"); }},
                  }}},
};

const Calculator kChoice{
    .checks = {},
    .variants = {{"opone", {{"labout", [](const Inputs&) { return Real(1); }}}},
                 {"optwo", {{"labout", [](const Inputs&) { return Real(2); }}}}},
};

} // namespace

class TestCalculators : public QObject {
    Q_OBJECT

private slots:
    void sphereDoubles_data();
    void sphereDoubles();
    void sphereShownInBothLocales();
    void checks_data();
    void checks();
    void notANumberNamesItsField_data();
    void notANumberNamesItsField();
    void overflowKeepsEarlierResultsOnly();
    void choiceOfVariant_data();
    void choiceOfVariant();
};

void TestCalculators::sphereDoubles_data()
{
    QTest::addColumn<QString>("radius");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("surface");

    QTest::newRow("r=1") << "1" << 4.188790204786386 << 12.56637061435916;
    // The two doubles differ in the last bit; their 15-digit texts are the same.
    QTest::newRow("r=3") << "3" << 113.09733552923242 << 113.09733552923244;
    QTest::newRow("r=0.5 gives the stored pi") << "0.5" << 0.5235987755982983 << 3.14159265358979;
    QTest::newRow("r=2") << "2" << 33.51032163829109 << 50.26548245743664;
}

void TestCalculators::sphereDoubles()
{
    QFETCH(QString, radius);
    QFETCH(double, volume);
    QFETCH(double, surface);
    TextSheet sheet({{"txtradiusr", radius}}, QLocale::c());
    const Inputs in(sheet);
    const auto& results = solids::kSphere.variants.front().results;
    QVERIFY(sameBits(results[0].formula(in).value(), volume));
    QVERIFY(sameBits(results[1].formula(in).value(), surface));

    QCOMPARE(solids::calculate(solids::kSphere, sheet), Outcome::Computed);
    QCOMPARE(sheet.writes, QStringList({"labvolume", "laboberfläche"}));
    QCOMPARE(sheet.texts["labvolume"], rt::toText(volume, QLocale::c()));
    QCOMPARE(sheet.texts["laboberfläche"], rt::toText(surface, QLocale::c()));
}

void TestCalculators::sphereShownInBothLocales()
{
    TextSheet german({{"txtradiusr", "0,5"}}, QLocale(QLocale::German, QLocale::Germany));
    solids::calculate(solids::kSphere, german);
    QCOMPARE(german.texts["laboberfläche"], "3,14159265358979");
    QCOMPARE(german.texts["labvolume"], "0,523598775598298");

    TextSheet c({{"txtradiusr", "3"}}, QLocale::c());
    solids::calculate(solids::kSphere, c);
    QCOMPARE(c.texts["labvolume"], "113.097335529232");
    QCOMPARE(c.texts["laboberfläche"], "113.097335529232");
}

void TestCalculators::checks_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("message");

    QTest::newRow("first zero") << "0"
                                << "5"
                                << "a fehlt";
    QTest::newRow("first negative, second not read") << "-1"
                                                     << "kein Wert"
                                                     << "a fehlt";
    QTest::newRow("second zero") << "2"
                                 << "0"
                                 << "b fehlt";
    QTest::newRow("second negative") << "2"
                                     << "-0.5"
                                     << "b fehlt";
    QTest::newRow("negative zero") << "-0"
                                   << "1"
                                   << "a fehlt";
}

// The first input not greater than 0 is reported alone; no label changes.
void TestCalculators::checks()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, message);
    TextSheet sheet({{"txta", a}, {"txtb", b}, {"labfirst", "alt"}}, QLocale::c());
    QCOMPARE(solids::calculate(kTwoSteps, sheet), Outcome::Rejected);
    QCOMPARE(sheet.messages.size(), 1);
    QCOMPARE(sheet.messages[0].text, message);
    QCOMPARE(sheet.messages[0].style, 64);
    QCOMPARE(sheet.messages[0].title, "Problem");
    QVERIFY(sheet.writes.isEmpty());
    QCOMPARE(sheet.texts["labfirst"], "alt");
}

void TestCalculators::notANumberNamesItsField_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("field");

    QTest::newRow("empty first") << ""
                                 << "1"
                                 << "txta";
    QTest::newRow("letters second") << "1"
                                    << "zwei"
                                    << "txtb";
    QTest::newRow("both bad: first wins") << "x"
                                          << "y"
                                          << "txta";
    QTest::newRow("German decimal in C") << "1"
                                         << "2,5"
                                         << "txtb";
}

void TestCalculators::notANumberNamesItsField()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, field);
    TextSheet sheet({{"txta", a}, {"txtb", b}}, QLocale::c());
    try {
        solids::calculate(kTwoSteps, sheet);
        QFAIL("no error raised");
    } catch (const rt::Error& e) {
        QCOMPARE(e.kind(), rt::ErrorKind::TypeMismatch);
        QCOMPARE(e.field(), field);
        QCOMPARE(e.fieldCaption(), QStringLiteral("[%1]").arg(field));
    }
    QVERIFY(sheet.writes.isEmpty());
    QVERIFY(sheet.messages.isEmpty());
}

void TestCalculators::overflowKeepsEarlierResultsOnly()
{
    TextSheet sheet({{"txta", "1e200"}, {"txtb", "1e200"}, {"labsecond", "alt"}}, QLocale::c());
    try {
        solids::calculate(kTwoSteps, sheet);
        QFAIL("no error raised");
    } catch (const rt::Error& e) {
        QCOMPARE(e.kind(), rt::ErrorKind::Overflow);
        QCOMPARE(e.result(), "[labsecond]");
        QVERIFY(e.field().isEmpty());
    }
    // The first result of the new input stays; the second, not reached, does
    // not keep showing the old one.
    QCOMPARE(sheet.writes, QStringList({"labfirst", "labsecond"}));
    QCOMPARE(sheet.texts["labfirst"], "2E+200");
    QCOMPARE(sheet.texts["labsecond"], "");
}

void TestCalculators::choiceOfVariant_data()
{
    QTest::addColumn<QStringList>("set");
    QTest::addColumn<QString>("shown");

    QTest::newRow("none") << QStringList{} << "";
    QTest::newRow("first") << QStringList{"opone"} << "1";
    QTest::newRow("second") << QStringList{"optwo"} << "2";
}

void TestCalculators::choiceOfVariant()
{
    QFETCH(QStringList, set);
    QFETCH(QString, shown);
    TextSheet sheet({}, QLocale::c());
    sheet.options = QSet<QString>(set.begin(), set.end());
    const Outcome o = solids::calculate(kChoice, sheet);
    QCOMPARE(o, set.isEmpty() ? Outcome::NothingChosen : Outcome::Computed);
    QCOMPARE(sheet.texts.value("labout"), shown);
    QVERIFY(sheet.messages.isEmpty());
}

QTEST_APPLESS_MAIN(TestCalculators)
#include "tst_calculators.moc"
