#include "numbers/errors.h"
#include "numbers/numbers.h"
#include "root/rootwindow.h"
#include "runtime/frame.h"
#include "runtime/windows.h"
#include "support.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace w = rt::windows;

namespace {

constexpr int kNoError = -1;
constexpr int kMismatch = int(rt::ErrorKind::TypeMismatch);
constexpr int kByZero = int(rt::ErrorKind::DivisionByZero);
constexpr int kNoReal = int(rt::ErrorKind::InvalidPower);

// Numbers written here with '.' in the degree and the result, as the locale writes them.
QString in(const QLocale& l, QString s)
{
    return s.replace(u'.', l.decimalPoint());
}

// A row for the C and the German locale. The radicand stays as written: its
// lenient reading takes the full stop everywhere.
void both(const char* name, const char* degree, const char* radicand, const char* shown,
          int error = kNoError)
{
    for (const QLocale& l : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QTest::addRow("%s, %s", name, qPrintable(l.name()))
            << l << in(l, degree) << QString::fromUtf8(radicand) << in(l, shown) << error;
    }
}

QWidget* rootWindow()
{
    return w::loaded(QStringLiteral("fowurzel"));
}

} // namespace

class TestRoot : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::setUpProgram(); }
    void cleanup() { w::unloadAll(); }

    void computation_data();
    void computation();
    void window_data();
    void window();
    void singleInstance();
    void signAndScreenReader();
    void staysOnScreen();
    void readingNote_data();
    void readingNote();
    void noteUnderTheResult_data();
    void noteUnderTheResult();
};

void TestRoot::computation_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("degree");
    QTest::addColumn<QString>("radicand");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("error");

    const QLocale de(QLocale::German, QLocale::Germany);
    both("start values", "2", "36", "6");
    both("cube root of 1000, just below 10", "3", "1000", "10");
    both("square root of 2, 15 digits", "2", "2", "1.4142135623731");
    both("negative degree", "-2", "36", "0.166666666666667");
    both("degree 1, negative radicand", "1", "-8", "-8");
    both("degree one half squares", "0.5", "1e100", "1E+200");
    both("radicand with full stop", "2", "2.25", "1.5");
    both("radicand after blanks, before a unit", "4", "  16 cm", "2");
    both("radicand of letters", "2", "abc", "0");
    both("empty radicand", "3", "", "0");
    QTest::addRow("radicand with decimal comma, de") << de << "2"
                                                     << "6,25m"
                                                     << "2,5" << kNoError;
    QTest::addRow("radicand stops at the comma, C") << QLocale::c() << "2"
                                                    << "2,25"
                                                    << "1.4142135623731" << kNoError;

    both("degree of letters", "zwei", "36", "", kMismatch);
    both("empty degree", "", "36", "", kMismatch);
    QTest::addRow("degree with full stop, de") << de << "0.5"
                                               << "3"
                                               << "" << kMismatch;
    both("degree 0", "0", "36", "", kByZero);
    both("0 to a negative power", "-2", "0", "", kByZero);
    both("cube root of -8", "3", "-8", "", kNoReal);
    both("result too large", "0.001", "10", "", int(rt::ErrorKind::Overflow));
}

void TestRoot::computation()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, degree);
    QFETCH(QString, radicand);
    QFETCH(QString, shown);
    QFETCH(int, error);
    try {
        const double root = root::takeRoot(degree, radicand, locale);
        QCOMPARE(kNoError, error);
        QCOMPARE(rt::toText(root, locale), shown);
    } catch (const rt::Error& e) {
        QCOMPARE(int(e.kind()), error);
    }
}

void TestRoot::window_data()
{
    QTest::addColumn<QString>("degree");
    QTest::addColumn<QString>("radicand");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("cursorIn");

    const QLocale l;
    QTest::newRow("start values") << "2"
                                  << "36"
                                  << "6"
                                  << ""
                                  << "";
    QTest::newRow("long result") << in(l, "0.5") << "-123456789.123"
                                 << in(l, "1.52415787805609E+16") << ""
                                 << "";
    QTest::newRow("user's notation") << "2" << in(l, "2.25") << in(l, "1.5") << ""
                                     << "";
    // After an error the result of the press before (the start values) stays.
    QTest::newRow("degree of letters") << "n"
                                       << "36"
                                       << "6"
                                       << "„Wurzelexponent“"
                                       << "txtWurzelArt";
    QTest::newRow("degree 0") << "0"
                              << "36"
                              << "6"
                              << "Division durch null"
                              << "txtWurzelArt";
    QTest::newRow("cube root of -8") << "3"
                                     << "-8"
                                     << "6"
                                     << "kein reelles Ergebnis"
                                     << "txtBasis";
}

// Through the widgets: a result shows whole in the user's notation; an error
// explains itself, keeps the result shown before, puts the cursor where the fault is,
// and the window and the program stay.
void TestRoot::window()
{
    QFETCH(QString, degree);
    QFETCH(QString, radicand);
    QFETCH(QString, shown);
    QFETCH(QString, says);
    QFETCH(QString, cursorIn);

    w::show(QStringLiteral("fowurzel"));
    QWidget* window = rootWindow();
    test::click(window, QStringLiteral("cmdWurzelZiehen"));
    test::type(window, QStringLiteral("txtWurzelArt"), degree);
    test::type(window, QStringLiteral("txtBasis"), radicand);
    window->findChild<QWidget*>(QStringLiteral("cmdWurzelZiehen"))->setFocus();
    const auto box =
        test::answerBox([&] { test::click(window, QStringLiteral("cmdWurzelZiehen")); });
    QCOMPARE(box.shown, !says.isEmpty());
    QVERIFY2(box.text.contains(says), qPrintable(box.text));
    QCOMPARE(rootWindow(), window);
    QVERIFY(window->isVisible());
    auto* result = window->findChild<QLabel*>(QStringLiteral("labergebnis"));
    QCOMPARE(result->text(), shown);
    QVERIFY(result->width() >= result->fontMetrics().horizontalAdvance(shown));
    QVERIFY(window->rect().contains(result->geometry()));
    if (box.shown) {
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(window->focusWidget()->objectName(), cursorIn);
    }
}

// "Wurzelziehen" twice gives one window; closing the frame leaves it open.
void TestRoot::singleInstance()
{
    w::show(QStringLiteral("Form1"));
    auto* entry = w::frame()->findChild<QAction*>(QStringLiteral("mnuwurzelziehen"));
    entry->trigger();
    QWidget* first = rootWindow();
    QVERIFY(first && first->isVisible() && first->isWindow());
    test::type(first, QStringLiteral("txtBasis"), QStringLiteral("49"));
    entry->trigger();
    QCOMPARE(rootWindow(), first);
    QCOMPARE(first->findChild<QLineEdit*>(QStringLiteral("txtBasis"))->text(), "49");

    w::frame()->findChild<QAction*>(QStringLiteral("mnubeenden"))->trigger();
    QVERIFY(!w::loaded(QStringLiteral("Form1")));
    QCOMPARE(rootWindow(), first);
    QVERIFY(first->isVisible());
}

// The degree sits in the crook of the drawn sign (above the tick, left of the
// long stroke), the radicand under the bar; both blend into the window and
// carry names a screen reader can speak.
void TestRoot::signAndScreenReader()
{
    w::show(QStringLiteral("fowurzel"));
    auto* degree = rootWindow()->findChild<QLineEdit*>(QStringLiteral("txtWurzelArt"));
    auto* radicand = rootWindow()->findChild<QLineEdit*>(QStringLiteral("txtBasis"));
    const QRectF d = degree->geometry(), r = radicand->geometry();
    // The long stroke runs from (900, 825) up to (1125, 225) twips.
    const auto strokeX = [](qreal y) { return (900 + (825 - y * 15) * 225 / 600.0) / 15.0; };
    QVERIFY(d.bottom() <= 525 / 15.0 && d.right() <= strokeX(d.bottom()));
    QVERIFY(r.top() >= 225 / 15.0 && r.left() >= strokeX(r.top()) && r.right() <= 1950 / 15.0);
    for (QLineEdit* box : {degree, radicand}) {
        QVERIFY(!box->hasFrame());
        QCOMPARE(box->palette().color(QPalette::Base),
                 rootWindow()->palette().color(QPalette::Window));
    }
    const auto spoken = [](QWidget* c, QAccessible::Text t) {
        return QAccessible::queryAccessibleInterface(c)->text(t);
    };
    QCOMPARE(spoken(degree, QAccessible::Name), "Wurzelexponent");
    QCOMPARE(spoken(radicand, QAccessible::Name), "Radikand");
    auto* result = rootWindow()->findChild<QLabel*>(QStringLiteral("labergebnis"));
    QVERIFY(spoken(result, QAccessible::Description).contains(QStringLiteral("Wurzel")));
}

// Its stored place keeps it whole on the screen at any scale (CTest runs this
// once more at three times the pixel density, where the stored place alone
// would put the result off the screen).
void TestRoot::staysOnScreen()
{
    w::show(QStringLiteral("fowurzel"));
    QWidget* window = rootWindow();
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
}

void TestRoot::readingNote_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("radicand");
    QTest::addColumn<QString>("note");

    const QLocale de(QLocale::German, QLocale::Germany), c = QLocale::c();
    // The same note in both locales.
    const auto same = [&](const char* tag, const char* radicand, const char* note) {
        for (const QLocale& l : {de, c})
            QTest::addRow("%s, %s", tag, qPrintable(l.name()))
                << l << QString::fromUtf8(radicand) << QString::fromUtf8(note);
    };
    const auto each = [&](const char* tag, const char* radicand, const char* german,
                          const char* inC) {
        QTest::addRow("%s, de", tag)
            << de << QString::fromUtf8(radicand) << QString::fromUtf8(german);
        QTest::addRow("%s, C", tag) << c << QString::fromUtf8(radicand) << QString::fromUtf8(inC);
    };
    same("read whole", "36", "");
    same("blanks around and inside", "  1 000\t", "");
    same("exponent", "1e3", "");
    same("trailing letters", "16abc", "Gelesen wurde 16; „abc“ wurde nicht berücksichtigt.");
    same("a unit after a blank", "  16 cm", "Gelesen wurde 16; „cm“ wurde nicht berücksichtigt.");
    same("a formula", "1500/(pi*10)", "Gelesen wurde 1500; „/(pi*10)“ wurde nicht berücksichtigt.");
    same("an exponent without digits", "2e", "Gelesen wurde 2; „e“ wurde nicht berücksichtigt.");
    same("no number", "abc", "Gelesen wurde 0 — „abc“ beginnt nicht mit einer Zahl.");
    same("a sign alone", "-x", "Gelesen wurde 0 — „-x“ beginnt nicht mit einer Zahl.");
    same("empty", "", "Gelesen wurde 0 — das Feld ist leer.");
    same("blanks only", "   ", "Gelesen wurde 0 — das Feld ist leer.");
    same("a long rest, shortened", "7 Äpfel und 3 Birnen und 2 Kiwis",
         "Gelesen wurde 7; „Äpfel und 3 Birnen u…“ wurde nicht berücksichtigt.");
    each("German thousands", "1.000",
         "Gelesen wurde 1 — der Punkt ist hier das Dezimaltrennzeichen.", "");
    each("full stop for decimals", "2.25",
         "Gelesen wurde 2,25 — der Punkt ist hier das Dezimaltrennzeichen.", "");
    each("German millions", "1.000.000",
         "Gelesen wurde 1 — der Punkt ist hier das Dezimaltrennzeichen; „.000“ wurde nicht "
         "berücksichtigt.",
         "Gelesen wurde 1; „.000“ wurde nicht berücksichtigt.");
    each("decimal comma", "2,25", "", "Gelesen wurde 2; „,25“ wurde nicht berücksichtigt.");
}

// What the lenient reading made of the radicand, said whenever it is not
// simply what was typed.
void TestRoot::readingNote()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, radicand);
    QFETCH(QString, note);
    QCOMPARE(root::readingNote(radicand, locale), note);
}

void TestRoot::noteUnderTheResult_data()
{
    QTest::addColumn<QStringList>("radicands"); // pressed one after the other
    QTest::addColumn<QString>("shown");         // the last result
    QTest::addColumn<bool>("noted");

    QTest::newRow("trailing letters") << QStringList{"16abc"} << "4" << true;
    QTest::newRow("no number") << QStringList{"abc"} << "0" << true;
    QTest::newRow("read whole") << QStringList{"36"} << "6" << false;
    QTest::newRow("read whole after a note") << QStringList{"16abc", "49"} << "7" << false;
}

// The note stands under the result, and a screen reader reads it with the
// result; a radicand read whole leaves no note behind.
void TestRoot::noteUnderTheResult()
{
    QFETCH(QStringList, radicands);
    QFETCH(QString, shown);
    QFETCH(bool, noted);
    w::show(QStringLiteral("fowurzel"));
    QWidget* window = rootWindow();
    for (const QString& radicand : radicands) {
        test::type(window, QStringLiteral("txtBasis"), radicand);
        test::click(window, QStringLiteral("cmdWurzelZiehen"));
    }
    auto* result = window->findChild<QLabel*>(QStringLiteral("labergebnis"));
    auto* note = window->findChild<QLabel*>(QStringLiteral("labgelesen"));
    QVERIFY(note);
    QCOMPARE(result->text(), shown);
    const QString expected = root::readingNote(radicands.last(), QLocale());
    QCOMPARE(note->text(), expected);
    QCOMPARE(note->isVisible(), noted);
    QCOMPARE(expected.isEmpty(), !noted);
    const QString described =
        QAccessible::queryAccessibleInterface(result)->text(QAccessible::Description);
    QVERIFY(described.startsWith(QStringLiteral("Ergebnis: die Wurzel")));
    QCOMPARE(described.contains(QStringLiteral("Gelesen wurde")), noted);
    if (noted) {
        QVERIFY(described.endsWith(expected));
        QVERIFY(note->geometry().top() >= result->geometry().bottom());
        QVERIFY(window->rect().contains(note->geometry()));
        QVERIFY(note->width() >= note->sizeHint().width());
    }
}

QTEST_MAIN(TestRoot)
#include "tst_root.moc"
