// The worked solution: the text for every solid in German school form, the
// substitution that computes exactly the result it explains, and the window
// that follows the active calculator.
#include "names.h"
#include "numbers/numbers.h"
#include "runtime/frame.h"
#include "runtime/windows.h"
#include "solids/calculatorwindow.h"
#include "solids/catalogue.h"
#include "support.h"
#include "worked/rechenwegwindow.h"
#include "worked/workedsolution.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <cstring>

namespace w = rt::windows;
using test::TextSheet;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

const solids::Variant& variantOf(const solids::Solid& s, const QString& option)
{
    for (const auto& v : s.calculator.variants) {
        if (!v.option || option == QString::fromUtf8(v.option))
            return v;
    }
    return s.calculator.variants.front();
}

// A calculation of the solid on plain texts, written as in German and put
// into the locale's notation; the reading the worked solution is made of.
worked::Reading calculated(const solids::Solid& s, const QString& option, const QString& inputs,
                           const QLocale& locale, TextSheet* kept = nullptr)
{
    QMap<QString, QString> texts;
    const QStringList values = inputs.split(u' ', Qt::SkipEmptyParts);
    for (std::size_t i = 0; i < s.calculator.dimensions.size(); ++i)
        texts[QString::fromUtf8(s.calculator.dimensions[i].box)] =
            QString(values.value(qsizetype(i))).replace(u',', locale.decimalPoint());
    TextSheet sheet(texts, locale);
    if (!option.isEmpty())
        sheet.options << option;
    const bool computed = solids::calculate(s.calculator, sheet) == solids::Outcome::Computed;
    if (kept)
        *kept = sheet;
    return {&variantOf(s, option), sheet.texts, computed};
}

// Reads a formula with the numbers put in as a pupil would type it into a
// calculator and works it out with the program's own arithmetic: left to
// right, products before sums, powers and roots through the power operation,
// the angle of a trigonometric function in degrees where it carries "°".
class Formula {
public:
    Formula(const QString& text, const QLocale& locale, double pi)
        : s_(text)
        , locale_(locale)
        , pi_(pi)
    {
    }

    double value()
    {
        const double v = sum().v.value();
        skipBlanks();
        if (i_ != s_.size())
            throw std::runtime_error("unread: " + s_.mid(i_).toStdString());
        return v;
    }

private:
    struct Value {
        rt::Real v;
        bool degrees = false;
    };

    void skipBlanks()
    {
        while (i_ < s_.size() && s_[i_] == u' ')
            ++i_;
    }
    bool take(const QString& word)
    {
        skipBlanks();
        if (!QStringView(s_).mid(i_).startsWith(word))
            return false;
        i_ += word.size();
        return true;
    }
    Value sum()
    {
        Value a = product();
        for (;;) {
            if (take(QStringLiteral("+")))
                a = {a.v + product().v};
            else if (take(QStringLiteral("\u2212")))
                a = {a.v - product().v};
            else
                return a;
        }
    }
    Value product()
    {
        Value a = raised();
        for (;;) {
            if (take(QStringLiteral("·")))
                a = {a.v * raised().v};
            else if (take(QStringLiteral(":")) || take(QStringLiteral("/")))
                a = {a.v / raised().v};
            else
                return a;
        }
    }
    Value raised()
    {
        Value a = primary();
        for (;;) {
            if (take(QStringLiteral("²")))
                a = {pow(a.v, 2)};
            else if (take(QStringLiteral("³")))
                a = {pow(a.v, 3)};
            else
                return a;
        }
    }
    Value inBrackets()
    {
        Value a = sum();
        if (!take(QStringLiteral(")")))
            throw std::runtime_error("no closing bracket");
        return a;
    }
    rt::Real angle(const Value& a) { return a.degrees ? (a.v * pi_) / 180 : a.v; }
    Value primary()
    {
        if (take(QStringLiteral("√(")))
            return {pow(inBrackets().v, 0.5)};
        if (take(QStringLiteral("sin(")))
            return {sin(angle(inBrackets()))};
        if (take(QStringLiteral("cos(")))
            return {cos(angle(inBrackets()))};
        if (take(QStringLiteral("tan(")))
            return {tan(angle(inBrackets()))};
        if (take(QStringLiteral("(")))
            return inBrackets();
        if (take(QStringLiteral("π")))
            return {pi_};
        skipBlanks();
        qsizetype end = i_;
        const QString decimal = locale_.decimalPoint();
        while (end < s_.size() &&
               (s_[end].isDigit() || s_[end] == decimal[0] ||
                (s_[end] == u'E' && end + 1 < s_.size()) ||
                ((s_[end] == u'+' || s_[end] == u'-') && end > i_ && s_[end - 1] == u'E')))
            ++end;
        if (end == i_)
            throw std::runtime_error("no number at: " + s_.mid(i_).toStdString());
        Value number{rt::toNumber(s_.mid(i_, end - i_), locale_)};
        i_ = end;
        if (take(QStringLiteral("°")))
            number.degrees = true;
        else
            take(QStringLiteral("cm"));
        return number;
    }

    QString s_;
    QLocale locale_;
    double pi_;
    qsizetype i_ = 0;
};

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

worked::RechenwegWindow* rechenweg()
{
    return static_cast<worked::RechenwegWindow*>(
        w::loaded(QString::fromUtf8(names::kWorkedSolution)));
}

solids::CalculatorWindow* calculator(const char* name)
{
    return static_cast<solids::CalculatorWindow*>(w::loaded(QString::fromUtf8(name)));
}

} // namespace

class TestRechenweg : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::setUpProgram(); }
    void cleanup() { w::unloadAll(); }

    void workedExamples_data();
    void workedExamples();
    void substitutionComputesTheResult_data();
    void substitutionComputesTheResult();
    void beforeACalculation();
    void followsTheActiveCalculator();
    void coneFollowsItsOption();
    void copies();
};

void TestRechenweg::workedExamples_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("german");

    QTest::newRow("Würfel") << "fowürfel"
                            << ""
                            << "2,5"
                            << QString::fromUtf8("Würfel\n"
                                                 "\n"
                                                 "Gegeben:\n"
                                                 "a = 2,5 cm\n"
                                                 "\n"
                                                 "Gesucht:\n"
                                                 "O, V, M\n"
                                                 "\n"
                                                 "Oberfläche:\n"
                                                 "O = 6 · a²\n"
                                                 "O = 6 · (2,5 cm)²\n"
                                                 "O = 37,5 cm²\n"
                                                 "\n"
                                                 "Volume:\n"
                                                 "V = a³\n"
                                                 "V = (2,5 cm)³\n"
                                                 "V = 15,625 cm³\n"
                                                 "\n"
                                                 "Mantel:\n"
                                                 "M = 4 · a²\n"
                                                 "M = 4 · (2,5 cm)²\n"
                                                 "M = 25 cm²\n");
    QTest::newRow("Quader") << "foquader"
                            << ""
                            << "2 3 4"
                            << QString::fromUtf8(
                                   "Quader\n"
                                   "\n"
                                   "Gegeben:\n"
                                   "a = 2 cm\n"
                                   "b = 3 cm\n"
                                   "c = 4 cm\n"
                                   "\n"
                                   "Gesucht:\n"
                                   "V, O, M\n"
                                   "\n"
                                   "Volume:\n"
                                   "V = a · b · c\n"
                                   "V = 2 cm · 3 cm · 4 cm\n"
                                   "V = 24 cm³\n"
                                   "\n"
                                   "Oberfläche:\n"
                                   "O = 2 · (a · b + a · c + b · c)\n"
                                   "O = 2 · (2 cm · 3 cm + 2 cm · 4 cm + 3 cm · 4 cm)\n"
                                   "O = 52 cm²\n"
                                   "\n"
                                   "Mantel:\n"
                                   "M = 2 · (a · c + b · c)\n"
                                   "M = 2 · (2 cm · 4 cm + 3 cm · 4 cm)\n"
                                   "M = 40 cm²\n");
    QTest::newRow("Pyramide") << "fopyramide"
                              << "oppyramide"
                              << "4 2 3"
                              << QString::fromUtf8(
                                     "Pyramide\n"
                                     "\n"
                                     "Gegeben:\n"
                                     "a1 = 4 cm\n"
                                     "h = 3 cm\n"
                                     "\n"
                                     "Gesucht:\n"
                                     "O, V, M, hs\n"
                                     "\n"
                                     "Oberfläche:\n"
                                     "O = a1² + 2 · a1 · hs\n"
                                     "mit hs = √(h² + (a1 : 2)²)\n"
                                     "O = (4 cm)² + 2 · 4 cm · √((3 cm)² + (4 cm : 2)²)\n"
                                     "O = 44,8444102037119 cm²\n"
                                     "\n"
                                     "Volume:\n"
                                     "V = 1/3 · a1² · h\n"
                                     "V = 1/3 · (4 cm)² · 3 cm\n"
                                     "V = 16 cm³\n"
                                     "\n"
                                     "Mantel:\n"
                                     "M = 2 · a1 · hs\n"
                                     "mit hs = √(h² + (a1 : 2)²)\n"
                                     "M = 2 · 4 cm · √((3 cm)² + (4 cm : 2)²)\n"
                                     "M = 28,8444102037119 cm²\n"
                                     "\n"
                                     "Seite hs:\n"
                                     "hs = √(h² + (a1 : 2)²)\n"
                                     "hs = √((3 cm)² + (4 cm : 2)²)\n"
                                     "hs = 3,60555127546399 cm\n");
    QTest::newRow("Pyramidenstumpf")
        << "fopyramide"
        << "opstumpf"
        << "4 2 3"
        << QString::fromUtf8(
               "Pyramidenstumpf\n"
               "\n"
               "Gegeben:\n"
               "a1 = 4 cm\n"
               "a2 = 2 cm\n"
               "h = 3 cm\n"
               "\n"
               "Gesucht:\n"
               "O, V, M, hs\n"
               "\n"
               "Oberfläche:\n"
               "O = a1² + a2² + 2 · (a1 + a2) · hs\n"
               "mit hs = √(h² + ((a1 − a2) : 2)²)\n"
               "O = (4 cm)² + (2 cm)² + 2 · (4 cm + 2 cm) · √((3 cm)² + ((4 cm − 2 cm) : 2)²)\n"
               "O = 57,9473319220206 cm²\n"
               "\n"
               "Volume:\n"
               "V = 1/3 · h · (a1² + a1 · a2 + a2²)\n"
               "V = 1/3 · 3 cm · ((4 cm)² + 4 cm · 2 cm + (2 cm)²)\n"
               "V = 28 cm³\n"
               "\n"
               "Mantel:\n"
               "M = 2 · (a1 + a2) · hs\n"
               "mit hs = √(h² + ((a1 − a2) : 2)²)\n"
               "M = 2 · (4 cm + 2 cm) · √((3 cm)² + ((4 cm − 2 cm) : 2)²)\n"
               "M = 37,9473319220206 cm²\n"
               "\n"
               "Seite hs:\n"
               "hs = √(h² + ((a1 − a2) : 2)²)\n"
               "hs = √((3 cm)² + ((4 cm − 2 cm) : 2)²)\n"
               "hs = 3,16227766016838 cm\n");
    QTest::newRow("Zylinder") << "fozylinder"
                              << ""
                              << "2 3"
                              << QString::fromUtf8("Zylinder\n"
                                                   "\n"
                                                   "Gegeben:\n"
                                                   "r = 2 cm\n"
                                                   "h = 3 cm\n"
                                                   "\n"
                                                   "Gesucht:\n"
                                                   "O, V, M\n"
                                                   "\n"
                                                   "Oberfläche:\n"
                                                   "O = 2 · π · r · h + 2 · π · r²\n"
                                                   "O = 2 · π · 2 cm · 3 cm + 2 · π · (2 cm)²\n"
                                                   "O = 62,8318530717958 cm²\n"
                                                   "\n"
                                                   "Volume:\n"
                                                   "V = π · r² · h\n"
                                                   "V = π · (2 cm)² · 3 cm\n"
                                                   "V = 37,6991118430775 cm³\n"
                                                   "\n"
                                                   "Mantel:\n"
                                                   "M = 2 · π · r · h\n"
                                                   "M = 2 · π · 2 cm · 3 cm\n"
                                                   "M = 37,6991118430775 cm²\n");
    QTest::newRow("Prisma") << "foprisma"
                            << ""
                            << "5 3 7"
                            << QString::fromUtf8(
                                   "Prisma\n"
                                   "\n"
                                   "Gegeben:\n"
                                   "n = 5\n"
                                   "a = 3 cm\n"
                                   "h = 7 cm\n"
                                   "\n"
                                   "Gesucht:\n"
                                   "G, V, O, M\n"
                                   "\n"
                                   "Grundfläche:\n"
                                   "G = n · a² : (4 · tan(π : n))\n"
                                   "G = 5 · (3 cm)² : (4 · tan(π : 5))\n"
                                   "G = 15,4842966053007 cm²\n"
                                   "\n"
                                   "Volume:\n"
                                   "V = G · h\n"
                                   "mit G = n · a² : (4 · tan(π : n))\n"
                                   "V = (5 · (3 cm)² : (4 · tan(π : 5))) · 7 cm\n"
                                   "V = 108,390076237105 cm³\n"
                                   "\n"
                                   "Oberfläche:\n"
                                   "O = 2 · G + M\n"
                                   "mit G = n · a² : (4 · tan(π : n))\n"
                                   "mit M = n · a · h\n"
                                   "O = 2 · (5 · (3 cm)² : (4 · tan(π : 5))) + (5 · 3 cm · 7 cm)\n"
                                   "O = 135,968593210601 cm²\n"
                                   "\n"
                                   "Mantel:\n"
                                   "M = n · a · h\n"
                                   "M = 5 · 3 cm · 7 cm\n"
                                   "M = 105 cm²\n");
    QTest::newRow("Kegel") << "fokegel"
                           << ""
                           << "3 4"
                           << QString::fromUtf8("Kegel\n"
                                                "\n"
                                                "Gegeben:\n"
                                                "r = 3 cm\n"
                                                "h = 4 cm\n"
                                                "\n"
                                                "Gesucht:\n"
                                                "O, V, M, s, α\n"
                                                "\n"
                                                "Oberfläche:\n"
                                                "O = π · r · (r + s)\n"
                                                "mit s = √(h² + r²)\n"
                                                "O = π · 3 cm · (3 cm + √((4 cm)² + (3 cm)²))\n"
                                                "O = 75,398223686155 cm²\n"
                                                "\n"
                                                "Volume:\n"
                                                "V = 1/3 · r² · π · h\n"
                                                "V = 1/3 · (3 cm)² · π · 4 cm\n"
                                                "V = 37,6991118430775 cm³\n"
                                                "\n"
                                                "Mantel:\n"
                                                "M = π · r · s\n"
                                                "mit s = √(h² + r²)\n"
                                                "M = π · 3 cm · √((4 cm)² + (3 cm)²)\n"
                                                "M = 47,1238898038469 cm²\n"
                                                "\n"
                                                "Seite s:\n"
                                                "s = √(h² + r²)\n"
                                                "s = √((4 cm)² + (3 cm)²)\n"
                                                "s = 5 cm\n"
                                                "\n"
                                                "Winkel a:\n"
                                                "α = 360° · r : s\n"
                                                "α = 360° · 3 cm : 5 cm\n"
                                                "α = 216°\n");
    QTest::newRow("Spat")
        << "fospat"
        << ""
        << "3 4 5 60 70 80"
        << QString::fromUtf8(
               "Spat\n"
               "\n"
               "Gegeben:\n"
               "a = 3 cm\n"
               "b = 4 cm\n"
               "c = 5 cm\n"
               "α = 60°\n"
               "β = 70°\n"
               "γ = 80°\n"
               "\n"
               "Gesucht:\n"
               "V, O, M, h\n"
               "\n"
               "Volume:\n"
               "V = a · b · c · √(w)\n"
               "mit w = 1 + 2 · cos(α) · cos(β) · cos(γ) − cos(α)² − cos(β)² − cos(γ)²\n"
               "V = 3 cm · 4 cm · 5 cm · √(1 + 2 · cos(60°) · cos(70°) · cos(80°) − cos(60°)² − "
               "cos(70°)² − cos(80°)²)\n"
               "V = 48,827604320085 cm³\n"
               "\n"
               "Oberfläche:\n"
               "O = 2 · G + M\n"
               "mit G = a · b · sin(γ)\n"
               "mit M = 2 · (b · c · sin(α) + a · c · sin(β))\n"
               "O = 2 · (3 cm · 4 cm · sin(80°)) + (2 · (4 cm · 5 cm · sin(60°) + 3 cm · 5 cm · "
               "sin(70°)))\n"
               "O = 86,4671808472478 cm²\n"
               "\n"
               "Mantel:\n"
               "M = 2 · (b · c · sin(α) + a · c · sin(β))\n"
               "M = 2 · (4 cm · 5 cm · sin(60°) + 3 cm · 5 cm · sin(70°))\n"
               "M = 62,8317947749548 cm²\n"
               "\n"
               "Höhe h:\n"
               "h = V : G\n"
               "mit w = 1 + 2 · cos(α) · cos(β) · cos(γ) − cos(α)² − cos(β)² − cos(γ)²\n"
               "mit V = a · b · c · √(w)\n"
               "mit G = a · b · sin(γ)\n"
               "h = (3 cm · 4 cm · 5 cm · √(1 + 2 · cos(60°) · cos(70°) · cos(80°) − cos(60°)² − "
               "cos(70°)² − cos(80°)²)) : (3 cm · 4 cm · sin(80°))\n"
               "h = 4,13173740177014 cm\n");
    QTest::newRow("Kugel") << "fokugel"
                           << ""
                           << "3"
                           << QString::fromUtf8("Kugel\n"
                                                "\n"
                                                "Gegeben:\n"
                                                "r = 3 cm\n"
                                                "\n"
                                                "Gesucht:\n"
                                                "V, O\n"
                                                "\n"
                                                "Volume:\n"
                                                "V = 4/3 · π · r³\n"
                                                "V = 4/3 · π · (3 cm)³\n"
                                                "V = 113,097335529232 cm³\n"
                                                "\n"
                                                "Oberfläche:\n"
                                                "O = 4 · π · r²\n"
                                                "O = 4 · π · (3 cm)²\n"
                                                "O = 113,097335529232 cm²\n");
    QTest::newRow("Torus") << "fotorus"
                           << ""
                           << "4 1,5"
                           << QString::fromUtf8("Torus\n"
                                                "\n"
                                                "Gegeben:\n"
                                                "R = 4 cm\n"
                                                "r = 1,5 cm\n"
                                                "\n"
                                                "Gesucht:\n"
                                                "V, O\n"
                                                "\n"
                                                "Volume:\n"
                                                "V = 2 · π² · R · r²\n"
                                                "V = 2 · π² · 4 cm · (1,5 cm)²\n"
                                                "V = 177,652879219608 cm³\n"
                                                "\n"
                                                "Oberfläche:\n"
                                                "O = 4 · π² · R · r\n"
                                                "O = 4 · π² · 4 cm · 1,5 cm\n"
                                                "O = 236,870505626145 cm²\n");
    QTest::newRow("Kegelstumpf")
        << "fokegel"
        << "opstumpf"
        << "5 4 2"
        << QString::fromUtf8(
               "Kegelstumpf\n"
               "\n"
               "Gegeben:\n"
               "r = 5 cm\n"
               "h = 4 cm\n"
               "r2 = 2 cm\n"
               "\n"
               "Gesucht:\n"
               "O, V, M, s, α\n"
               "\n"
               "Oberfläche:\n"
               "O = π · r² + π · r2² + π · (r + r2) · s\n"
               "mit s = √(h² + (r − r2)²)\n"
               "O = π · (5 cm)² + π · (2 cm)² + π · (5 cm + 2 cm) · √((4 cm)² + (5 cm − 2 cm)²)\n"
               "O = 201,061929829747 cm²\n"
               "\n"
               "Volume:\n"
               "V = π · h · (r² + r · r2 + r2²) : 3\n"
               "V = π · 4 cm · ((5 cm)² + 5 cm · 2 cm + (2 cm)²) : 3\n"
               "V = 163,362817986669 cm³\n"
               "\n"
               "Mantel:\n"
               "M = π · (r + r2) · s\n"
               "mit s = √(h² + (r − r2)²)\n"
               "M = π · (5 cm + 2 cm) · √((4 cm)² + (5 cm − 2 cm)²)\n"
               "M = 109,955742875643 cm²\n"
               "\n"
               "Seite s:\n"
               "s = √(h² + (r − r2)²)\n"
               "s = √((4 cm)² + (5 cm − 2 cm)²)\n"
               "s = 5 cm\n"
               "\n"
               "Winkel a:\n"
               "α = 360° · (r − r2) : s\n"
               "α = 360° · (5 cm − 2 cm) : 5 cm\n"
               "α = 216°\n");
    QTest::newRow("Hohlzylinder")
        << "fohohlzylinder"
        << ""
        << "5 3 10"
        << QString::fromUtf8("Hohlzylinder\n"
                             "\n"
                             "Gegeben:\n"
                             "R = 5 cm\n"
                             "r = 3 cm\n"
                             "h = 10 cm\n"
                             "\n"
                             "Gesucht:\n"
                             "V, O, M, w\n"
                             "\n"
                             "Volumen:\n"
                             "V = π · h · (R² − r²)\n"
                             "V = π · 10 cm · ((5 cm)² − (3 cm)²)\n"
                             "V = 502,654824574367 cm³\n"
                             "\n"
                             "Oberfläche:\n"
                             "O = 2 · π · (R² − r²) + 2 · π · h · (R + r)\n"
                             "O = 2 · π · ((5 cm)² − (3 cm)²) + 2 · π · 10 cm · (5 cm + 3 cm)\n"
                             "O = 603,18578948924 cm²\n"
                             "\n"
                             "Mantel:\n"
                             "M = 2 · π · h · (R + r)\n"
                             "M = 2 · π · 10 cm · (5 cm + 3 cm)\n"
                             "M = 502,654824574367 cm²\n"
                             "\n"
                             "Wandstärke w:\n"
                             "w = R − r\n"
                             "w = 5 cm − 3 cm\n"
                             "w = 2 cm\n");
    QTest::newRow("Kugelabschnitt")
        << "fokugelabschnitt"
        << ""
        << "5 2"
        << QString::fromUtf8("Kugelabschnitt\n"
                             "\n"
                             "Gegeben:\n"
                             "r = 5 cm\n"
                             "h = 2 cm\n"
                             "\n"
                             "Gesucht:\n"
                             "V, O, M, a\n"
                             "\n"
                             "Volumen:\n"
                             "V = π · h² · (3 · r − h) : 3\n"
                             "V = π · (2 cm)² · (3 · 5 cm − 2 cm) : 3\n"
                             "V = 54,4542726622231 cm³\n"
                             "\n"
                             "Oberfläche:\n"
                             "O = 2 · π · r · h + π · a²\n"
                             "mit a = √(h · (2 · r − h))\n"
                             "O = 2 · π · 5 cm · 2 cm + π · √(2 cm · (2 · 5 cm − 2 cm))²\n"
                             "O = 113,097335529233 cm²\n"
                             "\n"
                             "Mantel:\n"
                             "M = 2 · π · r · h\n"
                             "M = 2 · π · 5 cm · 2 cm\n"
                             "M = 62,8318530717959 cm²\n"
                             "\n"
                             "Grundkreisradius a:\n"
                             "a = √(h · (2 · r − h))\n"
                             "a = √(2 cm · (2 · 5 cm − 2 cm))\n"
                             "a = 4 cm\n");
    QTest::newRow("Tetraeder") << "fotetraeder"
                               << ""
                               << "2"
                               << QString::fromUtf8("Tetraeder\n"
                                                    "\n"
                                                    "Gegeben:\n"
                                                    "a = 2 cm\n"
                                                    "\n"
                                                    "Gesucht:\n"
                                                    "V, O, h\n"
                                                    "\n"
                                                    "Volumen:\n"
                                                    "V = a³ · √(2) : 12\n"
                                                    "V = (2 cm)³ · √(2) : 12\n"
                                                    "V = 0,942809041582063 cm³\n"
                                                    "\n"
                                                    "Oberfläche:\n"
                                                    "O = √(3) · a²\n"
                                                    "O = √(3) · (2 cm)²\n"
                                                    "O = 6,92820323027551 cm²\n"
                                                    "\n"
                                                    "Höhe h:\n"
                                                    "h = a · √(2/3)\n"
                                                    "h = 2 cm · √(2/3)\n"
                                                    "h = 1,63299316185545 cm\n");
}

// Each solid's worked solution whole, as text; in C it differs only in the
// decimal separator.
void TestRechenweg::workedExamples()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, inputs);
    QFETCH(QString, german);
    const solids::Solid& s = solids::solid(window);
    QCOMPARE(worked::solution(s, calculated(s, option, inputs, kGerman), kGerman) + u'\n', german);
    const QString c = QString(german).replace(QRegularExpression(QStringLiteral("(\\d),(\\d)")),
                                              QStringLiteral("\\1.\\2"));
    QCOMPARE(worked::solution(s, calculated(s, option, inputs, QLocale::c()), QLocale::c()) + u'\n',
             c);
}

void TestRechenweg::substitutionComputesTheResult_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("inputs");

    // Long, tiny and huge numbers, whose shortest text is not their 15-digit one.
    const char* const sets[] = {"7,25 0,123456789012345678 3,3 61,5 59,25 71,125",
                                "1e20 3e19 2e19 100 50 80", "9 0,3 0,25 30 40 20"};
    for (const solids::Solid* s : solids::catalogue()) {
        for (const auto& v : s->calculator.variants) {
            for (const char* set : sets) {
                QString inputs = QString::fromUtf8(set);
                // Whole corners for the prism.
                if (s->calculator.dimensions.front().unit == solids::Unit::None)
                    inputs.replace(0, inputs.indexOf(u' '), QStringLiteral("7"));
                QTest::addRow("%s %s %s", s->window, v.option ? v.option : "", set)
                    << QString::fromUtf8(s->window) << QString::fromUtf8(v.option ? v.option : "")
                    << inputs;
            }
        }
    }
}

// The line with the numbers put in, worked out left to right with the
// program's arithmetic, gives exactly the double of the result it explains,
// in German and in C.
void TestRechenweg::substitutionComputesTheResult()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, inputs);
    const solids::Solid& s = solids::solid(window);
    for (const QLocale& locale : {kGerman, QLocale::c()}) {
        TextSheet sheet({}, locale);
        const worked::Reading reading = calculated(s, option, inputs, locale, &sheet);
        QVERIFY(reading.computed);
        const QStringList lines = worked::solution(s, reading, locale).split(u'\n');
        const auto& results = variantOf(s, option).results;
        int checked = 0;
        for (const solids::Result& r : results) {
            const QString start = QString::fromUtf8(r.symbol) + QStringLiteral(" = ");
            const qsizetype at = lines.indexOf(start + r.formula.symbols());
            QVERIFY(at >= 0);
            const QString substituted = lines[at + 1 + r.formula.namedParts().size()];
            const double computed = r.formula.evaluate(solids::Inputs(sheet, s.calculator)).value();
            double read = 0;
            try {
                read = Formula(substituted.mid(start.size()), locale, s.calculator.pi).value();
            } catch (const std::exception& e) {
                QFAIL(qPrintable(substituted + ": " + e.what()));
            }
            QVERIFY2(sameBits(read, computed),
                     qPrintable(substituted + QStringLiteral(" gives %1, not %2")
                                                  .arg(read, 0, 'g', 17)
                                                  .arg(computed, 0, 'g', 17)));
            // The result line shows the label's digits: all 15 in the first
            // nine windows, those the inputs determine in the newer ones.
            const QString label = sheet.texts.value(QString::fromUtf8(r.label));
            QVERIFY(!label.isEmpty());
            if (!s.calculator.certainDigits)
                QCOMPARE(label, rt::toText(computed, locale));
            QVERIFY(lines[at + 2 + r.formula.namedParts().size()].startsWith(start + label));
            ++checked;
        }
        QCOMPARE(checked, int(results.size()));
    }
}

// Before the first calculation, or after one that failed, the solution shows
// what the boxes hold where it is a number, and the formulas in symbols only.
void TestRechenweg::beforeACalculation()
{
    const solids::Solid& cone = solids::solid(QStringLiteral("fokegel"));
    const worked::Reading failed = calculated(cone, {}, "3 0", kGerman);
    QVERIFY(!failed.computed);
    const QStringList lines = worked::solution(cone, failed, kGerman).split(u'\n');
    QVERIFY(lines.contains("r = 3 cm"));
    QVERIFY(lines.contains("h = 0 cm"));
    QVERIFY(lines.contains("O = π · r · (r + s)"));
    QVERIFY(!lines.join(u'\n').contains(QStringLiteral("cm²")));

    worked::Reading typing{nullptr, {{"txtradiusr", "3,"}, {"txthöheh", "vier"}}, false};
    const QString text = worked::solution(cone, typing, kGerman);
    QVERIFY(text.contains("r = 3 cm"));
    QVERIFY(!text.contains("h = "));
}

// The cone window's option decides the solution and the sketch: the full cone
// as the window opens, the frustum once "Kegelstumpf" is chosen, and after a
// calculation the option it computed.
void TestRechenweg::coneFollowsItsOption()
{
    w::show(QStringLiteral("fokegel"));
    solids::CalculatorWindow* cone = calculator("fokegel");
    w::frame()->findChild<QAction*>(QStringLiteral("mnurechenweg"))->trigger();
    QCOMPARE(rechenweg()->followed(), cone);
    const auto sketch = [] {
        return QAccessible::queryAccessibleInterface(rechenweg()->findChild<QWidget*>("Skizze"))
            ->text(QAccessible::Description);
    };
    QVERIFY(rechenweg()->solutionText().startsWith("Kegel\n"));
    QCOMPARE(sketch(), "Skizze: Kegel mit Radius r, Höhe h und Mantellinie s");
    cone->findChild<QRadioButton*>(QStringLiteral("opstumpf"))->click();
    QVERIFY(rechenweg()->solutionText().startsWith("Kegelstumpf\n"));
    for (const auto& [box, text] :
         {std::pair{"txtradiusr", "5"}, {"txthöheh", "4"}, {"txtradiusr2", "2"}})
        test::type(cone, QString::fromUtf8(box), QString::fromUtf8(text));
    QCOMPARE(sketch(), "Skizze: Kegelstumpf mit Radius r, Radius r2, Höhe h und Mantellinie s");
    test::click(cone, QStringLiteral("cmdberechnen"));
    QVERIFY(rechenweg()->solutionText().contains("α = 216°"));
    // The last calculation stands until the next one.
    cone->findChild<QRadioButton*>(QStringLiteral("opkegel"))->click();
    QVERIFY(rechenweg()->solutionText().startsWith("Kegelstumpf\n"));
    test::click(cone, QStringLiteral("cmdberechnen"));
    QVERIFY(rechenweg()->solutionText().startsWith("Kegel\n"));
    QVERIFY(rechenweg()->solutionText().contains("O = π · r · (r + s)"));
}

// The window shows the active calculator, switches when another becomes
// active, keeps one open when the start window comes to the front, and says
// so when none is left; the letter of the box with the focus stands out.
void TestRechenweg::followsTheActiveCalculator()
{
    w::show(QString::fromUtf8(names::kStart));
    w::show(QStringLiteral("fokugel"));
    test::type(calculator("fokugel"), QStringLiteral("txtradiusr"), QStringLiteral("3"));
    test::click(calculator("fokugel"), QStringLiteral("cmdberechnen"));
    w::frame()->findChild<QAction*>(QStringLiteral("mnurechenweg"))->trigger();
    QVERIFY(rechenweg() && rechenweg()->isVisible() && rechenweg()->isWindow());
    QCOMPARE(rechenweg()->followed(), calculator("fokugel"));
    QVERIFY(rechenweg()->solutionText().contains(
        "V = " + rt::toText(113.09733552923242, QLocale()) + " cm³"));
    QCOMPARE(QAccessible::queryAccessibleInterface(rechenweg()->findChild<QWidget*>("Skizze"))
                 ->text(QAccessible::Description),
             "Skizze: Kugel mit Radius r");

    w::show(QStringLiteral("fowürfel"));
    QCOMPARE(rechenweg()->followed(), calculator("fowürfel"));
    QVERIFY(rechenweg()->solutionText().startsWith("Würfel"));
    QVERIFY(!rechenweg()->solutionText().contains("cm²")); // nothing computed yet
    test::type(calculator("fowürfel"), QStringLiteral("txtseitea"), QStringLiteral("2"));
    QVERIFY(rechenweg()->solutionText().contains("a = 2 cm"));
    calculator("fowürfel")->findChild<QLineEdit*>("txtseitea")->setFocus();
    QCOMPARE(rechenweg()->highlighted(), "txtseitea");
    test::click(calculator("fowürfel"), QStringLiteral("cmdberechnen"));
    QVERIFY(rechenweg()->solutionText().contains("O = 24 cm²"));

    w::show(QString::fromUtf8(names::kStart));
    QCOMPARE(rechenweg()->followed(), calculator("fowürfel"));
    test::click(calculator("fowürfel"), QStringLiteral("cmdzurück"));
    QTRY_COMPARE(rechenweg()->followed(), calculator("fokugel"));
    test::click(calculator("fokugel"), QStringLiteral("cmdzurück"));
    QTRY_COMPARE(rechenweg()->solutionText(), "Kein Rechner geöffnet.");
    QVERIFY(!rechenweg()->followed());

    // OK hides it; the menu shows the same window again.
    QPointer<QWidget> first = rechenweg();
    test::click(rechenweg(), QStringLiteral("cmdok"));
    QVERIFY(!first->isVisible());
    w::frame()->findChild<QAction*>(QStringLiteral("mnurechenweg"))->trigger();
    QCOMPARE(rechenweg(), first.data());
    QVERIFY(first->isVisible());
}

// "Kopieren" and Ctrl+C put the whole solution on the clipboard; Ctrl+C in
// the text copies what is selected there.
void TestRechenweg::copies()
{
    w::show(QStringLiteral("fozylinder"));
    test::type(calculator("fozylinder"), QStringLiteral("txtradiusr"), QStringLiteral("2"));
    test::type(calculator("fozylinder"), QStringLiteral("txthöheh"), QStringLiteral("3"));
    test::click(calculator("fozylinder"), QStringLiteral("cmdberechnen"));
    w::show(QString::fromUtf8(names::kWorkedSolution));
    QVERIFY(QTest::qWaitForWindowActive(rechenweg()));
    const QString whole = rechenweg()->solutionText();
    QVERIFY(whole.contains("O = " + rt::toText(62.831853071795805, QLocale()) + " cm²"));

    QGuiApplication::clipboard()->clear();
    test::click(rechenweg(), QStringLiteral("cmdkopieren"));
    QCOMPARE(QGuiApplication::clipboard()->text(), whole);

    auto* text = rechenweg()->findChild<QTextEdit*>();
    for (QWidget* focus :
         {static_cast<QWidget*>(text), rechenweg()->findChild<QWidget*>(QStringLiteral("cmdok"))}) {
        QGuiApplication::clipboard()->clear();
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), whole);
    }
    QTextCursor c = text->textCursor();
    c.setPosition(0);
    c.setPosition(8, QTextCursor::KeepAnchor);
    text->setTextCursor(c);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), whole.left(8));
}

QTEST_MAIN(TestRechenweg)
#include "tst_rechenweg.moc"
