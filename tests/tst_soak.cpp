// A random user: a seeded, reproducible sequence of actions through the real
// widgets, with the program's invariants checked after every step. On a
// failure the sequence is shrunk and printed with its seed.
#include "numbers/errors.h"
#include "numbers/numbers.h"
#include "root/rootwindow.h"
#include "runtime/frame.h"
#include "runtime/windows.h"
#include "solids/catalogue.h"
#include "support.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <functional>
#include <random>

namespace w = rt::windows;

namespace {

enum Kind {
    Choose,
    Weiter,
    Type,
    Berechnen,
    Back,
    CloseChild,
    StartBeenden,
    Arrange,
    MenuRoot,
    MenuInfo,
    RootCompute,
    InfoOk,
    InfoClose,
    RootClose,
    GoTo,
    SolidOption,
    FrameBeenden,
    MenuRechenweg,
    ChooseASolid,
    MenuInverse,
    InverseButton,
};

const char* const kKindNames[] = {"Option wählen",
                                  "Weiter",
                                  "Tippen",
                                  "Berechnen",
                                  "Zurück",
                                  "Kindfenster schließen",
                                  "Beenden (Start)",
                                  "Anordnen",
                                  "Wurzelziehen",
                                  "Info",
                                  "Wurzel ziehen",
                                  "Info OK",
                                  "Info schließen",
                                  "Wurzelfenster schließen",
                                  "Gehe zu",
                                  "Variante wählen",
                                  "Beenden (Rahmen)",
                                  "Rechenweg",
                                  "Körper wählen",
                                  "Umkehraufgabe",
                                  "Umkehraufgabe: Knopf oder Körper"};

// How often each action comes up, in the order of Kind.
const int kWeights[] = {12, 12, 30, 25, 3, 2, 1, 3, 2, 2, 5, 2, 1, 1, 3, 3, 1, 2, 1, 2, 8};

struct Action {
    Kind kind;
    quint32 pick; // which of the candidates the action applies to
    QString text; // what Type types
};

QString describe(const Action& a)
{
    QString s = QStringLiteral("%1 #%2").arg(QString::fromUtf8(kKindNames[a.kind])).arg(a.pick);
    if (a.kind == Type)
        s += QStringLiteral(" „%1“").arg(a.text.size() > 40 ? a.text.left(40) + u'…' : a.text);
    return s;
}

QString randomText(std::mt19937& rng)
{
    static const QStringList fixed = {"",
                                      " ",
                                      "0",
                                      "-0",
                                      "-1",
                                      "2",
                                      "3",
                                      "2,5",
                                      "2.5",
                                      "0,5",
                                      "0.5",
                                      "1.000,5",
                                      "1,000.5",
                                      "1e308",
                                      "1E+308",
                                      "-1e-320",
                                      "1e-400",
                                      "1e400",
                                      "1e103",
                                      "1e154",
                                      "1e-200",
                                      "abc",
                                      "äöü",
                                      "٣",
                                      "１２",
                                      "😀",
                                      "inf",
                                      "nan",
                                      "  7  ",
                                      "1,7976931348623157E308",
                                      "123456789012345678",
                                      "0,000001",
                                      "3e",
                                      "+4",
                                      "--5",
                                      "1.2.3",
                                      "12abc"};
    switch (rng() % 5) {
    case 0:
    case 1:
        return fixed[qsizetype(rng() % quint32(fixed.size()))];
    case 2: {
        static const QString alphabet = QStringLiteral("0123456789,.-+eE ");
        QString s;
        for (quint32 n = 1 + rng() % 12; n > 0; --n)
            s += alphabet[qsizetype(rng() % quint32(alphabet.size()))];
        return s;
    }
    case 3:
        return QString::number(rng() % 1000) + QLocale().decimalPoint() +
               QString::number(rng() % 1000);
    default:
        return QString(qsizetype(1 + rng() % 1200), QChar(u"9xä,"[rng() % 4]));
    }
}

QList<Action> randomActions(quint32 seed, int count)
{
    std::mt19937 rng(seed);
    int total = 0;
    for (int weight : kWeights)
        total += weight;
    QList<Action> actions;
    for (int i = 0; i < count; ++i) {
        int r = int(rng() % quint32(total));
        int kind = 0;
        while (r >= kWeights[kind])
            r -= kWeights[kind++];
        Action a{Kind(kind), quint32(rng()), {}};
        if (a.kind == Type)
            a.text = randomText(rng);
        actions << a;
    }
    return actions;
}

const QStringList kCalculatorNames = [] {
    QStringList names;
    for (const solids::Solid* s : solids::catalogue())
        names << QString::fromUtf8(s->window);
    return names;
}();

const solids::Calculator& calculatorOf(const QString& name)
{
    return solids::solid(name).calculator;
}

template <class T> QList<T> sortedChildren(QWidget* window)
{
    QList<T> list = window->findChildren<T>();
    std::sort(list.begin(), list.end(),
              [](QObject* a, QObject* b) { return a->objectName() < b->objectName(); });
    return list;
}

QList<QWidget*> loadedOf(const QStringList& names)
{
    QList<QWidget*> result;
    for (const QString& n : names) {
        if (QWidget* x = w::loaded(n))
            result << x;
    }
    return result;
}

template <class T> T pickFrom(const QList<T>& list, quint32 pick)
{
    return list.isEmpty() ? T{} : list[qsizetype(pick % quint32(list.size()))];
}

// The label texts a press of "Berechnen" must leave, worked out on a copy of the
// window's texts.
QMap<QString, QString> expectedAfterBerechnen(QWidget* window)
{
    QMap<QString, QString> texts;
    for (auto* e : window->findChildren<QLineEdit*>())
        texts[e->objectName()] = e->text();
    for (auto* l : window->findChildren<QLabel*>())
        texts[l->objectName()] = l->text();
    test::TextSheet sheet(texts);
    for (auto* o : window->findChildren<QRadioButton*>()) {
        if (o->isChecked())
            sheet.options << o->objectName();
    }
    try {
        solids::calculate(calculatorOf(window->objectName()), sheet);
    } catch (const rt::Error&) {
    }
    return sheet.texts;
}

using Snapshot = QList<QPair<QPointer<QLabel>, QString>>;

Snapshot results()
{
    Snapshot s;
    for (QWidget* window : loadedOf(kCalculatorNames + QStringList{"fowurzel"})) {
        for (auto* l : window->findChildren<QLabel*>()) {
            // The root window's note on its reading is words, not a result.
            if (l->objectName().startsWith(QStringLiteral("lab")) &&
                l->objectName() != QStringLiteral("labgelesen"))
                s << qMakePair(QPointer<QLabel>(l), l->text());
        }
    }
    return s;
}

class Soak {
public:
    int calculations = 0, messages = 0, opened = 0;

    // Runs the actions from a fresh start; returns the first broken invariant.
    QString run(const QList<Action>& actions, int* failedAt = nullptr)
    {
        w::unloadAll();
        w::show(QStringLiteral("Form1"));
        for (int i = 0; i < actions.size(); ++i) {
            const QString broken = step(actions[i]);
            if (!broken.isEmpty()) {
                if (failedAt)
                    *failedAt = i;
                return broken;
            }
        }
        return {};
    }

private:
    static int childCount()
    {
        auto* frame = static_cast<rt::MdiFrame*>(w::loaded(QStringLiteral("MDIForm1")));
        return frame ? int(frame->area()->subWindowList().size()) : 0;
    }

    QString step(const Action& a)
    {
        // With the frame closed, or nothing left in it to choose from, the user
        // starts the program again.
        if (!w::loaded(QStringLiteral("MDIForm1")) ||
            (!w::loaded(QStringLiteral("Form1")) && childCount() == 0)) {
            w::unload(QStringLiteral("MDIForm1"));
            w::show(QStringLiteral("Form1"));
        }
        const Snapshot before = results();
        QPointer<QWidget> target;
        QMap<QString, QString> expected;
        QString expectedRoot;
        bool rootComputed = false;
        const int childrenBefore = childCount();
        const auto box =
            test::answerBox([&] { target = apply(a, expected, expectedRoot, rootComputed); });
        messages += box.shown ? 1 : 0;
        calculations += (target && (a.kind == Berechnen || a.kind == RootCompute)) ? 1 : 0;
        opened += std::max(0, childCount() - childrenBefore);
        QTest::qWait(0);
        return check(a, before, target, expected, expectedRoot, rootComputed);
    }

    QWidget* apply(const Action& a, QMap<QString, QString>& expected, QString& expectedRoot,
                   bool& rootComputed)
    {
        QWidget* start = w::loaded(QStringLiteral("Form1"));
        QWidget* frameWidget = w::loaded(QStringLiteral("MDIForm1"));
        auto* frame = static_cast<rt::MdiFrame*>(frameWidget);
        const QList<QWidget*> calculators = loadedOf(kCalculatorNames);
        auto entry = [&](const char* name) {
            return frame ? frame->findChild<QAction*>(QString::fromUtf8(name)) : nullptr;
        };
        switch (a.kind) {
        case Choose:
            if (start) {
                if (auto* o = pickFrom(sortedChildren<QRadioButton*>(start), a.pick))
                    QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
            }
            return nullptr;
        case Weiter:
            if (start)
                test::click(start, QStringLiteral("cmdweiter"));
            return nullptr;
        case Type: {
            QList<QLineEdit*> boxes;
            for (QWidget* x :
                 loadedOf(kCalculatorNames + QStringList{"fowurzel", "foumkehraufgabe"}))
                boxes << sortedChildren<QLineEdit*>(x);
            if (QLineEdit* box = pickFrom(boxes, a.pick)) {
                box->setFocus();
                box->selectAll();
                QTest::keyClick(box, Qt::Key_Delete);
                // Short texts go in key by key, any character; long ones are pasted.
                if (a.text.size() <= 40) {
                    for (uint cp : a.text.toUcs4())
                        QTest::sendKeyEvent(
                            QTest::Click, box, Qt::Key_unknown,
                            QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1),
                            Qt::NoModifier);
                } else {
                    box->insert(a.text);
                }
            }
            return nullptr;
        }
        case Berechnen:
            if (QWidget* x = pickFrom(calculators, a.pick)) {
                expected = expectedAfterBerechnen(x);
                test::click(x, QStringLiteral("cmdberechnen"));
                return x;
            }
            return nullptr;
        case Back:
            if (QWidget* x = pickFrom(calculators, a.pick))
                test::click(x, QStringLiteral("cmdzurück"));
            return nullptr;
        case CloseChild:
            if (frame) {
                if (auto* sub =
                        pickFrom(frame->area()->subWindowList(QMdiArea::CreationOrder), a.pick))
                    sub->close();
            }
            return nullptr;
        case StartBeenden:
            if (start)
                test::click(start, QStringLiteral("cmdbeenden"));
            return nullptr;
        case Arrange: {
            const char* names[] = {"mnuüberlappend", "mnuuntereinander", "mnunebeneinander"};
            if (QAction* e = entry(names[a.pick % 3]))
                e->trigger();
            return nullptr;
        }
        case MenuRoot:
            if (QAction* e = entry("mnuwurzelziehen"))
                e->trigger();
            return nullptr;
        case MenuInfo:
            if (QAction* e = entry("mnuinfo"))
                e->trigger();
            return nullptr;
        case RootCompute:
            if (QWidget* root = w::loaded(QStringLiteral("fowurzel"))) {
                try {
                    expectedRoot = rt::toText(
                        root::takeRoot(root->findChild<QLineEdit*>("txtWurzelArt")->text(),
                                       root->findChild<QLineEdit*>("txtBasis")->text(), QLocale()),
                        QLocale());
                    rootComputed = true;
                } catch (const rt::Error&) {
                }
                test::click(root, QStringLiteral("cmdWurzelZiehen"));
                return root;
            }
            return nullptr;
        case InfoOk:
            if (QWidget* info = w::loaded(QStringLiteral("foinfo")); info && info->isVisible())
                test::click(info, QStringLiteral("cmdzurück"));
            return nullptr;
        case InfoClose:
            if (QWidget* info = w::loaded(QStringLiteral("foinfo")))
                info->close();
            return nullptr;
        case RootClose:
            if (QWidget* root = w::loaded(QStringLiteral("fowurzel")))
                root->close();
            return nullptr;
        case GoTo:
            if (auto* list =
                    frame ? frame->findChild<QMenu*>(QStringLiteral("mnugehezu")) : nullptr) {
                QMetaObject::invokeMethod(list, "aboutToShow");
                if (QAction* item = pickFrom(list->actions(), a.pick))
                    item->trigger();
            }
            return nullptr;
        case SolidOption: {
            // An option inside a calculator window, which chooses its variant.
            QList<QRadioButton*> options;
            for (QWidget* x : calculators)
                options << sortedChildren<QRadioButton*>(x);
            if (QRadioButton* o = pickFrom(options, a.pick))
                QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
            return nullptr;
        }
        case FrameBeenden:
            if (QAction* e = entry("mnubeenden"))
                e->trigger();
            return nullptr;
        case MenuRechenweg:
            if (QAction* e = entry("mnurechenweg"))
                e->trigger();
            return nullptr;
        case ChooseASolid:
            if (QAction* e = entry("mnukörperwählen"))
                e->trigger();
            return nullptr;
        case MenuInverse:
            if (QAction* e = entry("mnuumkehraufgabe"))
                e->trigger();
            return nullptr;
        case InverseButton:
            // Any of its buttons, a solution's option, a unit or another solid.
            if (QWidget* inverse = w::loaded(QStringLiteral("foumkehraufgabe"))) {
                QList<QWidget*> controls;
                // Not "Übernehmen": it computes in a calculator window, which the
                // invariants tie to that window's own "Berechnen".
                for (auto* b : sortedChildren<QAbstractButton*>(inverse)) {
                    if (b->objectName() != QStringLiteral("cmdübernehmen"))
                        controls << b;
                }
                for (auto* c : sortedChildren<QComboBox*>(inverse))
                    controls << c;
                QWidget* c = pickFrom(controls, a.pick);
                if (auto* combo = qobject_cast<QComboBox*>(c))
                    combo->setCurrentIndex(int(a.pick / 7 % quint32(combo->count())));
                else if (auto* button = qobject_cast<QAbstractButton*>(c))
                    button->click();
            }
            return nullptr;
        }
        return nullptr;
    }

    QString check(const Action& a, const Snapshot& before, QWidget* target,
                  const QMap<QString, QString>& expected, const QString& expectedRoot,
                  bool rootComputed)
    {
        // Each window exists at most once.
        QHash<QString, int> seen;
        if (auto* frame = static_cast<rt::MdiFrame*>(w::loaded(QStringLiteral("MDIForm1")))) {
            for (QMdiSubWindow* sub : frame->area()->subWindowList()) {
                if (sub->widget() && ++seen[sub->widget()->objectName()] > 1)
                    return QStringLiteral("%1 is open twice").arg(sub->widget()->objectName());
            }
        }
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->testAttribute(Qt::WA_DeleteOnClose) && !top->objectName().isEmpty() &&
                ++seen[top->objectName()] > 1)
                return QStringLiteral("%1 exists twice").arg(top->objectName());
        }
        // A label changes only through a computation that reached it, and then
        // exactly as the calculation on the same texts says.
        for (const auto& [label, text] : before) {
            if (!label || label->text() == text)
                continue;
            QWidget* window = label->window() == label ? nullptr : label->parentWidget();
            while (window && !kCalculatorNames.contains(window->objectName()) &&
                   window->objectName() != QStringLiteral("fowurzel"))
                window = window->parentWidget();
            if (!window || window != target)
                return QStringLiteral("%1 changed without a computation").arg(label->objectName());
        }
        if (a.kind == Berechnen && target) {
            for (auto* l : target->findChildren<QLabel*>()) {
                if (l->objectName().startsWith(QStringLiteral("lab")) &&
                    l->text() != expected.value(l->objectName()))
                    return QStringLiteral("%1 shows „%2“, the calculation gives „%3“")
                        .arg(l->objectName(), l->text(), expected.value(l->objectName()));
            }
        }
        if (a.kind == RootCompute && target && rootComputed) {
            const QString shown = target->findChild<QLabel*>(QStringLiteral("labergebnis"))->text();
            if (shown != expectedRoot)
                return QStringLiteral("labergebnis shows „%1“, not „%2“").arg(shown, expectedRoot);
        }
        // Every shown result reads back as a finite number.
        for (const auto& [label, text] : results()) {
            if (label->text().isEmpty())
                continue;
            try {
                if (!std::isfinite(rt::toNumber(label->text(), QLocale())))
                    return QStringLiteral("%1 shows „%2“").arg(label->objectName(), label->text());
            } catch (const rt::Error& e) {
                if (!(e.kind() == rt::ErrorKind::Overflow && label->text().contains(u"E+308")))
                    return QStringLiteral("%1 shows „%2“, which is no number")
                        .arg(label->objectName(), label->text());
            }
        }
        return {};
    }
};

// Removes what the failure does not need, chunk by chunk.
QList<Action> shrink(Soak& soak, QList<Action> actions)
{
    for (qsizetype chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (qsizetype i = 0; i + chunk <= actions.size();) {
            QList<Action> fewer = actions;
            fewer.remove(i, chunk);
            if (!soak.run(fewer).isEmpty())
                actions = fewer;
            else
                i += chunk;
        }
    }
    return actions;
}

int envNumber(const char* name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::setUpProgram(); }
    void cleanupTestCase() { w::unloadAll(); }
    void randomUser();
};

void TestSoak::randomUser()
{
    const auto seed = quint32(envNumber("SOLVANTO_SOAK_SEED", 20261208));
    const int count = envNumber("SOLVANTO_SOAK_ACTIONS", 400);
    const QList<Action> actions = randomActions(seed, count);
    Soak soak;
    int failedAt = -1;
    const QString broken = soak.run(actions, &failedAt);
    if (broken.isEmpty()) {
        qInfo("%d actions with seed %u kept every invariant: %d calculations, %d message boxes, "
              "%d windows opened",
              count, seed, soak.calculations, soak.messages, soak.opened);
        return;
    }
    const QList<Action> shortest = shrink(soak, actions.mid(0, failedAt + 1));
    QString report = QStringLiteral("seed %1, action %2 of %3: %4\nshortest sequence (%5 actions):")
                         .arg(seed)
                         .arg(failedAt + 1)
                         .arg(count)
                         .arg(broken)
                         .arg(shortest.size());
    for (const Action& a : shortest)
        report += QStringLiteral("\n  ") + describe(a);
    report += QStringLiteral("\nthere: ") + soak.run(shortest);
    QFAIL(qPrintable(report));
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
