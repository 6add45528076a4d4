#include "numbers/errors.h"
#include "numbers/numbers.h"

#include <QTest>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <random>

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

// The value rounded to 15 significant digits, as a shown result reads back.
double rounded15(double value)
{
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    double rounded = 0;
    std::from_chars(buffer, end, rounded);
    return rounded;
}

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void toNumber_data();
    void toNumber();
    void toText_data();
    void toText();
    void toTextAtPlace_data();
    void toTextAtPlace();
    void roundTrip_data();
    void roundTrip();
    void lenient_data();
    void lenient();
    void everyLocaleReadsItsOwnTexts();
    void readsWhatTheToolkitReads();
    void power_data();
    void power();
    void checkedArithmetic();
    void readingMessages_data();
    void readingMessages();
    void computingMessages_data();
    void computingMessages();
};

void TestNumbers::toNumber_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<std::optional<ErrorKind>>("error");

    const auto ok = none();
    const auto mismatch = std::optional(ErrorKind::TypeMismatch);
    const auto tooLarge = std::optional(ErrorKind::Overflow);
    const auto tooSmall = std::optional(ErrorKind::Underflow);
    QTest::newRow("de comma") << kGerman << "2,5" << 2.5 << ok;
    QTest::newRow("de blanks") << kGerman << " 3 " << 3.0 << ok;
    QTest::newRow("de plus") << kGerman << "+3" << 3.0 << ok;
    QTest::newRow("de leading comma") << kGerman << ",5" << 0.5 << ok;
    QTest::newRow("de trailing comma") << kGerman << "3," << 3.0 << ok;
    QTest::newRow("de exponent") << kGerman << "1,5E-7" << 1.5e-7 << ok;
    QTest::newRow("de small exponent") << kGerman << "1e3" << 1000.0 << ok;
    QTest::newRow("de signed exponent") << kGerman << "1E+03" << 1000.0 << ok;
    QTest::newRow("de negative") << kGerman << "-3" << -3.0 << ok;
    QTest::newRow("minus sign") << kGerman << "\u22123" << -3.0 << ok;
    // Any group separator makes the text no number, however well it groups:
    // readers disagree on what "2.500" means.
    QTest::newRow("de point") << kGerman << "2.5" << 0.0 << mismatch;
    QTest::newRow("de 0.125") << kGerman << "0.125" << 0.0 << mismatch;
    QTest::newRow("de 2.500") << kGerman << "2.500" << 0.0 << mismatch;
    QTest::newRow("de grouped") << kGerman << "1.000,5" << 0.0 << mismatch;
    QTest::newRow("de thousand") << kGerman << "1.000" << 0.0 << mismatch;
    QTest::newRow("c point") << kC << "2.5" << 2.5 << ok;
    QTest::newRow("c 0,125") << kC << "0,125" << 0.0 << mismatch;
    QTest::newRow("c grouped") << kC << "1,000.5" << 0.0 << mismatch;
    QTest::newRow("empty") << kGerman << "" << 0.0 << mismatch;
    QTest::newRow("blank") << kC << "   " << 0.0 << mismatch;
    QTest::newRow("letters") << kC << "abc" << 0.0 << mismatch;
    QTest::newRow("trailing letters") << kGerman << "3cm" << 0.0 << mismatch;
    QTest::newRow("dangling exponent") << kC << "1e+" << 0.0 << mismatch;
    QTest::newRow("blank after sign") << kC << "- 3" << 0.0 << mismatch;
    QTest::newRow("other script's digits") << kGerman << "\u0663" << 0.0 << mismatch;
    QTest::newRow("inf") << kC << "inf" << 0.0 << mismatch;
    QTest::newRow("nan") << kGerman << "nan" << 0.0 << mismatch;
    QTest::newRow("infinity") << kC << "-infinity" << 0.0 << mismatch;
    QTest::newRow("hex") << kC << "0x10" << 0.0 << mismatch;
    QTest::newRow("too large") << kC << "1e400" << 0.0 << tooLarge;
    QTest::newRow("too large de") << kGerman << "-1e999" << 0.0 << tooLarge;
    QTest::newRow("too large, no exponent") << kC << QString(320, u'9') << 0.0 << tooLarge;
    // Below the smallest normal double a number loses its digits or turns into 0.
    QTest::newRow("too small") << kC << "1e-400" << 0.0 << tooSmall;
    QTest::newRow("subnormal") << kC << "1e-310" << 0.0 << tooSmall;
    QTest::newRow("too small, no exponent")
        << kGerman << "0," + QString(340, u'0') + "1" << 0.0 << tooSmall;
    QTest::newRow("huge exponent") << kC << "1e-99999999999999999999" << 0.0 << tooSmall;
    QTest::newRow("zero with any exponent") << kC << "0e-400" << 0.0 << ok;
    // The smallest normal double would show as 2.2250738585072E-308, which is
    // below it: the smallest number to compute with is a few steps above.
    QTest::newRow("smallest normal") << kC << "2.2250738585072014e-308" << 0.0 << tooSmall;
    QTest::newRow("smallest shown")
        << kC << "2.2250738585072053e-308" << 2.2250738585072053e-308 << ok;
    QTest::newRow("largest double") << kC << "1.7976931348623157e308" << 0.0 << tooLarge;
    QTest::newRow("largest shown") << kC << "1.79769313486231e308" << 1.79769313486231e308 << ok;
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

void TestNumbers::toTextAtPlace_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("c");

    // Differences as a double computes them, shown to their operands' last place.
    QTest::newRow("10 - 9,99") << 10 - 9.99 << -2 << "0,01"
                               << "0.01";
    QTest::newRow("1 - 0,7") << 1 - 0.7 << -1 << "0,3"
                             << "0.3";
    QTest::newRow("0,1 + 0,2") << 0.1 + 0.2 << -15 << "0,3"
                               << "0.3";
    QTest::newRow("negative difference") << 9.99 - 10 << -2 << "-0,01"
                                         << "-0.01";
    QTest::newRow("all digits") << 10 - 9.99 << rt::kAllDigits << "0,00999999999999979"
                                << "0.00999999999999979";
    // A place below the 15th digit changes nothing.
    QTest::newRow("15 digits") << 1.4142135623730951 << -14 << "1,4142135623731"
                               << "1.4142135623731";
    QTest::newRow("below 15 digits") << 1.4142135623730951 << -40 << "1,4142135623731"
                                     << "1.4142135623731";
    QTest::newRow("two digits fewer") << 2.0 / 3 << -13 << "0,6666666666667"
                                      << "0.6666666666667";
    // Rounded as the decimal the double is, not as the text it was typed as.
    QTest::newRow("1,005 is stored below") << 1.005 << -2 << "1"
                                           << "1";
    QTest::newRow("2,675 is stored below") << 2.675 << -2 << "2,67"
                                           << "2.67";
    QTest::newRow("exact half, away from 0") << 0.125 << -2 << "0,13"
                                             << "0.13";
    QTest::newRow("negative half") << -0.125 << -2 << "-0,13"
                                   << "-0.13";
    QTest::newRow("carries to a new digit") << 9.96 << -1 << "10"
                                            << "10";
    QTest::newRow("carries to 0,01") << 0.0096 << -3 << "0,01"
                                     << "0.01";
    QTest::newRow("rounds to 0") << 0.004 << -2 << "0"
                                 << "0";
    QTest::newRow("negative rounds to 0") << -0.004 << -2 << "0"
                                          << "0";
    QTest::newRow("zero") << 0.0 << -2 << "0"
                          << "0";
    QTest::newRow("below the first digit's place") << 4.9 << 1 << "0"
                                                   << "0";
    QTest::newRow("half of the place") << 5.0 << 1 << "10"
                                       << "10";
    QTest::newRow("tens") << 123456.789 << 2 << "123500"
                          << "123500";
    // Exponent form where toText writes it.
    QTest::newRow("small") << 1.23456e-7 << -9 << "1,23E-07"
                           << "1.23E-07";
    QTest::newRow("large") << 1.234567e20 << 17 << "1,235E+20"
                           << "1.235E+20";
    QTest::newRow("rounds to 1E+15") << 999999999999999.4 << 3 << "1E+15"
                                     << "1E+15";
    QTest::newRow("max") << std::numeric_limits<double>::max() << 300 << "1,79769313E+308"
                         << "1.79769313E+308";
}

void TestNumbers::toTextAtPlace()
{
    QFETCH(double, value);
    QFETCH(int, place);
    QFETCH(QString, german);
    QFETCH(QString, c);
    QCOMPARE(rt::toText(value, kGerman, place), german);
    QCOMPARE(rt::toText(value, kC, place), c);
    // The 15th digit's place shows what toText shows.
    if (value != 0)
        QCOMPARE(rt::toText(value, kC, rt::leadingPlace(value) - 14), rt::toText(value, kC));
}

void TestNumbers::roundTrip_data()
{
    QTest::addColumn<double>("value");
    for (double v : {1.0 / 3, 2.0 / 3, M_PI, 1e300 / 7, 1e-300 / 7, 123456.789e10, 6.02214076e23,
                     -0.1, 1e15 - 1, 1e16 + 2, 2.2250738585072053e-308})
        QTest::addRow("%.17g", v) << v;
}

// What is shown reads back as the value rounded to 15 significant digits.
void TestNumbers::roundTrip()
{
    QFETCH(double, value);
    for (const QLocale& l : {kGerman, kC})
        QCOMPARE(rt::toNumber(rt::toText(value, l), l), rounded15(value));
}

void TestNumbers::lenient_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<std::optional<ErrorKind>>("error");

    const auto ok = none();
    QTest::newRow("plain") << kC << "36" << 36.0 << ok;
    QTest::newRow("point in German") << kGerman << "2.25" << 2.25 << ok;
    QTest::newRow("comma in German") << kGerman << "2,25" << 2.25 << ok;
    QTest::newRow("comma in C stops") << kC << "2,25" << 2.0 << ok;
    QTest::newRow("grouping in German reads as decimals") << kGerman << "1.000" << 1.0 << ok;
    QTest::newRow("leading blanks") << kC << "   7" << 7.0 << ok;
    QTest::newRow("inner blanks skipped") << kC << "1 2" << 12.0 << ok;
    QTest::newRow("stops at letters") << kGerman << "12abc" << 12.0 << ok;
    QTest::newRow("letters only") << kGerman << "abc" << 0.0 << ok;
    QTest::newRow("empty") << kC << "" << 0.0 << ok;
    QTest::newRow("sign only") << kC << "-" << 0.0 << ok;
    QTest::newRow("negative") << kC << "-8" << -8.0 << ok;
    QTest::newRow("minus sign") << kC << "\u22128" << -8.0 << ok;
    QTest::newRow("plus") << kC << "+8" << 8.0 << ok;
    QTest::newRow("leading point") << kC << ".5" << 0.5 << ok;
    QTest::newRow("exponent") << kC << "1e3" << 1000.0 << ok;
    QTest::newRow("exponent sign") << kGerman << "2,5E-2" << 0.025 << ok;
    QTest::newRow("dangling exponent") << kC << "3e" << 3.0 << ok;
    QTest::newRow("dangling sign") << kC << "3e+" << 3.0 << ok;
    QTest::newRow("second point stops") << kC << "1.2.3" << 1.2 << ok;
    QTest::newRow("too large") << kC << "1e999" << 0.0 << std::optional(ErrorKind::Overflow);
    QTest::newRow("too small") << kC << "1e-999" << 0.0 << std::optional(ErrorKind::Underflow);
    QTest::newRow("too small, no exponent")
        << kGerman << "0," + QString(340, u'0') + "1" << 0.0 << std::optional(ErrorKind::Underflow);
}

void TestNumbers::lenient()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(std::optional<ErrorKind>, error);
    double got = -1;
    QCOMPARE(raised([&] { got = rt::toNumberLenient(text, locale); }), error);
    if (!error)
        QCOMPARE(got, expected);
}

// In every locale Qt knows, what the program writes it reads back: as the
// value rounded to 15 digits, through the strict and the lenient conversion,
// with the exponent written "E"; and a number typed in ASCII is read too.
void TestNumbers::everyLocaleReadsItsOwnTexts()
{
    const double values[] = {-1.5e20,
                             -2.5e-20,
                             -0.125,
                             1.0 / 3,
                             123456789012345.0,
                             1e15,
                             1.5e-7,
                             -3.0,
                             0.0,
                             2.2250738585072053e-308,
                             -1.7976931348623149e308};
    const auto all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(all.size() > 100);
    for (const QLocale& l : all) {
        for (double v : values) {
            const QString shown = rt::toText(v, l);
            const QString where = l.name() + u' ' + shown;
            double back = 0;
            QVERIFY2(!raised([&] { back = rt::toNumber(shown, l); }), qPrintable(where));
            QVERIFY2(back == rounded15(v), qPrintable(where));
            QCOMPARE(rt::toText(back, l), shown);
            QVERIFY2(rt::toNumberLenient(shown, l) == back, qPrintable(where));
            QVERIFY2(rt::toNumber(rt::toExactText(v, l), l) == v, qPrintable(where));
            if (std::fabs(v) >= 1e15)
                QVERIFY2(shown.contains(u'E'), qPrintable(where));
        }
        QVERIFY2(rt::toNumber(QStringLiteral("-1e20"), l) == -1e20, qPrintable(l.name()));
        QVERIFY2(rt::toNumber(QStringLiteral("7"), l) == 7, qPrintable(l.name()));
    }
}

// Apart from refusing grouping and magnitudes a double cannot hold, the
// conversion reads exactly what the toolkit's own reading takes.
void TestNumbers::readsWhatTheToolkitReads()
{
    const QString alphabet = QStringLiteral("0123456789,.-+eE ");
    std::mt19937 rng(20261208);
    for (QLocale l : {kGerman, kC}) {
        l.setNumberOptions(QLocale::RejectGroupSeparator);
        for (int i = 0; i < 50000; ++i) {
            QString text;
            for (auto n = 1 + rng() % 9; n > 0; --n)
                text += alphabet[qsizetype(rng() % quint32(alphabet.size()))];
            bool ok = false;
            const double qt = l.toDouble(text, &ok);
            double ours = 0;
            const auto error = raised([&] { ours = rt::toNumber(text, l); });
            const QString where = l.name() + QStringLiteral(" \"") + text + u'"';
            if (!error)
                QVERIFY2(ok && qt == ours, qPrintable(where));
            else if (error == ErrorKind::TypeMismatch)
                QVERIFY2(!ok, qPrintable(where));
            else
                QVERIFY2(!ok || std::fpclassify(qt) != FP_NORMAL, qPrintable(where));
        }
    }
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
    QTest::newRow("underflow to 0") << 1e-200 << 2.0 << 0.0 << std::optional(ErrorKind::Underflow);
    QTest::newRow("subnormal") << 1e-160 << 2.0 << 0.0 << std::optional(ErrorKind::Underflow);
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
    const double smallest = std::numeric_limits<double>::min();
    const auto over = std::optional(ErrorKind::Overflow);
    const auto under = std::optional(ErrorKind::Underflow);
    QCOMPARE(raised([&] { (void)(Real(big) + big); }), over);
    QCOMPARE(raised([&] { (void)(Real(big) * 1); }), over);
    QCOMPARE(raised([&] { (void)(Real(big) * 2); }), over);
    QCOMPARE(raised([&] { (void)(Real(-big) - big); }), over);
    QCOMPARE(raised([&] { (void)(Real(1) / 0); }), std::optional(ErrorKind::DivisionByZero));
    QCOMPARE(raised([&] { (void)(Real(0) / 0); }), std::optional(ErrorKind::DivisionByZero));
    QCOMPARE(raised([&] { (void)(Real(1e-200) * 1e-200); }), under);
    QCOMPARE(raised([&] { (void)(Real(1e-300) / 1e10); }), under);
    QCOMPARE(raised([&] { (void)(Real(1e-300) / 1e300); }), under);
    QCOMPARE(raised([&] { (void)(Real(1.5 * smallest) - smallest); }), under);
    QCOMPARE(raised([&] { (void)(Real(smallest) * 1); }), under);
    QCOMPARE(raised([&] { (void)(Real(smallest) - smallest); }), none());
    QCOMPARE(raised([&] { (void)(Real(0) * 1e-300); }), none());
    QCOMPARE((Real(1) / 3).value(), 1.0 / 3);
}

void TestNumbers::readingMessages_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString notA = QStringLiteral(" im Feld „Seite a“ ist keine Zahl. ");
    QTest::newRow("not a number") << kGerman << "abc"
                                  << "Der Text „abc“ im Feld „Seite a“ ist keine Zahl. Bitte geben "
                                     "Sie eine Zahl ein.";
    QTest::newRow("empty") << kC << " "
                           << "Das Feld „Seite a“ ist leer. Bitte geben Sie eine Zahl ein.";
    QTest::newRow("de grouped") << kGerman << "2.500"
                                << "„2.500“" + notA +
                                       "Bitte ohne Tausenderpunkte schreiben, mit Komma vor den "
                                       "Nachkommastellen: 2,5 oder 2500.";
    QTest::newRow("de grouped with decimals")
        << kGerman << "1.000,5"
        << "„1.000,5“" + notA +
               "Bitte ohne Tausenderpunkte schreiben, mit Komma vor den Nachkommastellen: 1000,5.";
    QTest::newRow("c grouped") << kC << "0,125"
                               << "„0,125“" + notA +
                                      "Bitte ohne Tausenderkommas schreiben, mit Punkt vor den "
                                      "Nachkommastellen: 0.125 oder 125.";
    QTest::newRow("grouped, otherwise no number")
        << kGerman << "1.2x"
        << "Der Text „1.2x“ im Feld „Seite a“ ist keine Zahl. Bitte geben Sie eine Zahl ein.";
    QTest::newRow("too large") << kGerman << "1e400"
                               << "Die Zahl „1e400“ im Feld „Seite a“ ist zu groß.";
    QTest::newRow("too small") << kC << "1e-400"
                               << "Die Zahl „1e-400“ im Feld „Seite a“ ist zu klein zum Rechnen.";
    // Whatever was typed or pasted, the message quotes at most 40 characters on one line.
    QTest::newRow("long text") << kC << QString(32767, u'x')
                               << "Der Text „" + QString(40, u'x') +
                                      "…“ im Feld „Seite a“ ist keine Zahl. Bitte geben Sie eine "
                                      "Zahl ein.";
    QTest::newRow("line breaks") << kC << "1\n2\r3\u2028"
                                 << "Der Text „1 2 3 “ im Feld „Seite a“ ist keine Zahl. Bitte "
                                    "geben Sie eine Zahl ein.";
    QTest::newRow("markup") << kC << "<h1>2</h1>"
                            << "Der Text „<h1>2</h1>“ im Feld „Seite a“ ist keine Zahl. Bitte "
                               "geben Sie eine Zahl ein.";
}

void TestNumbers::readingMessages()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        rt::toNumber(text, locale);
        QFAIL("read as a number");
    } catch (rt::Error& e) {
        QCOMPARE(e.inField(QStringLiteral("txtseitea"), QStringLiteral("Seite a")).message(),
                 message);
    }
}

void TestNumbers::computingMessages_data()
{
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");

    QTest::newRow("overflow") << ErrorKind::Overflow << "Oberfläche"
                              << "Bei der Berechnung von „Oberfläche“: Das Ergebnis ist zu groß "
                                 "für die Rechnung (Überlauf). Bitte geben Sie kleinere Werte ein.";
    QTest::newRow("underflow") << ErrorKind::Underflow << "Volume"
                               << "Bei der Berechnung von „Volume“: Ein Zwischenergebnis ist zu "
                                  "klein für die Rechnung (Unterlauf). Bitte geben Sie größere "
                                  "Werte ein.";
    QTest::newRow("division") << ErrorKind::DivisionByZero << ""
                              << "Division durch null ist nicht möglich.";
}

void TestNumbers::computingMessages()
{
    QFETCH(ErrorKind, kind);
    QFETCH(QString, result);
    QFETCH(QString, message);
    rt::Error e(kind);
    if (!result.isEmpty())
        e.inResult(result);
    QCOMPARE(e.message(), message);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
