#include "rootwindow.h"

#include "numbers/errors.h"
#include "runtime/events.h"
#include "numbers/numbers.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <utility>

namespace root {

namespace {

using namespace rt::rows;

const QString kDegree = QStringLiteral("txtWurzelArt");
const QString kRadicand = QStringLiteral("txtBasis");
const QString kResult = QStringLiteral("labergebnis");
// What the boxes are called in messages and by screen readers: they stand in
// the root sign and have no caption of their own.
const QString kDegreeName = QStringLiteral("Wurzelexponent");
const QString kRadicandName = QStringLiteral("Radikand");

// The lines draw the root sign from its bar back to the tick; the degree sits
// in its crook, the radicand under its bar.
const rt::WindowDescription kLayout{
    "Wurzel ziehen",
    3315,
    1980,
    rt::SystemColor::Desktop,
    {
        textBox("txtWurzelArt", "2", {525, 225, 390, 195}, 0),
        textBox("txtBasis", "36", {1200, 450, 615, 210}, 1),
        button("cmdWurzelZiehen", "Wurzel ziehen", {240, 1320, 1515, 315}, {}, 2),
        result("labergebnis", {2640, 480, 495, 375}, 4, {}),
        label("Label1", "=", {2160, 480, 255, 255}, {}, 3),
        line("Line4", {1950, 225}, {1125, 225}),
        line("Line3", {900, 825}, {1125, 225}),
        line("Line2", {750, 525}, {900, 825}),
        line("Line1", {450, 525}, {750, 525}),
    }};

// Where the window first opens on the screen, in twips.
constexpr int kLeft = 3780, kTop = 2640;

} // namespace

double takeRoot(const QString& degree, const QString& radicand, const QLocale& locale,
                RootValues& values)
{
    try {
        values.basis = rt::toNumberLenient(radicand, locale);
    } catch (rt::Error& e) {
        e.inField(kRadicand, kRadicandName);
        throw;
    }
    double n = 0;
    try {
        n = rt::toNumber(degree, locale);
    } catch (rt::Error& e) {
        e.inField(kDegree, kDegreeName);
        throw;
    }
    try {
        values.exponent = (rt::Real(1) / n).value();
    } catch (rt::Error& e) {
        // A degree of 0 (or one so small that its reciprocal overflows) is what
        // has to change, so the cursor goes back there.
        e.inField(kDegree, kDegreeName).inResult(QStringLiteral("1 ÷ %1").arg(kDegreeName));
        throw;
    }
    try {
        values.ergebnis = rt::power(*values.basis, *values.exponent);
    } catch (rt::Error& e) {
        // Without a real result it is the radicand that has to change.
        if (e.kind() == rt::ErrorKind::InvalidPower)
            e.inField(kRadicand, kRadicandName);
        e.inResult(QStringLiteral("Wurzel"));
        throw;
    }
    return *values.ergebnis;
}

double takeRoot(const QString& degree, const QString& radicand, const QLocale& locale)
{
    RootValues values;
    return takeRoot(degree, radicand, locale, values);
}

RootWindow::RootWindow()
    : Form(kLayout)
{
    move(rt::px(kLeft), rt::px(kTop));
    // Borderless on the window's own colour, the two numbers read as part of
    // the drawn sign rather than as boxes beside it.
    for (const auto& [name, spoken] :
         {std::pair{kDegree, kDegreeName}, std::pair{kRadicand, kRadicandName}}) {
        QLineEdit* box = textBox(name);
        box->setFrame(false);
        QPalette p = box->palette();
        p.setColor(QPalette::Base, rt::color(kLayout.background));
        box->setPalette(p);
        box->setAccessibleName(spoken);
    }
    label(kResult)->setAccessibleDescription(
        QStringLiteral("Ergebnis: die Wurzel aus dem Radikanden zum Wurzelexponenten"));
    rt::onClick(button(QStringLiteral("cmdWurzelZiehen")), this,
                &RootWindow::cmdWurzelZiehen_Click);
    // Enter in either box takes the root.
    for (const QString& box : {kDegree, kRadicand})
        connect(textBox(box), &QLineEdit::returnPressed, button(QStringLiteral("cmdWurzelZiehen")),
                &QAbstractButton::click);
}

void RootWindow::cmdWurzelZiehen_Click()
{
    const QLocale locale;
    takeRoot(textBox(kDegree)->text(), textBox(kRadicand)->text(), locale, *this);
    setCaption(kResult, rt::toText(*ergebnis, locale));
}

} // namespace root
