#include "support.h"

#include "program.h"
#include "runtime/setup.h"
#include "solids/catalogue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace test {

void setUpProgram()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    rt::setUp();
    defineWindows();
    quietPlatformNotes();
}

namespace {
QtMessageHandler testlibHandler = nullptr;
}

void quietPlatformNotes()
{
    testlibHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith(QLatin1String("This plugin does not support")))
                testlibHandler(type, context, message);
        });
}

ShownBox answerBox(const std::function<void()>& action)
{
    ShownBox seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen.shown = true;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.format = box->textFormat();
            seen.frame = box->frameGeometry();
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

void click(QWidget* window, const QString& name)
{
    auto* b = window->findChild<QAbstractButton*>(name);
    QVERIFY2(b, qPrintable(name));
    QTest::mouseClick(b, Qt::LeftButton);
}

void type(QWidget* window, const QString& box, const QString& text)
{
    auto* e = window->findChild<QLineEdit*>(box);
    QVERIFY2(e, qPrintable(box));
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

ShownBox computeLongNumbers(QWidget* window, const QString& option, const QString& button)
{
    // The option first: a box only the frustum reads is greyed out until then.
    if (!option.isEmpty())
        window->findChild<QRadioButton*>(option)->setChecked(true);
    const QString point = QLocale().decimalPoint();
    const QString longNumber = QStringLiteral("987654") + point + "321";
    for (auto* box : window->findChildren<QLineEdit*>())
        type(window, box->objectName(), longNumber);
    // A calculator's corners are whole and its angles span a solid.
    bool calculator = false;
    for (const solids::Solid* s : solids::catalogue())
        calculator = calculator || window->objectName() == QString::fromUtf8(s->window);
    if (calculator) {
        // Each length a tenth of the one before, so that an inner radius, a top
        // radius or a cap's height stays below the box it is bounded by.
        QString length = longNumber;
        for (const auto& d : solids::solid(window->objectName()).calculator.dimensions) {
            if (d.unit == solids::Unit::Centimetre) {
                type(window, QString::fromUtf8(d.box), length);
                const qsizetype at = length.indexOf(point);
                length = length.left(at - 1) + point + length.mid(at - 1, 1) +
                         length.mid(at + point.size());
            } else if (d.unit == solids::Unit::None)
                type(window, QString::fromUtf8(d.box), QStringLiteral("987654321"));
            else if (d.unit == solids::Unit::Degree)
                type(window, QString::fromUtf8(d.box), "59" + point + "87654321");
        }
    }
    return answerBox([&] { click(window, button); });
}

QString labelText(QWidget* window, const QString& label)
{
    auto* l = window->findChild<QLabel*>(label);
    return l ? l->text() : QStringLiteral("<no label %1>").arg(label);
}

} // namespace test
