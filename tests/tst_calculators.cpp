#include "runtime/errors.h"
#include "solids/calculator.h"
#include "support.h"

#include <QTest>

using solids::Calculator;
using solids::Dimension;
using solids::Outcome;
using solids::Unit;
using test::TextSheet;

namespace {

const Dimension kA{"txta", "a", Unit::Centimetre};
const Dimension kB{"txtb", "b", Unit::Centimetre};

// Two results, of which the second overflows for large inputs: the shared
// routine must keep the first.
const Calculator kTwoSteps{
    .dimensions = {kA, kB},
    .checks = {solids::positive(kA, "a fehlt"), solids::positive(kB, "b fehlt")},
    .variants = {{nullptr,
                  nullptr,
                  {
                      {"labfirst", "s", Unit::Centimetre, kA + kB},
                      {"labsecond", "p", Unit::SquareCentimetre, kA* kB},
                  }}},
};

const Calculator kChoice{
    .dimensions = {},
    .checks = {},
    .variants = {{"opone", "eins", {{"labout", "x", Unit::None, 1}}},
                 {"optwo", "zwei", {{"labout", "x", Unit::None, 2}}}},
};

} // namespace

class TestCalculators : public QObject {
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void notANumberNamesItsField_data();
    void notANumberNamesItsField();
    void overflowKeepsEarlierResultsOnly();
    void choiceOfVariant_data();
    void choiceOfVariant();
};

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
