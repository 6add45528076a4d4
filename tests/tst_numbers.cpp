#include "runtime/errors.h"
#include "runtime/numbers.h"

#include <QTest>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

using rt::ErrorKind;

Q_DECLARE_METATYPE(std::optional<ErrorKind>)

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kC = QLocale::c();

// The error a call raises, or none.
template <class F> std::optional<ErrorKind> raised(F f)
{
    try {
        f();
    } catch (const rt::Error& e) {
        return e.kind();
    }
    return std::nullopt;
}

std::optional<ErrorKind> none()
{
    return std::nullopt;
}

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void toNumber_data();
    void toNumber();
    void toText_data();
    void toText();
    void roundTrip_data();
    void roundTrip();
    void lenient_data();
    void lenient();
    void power_data();
    void power();
    void checkedArithmetic();
    void messages_data();
    void messages();
};

void TestNumbers::toNumber_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<std::optional<ErrorKind>>("error");

    const auto ok = none();
    const auto mismatch = std::optional(ErrorKind::TypeMismatch);
    QTest::newRow("de comma") << kGerman << "2,5" << 2.5 << ok;
    QTest::newRow("de grouped") << kGerman << "1.000,5" << 1000.5 << ok;
    QTest::newRow("de thousand") << kGerman << "1.000" << 1000.0 << ok;
    QTest::newRow("de blanks") << kGerman << " 3 " << 3.0 << ok;
    QTest::newRow("de exponent") << kGerman << "1,5E-7" << 1.5e-7 << ok;
    QTest::newRow("de negative") << kGerman << "-3" << -3.0 << ok;
    // A full stop in German is a group separator: "2.5" is no well-formed number.
    QTest::newRow("de misplaced group") << kGerman << "2.5" << 0.0 << mismatch;
    QTest::newRow("de short group") << kGerman << "1.00.000" << 0.0 << mismatch;
    QTest::newRow("de long group") << kGerman << "1.0000" << 0.0 << mismatch;
    QTest::newRow("de c-style") << kGerman << "12.34" << 0.0 << mismatch;
    QTest::newRow("c point") << kC << "2.5" << 2.5 << ok;
    QTest::newRow("c grouped") << kC << "1,000.5" << 1000.5 << ok;
    QTest::newRow("c comma") << kC << "2,5" << 0.0 << mismatch;
    QTest::newRow("empty") << kGerman << "" << 0.0 << mismatch;
    QTest::newRow("blank") << kC << "   " << 0.0 << mismatch;
    QTest::newRow("letters") << kC << "abc" << 0.0 << mismatch;
    QTest::newRow("trailing letters") << kGerman << "3cm" << 0.0 << mismatch;
    QTest::newRow("inf") << kC << "inf" << 0.0 << mismatch;
    QTest::newRow("nan") << kGerman << "nan" << 0.0 << mismatch;
    QTest::newRow("infinity") << kC << "-infinity" << 0.0 << mismatch;
    QTest::newRow("hex") << kC << "0x10" << 0.0 << mismatch;
    QTest::newRow("too large") << kC << "1e400" << 0.0 << std::optional(ErrorKind::Overflow);
    QTest::newRow("too large de") << kGerman << "-1e999" << 0.0
                                  << std::optional(ErrorKind::Overflow);
    QTest::newRow("subnormal") << kC << "1e-310" << 1e-310 << ok;
    QTest::newRow("largest") << kC << "1.7976931348623157e308" << std::numeric_limits<double>::max()
                             << ok;
}

void TestNumbers::toNumber()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(std::optional<ErrorKind>, error);
    double got = 0;
    QCOMPARE(raised([&] { got = rt::toNumber(text, locale); }), error);
    if (!error)
        QCOMPARE(got, expected);
}

void TestNumbers::toText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("c");

    QTest::newRow("integer") << 24.0 << "24"
                             << "24";
    QTest::newRow("fraction") << 0.125 << "0,125"
                              << "0.125";
    QTest::newRow("15 digits") << 1.4142135623730951 << "1,4142135623731"
                               << "1.4142135623731";
    QTest::newRow("rounds up") << 0.16666666666666666 << "0,166666666666667"
                               << "0.166666666666667";
    QTest::newRow("sphere r=3") << 113.09733552923242 << "113,097335529232"
                                << "113.097335529232";
    QTest::newRow("no grouping") << 123456789012345.0 << "123456789012345"
                                 << "123456789012345";
    QTest::newRow("large") << 1e15 << "1E+15"
                           << "1E+15";
    QTest::newRow("rounds to 1E+15") << 999999999999999.5 << "1E+15"
                                     << "1E+15";
    QTest::newRow("small") << 1.5e-7 << "1,5E-07"
                           << "1.5E-07";
    QTest::newRow("1E-05") << 1e-5 << "1E-05"
                           << "1E-05";
    QTest::newRow("0,0001") << 1e-4 << "0,0001"
                            << "0.0001";
    QTest::newRow("negative") << -2.5 << "-2,5"
                              << "-2.5";
    QTest::newRow("negative zero") << -0.0 << "0"
                                   << "0";
    QTest::newRow("max") << std::numeric_limits<double>::max() << "1,79769313486232E+308"
                         << "1.79769313486232E+308";
    QTest::newRow("subnormal") << 4.9406564584124654e-324 << "4,94065645841247E-324"
                               << "4.94065645841247E-324";
    QTest::newRow("one below ten") << 9.999999999999998 << "10"
                                   << "10";
}

void TestNumbers::toText()
{
    QFETCH(double, value);
    QFETCH(QString, german);
    QFETCH(QString, c);
    QCOMPARE(rt::toText(value, kGerman), german);
    QCOMPARE(rt::toText(value, kC), c);
}

void TestNumbers::roundTrip_data()
{
    QTest::addColumn<double>("value");
    for (double v : {1.0 / 3, 2.0 / 3, M_PI, 1e300 / 7, 1e-300 / 7, 123456.789e10, 6.02214076e23,
                     -0.1, 1e15 - 1, 1e16 + 2, 4.9406564584124654e-324})
        QTest::addRow("%.17g", v) << v;
}

// What is shown reads back as the value rounded to 15 significant digits.
void TestNumbers::roundTrip()
{
    QFETCH(double, value);
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    double rounded = 0;
    std::from_chars(buffer, end, rounded);
    for (const QLocale& l : {kGerman, kC})
        QCOMPARE(rt::toNumber(rt::toText(value, l), l), rounded);
}

void TestNumbers::lenient_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain") << kC << "36" << 36.0;
    QTest::newRow("point in German") << kGerman << "2.25" << 2.25;
    QTest::newRow("comma in German") << kGerman << "2,25" << 2.25;
    QTest::newRow("comma in C stops") << kC << "2,25" << 2.0;
    QTest::newRow("leading blanks") << kC << "   7" << 7.0;
    QTest::newRow("inner blanks skipped") << kC << "1 2" << 12.0;
    QTest::newRow("stops at letters") << kGerman << "12abc" << 12.0;
    QTest::newRow("letters only") << kGerman << "abc" << 0.0;
    QTest::newRow("empty") << kC << "" << 0.0;
    QTest::newRow("sign only") << kC << "-" << 0.0;
    QTest::newRow("negative") << kC << "-8" << -8.0;
    QTest::newRow("plus") << kC << "+8" << 8.0;
    QTest::newRow("leading point") << kC << ".5" << 0.5;
    QTest::newRow("exponent") << kC << "1e3" << 1000.0;
    QTest::newRow("exponent sign") << kGerman << "2,5E-2" << 0.025;
    QTest::newRow("dangling exponent") << kC << "3e" << 3.0;
    QTest::newRow("dangling sign") << kC << "3e+" << 3.0;
    QTest::newRow("second point stops") << kC << "1.2.3" << 1.2;
    QTest::newRow("underflow") << kC << "1e-999" << 0.0;
}

void TestNumbers::lenient()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(rt::toNumberLenient(text, locale), expected);
}

void TestNumbers::power_data()
{
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("exponent");
    QTest::addColumn<double>("expected");
    QTest::addColumn<std::optional<ErrorKind>>("error");

    QTest::newRow("square") << 3.0 << 2.0 << 9.0 << none();
    QTest::newRow("root") << 2.0 << 0.5 << std::sqrt(2.0) << none();
    QTest::newRow("cube root of 1000") << 1000.0 << 1.0 / 3 << 9.999999999999998 << none();
    QTest::newRow("odd power of negative") << -2.0 << 3.0 << -8.0 << none();
    QTest::newRow("reciprocal") << 36.0 << -0.5 << 1.0 / 6 << none();
    QTest::newRow("zero base") << 0.0 << 0.5 << 0.0 << none();
    QTest::newRow("underflow") << 1e-200 << 2.0 << 0.0 << none();
    QTest::newRow("overflow") << 1e200 << 2.0 << 0.0 << std::optional(ErrorKind::Overflow);
    QTest::newRow("overflow cube") << -1e103 << 3.0 << 0.0 << std::optional(ErrorKind::Overflow);
    QTest::newRow("no real result")
        << -8.0 << 1.0 / 3 << 0.0 << std::optional(ErrorKind::InvalidPower);
    QTest::newRow("zero to negative")
        << 0.0 << -1.0 << 0.0 << std::optional(ErrorKind::DivisionByZero);
}

void TestNumbers::power()
{
    QFETCH(double, base);
    QFETCH(double, exponent);
    QFETCH(double, expected);
    QFETCH(std::optional<ErrorKind>, error);
    double got = -1;
    QCOMPARE(raised([&] { got = rt::power(base, exponent); }), error);
    if (!error)
        QCOMPARE(got, expected);
}

void TestNumbers::checkedArithmetic()
{
    using rt::Real;
    const double big = std::numeric_limits<double>::max();
    QCOMPARE(raised([&] { (void)(Real(big) + big); }), std::optional(ErrorKind::Overflow));
    QCOMPARE(raised([&] { (void)(Real(big) * 2); }), std::optional(ErrorKind::Overflow));
    QCOMPARE(raised([&] { (void)(Real(1) / 0); }), std::optional(ErrorKind::DivisionByZero));
    QCOMPARE(raised([&] { (void)(Real(0) / 0); }), std::optional(ErrorKind::DivisionByZero));
    QCOMPARE(raised([&] { (void)(Real(-big) - big); }), std::optional(ErrorKind::Overflow));
    QCOMPARE((Real(1) / 3).value(), 1.0 / 3);
}

void TestNumbers::messages_data()
{
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");

    QTest::newRow("not a number")
        << ErrorKind::TypeMismatch << "abc"
        << "Radius r"
        << ""
        << "Der Text „abc“ im Feld „Radius r“ ist keine Zahl. Bitte geben Sie eine Zahl ein.";
    QTest::newRow("empty") << ErrorKind::TypeMismatch << ""
                           << "Hähe h"
                           << ""
                           << "Das Feld „Hähe h“ ist leer. Bitte geben Sie eine Zahl ein.";
    QTest::newRow("too large") << ErrorKind::Overflow << "1e400"
                               << "Seite a"
                               << ""
                               << "Die Zahl „1e400“ im Feld „Seite a“ ist zu groß.";
    QTest::newRow("overflow") << ErrorKind::Overflow << ""
                              << ""
                              << "Oberfläche"
                              << "Bei der Berechnung von „Oberfläche“: Das Ergebnis ist zu groß "
                                 "für die Rechnung (Überlauf). Bitte geben Sie kleinere Werte ein.";
    QTest::newRow("division") << ErrorKind::DivisionByZero << ""
                              << ""
                              << ""
                              << "Division durch null ist nicht möglich.";
}

void TestNumbers::messages()
{
    QFETCH(ErrorKind, kind);
    QFETCH(QString, text);
    QFETCH(QString, field);
    QFETCH(QString, result);
    QFETCH(QString, message);
    rt::Error e(kind, text);
    if (!field.isEmpty())
        e.inField(QStringLiteral("box"), field);
    if (!result.isEmpty())
        e.inResult(result);
    QCOMPARE(e.message(), message);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
