// The window of a body made of parts through its widgets: its parts and
// their named controls, a calculation, a message that keeps what was typed,
// and its files.
#include "model/composite.h"
#include "model/compositefile.h"
#include "names.h"
#include "runtime/windows.h"
#include "support.h"
#include "worked/compositewindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace w = rt::windows;

namespace {

worked::CompositeWindow* window()
{
    w::show(QString::fromUtf8(names::kComposite));
    return dynamic_cast<worked::CompositeWindow*>(w::loaded(QString::fromUtf8(names::kComposite)));
}

template <class T> T* control(QWidget* in, const QString& name)
{
    return in->findChild<T*>(name);
}

QLineEdit* box(QWidget* in, const QString& name)
{
    return control<QLineEdit>(in, name);
}

// A decimal number as the user's locale writes it.
QString typed(QString cText)
{
    return cText.replace(u'.', QLocale().decimalPoint());
}

// A cylinder with a cone set on it, each of radius 3; the cylinder 5 high,
// the cone 4.
void silo(worked::CompositeWindow* window)
{
    control<QComboBox>(window, QStringLiteral("Körper Teil 1"))
        ->setCurrentText(QStringLiteral("Zylinder"));
    test::click(window, QStringLiteral("cmdteilhinzufügen"));
    control<QComboBox>(window, QStringLiteral("Körper Teil 2"))
        ->setCurrentText(QStringLiteral("Kegel"));
    control<QComboBox>(window, QStringLiteral("Verbindung Teil 2"))
        ->setCurrentText(QStringLiteral("aufgesetzt auf Teil 1"));
    test::type(window, QStringLiteral("Radius r Teil 1"), QStringLiteral("3"));
    test::type(window, QStringLiteral("Höhe h Teil 1"), QStringLiteral("5"));
    test::type(window, QStringLiteral("Radius r Teil 2"), QStringLiteral("3"));
    test::type(window, QStringLiteral("Höhe h Teil 2"), QStringLiteral("4"));
}

} // namespace

class TestComposite : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::setUpProgram(); }
    void cleanup() { w::unloadAll(); }

    void partsAndTheirControls();
    void silo();
    void flattenErrorKeepsTheTexts();
    void files_data();
    void files();
};

// One part to start with, up to eight added, each with its named controls;
// a joint lists every earlier part, a face box stands where the body has the
// face, and a letter typed gets a row of its own.
void TestComposite::partsAndTheirControls()
{
    auto* win = window();
    QVERIFY(win);
    QCOMPARE(win->windowTitle(), QStringLiteral("Zusammengesetzter Körper"));
    QCOMPARE(win->partCount(), 1);
    auto* add = control<QPushButton>(win, QStringLiteral("cmdteilhinzufügen"));
    auto* remove = control<QPushButton>(win, QStringLiteral("cmdteilentfernen"));
    QVERIFY(add->isEnabled() && !remove->isEnabled());
    QVERIFY(!control<QComboBox>(win, QStringLiteral("Verbindung Teil 1")));
    QCOMPARE(control<QComboBox>(win, QStringLiteral("Körper Teil 1"))->count(),
             int(model::bodies().size()));

    for (int n = 2; n <= model::kMaxParts; ++n)
        test::click(win, QStringLiteral("cmdteilhinzufügen"));
    QCOMPARE(win->partCount(), 8);
    QVERIFY(!add->isEnabled() && remove->isEnabled());
    QCOMPARE(control<QGroupBox>(win, QStringLiteral("Teil 8"))->title(), QStringLiteral("Teil 8"));
    auto* body = control<QComboBox>(win, QStringLiteral("Körper Teil 8"));
    body->setCurrentText(QStringLiteral("Zylinder"));
    auto* joint = control<QComboBox>(win, QStringLiteral("Verbindung Teil 8"));
    QCOMPARE(joint->currentText(), QStringLiteral("aufgesetzt auf Teil 7"));
    QVERIFY(joint->findText(QStringLiteral("durchgebohrt durch Teil 1")) >= 0);
    QVERIFY(joint->findText(QStringLiteral("innen hohl in Teil 7")) >= 0);
    // A cylinder has no flat side to lie on.
    QCOMPARE(joint->findText(QStringLiteral("liegend aufgesetzt auf Teil 1")), -1);
    QVERIFY(control<QCheckBox>(win, QStringLiteral("ohne Deckfläche Teil 8")));
    auto* count = control<QSpinBox>(win, QStringLiteral("Anzahl Teil 8"));
    QVERIFY(count && count->value() == 1 && count->maximum() == 99);
    QVERIFY(box(win, QStringLiteral("Mantel M Teil 8")));
    QVERIFY(control<QComboBox>(win, QStringLiteral("Einheit Radius r Teil 8")));

    // A sphere: no faces, the cylinder's rows gone, what was typed in a row
    // it shares kept.
    test::type(win, QStringLiteral("Radius r Teil 8"), QStringLiteral("2"));
    body->setCurrentText(QStringLiteral("Kugel"));
    QVERIFY(!control<QCheckBox>(win, QStringLiteral("ohne Deckfläche Teil 8")));
    QVERIFY(!box(win, QStringLiteral("Mantel M Teil 8")));
    QCOMPARE(box(win, QStringLiteral("Radius r Teil 8"))->text(), QStringLiteral("2"));

    // Letters typed are unknowns with rows of their own, gone with them.
    auto* radius = box(win, QStringLiteral("Radius r Teil 8"));
    test::type(win, radius->objectName(), QStringLiteral("2a + b"));
    emit radius->editingFinished();
    QVERIFY(box(win, QStringLiteral("a")) && box(win, QStringLiteral("b")));
    test::type(win, QStringLiteral("a"), QStringLiteral("1"));
    test::type(win, radius->objectName(), QStringLiteral("a"));
    emit radius->editingFinished();
    QCOMPARE(box(win, QStringLiteral("a"))->text(), QStringLiteral("1"));
    QVERIFY(!box(win, QStringLiteral("b")));

    test::click(win, QStringLiteral("cmdteilentfernen"));
    QCOMPARE(win->partCount(), 7);
    QVERIFY(!box(win, QStringLiteral("Radius r Teil 8")) && !box(win, QStringLiteral("a")));
    QVERIFY(add->isEnabled());
}

// A cylinder with a cone on it: the volume is π · 3² · 5 + π · 3² · 4 : 3,
// computed, and the way there.
void TestComposite::silo()
{
    auto* win = window();
    ::silo(win);
    test::click(win, QStringLiteral("cmdberechnen"));
    QCOMPARE(box(win, QStringLiteral("Volumen V"))->text(), typed("179.070781254618"));
    QCOMPARE(box(win, QStringLiteral("Volumen V"))->accessibleDescription(),
             QStringLiteral("berechnet"));
    QVERIFY(box(win, QStringLiteral("Radius r Teil 1"))->accessibleDescription().isEmpty());
    QVERIFY(!win->solutionText().isEmpty());
    // What is printed: the way shown, under the parts' sketch, numbered.
    const worked::Document printed = win->document();
    QCOMPARE(printed.solid, QStringLiteral("Zusammengesetzter Körper"));
    QVERIFY(win->solutionText().endsWith(printed.solution.join(u'\n').trimmed()));
    QCOMPARE(printed.sketch.labels().size(), size_t(2));
}

// A text that does not read names its box; nothing typed is lost.
void TestComposite::flattenErrorKeepsTheTexts()
{
    auto* win = window();
    ::silo(win);
    test::type(win, QStringLiteral("Höhe h Teil 2"), QStringLiteral("4 +"));
    const auto shown = test::answerBox([&] { test::click(win, QStringLiteral("cmdberechnen")); });
    QVERIFY(shown.shown);
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(box(win, QStringLiteral("Höhe h Teil 2"))->text(), QStringLiteral("4 +"));
    QCOMPARE(win->focusWidget(), box(win, QStringLiteral("Höhe h Teil 2")));
    QCOMPARE(box(win, QStringLiteral("Radius r Teil 1"))->text(), QStringLiteral("3"));
    QCOMPARE(win->partCount(), 2);
    QVERIFY(box(win, QStringLiteral("Volumen V"))->text().isEmpty());
}

void TestComposite::files_data()
{
    QTest::addColumn<QByteArray>("damaged"); // what the file holds; none: the window's own
    QTest::newRow("round trip") << QByteArray();
    QTest::newRow("damaged") << QByteArray("{\"version\": 1, \"parts\": [{\"body\": ");
    QTest::newRow("too large") << QByteArray(model::kMaxFileBytes + 1, ' ');
}

// What is saved opens as it was typed; a file that does not read gives a
// message and the window keeps what it had.
void TestComposite::files()
{
    QFETCH(QByteArray, damaged);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Körper.solvanto"));
    auto* win = window();
    ::silo(win);
    control<QComboBox>(win, QStringLiteral("Einheit Höhe h Teil 2"))
        ->setCurrentText(QStringLiteral("dm"));
    test::type(win, QStringLiteral("Höhe h Teil 2"), typed("0.4"));
    control<QSpinBox>(win, QStringLiteral("Anzahl Teil 2"))->setValue(3);
    control<QCheckBox>(win, QStringLiteral("ohne Grundfläche Teil 1"))->setChecked(true);
    const model::Description before = win->description();
    QCOMPARE(before.parts.size(), size_t(2));
    QCOMPARE(before.parts[1].rows.value(QStringLiteral("h")),
             (model::Typed{typed("0.4"), QStringLiteral("dm")}));

    if (damaged.isEmpty()) {
        QCOMPARE(win->saveTo(path), QString());
        test::click(win, QStringLiteral("cmdleeren"));
        test::click(win, QStringLiteral("cmdteilentfernen"));
        QCOMPARE(win->openFrom(path), QString());
        QCOMPARE(win->description(), before);
        QCOMPARE(box(win, QStringLiteral("Höhe h Teil 2"))->text(), typed("0.4"));
        QCOMPARE(control<QComboBox>(win, QStringLiteral("Verbindung Teil 2"))->currentText(),
                 QStringLiteral("aufgesetzt auf Teil 1"));
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    QVERIFY(!win->openFrom(path).isEmpty());
    QCOMPARE(win->description(), before);
    QCOMPARE(win->partCount(), 2);
}

QTEST_MAIN(TestComposite)
#include "tst_composite.moc"
