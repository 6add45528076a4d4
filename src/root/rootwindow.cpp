#include "rootwindow.h"

#include "numbers/errors.h"
#include "numbers/numbers.h"
#include "runtime/events.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <utility>

namespace root {

namespace {

using namespace rt::rows;

const QString kDegree = QStringLiteral("txtWurzelArt");
const QString kRadicand = QStringLiteral("txtBasis");
const QString kResult = QStringLiteral("labergebnis");
const QString kNote = QStringLiteral("labgelesen");
const QString kResultSays =
    QStringLiteral("Ergebnis: die Wurzel aus dem Radikanden zum Wurzelexponenten");
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
        label("labgelesen", "", {240, 900, 2835, 255}, {}, 5),
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

namespace {

// What the reading left, as the note quotes it: short enough for one line,
// control characters shown as blanks, no character split in two.
QString quotedRest(const QString& rest)
{
    constexpr qsizetype kMost = 20;
    QList<uint> chars = rest.toUcs4();
    const bool cut = chars.size() > kMost;
    chars.resize(std::min(chars.size(), kMost));
    for (uint& c : chars) {
        const QChar::Category k = QChar::category(char32_t(c));
        if (k == QChar::Other_Control || k == QChar::Separator_Line ||
            k == QChar::Separator_Paragraph)
            c = u' ';
    }
    QString shown =
        QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), chars.size());
    if (cut)
        shown += QChar(0x2026);
    return QStringLiteral("„%1“").arg(shown);
}

} // namespace

QString readingNote(const QString& radicand, const QLocale& locale)
{
    const rt::LenientReading r = rt::readLenient(radicand, locale);
    if (!r.found) {
        return r.unread.isEmpty()
                   ? QStringLiteral("Gelesen wurde 0 — das Feld ist leer.")
                   : QStringLiteral("Gelesen wurde 0 — %1 beginnt nicht mit einer Zahl.")
                         .arg(quotedRest(r.unread));
    }
    if (!r.fullStop && r.unread.isEmpty())
        return {};
    QString note = QStringLiteral("Gelesen wurde ") + rt::toExactText(r.value, locale);
    if (r.fullStop)
        note += QStringLiteral(" — der Punkt ist hier das Dezimaltrennzeichen");
    if (!r.unread.isEmpty())
        note += QStringLiteral("; %1 wurde nicht berücksichtigt").arg(quotedRest(r.unread));
    return note + u'.';
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
    label(kResult)->setAccessibleDescription(kResultSays);
    label(kNote)->hide();
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
    const QString radicand = textBox(kRadicand)->text();
    takeRoot(textBox(kDegree)->text(), radicand, locale, *this);
    // The note stands and is read with the result it belongs to: set before
    // the result, whose change a screen reader announces.
    const QString note = readingNote(radicand, locale);
    label(kResult)->setAccessibleDescription(
        note.isEmpty() ? kResultSays : kResultSays + QStringLiteral(". ") + note);
    setCaption(kNote, note);
    label(kNote)->setVisible(!note.isEmpty());
    setCaption(kResult, rt::toText(*ergebnis, locale));
}

} // namespace root
