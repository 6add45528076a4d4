#include "runtime/errors.h"
#include "runtime/form.h"
#include "runtime/frame.h"
#include "runtime/numbers.h"
#include "runtime/windows.h"
#include "solids/cone.h"
#include "solids/cube.h"
#include "solids/cuboid.h"
#include "solids/cylinder.h"
#include "solids/pyramid.h"
#include "support.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTest>
#include <cstring>

namespace w = rt::windows;
using solids::Calculator;
using solids::Outcome;
using test::TextSheet;
using Values = QList<double>;

namespace {

// A solid's window, its calculator with the option that chooses it, its
// boxes in the order they are checked and its results in the order written.
struct Solid {
    const char* window = nullptr;
    const Calculator* calculator = nullptr;
    const char* option = "";
    QStringList boxes;
    QStringList results;
};

const Solid& solid(const QString& name)
{
    const QString o = "laboberfläche", v = "labvolume", m = "labmantel";
    const QStringList pyramidBoxes = {"txtseitea1", "txthöheh", "txtseitea2"};
    const QStringList pyramidResults = {o, v, m, "labseitehs"};
    static const QMap<QString, Solid> all = {
        {"cube", {"fowürfel", &solids::kCube, "", {"txtseitea"}, {o, v, m}}},
        {"cuboid",
         {"foquader", &solids::kCuboid, "", {"txtseitea", "txtseiteb", "txtseitec"}, {v, o, m}}},
        {"pyramid", {"fopyramide", &solids::kPyramid, "oppyramide", pyramidBoxes, pyramidResults}},
        {"frustum", {"fopyramide", &solids::kPyramid, "opstumpf", pyramidBoxes, pyramidResults}},
        {"no option", {"fopyramide", &solids::kPyramid, "", pyramidBoxes, pyramidResults}},
        {"cylinder", {"fozylinder", &solids::kCylinder, "", {"txtradiusr", "txthöheh"}, {o, v, m}}},
        {"cone",
         {"fokegel",
          &solids::kCone,
          "",
          {"txtradiusr", "txthöheh"},
          {o, v, m, "labseites", "labwinkela"}}},
    };
    return all.find(name).value();
}

// One row of a data table.
template <class... Columns> void row(const char* tag, const Columns&... columns)
{
    (QTest::newRow(tag) << ... << columns);
}

// Inputs are written as in German, blank-separated in the order of the
// solid's boxes; boxes left out stay empty.
QMap<QString, QString> texts(const Solid& s, const QString& inputs, QChar decimalPoint)
{
    QMap<QString, QString> t;
    const QStringList values = inputs.split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i < s.boxes.size(); ++i)
        t[s.boxes[i]] = i < values.size() ? QString(values[i]).replace(u',', decimalPoint) : "";
    return t;
}

// A sheet whose result labels all show an earlier text.
TextSheet sheetFor(const Solid& s, const QString& inputs, const QLocale& locale = QLocale::c())
{
    TextSheet sheet(texts(s, inputs, locale.decimalPoint().front()), locale);
    for (const QString& label : s.results)
        sheet.texts[label] = QStringLiteral("alt");
    sheet.options << QString::fromUtf8(s.option);
    return sheet;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

rt::Form* form(const Solid& s)
{
    return static_cast<rt::Form*>(w::loaded(QString::fromUtf8(s.window)));
}

int instances(const Solid& s)
{
    int n = 0;
    for (auto* sub : w::frame()->area()->subWindowList())
        n += sub->widget() && sub->widget()->objectName() == QString::fromUtf8(s.window);
    return n;
}

void verifyEmpty(rt::Form* f)
{
    for (auto* box : f->findChildren<QLineEdit*>())
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    for (auto* option : f->findChildren<QRadioButton*>())
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    for (const rt::Control& c : f->description().controls) {
        if (c.role == rt::Role::Result)
            QVERIFY2(f->label(QString::fromUtf8(c.name))->text().isEmpty(), c.name);
    }
}

// Opens the solid's window, types the inputs and picks the solid's option.
rt::Form* enter(const Solid& s, const QString& inputs)
{
    w::show(QString::fromUtf8(s.window));
    rt::Form* f = form(s);
    const auto t = texts(s, inputs, QLocale().decimalPoint().front());
    for (auto it = t.cbegin(); it != t.cend(); ++it) {
        if (!it.value().isEmpty())
            test::type(f, it.key(), it.value());
    }
    if (auto* o = f->findChild<QRadioButton*>(QString::fromUtf8(s.option)))
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
    return f;
}

QStringList labelTexts(QWidget* window)
{
    QStringList all;
    for (auto* l : window->findChildren<QLabel*>())
        all << l->text();
    return all;
}

} // namespace

class TestSolids : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::setUpProgram(); }
    void cleanup() { w::unloadAll(); }

    void figures_data();
    void figures();
    void checks_data();
    void checks();
    void errors_data();
    void errors();
    void pyramidChoice_data();
    void pyramidChoice();
    void windows_data();
    void windows();
    void rejectedThroughWindows_data();
    void rejectedThroughWindows();
};

void TestSolids::figures_data()
{
    QTest::addColumn<QString>("solid");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<Values>("values");

    row("cube 2", "cube", "2", Values{24, 8, 16});
    row("cube 0,5", "cube", "0,5", Values{1.5, 0.125, 1});
    row("cube 0,3", "cube", "0,3", Values{0.54, 0.026999999999999996, 0.36});
    row("cube 123,456", "cube", "123,456", Values{91448.303616, 1881640.2952028161, 60965.535744});
    row("cuboid 2 3 4", "cuboid", "2 3 4", Values{24, 52, 40});
    row("cuboid 1 1 1", "cuboid", "1 1 1", Values{1, 6, 4});
    // Other orders of the sums or products change the last bit here.
    row("cuboid 0,1 0,2 0,3", "cuboid", "0,1 0,2 0,3", Values{0.006000000000000001, 0.22, 0.18});
    row("cuboid 0,1 0,2 1", "cuboid", "0,1 0,2 1",
        Values{0.020000000000000004, 0.64, 0.6000000000000001});
    row("pyramid 2 3 1", "pyramid", "2 3 1",
        Values{16.64911064067352, 4, 12.649110640673518, 3.1622776601683795});
    row("pyramid 3 2 7", "pyramid", "3 2 7", Values{24, 6, 15, 2.5});
    row("pyramid 0,1 3,5 1", "pyramid", "0,1 3,5 1",
        Values{0.7100714249274855, 0.011666666666666669, 0.7000714249274855, 3.5003571246374277});
    row("frustum 4 3 2", "frustum", "4 3 2",
        Values{57.94733192202055, 28, 37.94733192202055, 3.1622776601683795});
    row("frustum 5 7,5 3", "frustum", "5 7,5 3",
        Values{155.06196760337247, 122.5, 121.06196760337245, 7.566372975210778});
    row("frustum wider on top", "frustum", "0,1 2,1 1,2",
        Values{7.094156269984027, 1.0989999999999998, 5.644156269984027, 2.170829334609241});
    row("cylinder 1 1", "cylinder", "1 1",
        Values{12.56637061435916, 3.14159265358979, 6.28318530717958});
    row("cylinder 2 3", "cylinder", "2 3",
        Values{62.831853071795805, 37.69911184307748, 37.69911184307748});
    row("cylinder 0,3 0,6", "cylinder", "0,3 0,6",
        Values{1.6964600329384865, 0.16964600329384866, 1.1309733552923242});
    row("cone 3 4", "cone", "3 4",
        Values{75.39822368615496, 37.69911184307748, 47.12388980384685, 5, 216});
    row("cone 5 12", "cone", "5 12",
        Values{282.7433388230811, 314.1592653589789, 204.20352248333634, 13, 138.46153846153845});
    // The angle divides by the shown 1,4142135623731; the unrounded slant height
    // would give 254.5584412271571.
    row("cone 1 1", "cone", "1 1",
        Values{7.584475591748151, 1.0471975511965965, 4.442882938158362, 1.4142135623730951,
               254.5584412271562});
    row("cone, slant height shown in exponent form", "cone", "1e20 1e20",
        Values{7.584475591748152e+40, 1.0471975511965966e+60, 4.442882938158361e+40,
               1.4142135623730951e+20, 254.5584412271562});
    row("cone 0,1 0,6", "cone", "0,1 0,6",
        Values{0.2225115473230592, 0.006283185307179581, 0.1910956207871613, 0.6082762530298219,
               59.18363542992862});
}

// Each figure bit for bit, written in order and shown in both locales.
void TestSolids::figures()
{
    QFETCH(QString, solid);
    QFETCH(QString, inputs);
    QFETCH(Values, values);
    const Solid& s = ::solid(solid);
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        TextSheet sheet = sheetFor(s, inputs, locale);
        QCOMPARE(solids::calculate(*s.calculator, sheet), Outcome::Computed);
        QVERIFY(sheet.messages.isEmpty());
        QCOMPARE(sheet.writes, s.results);
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(sheet.texts[s.results[i]], rt::toText(values[i], locale));
        // The formulas once more, on the sheet as the routine left it.
        const auto& variant = s.calculator->variants[solid == "frustum" ? 1 : 0];
        QCOMPARE(qsizetype(variant.results.size()), values.size());
        for (int i = 0; i < values.size(); ++i) {
            const double got = variant.results[i].formula(solids::Inputs(sheet)).value();
            QVERIFY2(sameBits(got, values[i]), qPrintable(QString::number(got, 'g', 17)));
        }
    }
}

void TestSolids::checks_data()
{
    QTest::addColumn<QString>("solid");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("message");

    const char* r = "Bitte geben Sie für Radius r > 0 ein";
    const char* h = "Bitte geben Sie für Höhe h > 0 ein";
    const char* a = "Bitte geben Sie für Seite a > 0 ein";
    const char* a2 = "Bitte geben Sie für Seite a2 > 0 ein";
    // Boxes after the failing one are not read: they hold no number.
    row("cube 0", "cube", "0", "Bitte geben Sie für a > 0 ein");
    row("cube -3", "cube", "-3", "Bitte geben Sie für a > 0 ein");
    row("cuboid a 0", "cuboid", "0", a);
    row("cuboid a -1", "cuboid", "-1 x 1", a);
    row("cuboid b 0, c -5", "cuboid", "2 0 -5", "Bitte geben Sie für Seite b > 0 ein");
    row("cuboid c 0", "cuboid", "2 3 0", "Bitte geben Sie für Seite c > 0 ein");
    row("pyramid a1 0", "pyramid", "0", "Bitte geben Sie für Seite a1 > 0 ein");
    row("frustum h before a2", "frustum", "2 -1", h);
    row("pyramid a2 0", "pyramid", "2 3 0", a2);
    row("no option, a2 0", "no option", "2 3 0", a2);
    row("cylinder r 0", "cylinder", "0 x", r);
    row("cylinder h 0", "cylinder", "1 0", h);
    row("cylinder both -1", "cylinder", "-1 -1", r);
    row("cone r 0", "cone", "0", r);
    row("cone h 0", "cone", "1 0", h);
}

// Only the first input not greater than 0 is reported, and no label changes;
// the cylinder's box is the plain one.
void TestSolids::checks()
{
    QFETCH(QString, solid);
    QFETCH(QString, inputs);
    QFETCH(QString, message);
    const Solid& s = ::solid(solid);
    TextSheet sheet = sheetFor(s, inputs);
    const auto before = sheet.texts;
    QCOMPARE(solids::calculate(*s.calculator, sheet), Outcome::Rejected);
    QCOMPARE(sheet.messages.size(), 1);
    QCOMPARE(sheet.messages[0].text, message);
    QCOMPARE(sheet.messages[0].style, solid == "cylinder" ? 0 : 64);
    QCOMPARE(sheet.messages[0].title, solid == "cylinder" ? "" : "Problem");
    QVERIFY(sheet.writes.isEmpty());
    QCOMPARE(sheet.texts, before);
}

void TestSolids::errors_data()
{
    QTest::addColumn<QString>("solid");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("where"); // the box read, or the result being computed
    QTest::addColumn<int>("written");

    const int nan = int(rt::ErrorKind::TypeMismatch);
    const int over = int(rt::ErrorKind::Overflow);
    const char* v = "labvolume";
    const char* o = "laboberfläche";
    row("cube empty", "cube", "", nan, "txtseitea", 0);
    row("cube 6a²", "cube", "1e154", over, o, 0);
    row("cube a²", "cube", "1e200", over, o, 0);
    row("cube a³ after the surface", "cube", "1e103", over, v, 1);
    row("cuboid c empty", "cuboid", "2 3", nan, "txtseitec", 0);
    row("cuboid surface", "cuboid", "1e308 1 1", over, o, 1);
    row("cuboid a·b, though a·b·c fits", "cuboid", "1e200 1e200 1e-200", over, v, 0);
    row("pyramid a2 empty", "pyramid", "2 3", nan, "txtseitea2", 0);
    row("pyramid volume", "pyramid", "1e100 1e150 1", over, v, 1);
    row("frustum volume", "frustum", "1e100 1e150 1", over, v, 1);
    row("cylinder radius read first", "cylinder", "abc", nan, "txtradiusr", 0);
    row("cylinder volume", "cylinder", "1e100 1e200", over, v, 1);
    row("cone volume", "cone", "1e100 1e150", over, v, 1);
    // Squares below the smallest normal double would lose their digits or turn
    // into 0, and the slant height with them.
    const int under = int(rt::ErrorKind::Underflow);
    row("cube a² too small", "cube", "1e-162", under, o, 0);
    row("cone h² subnormal", "cone", "1e-160 1e-160", under, o, 0);
    row("cylinder volume too small", "cylinder", "1e-150 1e-10", under, v, 1);
}

// An error stops the calculation where it happens; what was written before
// stays, what it did not reach is cleared.
void TestSolids::errors()
{
    QFETCH(QString, solid);
    QFETCH(QString, inputs);
    QFETCH(int, kind);
    QFETCH(QString, where);
    QFETCH(int, written);
    const Solid& s = ::solid(solid);
    TextSheet sheet = sheetFor(s, inputs);
    try {
        solids::calculate(*s.calculator, sheet);
        QFAIL("no error raised");
    } catch (const rt::Error& e) {
        QCOMPARE(int(e.kind()), kind);
        if (e.kind() == rt::ErrorKind::TypeMismatch)
            QCOMPARE(e.field(), where);
        else
            QCOMPARE(e.result(), "[" + where + "]");
    }
    QVERIFY(sheet.messages.isEmpty());
    for (const QString& label : s.results.first(written))
        QVERIFY2(sheet.texts[label] != "alt" && !sheet.texts[label].isEmpty(), qPrintable(label));
    for (const QString& label : s.results.sliced(written))
        QCOMPARE(sheet.texts[label],
                 written || kind != int(rt::ErrorKind::TypeMismatch) ? "" : "alt");
}

void TestSolids::pyramidChoice_data()
{
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<double>("surface");
    QTest::addColumn<double>("slant");

    row("no option", QStringList{"no option"}, 0.0, 0.0);
    row("frustum, then pyramid", QStringList{"frustum", "pyramid"}, 44.84441020371192,
        3.605551275463989);
    row("pyramid, then frustum", QStringList{"pyramid", "frustum"}, 57.94733192202055,
        3.1622776601683795);
    row("frustum, then none", QStringList{"frustum", "no option"}, 57.94733192202055,
        3.1622776601683795);
}

// The option decides the solid, and "Seite hs:" always belongs to the last
// one computed; without an option the user is asked to choose, and nothing changes.
void TestSolids::pyramidChoice()
{
    QFETCH(QStringList, runs);
    QFETCH(double, surface);
    QFETCH(double, slant);
    TextSheet sheet = sheetFor(solid("no option"), "4 3 2");
    for (const QString& run : runs) {
        const bool chosen = run != "no option";
        sheet.options = {QString::fromUtf8(solid(run).option)};
        sheet.writes.clear();
        const Outcome outcome = solids::calculate(solids::kPyramid, sheet);
        QCOMPARE(outcome, chosen ? Outcome::Computed : Outcome::NothingChosen);
        QCOMPARE(sheet.writes.size(), chosen ? 4 : 0);
        QCOMPARE(sheet.messages.size(), chosen ? 0 : 1);
        if (!chosen) {
            QCOMPARE(sheet.messages[0].text, "Bitte wählen Sie Pyramide oder Pyramidenstumpf aus.");
            QCOMPARE(sheet.messages[0].style, 64);
            QCOMPARE(sheet.messages[0].title, "Problem");
            sheet.messages.clear();
        }
    }
    const auto shown = [](double v) { return v ? rt::toText(v, QLocale::c()) : "alt"; };
    QCOMPARE(sheet.texts["laboberfläche"], shown(surface));
    QCOMPARE(sheet.texts["labseitehs"], shown(slant));
}

void TestSolids::windows_data()
{
    QTest::addColumn<QString>("solid");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("tabOrder");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<Values>("values");

    row("Würfel", "cube", "Würfel", QStringList{"txtseitea", "cmdzurück", "cmdberechnen"},
        "123,456", Values{91448.303616, 1881640.2952028161, 60965.535744});
    row("Quader", "cuboid", "Quader",
        QStringList{"txtseitea", "txtseiteb", "txtseitec", "cmdberechnen", "cmdzurück"},
        "1,23 4,56 7,89", Values{44.253432, 102.58379999999998, 91.36619999999999});
    row("Pyramide", "frustum", "Pyramide/Pyramidenstumpf",
        QStringList{"txthöheh", "txtseitea2", "cmdzurück", "cmdberechnen", "oppyramide", "opstumpf",
                    "txtseitea1"},
        "5 7,5 3", Values{155.06196760337247, 122.5, 121.06196760337245, 7.566372975210778});
    row("Zylinder", "cylinder", "Zylinder",
        QStringList{"txtradiusr", "txthöheh", "cmdberechnen", "cmdzurück"}, "0,3 1,7",
        Values{3.7699111843077477, 0.48066367599923787, 3.2044245066615855});
    row("Kegel", "cone", "Kegel",
        QStringList{"cmdzurück", "cmdberechnen", "txthöheh", "txtradiusr"}, "2,5 0,7",
        Values{40.02507633557236, 4.58148928648511, 20.39012225063617, 2.596150997149434,
               346.667047097106});
}

// Opened once and empty, reachable by a screen reader; one calculation through
// the widgets shows every result unclipped; "Zurück" and reopening give an
// empty window again.
void TestSolids::windows()
{
    QFETCH(QString, solid);
    QFETCH(QString, caption);
    QFETCH(QStringList, tabOrder);
    QFETCH(QString, inputs);
    QFETCH(Values, values);
    const Solid& s = ::solid(solid);
    const QString name = QString::fromUtf8(s.window);
    w::show(name);
    w::show(name);
    rt::Form* f = form(s);
    QVERIFY(f && f->isVisible());
    QCOMPARE(instances(s), 1);
    QCOMPARE(f->windowTitle(), caption);
    verifyEmpty(f);
    QStringList chain;
    QWidget* next = f->focusWidget();
    for (int steps = 0; steps < 100 && chain.size() < tabOrder.size(); ++steps) {
        if (next->parentWidget() == f && (next->focusPolicy() & Qt::TabFocus))
            chain << next->objectName();
        next = next->nextInFocusChain();
    }
    QCOMPARE(chain, tabOrder);
    // Each box is known by the caption on its left, each result by its row's caption.
    for (const QString& box : s.boxes) {
        const QString told =
            QAccessible::queryAccessibleInterface(f->textBox(box))->text(QAccessible::Name);
        QCOMPARE(told, f->rowCaption(box) + ":");
    }
    for (const QString& result : s.results)
        QVERIFY2(!f->label(result)->accessibleDescription().isEmpty(), qPrintable(result));

    enter(s, inputs);
    const auto box = test::answerBox([&] { test::click(f, QStringLiteral("cmdberechnen")); });
    QVERIFY2(!box.shown, qPrintable(box.text));
    for (int i = 0; i < values.size(); ++i)
        QCOMPARE(f->label(s.results[i])->text(), rt::toText(values[i], QLocale()));
    for (auto* l : f->findChildren<QLabel*>()) {
        if (!l->wordWrap())
            QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->objectName()));
    }
    for (auto* b : f->findChildren<QAbstractButton*>())
        QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->objectName()));
    // Results never run under their units or captions, and the window holds them all.
    for (auto* l : f->findChildren<QLabel*>()) {
        QVERIFY2(f->rect().contains(l->geometry()), qPrintable(l->objectName()));
        for (const QString& result : s.results) {
            if (l != f->label(result))
                QVERIFY2(!l->geometry().intersects(f->label(result)->geometry()),
                         qPrintable(l->objectName() + " over " + result));
        }
    }

    test::click(f, QStringLiteral("cmdzurück"));
    QVERIFY(!w::loaded(name));
    QCOMPARE(instances(s), 0);
    w::show(name);
    QCOMPARE(instances(s), 1);
    verifyEmpty(form(s));
}

void TestSolids::rejectedThroughWindows_data()
{
    QTest::addColumn<QString>("solid");
    QTest::addColumn<QString>("good");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("message");

    row("Würfel", "cube", "2", "-3", "Bitte geben Sie für a > 0 ein");
    row("Quader", "cuboid", "2 3 4", "2 0 -5", "Bitte geben Sie für Seite b > 0 ein");
    row("Pyramide", "pyramid", "2 3 1", "2 3 0", "Bitte geben Sie für Seite a2 > 0 ein");
    row("Zylinder r", "cylinder", "2 3", "0 3", "Bitte geben Sie für Radius r > 0 ein");
    row("Zylinder h", "cylinder", "2 3", "2 -1", "Bitte geben Sie für Höhe h > 0 ein");
    row("Kegel", "cone", "3 4", "3 0", "Bitte geben Sie für Höhe h > 0 ein");
}

// A rejected input shows its message and keeps the last results; only the
// cylinder's box is plain, under the application's title.
void TestSolids::rejectedThroughWindows()
{
    QFETCH(QString, solid);
    QFETCH(QString, good);
    QFETCH(QString, bad);
    QFETCH(QString, message);
    rt::Form* f = enter(::solid(solid), good);
    test::click(f, QStringLiteral("cmdberechnen"));
    QVERIFY(!f->label(QStringLiteral("laboberfläche"))->text().isEmpty());
    const QStringList before = labelTexts(f);

    enter(::solid(solid), bad);
    const auto box = test::answerBox([&] { test::click(f, QStringLiteral("cmdberechnen")); });
    QVERIFY(box.shown);
    const bool plain = solid == "cylinder";
    QCOMPARE(box.title, plain ? "Solvanto" : "Problem");
    QCOMPARE(box.icon, plain ? QMessageBox::NoIcon : QMessageBox::Information);
    QCOMPARE(box.text, message);
    QCOMPARE(labelTexts(f), before);
}

QTEST_MAIN(TestSolids)
#include "tst_solids.moc"
