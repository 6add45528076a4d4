#include "runtime/form.h"
#include "runtime/frame.h"
#include "runtime/look.h"
#include "runtime/messages.h"
#include "runtime/numbers.h"
#include "runtime/windows.h"
#include "support.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <cmath>

namespace w = rt::windows;

namespace {

QMdiArea* area()
{
    return w::frame()->area();
}

QList<QMdiSubWindow*> childWindows()
{
    return area()->subWindowList(QMdiArea::CreationOrder);
}

QWidget* start()
{
    return w::loaded(QStringLiteral("Form1"));
}

void choose(const QString& option)
{
    auto* o = start()->findChild<QRadioButton*>(option);
    QVERIFY2(o, qPrintable(option));
    QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
    QVERIFY(o->isChecked());
}

void weiter()
{
    test::click(start(), QStringLiteral("cmdweiter"));
}

QAction* menuEntry(const QString& name)
{
    return w::frame()->findChild<QAction*>(name);
}

QString shown(double v)
{
    return rt::toText(v, QLocale());
}

// A decimal number written as the user's locale writes it.
QString typed(const QString& cText)
{
    return cText.contains(u'e') ? cText : QString(cText).replace(u'.', QLocale().decimalPoint());
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::setUpProgram(); }
    void init() { w::show(QStringLiteral("Form1")); }
    void cleanup() { w::unloadAll(); }

    void startUp();
    void menuTree();
    void startLayout_data();
    void startLayout();
    void weiterWithoutChoice();
    void dispatch_data();
    void dispatch();
    void sphereThroughWidgets_data();
    void sphereThroughWidgets();
    void errorKeepsEverything_data();
    void errorKeepsEverything();
    void backReopensEmpty();
    void beendenInStartWindow();
    void beendenInFrame();
    void arrange_data();
    void arrange();
    void windowList();
    void resultLabelGrows();
    void messageBoxStyles_data();
    void messageBoxStyles();
    void readableColours_data();
    void readableColours();
    void toolkitTextsFollowLanguage();
    void resultsCanBeCopied();
    void editMenuDoesNothing();
};

void TestWindows::startUp()
{
    QVERIFY(w::frame()->isVisible());
    QCOMPARE(w::frame()->windowTitle(), "Solvanto");
    QCOMPARE(childWindows().size(), 1);
    QCOMPARE(childWindows().first()->widget(), start());
    QCOMPARE(start()->windowTitle(), "Volumen Oberfläche und Mantel");
    const auto options = start()->findChildren<QRadioButton*>();
    QCOMPARE(options.size(), 9);
    for (auto* o : options)
        QVERIFY2(!o->isChecked(), qPrintable(o->objectName()));
    // On a screen that has the room, the start window and the widest solid fit
    // side by side in the frame.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    if (screen.width() >= 1100 && screen.height() >= 700) {
        const QSize room = area()->viewport()->size();
        QVERIFY(room.width() >= childWindows().first()->width() + 440);
        QVERIFY(room.height() >= 470);
    }
    QVERIFY(w::frame()->width() <= screen.width());
}

void TestWindows::menuTree()
{
    QStringList tree;
    for (QAction* top : w::frame()->menuBar()->actions()) {
        tree << top->text();
        for (QAction* a : top->menu()->actions())
            tree << QStringLiteral("  ") + a->text();
    }
    QCOMPARE(tree,
             QStringList({"Datei", "  Beenden", "Bearbeiten", "  Ausschneiden", "  Kopieren",
                          "  Einfügen", "Fenster", "  Gehe zu", "  überlappend", "  untereinander",
                          "  nebeneinander", "Extras", "  Wurzelziehen", "Help", "  Info"}));
    for (QAction* top : w::frame()->menuBar()->actions()) {
        QVERIFY(!top->text().contains(u'&'));
        for (QAction* a : top->menu()->actions()) {
            QVERIFY2(a->shortcut().isEmpty() && !a->text().contains(u'&'), qPrintable(a->text()));
            QVERIFY(a->isEnabled() && a->isVisible() && !a->isChecked());
        }
    }
}

void TestWindows::startLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("opwürfel") << "opwürfel" << QRect(240, 2040, 1575, 495);
    QTest::newRow("opkugel") << "opkugel" << QRect(2160, 3960, 1935, 615);
    QTest::newRow("optorus") << "optorus" << QRect(4200, 3960, 3615, 615);
    QTest::newRow("cmdweiter") << "cmdweiter" << QRect(5280, 4920, 1095, 375);
    QTest::newRow("cmdbeenden") << "cmdbeenden" << QRect(6600, 4950, 1695, 345);
    QTest::newRow("Label2") << "Label2" << QRect(240, 1200, 7455, 615);
}

void TestWindows::startLayout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    auto* c = start()->findChild<QWidget*>(name);
    QVERIFY(c);
    QCOMPARE(c->pos(), QPoint(rt::px(twips.left()), rt::px(twips.top())));
    QCOMPARE(c->height(), rt::px(twips.height()));
    QVERIFY(c->width() >= rt::px(twips.width()));
    QCOMPARE(start()->size(), QSize(rt::px(8475), rt::px(5835)));
}

void TestWindows::weiterWithoutChoice()
{
    const auto box = test::answerBox(weiter);
    QVERIFY(box.shown);
    QCOMPARE(box.title, "Problem");
    QCOMPARE(box.text, "Bitte wählen Sie ein Körper aus!!!!");
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(childWindows().size(), 1);
}

void TestWindows::dispatch_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Würfel") << "opwürfel"
                            << "fowürfel"
                            << "Würfel";
    QTest::newRow("Quader") << "opquader"
                            << "foquader"
                            << "Quader";
    QTest::newRow("Pyramide") << "oppyramide"
                              << "fopyramide"
                              << "Pyramide/Pyramidenstumpf";
    QTest::newRow("Zylinder") << "opzylinder"
                              << "fozylinder"
                              << "Zylinder";
    QTest::newRow("Prisma") << "opprisma"
                            << "foprisma"
                            << "Prisma";
    QTest::newRow("Kegel") << "opkegel"
                           << "fokegel"
                           << "Kegel";
    QTest::newRow("Spat") << "opspat"
                          << "fospat"
                          << "Spat";
    QTest::newRow("Kugel") << "opkugel"
                           << "fokugel"
                           << "Kugel";
    QTest::newRow("Torus") << "optorus"
                           << "fotorus"
                           << "Torus";
}

void TestWindows::dispatch()
{
    QFETCH(QString, option);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    choose(option);
    weiter();
    QWidget* opened = w::loaded(window);
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), caption);
    QCOMPARE(childWindows().size(), 2);
    QCOMPARE(area()->activeSubWindow()->widget(), opened);
    // Seen at once: not hidden under the start window's area.
    const QRect startRect = childWindows().first()->geometry();
    const QRect openedRect = area()->activeSubWindow()->geometry();
    QVERIFY(openedRect.left() >= startRect.right() ||
            openedRect.right() <= area()->viewport()->width());
    QVERIFY(area()->viewport()->rect().contains(openedRect));

    // A second "Weiter" brings the same window back, even from an icon, and the
    // start window stays.
    area()->activeSubWindow()->showMinimized();
    area()->setActiveSubWindow(childWindows().first());
    weiter();
    QCOMPARE(w::loaded(window), opened);
    QCOMPARE(childWindows().size(), 2);
    QCOMPARE(area()->activeSubWindow()->widget(), opened);
    QVERIFY(!area()->activeSubWindow()->isMinimized());
    QVERIFY(start()->isVisible());
}

void TestWindows::sphereThroughWidgets_data()
{
    QTest::addColumn<QString>("radius");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("surface");

    QTest::newRow("1") << "1" << 4.188790204786386 << 12.56637061435916;
    QTest::newRow("3") << "3" << 113.09733552923242 << 113.09733552923244;
    QTest::newRow("0.5") << "0.5" << 0.5235987755982983 << 3.14159265358979;
    QTest::newRow("2.5") << "2.5" << 65.44984694978729 << 78.53981633974475;
    QTest::newRow("123456.789") << "123456.789" << 7881947554728399.0 << 191531327322.83517;
    QTest::newRow("1e-5") << "1e-5" << 4.1887902047863874e-15 << 1.2566370614359161e-09;
}

void TestWindows::sphereThroughWidgets()
{
    QFETCH(QString, radius);
    QFETCH(double, volume);
    QFETCH(double, surface);
    choose(QStringLiteral("opkugel"));
    weiter();
    QWidget* sphere = w::loaded(QStringLiteral("fokugel"));
    test::type(sphere, QStringLiteral("txtradiusr"), typed(radius));
    const auto box = test::answerBox([&] { test::click(sphere, QStringLiteral("cmdberechnen")); });
    QVERIFY2(!box.shown, qPrintable(box.text));
    QCOMPARE(test::labelText(sphere, QStringLiteral("labvolume")), shown(volume));
    QCOMPARE(test::labelText(sphere, QStringLiteral("laboberfläche")), shown(surface));
}

void TestWindows::errorKeepsEverything_data()
{
    QTest::addColumn<QString>("radius");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QString>("message");

    const QString field = QStringLiteral("„Radius r“");
    QTest::newRow("zero") << "0"
                          << "Problem" << QMessageBox::Information
                          << "Bitte geben Sie für Radius r > 0 ein";
    QTest::newRow("negative") << "-2"
                              << "Problem" << QMessageBox::Information
                              << "Bitte geben Sie für Radius r > 0 ein";
    QTest::newRow("letters") << "abc"
                             << "Solvanto" << QMessageBox::Critical
                             << "Der Text „abc“ im Feld " + field +
                                    " ist keine Zahl. Bitte geben Sie eine Zahl ein.";
    QTest::newRow("empty") << ""
                           << "Solvanto" << QMessageBox::Critical
                           << "Das Feld " + field + " ist leer. Bitte geben Sie eine Zahl ein.";
    QTest::newRow("too large") << "1e400"
                               << "Solvanto" << QMessageBox::Critical
                               << "Die Zahl „1e400“ im Feld " + field + " ist zu groß.";
    QTest::newRow("overflow") << "1e103"
                              << "Solvanto" << QMessageBox::Critical
                              << "Bei der Berechnung von „Volume“: Das Ergebnis ist zu groß für "
                                 "die Rechnung (Überlauf). Bitte geben Sie kleinere Werte ein.";
}

// A rejected or unusable input leaves the earlier results, the window and the
// program as they were.
void TestWindows::errorKeepsEverything()
{
    QFETCH(QString, radius);
    QFETCH(QString, title);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QString, message);
    choose(QStringLiteral("opkugel"));
    weiter();
    QWidget* sphere = w::loaded(QStringLiteral("fokugel"));
    test::type(sphere, QStringLiteral("txtradiusr"), QStringLiteral("2"));
    test::click(sphere, QStringLiteral("cmdberechnen"));
    const QString before = test::labelText(sphere, QStringLiteral("labvolume"));
    QCOMPARE(before, shown(33.51032163829109));

    test::type(sphere, QStringLiteral("txtradiusr"), radius);
    const auto box = test::answerBox([&] { test::click(sphere, QStringLiteral("cmdberechnen")); });
    QVERIFY(box.shown);
    QCOMPARE(box.title, title);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.text, message);
    QCOMPARE(test::labelText(sphere, QStringLiteral("labvolume")), before);
    QCOMPARE(w::loaded(QStringLiteral("fokugel")), sphere);
    QVERIFY(sphere->isVisible() && start()->isVisible() && w::frame()->isVisible());
    if (icon == QMessageBox::Critical && !radius.startsWith(u'1')) {
        auto* box2 = sphere->findChild<QLineEdit*>(QStringLiteral("txtradiusr"));
        QCOMPARE(sphere->focusWidget(), box2);
        QCOMPARE(box2->selectedText(), radius);
    }
}

void TestWindows::backReopensEmpty()
{
    choose(QStringLiteral("opkugel"));
    weiter();
    QWidget* sphere = w::loaded(QStringLiteral("fokugel"));
    test::type(sphere, QStringLiteral("txtradiusr"), QStringLiteral("3"));
    test::click(sphere, QStringLiteral("cmdberechnen"));
    test::click(sphere, QStringLiteral("cmdzurück"));
    QVERIFY(!w::loaded(QStringLiteral("fokugel")));
    QCOMPARE(childWindows().size(), 1);
    QTest::qWait(1);

    weiter();
    QWidget* again = w::loaded(QStringLiteral("fokugel"));
    QVERIFY(again);
    QCOMPARE(again->findChild<QLineEdit*>(QStringLiteral("txtradiusr"))->text(), QString());
    QCOMPARE(test::labelText(again, QStringLiteral("labvolume")), QString());
    QCOMPARE(test::labelText(again, QStringLiteral("laboberfläche")), QString());
    // The focus starts where the tab order starts.
    QCOMPARE(again->focusWidget()->objectName(), "cmdzurück");
}

void TestWindows::beendenInStartWindow()
{
    choose(QStringLiteral("opquader"));
    weiter();
    test::click(start(), QStringLiteral("cmdbeenden"));
    QVERIFY(!start());
    QVERIFY(w::frame()->isVisible());
    QCOMPARE(childWindows().size(), 1);
    QVERIFY(w::loaded(QStringLiteral("foquader")));
}

void TestWindows::beendenInFrame()
{
    choose(QStringLiteral("opkugel"));
    weiter();
    choose(QStringLiteral("optorus"));
    weiter();
    menuEntry(QStringLiteral("mnuwurzelziehen"))->trigger();
    QWidget* rootWindow = w::loaded(QStringLiteral("fowurzel"));
    QVERIFY(rootWindow && rootWindow->isVisible() && rootWindow->isWindow());

    const auto box = test::answerBox([] { menuEntry(QStringLiteral("mnubeenden"))->trigger(); });
    QVERIFY(!box.shown);
    for (const char* name : {"Form1", "fokugel", "fotorus", "MDIForm1"})
        QVERIFY2(!w::loaded(QString::fromUtf8(name)), name);
    QCOMPARE(w::loaded(QStringLiteral("fowurzel")), rootWindow);
    QVERIFY(rootWindow->isVisible());
}

void TestWindows::arrange_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("überlappend") << "mnuüberlappend";
    QTest::newRow("untereinander") << "mnuuntereinander";
    QTest::newRow("nebeneinander") << "mnunebeneinander";
}

void TestWindows::arrange()
{
    QFETCH(QString, entry);
    for (const char* option : {"opkugel", "opspat"}) {
        choose(QString::fromUtf8(option));
        weiter();
    }
    menuEntry(entry)->trigger();
    const auto subs = childWindows();
    QCOMPARE(subs.size(), 3);
    const QRect room = area()->viewport()->rect();
    if (entry == "mnuüberlappend") {
        for (int i = 1; i < subs.size(); ++i) {
            const QPoint step = subs[i]->pos() - subs[i - 1]->pos();
            QVERIFY(step.x() > 0 && step.y() > 0);
        }
        return;
    }
    QRect covered;
    int area = 0;
    for (int i = 0; i < subs.size(); ++i) {
        const QRect g = subs[i]->geometry();
        covered |= g;
        area += g.width() * g.height();
        if (entry == "mnuuntereinander") {
            QCOMPARE(g.width(), room.width());
            if (i > 0)
                QCOMPARE(g.top(), subs[i - 1]->geometry().bottom() + 1);
        } else {
            QCOMPARE(g.height(), room.height());
            if (i > 0)
                QCOMPARE(g.left(), subs[i - 1]->geometry().right() + 1);
        }
    }
    // A real tiling: the children fill the workspace without overlapping.
    QCOMPARE(covered, room);
    QCOMPARE(area, room.width() * room.height());
}

void TestWindows::windowList()
{
    for (const char* option : {"opkugel", "opwürfel"}) {
        choose(QString::fromUtf8(option));
        weiter();
    }
    auto* list = w::frame()->findChild<QMenu*>(QStringLiteral("mnugehezu"));
    QVERIFY(list);
    QMetaObject::invokeMethod(list, "aboutToShow");
    QStringList titles;
    for (QAction* a : list->actions())
        titles << a->text().remove(u'&');
    QCOMPARE(titles, QStringList({"1 Volumen Oberfläche und Mantel", "2 Kugel", "3 Würfel"}));
    QVERIFY(list->actions().last()->isChecked());

    list->actions().at(1)->trigger();
    QCOMPARE(area()->activeSubWindow()->widget(), w::loaded(QStringLiteral("fokugel")));
}

void TestWindows::resultLabelGrows()
{
    choose(QStringLiteral("opkugel"));
    weiter();
    auto* sphere = static_cast<rt::Form*>(w::loaded(QStringLiteral("fokugel")));
    QWidget* sub = childWindows().last();
    const QSize before = sub->size();
    test::type(sphere, QStringLiteral("txtradiusr"), typed(QStringLiteral("987.654321")));
    test::click(sphere, QStringLiteral("cmdberechnen"));
    QLabel* volume = sphere->label(QStringLiteral("labvolume"));
    QCOMPARE(volume->text().size(), 16); // 15 digits and a separator
    QVERIFY(volume->width() >= volume->sizeHint().width());
    QVERIFY(volume->width() > rt::px(855));
    // Its unit keeps its distance; the other row's unit stays where it was.
    QCOMPARE(sphere->label(QStringLiteral("Label4"))->x() - volume->geometry().right(),
             rt::px(3000) - (rt::px(2040) + rt::px(855) - 1));
    QVERIFY(sphere->label(QStringLiteral("Label5"))->x() >
            sphere->label(QStringLiteral("Label4"))->x());
    QVERIFY(sphere->rect().contains(sphere->label(QStringLiteral("Label5"))->geometry()));
    QVERIFY(sub->width() >= before.width());
}

void TestWindows::messageBoxStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QMessageBox::Icon>("icon");

    QTest::newRow("plain, no title") << 0 << ""
                                     << "Solvanto" << QMessageBox::NoIcon;
    QTest::newRow("stop") << 16 << "Problem"
                          << "Problem" << QMessageBox::Critical;
    QTest::newRow("information") << 64 << "Problem"
                                 << "Problem" << QMessageBox::Information;
    QTest::newRow("information, no title") << 64 << ""
                                           << "Solvanto" << QMessageBox::Information;
}

void TestWindows::messageBoxStyles()
{
    QFETCH(int, style);
    QFETCH(QString, title);
    QFETCH(QString, shownTitle);
    QFETCH(QMessageBox::Icon, icon);
    const auto box = test::answerBox([&] { rt::msgBox(QStringLiteral("Text"), style, title); });
    QVERIFY(box.shown);
    QCOMPARE(box.title, shownTitle);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.text, "Text");
}

void TestWindows::readableColours_data()
{
    QTest::addColumn<rt::SystemColor>("colour");
    QTest::newRow("desktop") << rt::SystemColor::Desktop;
    QTest::newRow("application workspace") << rt::SystemColor::ApplicationWorkspace;
    QTest::newRow("scroll bar") << rt::SystemColor::ScrollBar;
}

// Black text on the mapped system colours keeps a contrast of at least 4.5:1.
void TestWindows::readableColours()
{
    QFETCH(rt::SystemColor, colour);
    const QColor c = rt::color(colour);
    auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double luminance =
        0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    QVERIFY2((luminance + 0.05) / 0.05 >= 4.5, qPrintable(c.name()));
}

// A German user gets the toolkit's own texts (context menus, dialog buttons) in
// German too; anyone else keeps them untranslated.
void TestWindows::toolkitTextsFollowLanguage()
{
    const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
    if (QLocale().language() == QLocale::German)
        QCOMPARE(undo, "&Rückgängig");
    else
        QCOMPARE(undo, "&Undo");
}

void TestWindows::resultsCanBeCopied()
{
    choose(QStringLiteral("opkugel"));
    weiter();
    auto* sphere = static_cast<rt::Form*>(w::loaded(QStringLiteral("fokugel")));
    test::type(sphere, QStringLiteral("txtradiusr"), QStringLiteral("3"));
    test::click(sphere, QStringLiteral("cmdberechnen"));
    QLabel* volume = sphere->label(QStringLiteral("labvolume"));
    QTest::mouseDClick(volume, Qt::LeftButton, {}, QPoint(4, volume->height() / 2));
    QTest::keyClick(volume, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(volume, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), volume->text());
    // Selecting a result does not put it into the tab chain.
    QVERIFY(!(volume->focusPolicy() & Qt::TabFocus));
}

// "Ausschneiden", "Kopieren" and "Einfügen" are there to be seen, not to act,
// even with a selection in a text box.
void TestWindows::editMenuDoesNothing()
{
    choose(QStringLiteral("opkugel"));
    weiter();
    QWidget* sphere = w::loaded(QStringLiteral("fokugel"));
    test::type(sphere, QStringLiteral("txtradiusr"), QStringLiteral("12"));
    auto* box = sphere->findChild<QLineEdit*>(QStringLiteral("txtradiusr"));
    box->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    for (const char* name : {"mnuausschneiden", "mnukopieren", "mnueinfügen"})
        menuEntry(QString::fromUtf8(name))->trigger();
    QCOMPARE(box->text(), "12");
    QCOMPARE(QGuiApplication::clipboard()->text(), "99");
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
