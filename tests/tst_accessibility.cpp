#include "model/solver.h"
#include "names.h"
#include "numbers/numbers.h"
#include "runtime/form.h"
#include "runtime/windows.h"
#include "solids/calculatorwindow.h"
#include "solids/catalogue.h"
#include "support.h"
#include "worked/inversewindow.h"
#include "worked/rechenwegwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

namespace w = rt::windows;

namespace {

QAccessibleInterface* reader(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

// The window a name opens, with its frame when it is a child of the frame.
QWidget* outer(QWidget* window)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        return sub;
    return window;
}

// Everything a screen reader can reach from an object, depth first.
void collect(QAccessibleInterface* a, QList<QAccessibleInterface*>& all)
{
    if (!a)
        return;
    all << a;
    for (int i = 0; i < a->childCount(); ++i)
        collect(a->child(i), all);
}

QString describe(QAccessibleInterface* a)
{
    QObject* o = a->object();
    return QStringLiteral("%1 (%2) \"%3\"")
        .arg(o ? o->objectName() : QStringLiteral("?"), o ? o->metaObject()->className() : "")
        .arg(a->text(QAccessible::Name));
}

// What a screen reader reads along one line of a window, from a control
// rightwards: the objects it shows whose middle lies within the control's
// height, left to right, by name.
QString readRow(QWidget* window, QWidget* from)
{
    const QRect anchor = reader(from)->rect();
    QList<QAccessibleInterface*> all;
    collect(reader(window), all);
    QList<QAccessibleInterface*> row;
    for (QAccessibleInterface* a : all) {
        const QRect r = a->rect();
        const int middle = r.center().y();
        if (a->object() != window && !a->state().invisible && r.left() >= anchor.left() &&
            middle >= anchor.top() && middle <= anchor.bottom())
            row << a;
    }
    std::stable_sort(row.begin(), row.end(),
                     [](auto* a, auto* b) { return a->rect().x() < b->rect().x(); });
    QStringList words;
    for (QAccessibleInterface* a : row)
        words << a->text(QAccessible::Name);
    return words.join(u' ');
}

QStringList allWindows()
{
    QStringList all = {names::kFrame, names::kStart};
    for (const solids::Solid* s : solids::catalogue())
        all << QString::fromUtf8(s->window);
    return all << names::kRoot << names::kInfo << names::kWorkedSolution << names::kInverse
               << names::kComposite;
}

const QStringList kAllWindows = allWindows();

// The control a screen reader finds by its role and name in a window.
QAccessibleInterface* findByName(QWidget* window, QAccessible::Role role, const QString& name)
{
    QList<QAccessibleInterface*> all;
    collect(reader(window), all);
    for (QAccessibleInterface* a : all) {
        if (a->role() == role && a->text(QAccessible::Name) == name)
            return a;
    }
    return nullptr;
}

// A combo box, its list or an entry of it.
bool inComboBox(QAccessibleInterface* a)
{
    for (; a; a = a->parent()) {
        if (qobject_cast<QComboBox*>(a->object()))
            return true;
    }
    return false;
}

// The caption a reader should hear for a control: the static label that
// stands on its left in the same row, as the eye sees it.
QString captionLeftOf(QWidget* window, QWidget* control)
{
    QLabel* best = nullptr;
    for (auto* l : window->findChildren<QLabel*>()) {
        if (l->y() == control->y() && l->x() < control->x() && !l->text().isEmpty() &&
            !(l->textInteractionFlags() & Qt::TextSelectableByMouse) &&
            (!best || l->x() > best->x()))
            best = l;
    }
    return best ? best->text() : QString();
}

// A unit as a screen reader should say it.
QString spoken(solids::Unit unit)
{
    switch (unit) {
    case solids::Unit::Centimetre:
        return QStringLiteral("Zentimeter");
    case solids::Unit::SquareCentimetre:
        return QStringLiteral("Quadratzentimeter");
    case solids::Unit::CubicCentimetre:
        return QStringLiteral("Kubikzentimeter");
    case solids::Unit::Degree:
        return QStringLiteral("Grad");
    case solids::Unit::None:
        break;
    }
    return {};
}

// Texts that a screen reader must never read on their own: a unit abbreviation
// or a raised power, which mean something only together.
const QStringList kBareUnits = {"cm", "2", "3", "o"};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::setUpProgram(); }
    void cleanup() { w::unloadAll(); }

    void everyFocusableControlIsNamed_data();
    void everyFocusableControlIsNamed();
    void textBoxesAreKnownByTheirCaption_data();
    void textBoxesAreKnownByTheirCaption();
    void rootBoxesAreKnownByWhatTheyHold();
    void resultRowsReadAsValueAndUnit_data();
    void resultRowsReadAsValueAndUnit();
    void tabOrderIsTheStoredOne_data();
    void tabOrderIsTheStoredOne();
    void keyboardAlone();
    void menuBarFromTheKeyboard_data();
    void menuBarFromTheKeyboard();
    void solutionChosenByTheReader_data();
    void solutionChosenByTheReader();
    void variantChosenByTheReader_data();
    void variantChosenByTheReader();
};

void TestAccessibility::everyFocusableControlIsNamed_data()
{
    QTest::addColumn<QString>("window");
    for (const QString& name : kAllWindows)
        QTest::newRow(name.toUtf8()) << name;
}

// Walks the window as a screen reader sees it: whatever can take the focus has
// a name, every result says which row it belongs to, and no unit abbreviation
// or raised power is read apart from its unit.
void TestAccessibility::everyFocusableControlIsNamed()
{
    QFETCH(QString, window);
    w::show(window);
    QWidget* shown = w::loaded(window);
    QVERIFY(shown);
    QList<QAccessibleInterface*> all;
    collect(reader(outer(shown)), all);
    for (QAccessibleInterface* a : all) {
        const QAccessible::State state = a->state();
        if (state.focusable)
            QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(describe(a)));
        // A unit chooser is read by the unit it shows (Qt on Linux names a
        // combo box by its current text); its row's caption stands left of it.
        if (!state.invisible && !inComboBox(a))
            QVERIFY2(!kBareUnits.contains(a->text(QAccessible::Name)), qPrintable(describe(a)));
        auto* label = qobject_cast<QLabel*>(a->object());
        if (label && (label->textInteractionFlags() & Qt::TextSelectableByMouse))
            QVERIFY2(!a->text(QAccessible::Description).isEmpty(), qPrintable(describe(a)));
    }
    QVERIFY(all.size() > 1);
}

void TestAccessibility::textBoxesAreKnownByTheirCaption_data()
{
    QTest::addColumn<QString>("window");
    for (const solids::Solid* solid : solids::catalogue())
        QTest::newRow(solid->window) << QString::fromUtf8(solid->window);
}

// A box is announced by the caption on its left and described by the unit on
// its right, as its dimension has it.
void TestAccessibility::textBoxesAreKnownByTheirCaption()
{
    QFETCH(QString, window);
    w::show(window);
    QWidget* shown = w::loaded(window);
    const auto& dimensions = solids::solid(window).calculator.dimensions;
    QCOMPARE(shown->findChildren<QLineEdit*>().size(), qsizetype(dimensions.size()));
    for (const solids::Dimension& d : dimensions) {
        auto* box = shown->findChild<QLineEdit*>(QString::fromUtf8(d.box));
        QVERIFY2(box, d.box);
        QAccessibleInterface* a = reader(box);
        QCOMPARE(a->text(QAccessible::Name), captionLeftOf(shown, box));
        QVERIFY(!a->text(QAccessible::Name).isEmpty());
        QCOMPARE(a->text(QAccessible::Description), spoken(d.unit));
    }
}

// The root's boxes stand in the drawn sign and have no caption: they are
// known by what they hold.
void TestAccessibility::rootBoxesAreKnownByWhatTheyHold()
{
    w::show(QString::fromUtf8(names::kRoot));
    QWidget* root = w::loaded(QString::fromUtf8(names::kRoot));
    QCOMPARE(
        reader(root->findChild<QLineEdit*>(QStringLiteral("txtBasis")))->text(QAccessible::Name),
        "Radikand");
    QCOMPARE(reader(root->findChild<QLineEdit*>(QStringLiteral("txtWurzelArt")))
                 ->text(QAccessible::Name),
             "Wurzelexponent");
}

void TestAccessibility::resultRowsReadAsValueAndUnit_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("unit");

    for (const solids::Solid* solid : solids::catalogue()) {
        const solids::Variant& variant = solid->calculator.variants.front();
        for (const solids::Result& r : variant.results) {
            const QString tag = QString::fromUtf8(solid->window) + u'/' + r.label;
            QTest::newRow(tag.toUtf8())
                << QString::fromUtf8(solid->window)
                << QString::fromUtf8(variant.option ? variant.option : "") << "cmdberechnen"
                << QString::fromUtf8(r.label) << QString() << spoken(r.unit);
        }
    }
    QTest::newRow("fowurzel/labergebnis")
        << QString::fromUtf8(names::kRoot) << ""
        << "cmdWurzelZiehen"
        << "labergebnis"
        << "Ergebnis: die Wurzel aus dem Radikanden zum Wurzelexponenten"
        << "";
}

// A result row reads as its value followed by its unit as one word, "leer"
// before the first computation, and still so once a long result has pushed
// the unit to the right.
void TestAccessibility::resultRowsReadAsValueAndUnit()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, caption);
    QFETCH(QString, unit);
    w::show(window);
    auto* form = static_cast<rt::Form*>(w::loaded(window));
    QLabel* value = form->label(result);
    QVERIFY(value);
    // Described by its row: the caption on its left, without the colon.
    const QString expected = caption.isEmpty() ? captionLeftOf(form, value).remove(u':') : caption;
    QVERIFY(!expected.isEmpty());
    QCOMPARE(reader(value)->text(QAccessible::Description), expected);
    const auto spoken = [&](const QString& v) { return unit.isEmpty() ? v : v + u' ' + unit; };
    QCOMPARE(readRow(form, value), spoken("leer"));

    const auto box = test::computeLongNumbers(form, option, button);
    QVERIFY2(!box.shown, qPrintable(box.text));
    QVERIFY2(value->text().size() >= 10, qPrintable(value->text()));
    QCOMPARE(readRow(form, value), spoken(value->text()));
}

void TestAccessibility::tabOrderIsTheStoredOne_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<QString>("opens"); // the control with the focus at first

    // By the stored tab indexes; controls that take no focus are left out. The
    // Tab key stops once in a group of options, which the arrow keys walk. A
    // calculator opens in its top box, wherever its tab order starts.
    const QStringList start = {"cmdweiter",   "cmdbeenden",       "opwürfel",    "opquader",
                               "oppyramide",  "opzylinder",       "opprisma",    "opkegel",
                               "opspat",      "opkugel",          "optorus",     "ophohlzylinder",
                               "ophalbkugel", "opkugelabschnitt", "optetraeder", "opoktaeder"};
    QTest::newRow("Form1") << "Form1" << start << start.mid(0, 3) << "cmdweiter";
    const QStringList pyramid = {"txthöheh",   "txtseitea2", "cmdzurück", "cmdberechnen",
                                 "oppyramide", "opstumpf",   "txtseitea1"};
    QStringList pyramidStops = pyramid;
    pyramidStops.removeOne("opstumpf");
    QTest::newRow("fopyramide") << "fopyramide" << pyramid << pyramidStops << "txtseitea1";
    // The cone's order of before, then its choice; the frustum's top radius
    // follows once "Kegelstumpf" is chosen, greyed out before.
    const QStringList cone = {"cmdzurück",  "cmdberechnen", "txthöheh",
                              "txtradiusr", "opkegel",      "opstumpf"};
    QStringList coneStops = cone;
    coneStops.removeOne("opstumpf");
    QTest::newRow("fokegel") << "fokegel" << cone << coneStops << "txtradiusr";
    const struct {
        const char* window;
        QStringList order;
        const char* opens = nullptr; // none: where the order starts
    } plain[] = {
        {"fowürfel", {"txtseitea", "cmdzurück", "cmdberechnen"}},
        {"foquader", {"txtseitea", "txtseiteb", "txtseitec", "cmdberechnen", "cmdzurück"}},
        {"fozylinder", {"txtradiusr", "txthöheh", "cmdberechnen", "cmdzurück"}},
        {"fokugel", {"cmdzurück", "cmdberechnen", "txtradiusr"}, "txtradiusr"},
        {"foprisma", {"txteckenn", "txtseitea", "txthöheh", "cmdberechnen", "cmdzurück"}},
        {"fospat",
         {"txtseitea", "txtseiteb", "txtseitec", "txtwinkelalpha", "txtwinkelbeta",
          "txtwinkelgamma", "cmdberechnen", "cmdzurück"}},
        {"fotorus", {"txtringradiusr", "txtrohrradiusr", "cmdberechnen", "cmdzurück"}},
        {"fohohlzylinder",
         {"txtaußenradiusr", "txtinnenradiusr", "txthöheh", "cmdberechnen", "cmdzurück"}},
        {"fohalbkugel", {"txtradiusr", "cmdberechnen", "cmdzurück"}},
        {"fokugelabschnitt", {"txtkugelradiusr", "txthöheh", "cmdberechnen", "cmdzurück"}},
        {"fotetraeder", {"txtkantea", "cmdberechnen", "cmdzurück"}},
        {"fooktaeder", {"txtkantea", "cmdberechnen", "cmdzurück"}},
        {"fowurzel", {"txtWurzelArt", "txtBasis", "cmdWurzelZiehen"}},
        {"foinfo", {"Picture1", "cmdzurück"}},
        {"forechenweg", {"txtrechenweg", "cmdkopieren", "chkarbeitsblatt", "cmdok"}},
    };
    for (const auto& p : plain)
        QTest::newRow(p.window) << QString::fromUtf8(p.window) << p.order << p.order
                                << (p.opens ? QString::fromUtf8(p.opens) : p.order.first());
}

// The window opens with the focus where it should; the focus chain holds
// every control that Tab reaches in the stored order, and the Tab key goes
// round the window along it from there, Shift+Tab the other way.
void TestAccessibility::tabOrderIsTheStoredOne()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    QFETCH(QStringList, stops);
    QFETCH(QString, opens);
    w::show(window);
    QWidget* form = w::loaded(window);
    QVERIFY(form->focusWidget());
    QCOMPARE(form->focusWidget()->objectName(), opens);
    // The stops as Tab meets them from the control that has the focus.
    const qsizetype from = stops.indexOf(opens);
    QVERIFY(from >= 0);
    stops = stops.mid(from) + stops.first(from);

    QWidget* first = form->findChild<QWidget*>(order.first());
    QStringList visited;
    QWidget* next = first;
    for (int steps = 0; steps < 500; ++steps) {
        if (form->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) &&
            next->isVisibleTo(form) && next->isEnabled())
            visited << next->objectName();
        next = next->nextInFocusChain();
        if (next == first)
            break;
    }
    QCOMPARE(next, first);
    QCOMPARE(visited, order);

    QVERIFY(QTest::qWaitForWindowActive(form->window()));
    const auto walk = [&](Qt::Key key) {
        QStringList seen;
        for (int i = 0; i < 2 * stops.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            seen << (focus ? focus->objectName() : QString());
            QTest::keyClick(focus ? focus : form, key);
        }
        return seen;
    };
    QCOMPARE(walk(Qt::Key_Tab), stops + stops);
    QStringList back = {stops.first()};
    for (qsizetype i = stops.size() - 1; i > 0; --i)
        back << stops[i];
    QCOMPARE(walk(Qt::Key_Backtab), back + back);
}

// Without a mouse: Tab to the options, the arrow keys to "Kugel", Space to
// choose it, on to "Weiter", then in the sphere window straight into the
// radius and back to "Berechnen".
void TestAccessibility::keyboardAlone()
{
    w::show(QStringLiteral("Form1"));
    QWidget* start = w::loaded(QStringLiteral("Form1"));
    QVERIFY(QTest::qWaitForWindowActive(start->window()));
    const auto press = [](std::initializer_list<Qt::Key> keys) {
        for (Qt::Key k : keys)
            QTest::keyClick(QApplication::focusWidget(), k);
    };
    press({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space});
    QVERIFY(start->findChild<QRadioButton*>(QStringLiteral("opkugel"))->isChecked());
    press({Qt::Key_Tab});
    QCOMPARE(QApplication::focusWidget()->objectName(), "cmdweiter");
    press({Qt::Key_Space});
    auto* sphere = static_cast<rt::Form*>(w::loaded(QStringLiteral("fokugel")));
    QVERIFY(sphere && sphere->isVisible());
    QCOMPARE(QApplication::focusWidget(), sphere->control(QStringLiteral("txtradiusr")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    press({Qt::Key_Backtab, Qt::Key_Space});
    QCOMPARE(sphere->label(QStringLiteral("labvolume"))->text(),
             QString("33.5103216382911").replace(u'.', QLocale().decimalPoint()));
}

void TestAccessibility::menuBarFromTheKeyboard_data()
{
    QTest::addColumn<QList<int>>("keys"); // key and modifiers combined
    QTest::addColumn<QString>("open");    // the menu that is open afterwards, if any
    QTest::addColumn<QString>("current"); // the title highlighted in the bar, if any

    const int alt = int(Qt::AltModifier);
    QTest::newRow("F10 opens the first menu") << QList<int>{Qt::Key_F10} << "mnudatei"
                                              << "mnudatei";
    QTest::newRow("and Right moves on") << QList<int>{Qt::Key_F10, Qt::Key_Right} << "mnubearbeiten"
                                        << "mnubearbeiten";
    QTest::newRow("Escape closes it")
        << QList<int>{Qt::Key_F10, Qt::Key_Escape, Qt::Key_Escape} << ""
        << "";
    QTest::newRow("Alt+D") << QList<int>{alt | Qt::Key_D} << "mnudatei"
                           << "mnudatei";
    QTest::newRow("Alt+B") << QList<int>{alt | Qt::Key_B} << "mnubearbeiten"
                           << "mnubearbeiten";
    QTest::newRow("Alt+F") << QList<int>{alt | Qt::Key_F} << "mnufenster"
                           << "mnufenster";
    QTest::newRow("Alt+E") << QList<int>{alt | Qt::Key_E} << "mnuextras"
                           << "mnuextras";
    QTest::newRow("Alt+H") << QList<int>{alt | Qt::Key_H} << "mnuhelp"
                           << "mnuhelp";
}

// F10 and the access keys reach the menus from any control of the frame; the
// arrow keys move on, Escape leaves. A lone Alt highlights the bar.
void TestAccessibility::menuBarFromTheKeyboard()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, open);
    QFETCH(QString, current);
    w::show(QString::fromUtf8(names::kStart));
    w::show(QStringLiteral("fokugel"));
    QWidget* sphere = w::loaded(QStringLiteral("fokugel"));
    QVERIFY(QTest::qWaitForWindowActive(sphere->window()));
    sphere->findChild<QLineEdit*>(QStringLiteral("txtradiusr"))->setFocus();
    for (int k : keys) {
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                            : QApplication::focusWidget();
        QTest::keyClick(target, Qt::Key(k & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(k & Qt::KeyboardModifierMask));
    }
    QWidget* popup = QApplication::activePopupWidget();
    QCOMPARE(popup ? popup->objectName() : QString(), open);
    auto* bar = sphere->window()->findChild<QMenuBar*>();
    QAction* active = bar->activeAction();
    QCOMPARE(active ? active->objectName() : QString(), current);
    if (popup)
        popup->close();

    // A lone Alt, pressed and let go, highlights the bar.
    if (keys == QList<int>{Qt::Key_F10}) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(focus, Qt::Key_Alt);
        QVERIFY(bar->activeAction());
        QCOMPARE(bar->activeAction()->objectName(), "mnudatei");
    }
}

void TestAccessibility::solutionChosenByTheReader_data()
{
    QTest::addColumn<bool>("byReader");
    // A reader toggles an option, which sends no click; so does a program
    // that sets it.
    QTest::newRow("the reader's action") << true;
    QTest::newRow("set without a click") << false;
}

// A cylinder from V and O has two solutions: "Lösung 2" chosen without a
// click, as a screen reader chooses it, shows the second in the rows and in
// the worked solution.
void TestAccessibility::solutionChosenByTheReader()
{
    QFETCH(bool, byReader);
    w::show(QString::fromUtf8(names::kInverse));
    auto* window =
        dynamic_cast<worked::InverseWindow*>(w::loaded(QString::fromUtf8(names::kInverse)));
    QVERIFY(window);
    window->chooseBody(QStringLiteral("Zylinder"));
    test::type(window, QStringLiteral("txtV"), QStringLiteral("500"));
    test::type(window, QStringLiteral("txtO"), QStringLiteral("400"));
    test::click(window, QStringLiteral("cmdberechnen"));
    QCOMPARE(window->solutionCount(), 2);
    const model::Answer answer = model::solve(
        model::cylinder(), {{QStringLiteral("V"), 500.0}, {QStringLiteral("O"), 400.0}});
    const auto rowShows = [&](int solution) {
        return rt::toText(answer.solutions[size_t(solution)].values.value(QStringLiteral("h")),
                          QLocale());
    };
    auto* height = window->findChild<QLineEdit*>(QStringLiteral("txth"));
    QCOMPARE(height->text(), rowShows(0));

    QAccessibleInterface* second =
        findByName(window, QAccessible::RadioButton, QStringLiteral("Lösung 2"));
    QVERIFY(second && second->actionInterface());
    if (byReader)
        second->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    else
        qobject_cast<QRadioButton*>(second->object())->setChecked(true);
    QTRY_VERIFY(second->state().checked);
    QTRY_COMPARE(height->text(), rowShows(1));
    QCOMPARE(reader(height)->text(QAccessible::Value), rowShows(1));
    QVERIFY(window->solutionText().contains(QStringLiteral("Lösung 2 von 2")));
    QVERIFY(
        !findByName(window, QAccessible::RadioButton, QStringLiteral("Lösung 1"))->state().checked);
}

void TestAccessibility::variantChosenByTheReader_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("variant");
    for (const solids::Solid* s : solids::catalogue()) {
        const auto& variants = s->calculator.variants;
        for (int i = 0; i < int(variants.size()); ++i) {
            const char* option = variants[size_t(i)].option ? variants[size_t(i)].option
                                                            : variants[size_t(i)].choice;
            if (option)
                QTest::addRow("%s %s", s->window, option) << QString::fromUtf8(s->window) << i;
        }
    }
}

// An option of a calculator window toggled through the reader, from another
// one: the boxes that variant reads open, the others grey out, the window says
// it computes that body, and the Rechenweg follows it.
void TestAccessibility::variantChosenByTheReader()
{
    QFETCH(QString, window);
    QFETCH(int, variant);
    w::show(window);
    w::show(QString::fromUtf8(names::kWorkedSolution));
    auto* calculator = dynamic_cast<solids::CalculatorWindow*>(w::loaded(window));
    QVERIFY(calculator);
    const auto& variants = calculator->solid().calculator.variants;
    const solids::Variant& chosen = variants[size_t(variant)];
    const QString option = QString::fromUtf8(chosen.option ? chosen.option : chosen.choice);
    const solids::Variant& other = variants[size_t(variant + 1) % variants.size()];
    qobject_cast<QRadioButton*>(
        calculator->control(QString::fromUtf8(other.option ? other.option : other.choice)))
        ->setChecked(true);
    QCOMPARE(calculator->bodyId(), other.body->id);

    QAccessibleInterface* a = reader(calculator->control(option));
    QVERIFY(a && a->actionInterface());
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(a->state().checked);
    QCOMPARE(calculator->bodyId(), chosen.body->id);
    QCOMPARE(calculator->chosenOption(), option);
    for (const solids::Dimension& d : calculator->solid().calculator.dimensions)
        QCOMPARE(calculator->textBox(QString::fromUtf8(d.box))->isEnabled(),
                 solids::uses(chosen, d));
    auto* rechenweg = dynamic_cast<worked::RechenwegWindow*>(
        w::loaded(QString::fromUtf8(names::kWorkedSolution)));
    QCOMPARE(rechenweg->document().solid,
             QString::fromUtf8(chosen.name ? chosen.name : calculator->solid().layout.caption));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
