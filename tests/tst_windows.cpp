#include "model/solver.h"
#include "numbers/numbers.h"
#include "runtime/form.h"
#include "runtime/frame.h"
#include "runtime/look.h"
#include "runtime/messages.h"
#include "runtime/setup.h"
#include "runtime/windows.h"
#include "solids/calculatorwindow.h"
#include "solids/catalogue.h"
#include "support.h"
#include "worked/inversewindow.h"
#include "worked/sketchpane.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
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
    void oneChoiceAmongFourteen();
    void dispatch_data();
    void dispatch();
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
    void editMenu_data();
    void editMenu();
    void chooseASolidAgain();
    void enterPresses_data();
    void enterPresses();
    void keypadDecimal();
    void cursorRestsWhenNobodyTypes();
    void closingWhileABoxIsOpen_data();
    void closingWhileABoxIsOpen();
    void boxFitsTheScreen();
    void menuBringsBackMinimised_data();
    void menuBringsBackMinimised();
    void readableOnADarkDesktop_data();
    void readableOnADarkDesktop();
    void newWindowsFindTheirOwnPlace();
    void grownWindowStaysInside();
    void opensInTheFirstBox_data();
    void opensInTheFirstBox();
    void enterOnTheStartWindow_data();
    void enterOnTheStartWindow();
    void windowListHasTheFreeWindows_data();
    void windowListHasTheFreeWindows();
    void inverseProblem();
    void inverseShowsCertainDigits_data();
    void inverseShowsCertainDigits();
    void inverseOpensOnTheActiveSolid();
    void inverseSketch_data();
    void inverseSketch();
    void inverseTakenOver_data();
    void inverseTakenOver();
    void inversePartialAnswer();
    void inverseMaterialAndOpenFaces_data();
    void inverseMaterialAndOpenFaces();
};

void TestWindows::startUp()
{
    QVERIFY(w::frame()->isVisible());
    QCOMPARE(w::frame()->windowTitle(), "Solvanto");
    QCOMPARE(childWindows().size(), 1);
    QCOMPARE(childWindows().first()->widget(), start());
    // The free windows are made when they are first opened.
    QVERIFY(!w::loaded(QStringLiteral("fozusammengesetzt")));
    QCOMPARE(start()->windowTitle(), "Volumen Oberfläche und Mantel");
    const auto options = start()->findChildren<QRadioButton*>();
    QCOMPARE(options.size(), 14);
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
    // The titles carry access keys; the entries keep their captions.
    QCOMPARE(tree, QStringList({"&Datei", "  Körper wählen…", "  Beenden", "&Bearbeiten",
                                "  Ausschneiden", "  Kopieren", "  Einfügen", "&Fenster",
                                "  Gehe zu", "  überlappend", "  untereinander", "  nebeneinander",
                                "&Extras", "  Wurzelziehen", "  Rechenweg", "  Umkehraufgabe",
                                "  Zusammengesetzter Körper", "&Help", "  Info"}));
    for (QAction* top : w::frame()->menuBar()->actions()) {
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
    // The five further solids below the nine, the buttons moved down under them.
    QTest::newRow("Frame1") << "Frame1" << QRect(120, 4620, 8235, 1215);
    QTest::newRow("ophohlzylinder") << "ophohlzylinder" << QRect(240, 4920, 1815, 375);
    QTest::newRow("opkugelabschnitt") << "opkugelabschnitt" << QRect(4200, 4920, 3495, 375);
    QTest::newRow("opoktaeder") << "opoktaeder" << QRect(2160, 5340, 1935, 375);
    QTest::newRow("cmdweiter") << "cmdweiter" << QRect(5280, 5985, 1095, 375);
    QTest::newRow("cmdbeenden") << "cmdbeenden" << QRect(6600, 6015, 1695, 345);
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
    QCOMPARE(start()->size(), QSize(rt::px(8475), rt::px(6900)));
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

// The five further options are one group with the nine: a choice among them
// clears the old one, and "Weiter" opens what was chosen last.
void TestWindows::oneChoiceAmongFourteen()
{
    choose(QStringLiteral("opwürfel"));
    choose(QStringLiteral("ophalbkugel"));
    QVERIFY(!start()->findChild<QRadioButton*>(QStringLiteral("opwürfel"))->isChecked());
    weiter();
    QCOMPARE(area()->activeSubWindow()->widget(), w::loaded(QStringLiteral("fohalbkugel")));
    QVERIFY(!w::loaded(QStringLiteral("fowürfel")));
    area()->setActiveSubWindow(childWindows().first());
    choose(QStringLiteral("optorus"));
    QVERIFY(!start()->findChild<QRadioButton*>(QStringLiteral("ophalbkugel"))->isChecked());
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
    QTest::newRow("Hohlzylinder") << "ophohlzylinder"
                                  << "fohohlzylinder"
                                  << "Hohlzylinder";
    QTest::newRow("Halbkugel") << "ophalbkugel"
                               << "fohalbkugel"
                               << "Halbkugel";
    QTest::newRow("Kugelabschnitt") << "opkugelabschnitt"
                                    << "fokugelabschnitt"
                                    << "Kugelabschnitt";
    QTest::newRow("Tetraeder") << "optetraeder"
                               << "fotetraeder"
                               << "Tetraeder";
    QTest::newRow("Oktaeder") << "opoktaeder"
                              << "fooktaeder"
                              << "Oktaeder";
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
    // What the user typed is shown as typed, never as markup, and shortened.
    QTest::newRow("markup") << "<h1>2</h1>"
                            << "Solvanto" << QMessageBox::Critical
                            << "Der Text „<h1>2</h1>“ im Feld " + field +
                                   " ist keine Zahl. Bitte geben Sie eine Zahl ein.";
    QTest::newRow("pasted image") << "<img src=\"/usr/share/pixmaps/debian-logo.png\" width=5000>"
                                  << "Solvanto" << QMessageBox::Critical
                                  << "Der Text „<img src=\"/usr/share/pixmaps/debian-logo…“ im "
                                     "Feld " +
                                         field + " ist keine Zahl. Bitte geben Sie eine Zahl ein.";
    QTest::newRow("overflow") << "1e103"
                              << "Solvanto" << QMessageBox::Critical
                              << "Bei der Berechnung von „Volume“: Das Ergebnis ist zu groß für "
                                 "die Rechnung (Überlauf). Bitte geben Sie kleinere Werte ein.";
}

// A rejected or unusable input leaves the earlier results, the window and the
// program as they were; a calculation that fails part-way leaves no result of
// the earlier input beside the new ones (the sphere's first result fails here).
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
    QCOMPARE(box.format, Qt::PlainText);
    const bool partWay = radius == "1e103";
    auto* volume = sphere->findChild<QLabel*>(QStringLiteral("labvolume"));
    QCOMPARE(volume->text(), partWay ? QString() : before);
    if (partWay)
        QCOMPARE(QAccessible::queryAccessibleInterface(volume)->text(QAccessible::Name), "leer");
    QCOMPARE(w::loaded(QStringLiteral("fokugel")), sphere);
    QVERIFY(sphere->isVisible() && start()->isVisible() && w::frame()->isVisible());
    if (icon == QMessageBox::Critical && !radius.startsWith(u'1') && !radius.startsWith(u'<')) {
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
    // The focus starts in the radius, ready for the first keystroke.
    QCOMPARE(again->focusWidget()->objectName(), "txtradiusr");
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

// Whatever is pasted, the message box stays within the screen.
void TestWindows::boxFitsTheScreen()
{
    choose(QStringLiteral("opkugel"));
    weiter();
    auto* sphere = w::loaded(QStringLiteral("fokugel"));
    sphere->findChild<QLineEdit*>(QStringLiteral("txtradiusr"))
        ->setText(QString(32767, QChar(0xFDFD)) + u'\n' + QString(20, u'W'));
    const auto box = test::answerBox([&] { test::click(sphere, QStringLiteral("cmdberechnen")); });
    QVERIFY(box.shown);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(box.frame.width() <= screen.width() && box.frame.height() <= screen.height(),
             qPrintable(QStringLiteral("%1x%2").arg(box.frame.width()).arg(box.frame.height())));
}

void TestWindows::menuBringsBackMinimised_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::newRow("Wurzelziehen") << "mnuwurzelziehen"
                                  << "fowurzel";
    QTest::newRow("Info") << "mnuinfo"
                          << "foinfo";
    QTest::newRow("Rechenweg") << "mnurechenweg"
                               << "forechenweg";
    QTest::newRow("Umkehraufgabe") << "mnuumkehraufgabe"
                                   << "foumkehraufgabe";
    QTest::newRow("Zusammengesetzter Körper") << "mnuzusammengesetzterkörper"
                                              << "fozusammengesetzt";
}

// The menu entry brings its window back from an icon: restored, in front, active.
void TestWindows::menuBringsBackMinimised()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    menuEntry(entry)->trigger();
    QWidget* shownWindow = w::loaded(window);
    QVERIFY(shownWindow);
    shownWindow->showMinimized();
    QVERIFY(shownWindow->isMinimized());
    menuEntry(entry)->trigger();
    QCOMPARE(w::loaded(window), shownWindow);
    QVERIFY(!shownWindow->isMinimized());
    QVERIFY(shownWindow->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(shownWindow));
}

void TestWindows::readableOnADarkDesktop_data()
{
    QTest::addColumn<QString>("window");
    for (const char* name :
         {"Form1", "fowürfel", "fopyramide", "fokegel", "fokugel", "fowurzel", "foinfo"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

// Under a dark desktop palette every text, box and button keeps a contrast of
// at least 4.5:1 against what it is drawn on.
void TestWindows::readableOnADarkDesktop()
{
    QFETCH(QString, window);
    const QPalette before = QGuiApplication::palette();
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        dark.setColor(role, QColor(0x20, 0x20, 0x20));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xEE, 0xEE, 0xEE));
    // As a dark desktop theme has it from the start, before any window exists.
    QApplication::setPalette(dark);
    w::unloadAll();
    w::show(window);
    QWidget* form = w::loaded(window);
    const auto contrast = [](const QColor& a, const QColor& b) {
        const auto luminance = [](const QColor& c) {
            auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                   0.0722 * linear(c.blueF());
        };
        const double x = luminance(a), y = luminance(b);
        return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
    };
    int checked = 0;
    for (QWidget* c : form->findChildren<QWidget*>()) {
        const QPalette& p = c->palette();
        // What the control draws its text on: its own base or button face, or
        // the window behind it.
        QPalette::ColorRole back = QPalette::Window, front = QPalette::WindowText;
        if (qobject_cast<QLineEdit*>(c)) {
            back = QPalette::Base;
            front = QPalette::Text;
        } else if (qobject_cast<QPushButton*>(c)) {
            back = QPalette::Button;
            front = QPalette::ButtonText;
        }
        const QColor behind = back == QPalette::Window && !c->autoFillBackground()
                                  ? c->parentWidget()->palette().color(QPalette::Window)
                                  : p.color(back);
        const double ratio = contrast(p.color(front), behind);
        QVERIFY2(ratio >= 4.5,
                 qPrintable(QStringLiteral("%1: %2").arg(c->objectName()).arg(ratio)));
        ++checked;
    }
    QApplication::setPalette(before);
    QVERIFY(checked > 2);
}

// Every solid opens wholly inside the workspace, none exactly over another.
void TestWindows::newWindowsFindTheirOwnPlace()
{
    for (QRadioButton* option : start()->findChildren<QRadioButton*>()) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        weiter();
    }
    const auto subs = childWindows();
    QCOMPARE(subs.size(), 15); // the start window and the fourteen solids
    const QRect room = area()->viewport()->rect();
    QSet<QPair<int, int>> places;
    for (QMdiSubWindow* sub : subs) {
        if (sub->width() <= room.width() && sub->height() <= room.height())
            QVERIFY2(room.contains(sub->geometry()), qPrintable(sub->windowTitle()));
        QVERIFY2(!places.contains({sub->x(), sub->y()}), qPrintable(sub->windowTitle()));
        places.insert({sub->x(), sub->y()});
    }
}

// A window that grows for a long result moves left rather than past the edge.
void TestWindows::grownWindowStaysInside()
{
    choose(QStringLiteral("opkugel"));
    weiter();
    QMdiSubWindow* sub = area()->activeSubWindow();
    const QRect room = area()->viewport()->rect();
    sub->move(room.width() - sub->width(), 0);
    auto* sphere = w::loaded(QStringLiteral("fokugel"));
    test::type(sphere, QStringLiteral("txtradiusr"), typed(QStringLiteral("987654.321987")));
    test::click(sphere, QStringLiteral("cmdberechnen"));
    QVERIFY(sub->width() > rt::px(4305));
    QVERIFY(room.contains(sub->geometry()));
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
    test::type(sphere, QStringLiteral("txtradiusr"), "1" + QLocale().decimalPoint() + "5e-5");
    test::click(sphere, QStringLiteral("cmdberechnen"));
    QLabel* volume = sphere->label(QStringLiteral("labvolume"));
    QVERIFY(volume->text().contains(u'E') && volume->text().contains(QLocale().decimalPoint()));
    // A double-click takes the whole number, separator and exponent included.
    QTest::mouseDClick(volume, Qt::LeftButton, {}, QPoint(4, volume->height() / 2));
    QCOMPARE(volume->selectedText(), volume->text());
    QTest::keyClick(volume, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), volume->text());
    // Selecting a result does not put it into the tab chain.
    QVERIFY(!(volume->focusPolicy() & Qt::TabFocus));
}

void TestWindows::editMenu_data()
{
    QTest::addColumn<QString>("focus");     // a box, a result, or a button
    QTest::addColumn<QString>("selection"); // selected in the box or result
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("box");       // the box's text afterwards
    QTest::addColumn<QString>("clipboard"); // afterwards

    const QString volume = shown(113.09733552923242);
    QTest::newRow("cut in a box") << "txtradiusr"
                                  << "12"
                                  << "mnuausschneiden" << true << "3"
                                  << "12";
    QTest::newRow("copy in a box") << "txtradiusr"
                                   << "12"
                                   << "mnukopieren" << true << "123"
                                   << "12";
    QTest::newRow("paste in a box") << "txtradiusr"
                                    << "12"
                                    << "mnueinfügen" << true << "993"
                                    << "99";
    QTest::newRow("cut, nothing selected") << "txtradiusr"
                                           << ""
                                           << "mnuausschneiden" << false << "123"
                                           << "99";
    QTest::newRow("copy, nothing selected") << "txtradiusr"
                                            << ""
                                            << "mnukopieren" << false << "123"
                                            << "99";
    QTest::newRow("copy a whole result") << "labvolume"
                                         << ""
                                         << "mnukopieren" << true << "3" << volume;
    QTest::newRow("copy part of a result")
        << "labvolume" << volume.left(3) << "mnukopieren" << true << "3" << volume.left(3);
    QTest::newRow("no cutting a result") << "labvolume"
                                         << ""
                                         << "mnuausschneiden" << false << "3"
                                         << "99";
    QTest::newRow("no pasting into a result") << "labvolume"
                                              << ""
                                              << "mnueinfügen" << false << "3"
                                              << "99";
    QTest::newRow("nothing to copy on a button") << "cmdberechnen"
                                                 << ""
                                                 << "mnukopieren" << false << "123"
                                                 << "99";
}

// The edit entries act on the focused control of the active window as on
// every desktop, and are disabled while they cannot.
void TestWindows::editMenu()
{
    QFETCH(QString, focus);
    QFETCH(QString, selection);
    QFETCH(QString, entry);
    QFETCH(bool, enabled);
    QFETCH(QString, box);
    QFETCH(QString, clipboard);
    choose(QStringLiteral("opkugel"));
    weiter();
    QWidget* sphere = w::loaded(QStringLiteral("fokugel"));
    test::type(sphere, QStringLiteral("txtradiusr"), QStringLiteral("3"));
    test::click(sphere, QStringLiteral("cmdberechnen"));
    if (focus != "labvolume")
        test::type(sphere, QStringLiteral("txtradiusr"), QStringLiteral("123"));
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    QWidget* target = sphere->findChild<QWidget*>(focus);
    target->setFocus();
    if (auto* e = qobject_cast<QLineEdit*>(target); e && !selection.isEmpty())
        e->setSelection(int(e->text().indexOf(selection)), int(selection.size()));
    if (auto* l = qobject_cast<QLabel*>(target); l && !selection.isEmpty())
        l->setSelection(0, int(selection.size()));

    auto* menu = w::frame()->findChild<QMenu*>(QStringLiteral("mnubearbeiten"));
    QMetaObject::invokeMethod(menu, "aboutToShow");
    QAction* action = menuEntry(entry);
    QCOMPARE(action->isEnabled(), enabled);
    action->trigger();
    QCOMPARE(sphere->findChild<QLineEdit*>(QStringLiteral("txtradiusr"))->text(), box);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
}

// "Körper wählen…" brings the start window back, afresh after it was closed,
// from an icon when it was minimised.
void TestWindows::chooseASolidAgain()
{
    test::click(start(), QStringLiteral("cmdbeenden"));
    QVERIFY(!start());
    menuEntry(QStringLiteral("mnukörperwählen"))->trigger();
    QVERIFY(start() && start()->isVisible());
    QCOMPARE(area()->activeSubWindow()->widget(), start());
    choose(QStringLiteral("opwürfel"));
    weiter();
    QWidget* before = start();
    childWindows().first()->showMinimized();
    menuEntry(QStringLiteral("mnukörperwählen"))->trigger();
    QCOMPARE(start(), before);
    QVERIFY(!childWindows().first()->isMinimized());
    QCOMPARE(area()->activeSubWindow()->widget(), start());
}

void TestWindows::enterPresses_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result"); // a label that must show something afterwards, or
                                         // the window that must have gone or come

    const int enter = Qt::Key_Return, keypad = Qt::Key_Enter;
    QTest::newRow("Berechnen") << "fokugel"
                               << "cmdberechnen" << enter << "labvolume";
    QTest::newRow("Berechnen, keypad") << "fokugel"
                                       << "cmdberechnen" << keypad << "labvolume";
    QTest::newRow("in a box") << "fokugel"
                              << "txtradiusr" << enter << "labvolume";
    QTest::newRow("in a box, keypad") << "foquader"
                                      << "txtseiteb" << keypad << "labvolume";
    QTest::newRow("Zurück") << "fokugel"
                            << "cmdzurück" << enter << "-fokugel";
    QTest::newRow("Weiter") << "Form1"
                            << "cmdweiter" << enter << "+fokugel";
    QTest::newRow("Beenden") << "Form1"
                             << "cmdbeenden" << keypad << "-Form1";
    QTest::newRow("Wurzel ziehen") << "fowurzel"
                                   << "cmdWurzelZiehen" << enter << "labergebnis";
    QTest::newRow("in the radicand") << "fowurzel"
                                     << "txtBasis" << keypad << "labergebnis";
    QTest::newRow("OK") << "foinfo"
                        << "cmdzurück" << enter << "~foinfo";
    QTest::newRow("Escape puts the information away")
        << "foinfo"
        << "cmdzurück" << int(Qt::Key_Escape) << "~foinfo";
    QTest::newRow("Escape on the rose") << "foinfo"
                                        << "Picture1" << int(Qt::Key_Escape) << "~foinfo";
    QTest::newRow("Escape does nothing") << "fokugel"
                                         << "txtradiusr" << int(Qt::Key_Escape) << "=labvolume";
}

// Enter on a focused button presses it; Enter in a box presses the window's
// button that computes. Space keeps working; Escape does nothing in a
// calculator and puts the information window away.
void TestWindows::enterPresses()
{
    QFETCH(QString, window);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, result);
    choose(QStringLiteral("opkugel"));
    w::show(window);
    QWidget* shownWindow = w::loaded(window);
    for (auto* box : shownWindow->findChildren<QLineEdit*>())
        box->setText(box->text().isEmpty() ? QStringLiteral("2") : box->text());
    QWidget* target = shownWindow->findChild<QWidget*>(focus);
    target->setFocus();
    const auto box = test::answerBox([&] {
        QTest::keyClick(target, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    });
    QVERIFY2(!box.shown, qPrintable(box.text));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString name = result.mid(1);
    if (result.startsWith(u'-'))
        QVERIFY(!w::loaded(name));
    else if (result.startsWith(u'+'))
        QVERIFY(w::loaded(name) && w::loaded(name)->isVisible());
    else if (result.startsWith(u'~'))
        QVERIFY(w::loaded(name) && !w::loaded(name)->isVisible());
    else if (result.startsWith(u'='))
        QVERIFY(test::labelText(shownWindow, name).isEmpty() && shownWindow->isVisible());
    else
        QVERIFY(!test::labelText(shownWindow, result).isEmpty());
}

// The keypad's decimal key types the locale's decimal separator in a number
// box, whichever character the keyboard layout sends with it.
void TestWindows::keypadDecimal()
{
    choose(QStringLiteral("opkugel"));
    weiter();
    auto* box = w::loaded(QStringLiteral("fokugel"))->findChild<QLineEdit*>("txtradiusr");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_2);
    QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(box, Qt::Key_5);
    QTest::keyClick(box, Qt::Key_Comma, Qt::KeypadModifier);
    QCOMPARE(box->text(), "2" + QLocale().decimalPoint() + "5" + QLocale().decimalPoint());
    // The main keyboard's keys still type what they say.
    QTest::keyClicks(box, QStringLiteral("."));
    QVERIFY(box->text().endsWith(u'.'));
}

// The text cursor stops blinking when nobody types, so that an idle program
// wakes nothing; the next key brings it back.
void TestWindows::cursorRestsWhenNobodyTypes()
{
    QStyleHints* hints = QGuiApplication::styleHints();
    const int flash = hints->cursorFlashTime();
    QVERIFY(flash > 0);
    choose(QStringLiteral("opkugel"));
    weiter();
    auto* box = w::loaded(QStringLiteral("fokugel"))->findChild<QLineEdit*>("txtradiusr");
    rt::stopBlinkingAfter(50);
    QTRY_COMPARE(hints->cursorFlashTime(), 0);
    QTest::keyClick(box, Qt::Key_3);
    QCOMPARE(hints->cursorFlashTime(), flash);
    rt::stopBlinkingAfter(10000);
}

void TestWindows::closingWhileABoxIsOpen_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("closes");
    QTest::addColumn<QString>("title");

    const struct {
        const char* tag;
        const char* window;
        const char* input;
        const char* title;
    } boxes[] = {
        {"no solid chosen", "Form1", "", "Problem"},
        {"failed check", "fokugel", "0", "Problem"},
        {"no number", "fokugel", "x", "Solvanto"},
        {"plain box", "fozylinder", "0", "Solvanto"},
        {"no option", "fopyramide", "2 3 1", "Problem"},
    };
    for (const auto& b : boxes) {
        for (const char* closes : {"frame", "window"}) {
            QTest::addRow("%s, %s closes", b.tag, closes)
                << QString::fromUtf8(b.window) << QString::fromUtf8(b.input)
                << QString::fromUtf8(closes) << QString::fromUtf8(b.title);
        }
    }
}

// Assistive technology, automation or the end of the session can close a
// window while one of its message boxes waits for an answer: the box goes
// away with it, the click that raised it returns, and the program goes on.
void TestWindows::closingWhileABoxIsOpen()
{
    QFETCH(QString, window);
    QFETCH(QString, input);
    QFETCH(QString, closes);
    QFETCH(QString, title);
    w::show(window);
    QWidget* raising = w::loaded(window);
    const QStringList values = input.split(u' ', Qt::SkipEmptyParts);
    const auto boxes = raising->findChildren<QLineEdit*>();
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(values.value(i, values.value(0)));
    const QString button = window == "Form1" ? "cmdweiter" : "cmdberechnen";

    QString seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (!seen.isEmpty()) {
            box->button(QMessageBox::Ok)->click(); // still open: do not hang
            return;
        }
        seen = box->windowTitle();
        if (closes == "frame")
            menuEntry(QStringLiteral("mnubeenden"))->trigger();
        else
            w::unload(window);
    });
    poll.start();
    test::click(raising, button);
    poll.stop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(seen, title);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!w::loaded(window));
    QCOMPARE(bool(w::loaded(QStringLiteral("MDIForm1"))), closes == "window");
    // The program goes on: the start window opens again.
    w::show(QStringLiteral("Form1"));
    QVERIFY(start() && start()->isVisible());
}

void TestWindows::opensInTheFirstBox_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");

    QTest::newRow("Würfel") << "opwürfel"
                            << "fowürfel"
                            << "txtseitea";
    QTest::newRow("Quader") << "opquader"
                            << "foquader"
                            << "txtseitea";
    QTest::newRow("Pyramide") << "oppyramide"
                              << "fopyramide"
                              << "txtseitea1";
    QTest::newRow("Zylinder") << "opzylinder"
                              << "fozylinder"
                              << "txtradiusr";
    QTest::newRow("Prisma") << "opprisma"
                            << "foprisma"
                            << "txteckenn";
    QTest::newRow("Kegel") << "opkegel"
                           << "fokegel"
                           << "txtradiusr";
    QTest::newRow("Spat") << "opspat"
                          << "fospat"
                          << "txtseitea";
    QTest::newRow("Kugel") << "opkugel"
                           << "fokugel"
                           << "txtradiusr";
    QTest::newRow("Torus") << "optorus"
                           << "fotorus"
                           << "txtringradiusr";
}

// A calculator opens with the cursor in its top box: the first key typed
// lands there, whatever control its stored tab order starts with.
void TestWindows::opensInTheFirstBox()
{
    QFETCH(QString, option);
    QFETCH(QString, window);
    QFETCH(QString, box);
    choose(option);
    weiter();
    QWidget* opened = w::loaded(window);
    QVERIFY(QTest::qWaitForWindowActive(opened->window()));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), box);
    for (auto* other : opened->findChildren<QLineEdit*>())
        QVERIFY2(other->mapTo(opened, QPoint()).y() >= focus->mapTo(opened, QPoint()).y(),
                 qPrintable(other->objectName()));
    QTest::keyClick(opened->window()->windowHandle(), Qt::Key_7);
    QCOMPARE(opened->findChild<QLineEdit*>(box)->text(), "7");
    // The cone opens as "Kegel", which has no top radius to type.
    if (window == "fokegel")
        QVERIFY(!opened->findChild<QLineEdit*>(QStringLiteral("txtradiusr2"))->isEnabled());
}

void TestWindows::enterOnTheStartWindow_data()
{
    QTest::addColumn<QString>("chosen"); // the option set beforehand, if any
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("outcome"); // "+window" opened, "-Form1" closed,
                                          // "=option" now set, "!" the message

    const int enter = Qt::Key_Return, keypad = Qt::Key_Enter, space = Qt::Key_Space;
    QTest::newRow("Enter on the chosen option") << "opkugel"
                                                << "opkugel" << enter << "+fokugel";
    QTest::newRow("keypad Enter on the chosen option") << "opquader"
                                                       << "opquader" << keypad << "+foquader";
    QTest::newRow("Enter on another option") << "optorus"
                                             << "opwürfel" << enter << "+fotorus";
    QTest::newRow("Enter, nothing chosen") << ""
                                           << "opwürfel" << enter << "!";
    QTest::newRow("Enter on Weiter") << "opspat"
                                     << "cmdweiter" << enter << "+fospat";
    QTest::newRow("Enter on Beenden") << "opkugel"
                                      << "cmdbeenden" << enter << "-Form1";
    QTest::newRow("Space chooses an option") << "opkugel"
                                             << "opquader" << space << "=opquader";
}

// "Weiter" is the start window's default button: Enter where no button has
// the focus presses it, and it shows as the default; a focused button takes
// Enter itself. Space still chooses an option.
void TestWindows::enterOnTheStartWindow()
{
    QFETCH(QString, chosen);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, outcome);
    if (!chosen.isEmpty())
        choose(chosen);
    QVERIFY(QTest::qWaitForWindowActive(start()->window()));
    start()->findChild<QWidget*>(focus)->setFocus(Qt::TabFocusReason);
    auto* weiterButton = start()->findChild<QPushButton*>(QStringLiteral("cmdweiter"));
    QCOMPARE(weiterButton->isDefault(), focus != "cmdbeenden");
    const auto box = test::answerBox([&] {
        QTest::keyClick(start()->window()->windowHandle(), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    });
    QCOMPARE(box.shown, outcome == "!");
    if (box.shown)
        QCOMPARE(box.text, "Bitte wählen Sie ein Körper aus!!!!");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString name = outcome.mid(1);
    if (outcome.startsWith(u'+')) {
        QVERIFY(w::loaded(name) && w::loaded(name)->isVisible());
    } else if (outcome.startsWith(u'-')) {
        QVERIFY(!w::loaded(name));
    } else {
        QCOMPARE(childWindows().size(), 1);
        if (outcome.startsWith(u'='))
            QVERIFY(start()->findChild<QRadioButton*>(name)->isChecked());
    }
}

void TestWindows::windowListHasTheFreeWindows_data()
{
    QTest::addColumn<QStringList>("open");    // menu entries chosen, or what is done then
    QTest::addColumn<QStringList>("entries"); // the list, a separator as ""

    const QString start = QStringLiteral("1 Volumen Oberfläche und Mantel");
    QTest::newRow("none") << QStringList{} << QStringList{start};
    QTest::newRow("root window") << QStringList{"mnuwurzelziehen"}
                                 << QStringList{start, "", "2 Wurzel ziehen"};
    QTest::newRow("all three, by title")
        << QStringList{"mnuwurzelziehen", "mnurechenweg", "mnuinfo"}
        << QStringList{start, "", "2 Info", "3 Rechenweg", "4 Wurzel ziehen"};
    QTest::newRow("information put away with OK")
        << QStringList{"mnuinfo", "hide foinfo", "mnurechenweg"}
        << QStringList{start, "", "2 Rechenweg"};
    QTest::newRow("root window minimised") << QStringList{"mnuwurzelziehen", "minimise fowurzel"}
                                           << QStringList{start, "", "2 Wurzel ziehen"};
    QTest::newRow("body made of parts")
        << QStringList{"mnuzusammengesetzterkörper", "mnuzusammengesetzterkörper"}
        << QStringList{start, "", "2 Zusammengesetzter Körper"};
    QTest::newRow("a free window defined later")
        << QStringList{"show foumkehr"} << QStringList{start, "", "2 Umkehraufgabe"};
    QTest::newRow("start window closed")
        << QStringList{"mnuinfo", "close Form1"} << QStringList{"1 Info"};
}

// The free windows stand in the window list below the child windows, by
// title; choosing one brings it back in front of the frame, restored.
void TestWindows::windowListHasTheFreeWindows()
{
    QFETCH(QStringList, open);
    QFETCH(QStringList, entries);
    w::define(QStringLiteral("foumkehr"), rt::Placement::TopLevel, [] {
        auto* window = new QWidget;
        window->setWindowTitle(QStringLiteral("Umkehraufgabe"));
        return window;
    });
    for (const QString& step : open) {
        const QString name = step.section(u' ', 1);
        if (step.startsWith(QLatin1String("hide ")))
            w::hide(name);
        else if (step.startsWith(QLatin1String("minimise ")))
            w::loaded(name)->showMinimized();
        else if (step.startsWith(QLatin1String("show ")))
            w::show(name);
        else if (step.startsWith(QLatin1String("close ")))
            w::unload(name);
        else
            menuEntry(step)->trigger();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* list = w::frame()->findChild<QMenu*>(QStringLiteral("mnugehezu"));
    QMetaObject::invokeMethod(list, "aboutToShow");
    QStringList titles;
    for (QAction* a : list->actions())
        titles << a->text().remove(u'&');
    QCOMPARE(titles, entries);

    for (QAction* a : list->actions()) {
        QWidget* free = w::loaded(a->objectName());
        if (!free || !free->isWindow())
            continue;
        w::frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w::frame()));
        a->trigger();
        QVERIFY(free->isVisible() && !free->isMinimized());
        QVERIFY(QTest::qWaitForWindowActive(free));
    }
}

// The Umkehraufgabe through its widgets: a cylinder from V and O has two
// solutions to choose, computed boxes say so, units convert the shown value,
// "Übernehmen" computes the same solid in its window, and a message leaves
// the givens and clears the rest.
void TestWindows::inverseProblem()
{
    menuEntry(QStringLiteral("mnuumkehraufgabe"))->trigger();
    auto* window =
        dynamic_cast<worked::InverseWindow*>(w::loaded(QStringLiteral("foumkehraufgabe")));
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->bodyName(), QStringLiteral("Würfel"));
    window->findChild<QComboBox*>(QStringLiteral("cbokörper"))
        ->setCurrentText(QStringLiteral("Zylinder"));
    const auto box = [&](const char* name) {
        return window->findChild<QLineEdit*>(QString::fromUtf8(name));
    };
    QTest::keyClicks(box("txtV"), QStringLiteral("500"));
    QTest::keyClicks(box("txtO"), QStringLiteral("400"));
    QTest::keyClick(box("txtO"), Qt::Key_Return);

    model::Values givens{{QStringLiteral("V"), 500.0}, {QStringLiteral("O"), 400.0}};
    const model::Answer answer = model::solve(model::cylinder(), givens);
    QCOMPARE(answer.solutions.size(), size_t(2));
    const QList<QRadioButton*> options = window->findChildren<QRadioButton*>();
    QCOMPARE(options.size(), 2);
    QCOMPARE(options[1]->text(), QStringLiteral("Lösung 2"));
    QCOMPARE(box("txtr")->text(), shown(answer.solutions[0].values.value(QStringLiteral("r"))));
    QCOMPARE(box("txtr")->accessibleDescription(), QStringLiteral("berechnet"));
    QVERIFY(box("txtr")->font().italic());
    QCOMPARE(box("txtV")->text(), QStringLiteral("500"));
    QVERIFY(box("txtV")->accessibleDescription().isEmpty());

    options[1]->click();
    const double h = answer.solutions[1].values.value(QStringLiteral("h"));
    QCOMPARE(box("txth")->text(), shown(h));
    QVERIFY(window->solutionText().contains(QStringLiteral("Lösung 2 von 2")));
    window->findChild<QComboBox*>(QStringLiteral("cboeinheith"))
        ->setCurrentText(QStringLiteral("m"));
    QCOMPARE(box("txth")->text(), shown(h / 100));

    test::click(window, QStringLiteral("cmdübernehmen"));
    QWidget* cylinder = w::loaded(QStringLiteral("fozylinder"));
    QVERIFY(cylinder);
    const double r = answer.solutions[1].values.value(QStringLiteral("r"));
    QCOMPARE(cylinder->findChild<QLineEdit*>(QStringLiteral("txtradiusr"))->text(),
             rt::toExactText(r, QLocale()));
    QCOMPARE(test::labelText(cylinder, QStringLiteral("labvolume")), shown(500));

    // What the user types into a computed box stays, whichever solution or
    // unit is chosen next; a given's unit changed makes the rest stale.
    box("txtd")->selectAll();
    QTest::keyClicks(box("txtd"), QStringLiteral("7"));
    options[0]->click();
    window->findChild<QComboBox*>(QStringLiteral("cboeinheitM"))
        ->setCurrentText(QStringLiteral("dm²"));
    QCOMPARE(box("txtd")->text(), QStringLiteral("7"));
    QCOMPARE(box("txtr")->text(), shown(answer.solutions[0].values.value(QStringLiteral("r"))));
    window->findChild<QComboBox*>(QStringLiteral("cboeinheitV"))
        ->setCurrentText(QStringLiteral("l"));
    QVERIFY(box("txtr")->text().isEmpty());
    QVERIFY(window->solutionText().isEmpty());
    QCOMPARE(box("txtV")->text(), QStringLiteral("500"));
    QCOMPARE(box("txtd")->text(), QStringLiteral("7"));

    // Too few: the radius alone. The given box keeps its text, the computed
    // ones are empty.
    test::click(window, QStringLiteral("cmdleeren"));
    QTest::keyClicks(box("txtr"), QStringLiteral("2"));
    const auto few = test::answerBox([&] { test::click(window, QStringLiteral("cmdberechnen")); });
    QCOMPARE(few.title, QStringLiteral("Umkehraufgabe"));
    QCOMPARE(few.icon, QMessageBox::Information);
    QVERIFY(few.text.startsWith(QStringLiteral("Zu wenige Angaben")));
    QCOMPARE(box("txtr")->text(), QStringLiteral("2"));
    QVERIFY(box("txth")->text().isEmpty());
    QVERIFY(box("txtV")->text().isEmpty());

    // Text that is no number names its box; the window stays.
    QTest::keyClicks(box("txth"), QStringLiteral("abc"));
    const auto bad = test::answerBox([&] { test::click(window, QStringLiteral("cmdberechnen")); });
    QVERIFY(bad.text.contains(QStringLiteral("Höhe h")));
    QCOMPARE(box("txth")->text(), QStringLiteral("abc"));
    QVERIFY(window->isVisible());
}

void TestWindows::inverseShowsCertainDigits_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("givens"); // symbol=value, as in German
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("unit"); // the computed row's; none: cm's
    QTest::addColumn<QString>("german");

    const auto row = [](const char* tag, const char* body, const char* givens, const char* symbol,
                        const char* unit, const char* german) {
        QTest::newRow(tag) << QString::fromUtf8(body) << QString::fromUtf8(givens)
                           << QString::fromUtf8(symbol) << QString::fromUtf8(unit)
                           << QString::fromUtf8(german);
    };
    const char* wall = "R=10 r=9,99 h=1";
    row("wall", "Hohlzylinder", wall, "w", "", "0,01");
    // The place moves with the unit: 1 cm³ is 1000 mm³ and 0,001 l.
    row("volume", "Hohlzylinder", wall, "V", "", "0,628004371453");
    row("volume in mm³", "Hohlzylinder", wall, "V", "mm³", "628,004371453");
    row("volume in l", "Hohlzylinder", wall, "V", "l", "0,000628004371453");
    row("no cancellation", "Hohlzylinder", wall, "M", "", "125,60087429052");
    row("cap", "Kugelabschnitt", "r=1 h=1,5", "a", "", "0,86602540378444");
}

// A computed row of the Umkehraufgabe shows only the digits the givens
// determine, in the row's unit.
void TestWindows::inverseShowsCertainDigits()
{
    QFETCH(QString, body);
    QFETCH(QString, givens);
    QFETCH(QString, symbol);
    QFETCH(QString, unit);
    QFETCH(QString, german);
    menuEntry(QStringLiteral("mnuumkehraufgabe"))->trigger();
    auto* window = w::loaded(QStringLiteral("foumkehraufgabe"));
    QVERIFY(window);
    window->findChild<QComboBox*>(QStringLiteral("cbokörper"))->setCurrentText(body);
    QLineEdit* last = nullptr;
    for (const QString& given : givens.split(u' ')) {
        const QStringList pair = given.split(u'=');
        last = window->findChild<QLineEdit*>(QStringLiteral("txt") + pair[0]);
        QTest::keyClicks(last, QString(pair[1]).replace(u',', QLocale().decimalPoint()));
    }
    if (!unit.isEmpty())
        window->findChild<QComboBox*>(QStringLiteral("cboeinheit") + symbol)->setCurrentText(unit);
    QTest::keyClick(last, Qt::Key_Return);
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txt") + symbol)->text(),
             german.replace(u',', QLocale().decimalPoint()));
}

// The Umkehraufgabe opens on the solid of the active calculator window, the
// pyramid's option deciding which; a window the user has typed into keeps its
// solid.
void TestWindows::inverseOpensOnTheActiveSolid()
{
    w::show(QStringLiteral("fopyramide"));
    auto* frustum = w::loaded(QStringLiteral("fopyramide"))
                        ->findChild<QRadioButton*>(QStringLiteral("opstumpf"));
    frustum->setChecked(true);
    menuEntry(QStringLiteral("mnuumkehraufgabe"))->trigger();
    auto* window =
        dynamic_cast<worked::InverseWindow*>(w::loaded(QStringLiteral("foumkehraufgabe")));
    QCOMPARE(window->bodyName(), QStringLiteral("Pyramidenstumpf"));
    QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("txth")), QStringLiteral("3"));
    test::click(window, QStringLiteral("cmdok"));
    QVERIFY(!window->isVisible());
    w::show(QStringLiteral("fokugel"));
    menuEntry(QStringLiteral("mnuumkehraufgabe"))->trigger();
    QCOMPARE(window->bodyName(), QStringLiteral("Pyramidenstumpf"));
    test::click(window, QStringLiteral("cmdleeren"));
    test::click(window, QStringLiteral("cmdok"));
    menuEntry(QStringLiteral("mnuumkehraufgabe"))->trigger();
    QCOMPARE(window->bodyName(), QStringLiteral("Kugel"));
}

void TestWindows::inverseSketch_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("letter");
    // The list's letters, also where the window writes r or a1.
    QTest::newRow("Kegelstumpf") << "Kegels"
                                 << "Kegelstumpf"
                                 << "txtr1"
                                 << "r1";
    QTest::newRow("Pyramide") << "Pyr"
                              << "Pyramide"
                              << "txta"
                              << "a";
    QTest::newRow("Oktaeder, by its unit") << "Ok"
                                           << "Oktaeder"
                                           << "cboeinheita"
                                           << "a";
    QTest::newRow("Prisma, n Ecken") << "Pri"
                                     << "Prisma"
                                     << "txtn"
                                     << "n";
}

// The closed list of bodies chooses one by its first letters, and the sketch
// beside the rows marks the letter of the row the focus is in, none once it
// has left the rows.
void TestWindows::inverseSketch()
{
    QFETCH(QString, typed);
    QFETCH(QString, body);
    QFETCH(QString, box);
    QFETCH(QString, letter);
    menuEntry(QStringLiteral("mnuumkehraufgabe"))->trigger();
    auto* window =
        dynamic_cast<worked::InverseWindow*>(w::loaded(QStringLiteral("foumkehraufgabe")));
    QVERIFY(QTest::qWaitForWindowActive(window->window()));
    auto* bodies = window->findChild<QComboBox*>(QStringLiteral("cbokörper"));
    bodies->setFocus();
    QTest::keyClicks(bodies, typed);
    QCOMPARE(window->bodyName(), body);
    QCoreApplication::processEvents(); // the new rows are shown

    auto* sketch =
        dynamic_cast<worked::SketchPane*>(window->findChild<QWidget*>(QStringLiteral("skizze")));
    QVERIFY(sketch && sketch->isVisible());
    QCOMPARE(sketch->accessibleName(), QStringLiteral("Skizze"));
    QVERIFY(sketch->accessibleDescription().startsWith(body + u' '));
    const QImage plain = sketch->grab().toImage();
    window->findChild<QWidget*>(box)->setFocus();
    QCOMPARE(sketch->highlighted(), letter);
    QVERIFY(sketch->grab().toImage() != plain);
    bodies->setFocus();
    QCOMPARE(sketch->highlighted(), QString());
    QCOMPARE(sketch->grab().toImage(), plain);
}

void TestWindows::inverseTakenOver_data()
{
    QTest::addColumn<QString>("id");
    for (const model::Body* b : model::bodies()) {
        if (solids::showing(b->id).solid)
            QTest::newRow(qPrintable(b->id)) << b->id;
    }
}

// Every body that a calculator window computes is taken over there by its id:
// the window's option for it set where another was, each dimension in the
// box of the window's letter for it (the pyramid's a is its a1), and the same
// volume computed as the Umkehraufgabe shows.
void TestWindows::inverseTakenOver()
{
    QFETCH(QString, id);
    const model::Body& body = *model::bodyById(id);
    const solids::Showing target = solids::showing(id);
    const QString name = QString::fromUtf8(target.solid->window);
    w::show(name);
    auto* calculator = dynamic_cast<solids::CalculatorWindow*>(w::loaded(name));
    QVERIFY(calculator);
    for (const solids::Variant& v : target.solid->calculator.variants) {
        const char* option = v.option ? v.option : v.choice;
        if (&v != target.variant && option)
            qobject_cast<QRadioButton*>(calculator->control(QString::fromUtf8(option)))
                ->setChecked(true);
    }

    // What another solid of the window left in a box it does not use.
    for (const solids::Dimension& d : target.solid->calculator.dimensions)
        calculator->textBox(QString::fromUtf8(d.box))->setText(QStringLiteral("7"));

    menuEntry(QStringLiteral("mnuumkehraufgabe"))->trigger();
    auto* window =
        dynamic_cast<worked::InverseWindow*>(w::loaded(QStringLiteral("foumkehraufgabe")));
    window->chooseBody(body.name);
    // Lengths each shorter than the one before, angles that span a solid.
    model::Values givens;
    const double lengths[] = {6, 4, 3};
    int length = 0, angle = 0;
    for (const QString& d : body.dimensions) {
        const model::Dimension kind = body.quantity(d)->dimension;
        const double v = kind == model::Dimension::Count   ? 5
                         : kind == model::Dimension::Angle ? 80 + 5 * angle++
                                                           : lengths[length++];
        givens.insert(d, v);
        test::type(window, QStringLiteral("txt") + d, QString::number(v));
    }
    test::click(window, QStringLiteral("cmdberechnen"));
    QCOMPARE(window->solutionCount(), 1);
    test::click(window, QStringLiteral("cmdübernehmen"));
    QCOMPARE(calculator->bodyId(), id);
    QVERIFY(calculator->lastCalculation().succeeded);
    for (const solids::Dimension& d : target.solid->calculator.dimensions) {
        const QLineEdit* box = calculator->textBox(QString::fromUtf8(d.box));
        if (solids::uses(*target.variant, d)) {
            QCOMPARE(
                box->text(),
                rt::toExactText(givens.value(solids::bodyLetter(*target.variant, d)), QLocale()));
            QCOMPARE(box->cursorPosition(), 0); // read from its first digit
        } else {
            QCOMPARE(box->text(), QString());
        }
    }
    // The same double the Umkehraufgabe found, with the calculator's own digits.
    const model::Answer answer = model::solve(body, givens);
    QCOMPARE(test::labelText(calculator, QStringLiteral("labvolume")),
             rt::toText(answer.solutions.front().values.value(QStringLiteral("V")), QLocale()));

    // A body the window does not compute, or a dimension not given, changes nothing.
    const QString volume = test::labelText(calculator, QStringLiteral("labvolume"));
    QVERIFY(!calculator->showBody(QStringLiteral("keiner"), givens));
    QVERIFY(!calculator->showBody(id, {}));
    QCOMPARE(calculator->bodyId(), id);
    QCOMPARE(test::labelText(calculator, QStringLiteral("labvolume")), volume);
}

// Too few givens that fix some quantities all the same: the message says so,
// and once it is read the fixed rows are filled in their units and marked
// computed, the open ones empty; the next calculation leaves none of it.
void TestWindows::inversePartialAnswer()
{
    menuEntry(QStringLiteral("mnuumkehraufgabe"))->trigger();
    auto* window =
        dynamic_cast<worked::InverseWindow*>(w::loaded(QStringLiteral("foumkehraufgabe")));
    window->chooseBody(QStringLiteral("Quader"));
    const auto box = [&](const char* name) {
        return window->findChild<QLineEdit*>(QString::fromUtf8(name));
    };
    const auto unit = [&](const char* symbol, const char* text) {
        window->findChild<QComboBox*>(QStringLiteral("cboeinheit") + QString::fromUtf8(symbol))
            ->setCurrentText(QString::fromUtf8(text));
    };
    unit("V", "m³");
    unit("G", "ha");
    unit("c", "m");
    test::type(window, QStringLiteral("txtV"), QStringLiteral("1200"));
    test::type(window, QStringLiteral("txtG"), typed("0.04"));
    // As the solver gives it once it tells what too few givens fix.
    model::Task task;
    task.body = &model::cuboid();
    for (const char* s : {"V", "G", "c"}) {
        const QString symbol = QString::fromUtf8(s);
        const model::Dimension d = task.body->quantity(symbol)->dimension;
        task.units.insert(
            symbol,
            model::unit(d, window->findChild<QComboBox*>(QStringLiteral("cboeinheit") + symbol)
                               ->currentText()));
    }
    task.typed = {{QStringLiteral("V"), 1200.0}, {QStringLiteral("G"), 0.04}};
    model::Answer answer;
    answer.status = model::Answer::Missing;
    answer.lacking = 1;
    answer.partial.values = {
        {QStringLiteral("V"), 1.2e9}, {QStringLiteral("G"), 4e6}, {QStringLiteral("c"), 300.0}};
    QString rowsWhileOpen;
    const auto shown = test::answerBox([&] {
        QTimer::singleShot(0, [&] { rowsWhileOpen = box("txtc")->text(); });
        window->present(task, answer);
    });
    QVERIFY(shown.text.contains(QStringLiteral("Bestimmt ist c = 3 m; für a und b fehlt noch eine "
                                               "Angabe")));
    QVERIFY(rowsWhileOpen.isEmpty());
    QCOMPARE(box("txtc")->text(), QStringLiteral("3"));
    QCOMPARE(box("txtc")->accessibleDescription(), QStringLiteral("berechnet"));
    for (const char* open : {"txta", "txtb", "txte", "txtM", "txtO"})
        QVERIFY2(box(open)->text().isEmpty(), open);
    QCOMPARE(box("txtV")->text(), QStringLiteral("1200"));
    QVERIFY(box("txtV")->accessibleDescription().isEmpty());
    // Shown again in another unit; not taken over, as the solid is not whole.
    unit("c", "dm");
    QCOMPARE(box("txtc")->text(), QStringLiteral("30"));
    const auto over =
        test::answerBox([&] { test::click(window, QStringLiteral("cmdübernehmen")); });
    QVERIFY(over.text.startsWith(QStringLiteral("Es fehlen noch Angaben")));
    QVERIFY(!w::loaded(QStringLiteral("foquader")));

    // The next calculation, too few again, leaves nothing of the last.
    test::type(window, QStringLiteral("txtG"), QString());
    const auto few = test::answerBox([&] { test::click(window, QStringLiteral("cmdberechnen")); });
    QVERIFY(few.text.startsWith(QStringLiteral("Zu wenige Angaben")));
    QVERIFY(box("txtc")->text().isEmpty());
    QVERIFY(box("txtc")->accessibleDescription().isEmpty());
    QVERIFY(!box("txtc")->font().italic());
    QVERIFY(window->solutionText().isEmpty());
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"

void TestWindows::inverseMaterialAndOpenFaces_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("check");    // a check box's object name
    QTest::addColumn<QString>("material"); // chosen from the list
    QTest::addColumn<QString>("units");    // "m=kg;ρ=t/m³"
    QTest::addColumn<QString>("givens");   // typed, as in C
    QTest::addColumn<QString>("expected"); // shown, as in C
    const auto row = [](const char* name, const char* body, const char* check, const char* material,
                        const char* units, const char* givens, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(body) << QString::fromUtf8(check)
                            << QString::fromUtf8(material) << QString::fromUtf8(units)
                            << QString::fromUtf8(givens) << QString::fromUtf8(expected);
    };
    row("steel in kg", "Quader", "", "Stahl", "m=kg", "a=10;b=10;c=12", "ρ=7.85;m=9.42");
    row("density in t/m³", "Quader", "", "", "m=kg;ρ=t/m³;a=dm;b=dm;c=dm", "a=1;b=1;c=1.2;m=9.42",
        "ρ=7.85");
    row("steel in kg/m³", "Kugel", "", "Stahl", "m=kg;ρ=kg/m³", "m=1", "ρ=7850;r=3.12138432177541");
    row("gold in mg", "Würfel", "", "Gold", "m=mg;a=mm", "a=1", "m=19.3");
    row("tin without lid", "Zylinder", "chkohnedeckfläche", "", "", "r=5;h=10",
        "O=392.699081698724");
    row("bowl", "Halbkugel", "chkohnegrundfläche", "", "", "O=100", "r=3.98942280401433");
    row("a calculation typed", "Würfel", "", "", "", "V=27 : 8", "a=1.5");
}

// Mass and density in their units, a material from the list, an open
// container, a calculation typed: as a user sets them in the window.
void TestWindows::inverseMaterialAndOpenFaces()
{
    QFETCH(QString, body);
    QFETCH(QString, check);
    QFETCH(QString, material);
    QFETCH(QString, units);
    QFETCH(QString, givens);
    QFETCH(QString, expected);
    menuEntry(QStringLiteral("mnuumkehraufgabe"))->trigger();
    auto* window =
        dynamic_cast<worked::InverseWindow*>(w::loaded(QStringLiteral("foumkehraufgabe")));
    window->chooseBody(body);
    test::click(window, QStringLiteral("cmdleeren"));
    const auto pairs = [](const QString& list) {
        QList<QStringList> out;
        for (const QString& p : list.split(u';', Qt::SkipEmptyParts))
            out << p.split(u'=');
        return out;
    };
    for (const QStringList& u : pairs(units))
        window->findChild<QComboBox*>(QStringLiteral("cboeinheit") + u[0])->setCurrentText(u[1]);
    if (!check.isEmpty()) {
        window->findChild<QCheckBox*>(check)->setChecked(true);
        // Drawn open as soon as the box is ticked, and printed so.
        const QString open =
            check.contains(u"deck") ? QStringLiteral("oben offen") : QStringLiteral("ohne Boden");
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("skizze"))
                    ->accessibleDescription()
                    .contains(open));
    }
    if (!material.isEmpty()) {
        auto* list = window->findChild<QComboBox*>(QStringLiteral("cbomaterial"));
        const int index = list->findText(material, Qt::MatchStartsWith);
        QVERIFY(index > 0);
        list->setCurrentIndex(index);
    }
    for (const QStringList& g : pairs(givens))
        test::type(window, QStringLiteral("txt") + g[0], typed(g[1]));
    test::click(window, QStringLiteral("cmdberechnen"));
    for (const QStringList& e : pairs(expected))
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txt") + e[0])->text(), typed(e[1]));
    for (const QStringList& u : pairs(units))
        window->findChild<QComboBox*>(QStringLiteral("cboeinheit") + u[0])->setCurrentIndex(0);
    if (!check.isEmpty())
        window->findChild<QCheckBox*>(check)->setChecked(false);
}
