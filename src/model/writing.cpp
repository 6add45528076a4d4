#include "writing.h"

#include "certainty.h"

#include "working.h"

#include "numbers/numbers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace model {

namespace {

// The decimal point of the shortest text that reads back as the value,
// moved by `shift` places: exact as a decimal, rounded once to a double.
double shifted(double value, int shift)
{
    if (shift == 0 || value == 0 || !std::isfinite(value))
        return value;
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    std::string text(buffer, end);
    const auto e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1)) + shift;
    text = text.substr(0, e) + 'e' + std::to_string(exponent);
    double out = 0;
    std::from_chars(text.data(), text.data() + text.size(), out);
    return out;
}

// Six significant digits, for a bound: "348,734".
QString rounded(double value, const QLocale& locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'g', 6);
}

} // namespace

double toBase(double value, const Unit& unit)
{
    return shifted(value, unit.pow10);
}

double fromBase(double value, const Unit& unit)
{
    return shifted(value, -unit.pow10);
}

QString joined(const QString& number, const Unit& unit)
{
    const QString u = QString::fromUtf8(unit.text);
    if (u.isEmpty())
        return number;
    return unit.dimension.angle ? number + u : number + u' ' + u;
}

QString withUnit(double value, const Unit& unit, const QLocale& locale)
{
    return joined(rt::toText(value, locale), unit);
}

QString exactly(double value, const Unit& unit, const QLocale& locale)
{
    return joined(rt::toExactText(value, locale), unit);
}

QString certainNumber(double value, const Unit& unit, int place, const QLocale& locale)
{
    // 1 m is 100 cm: a place in cm is two places further left in m.
    return rt::toText(value, locale, place == rt::kAllDigits ? place : place - unit.pow10);
}

QString certainWithUnit(double value, const Unit& unit, int place, const QLocale& locale)
{
    return joined(certainNumber(value, unit, place, locale), unit);
}

QString caption(const Body& body, const QString& symbol)
{
    const Quantity* q = body.quantity(symbol);
    return q ? q->caption : symbol;
}

QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") +
           items.last();
}

Dimension kindOf(const Body& body, const QString& symbol)
{
    const Quantity* q = body.quantity(symbol);
    if (q)
        return q->dimension;
    for (const Chart& c : body.charts) {
        for (const Quantity& d : c.dimensions) {
            if (d.symbol == symbol)
                return d.dimension;
        }
    }
    return Dimension::Length;
}

const Unit& Task::unitOf(const QString& symbol) const
{
    if (const Unit* u = units.value(symbol))
        return *u;
    return defaultUnit(kindOf(*body, symbol));
}

Values Task::givens() const
{
    Values base;
    for (auto it = typed.constBegin(); it != typed.constEnd(); ++it)
        base.insert(it.key(), toBase(it.value(), unitOf(it.key())));
    return base;
}

QString message(const Task& task, const Answer& answer, const QLocale& locale)
{
    const Body& body = *task.body;
    const auto typedText = [&](const QString& s) {
        return s + QStringLiteral(" = ") + withUnit(task.typed.value(s), task.unitOf(s), locale);
    };
    QStringList given;
    for (const Quantity& q : body.quantities) {
        if (task.typed.contains(q.symbol))
            given << q.symbol;
    }
    switch (answer.status) {
    case Answer::Solved:
        return {};
    case Answer::Missing: {
        if (body.alwaysGiven.size() && !task.typed.contains(body.alwaysGiven.front()))
            return QStringLiteral("Zu wenige Angaben: Für %1 muss immer %2 angegeben sein.")
                .arg(definite(body, Case::Accusative), caption(body, body.alwaysGiven.front()));
        const int needed = int(body.dimensions.size());
        QString what = definite(body);
        what[0] = what[0].toUpper();
        QString text = QStringLiteral("Zu wenige Angaben: %1 ist erst durch %2 voneinander "
                                      "unabhängige Angaben bestimmt.")
                           .arg(what, QString::number(needed));
        if (!given.isEmpty()) {
            text +=
                u' ' + (given.size() == 1 ? QStringLiteral("%1 legt nur %2 davon fest.")
                                          : QStringLiteral("%1 legen zusammen nur %2 davon fest."))
                           .arg(listed(given), QString::number(needed - answer.lacking));
        }
        // What the givens fix besides themselves, in the rows' units; then the
        // dimensions still open are those they leave out.
        const Values& fixedValues = answer.partial.values;
        const QHash<QString, int> places = certainPlaces(body, fixedValues, task.typed.keys());
        QStringList fixed;
        for (const Quantity& q : body.quantities) {
            if (task.typed.contains(q.symbol) || !fixedValues.contains(q.symbol))
                continue;
            const Unit& u = task.unitOf(q.symbol);
            fixed << q.symbol + QStringLiteral(" = ") +
                         certainWithUnit(fromBase(fixedValues.value(q.symbol), u), u,
                                         places.value(q.symbol, rt::kAllDigits), locale);
        }
        QStringList open = answer.open;
        if (!fixed.isEmpty()) {
            open.clear();
            for (const QString& d : body.dimensions) {
                if (!fixedValues.contains(d))
                    open << d;
            }
        }
        // What would help: quantities neither given nor fixed that reach what is still open.
        QStringList helpful;
        for (const Quantity& q : body.quantities) {
            if (task.typed.contains(q.symbol) || fixedValues.contains(q.symbol))
                continue;
            const Term* f = body.formula(q.symbol);
            const QStringList reads = f ? f->quantities() : QStringList{q.symbol};
            bool reaches = open.isEmpty();
            for (const QString& o : open)
                reaches |= reads.contains(o) || q.symbol == o;
            if (reaches)
                helpful << q.symbol;
        }
        const QString lacking = answer.lacking == 1
                                    ? QStringLiteral("fehlt noch eine Angabe")
                                    : QStringLiteral("fehlen noch %1 Angaben").arg(answer.lacking);
        if (fixed.isEmpty()) {
            text += QStringLiteral(" Es ") + lacking;
        } else {
            text += (fixed.size() == 1 ? QStringLiteral(" Bestimmt ist ")
                                       : QStringLiteral(" Bestimmt sind ")) +
                    listed(fixed);
            text += open.isEmpty() ? QStringLiteral("; es ") + lacking
                                   : QStringLiteral("; für %1 %2").arg(listed(open), lacking);
        }
        if (!helpful.isEmpty()) {
            helpful = helpful.mid(0, 5);
            text += QStringLiteral(", etwa ") +
                    (helpful.size() == 1
                         ? helpful.front()
                         : helpful.mid(0, helpful.size() - 1).join(QStringLiteral(", ")) +
                               QStringLiteral(" oder ") + helpful.last());
        }
        return text + u'.';
    }
    case Answer::Contradiction: {
        QStringList parts;
        for (const QString& s : given) {
            if (!answer.contradicting.contains(s))
                continue;
            const Unit& u = task.unitOf(s);
            parts << QStringLiteral("angegeben ist %1, aus den übrigen Angaben folgt %2 = %3")
                         .arg(typedText(s), s,
                              withUnit(fromBase(answer.contradicting.value(s), u), u, locale));
        }
        return QStringLiteral("Die Angaben widersprechen sich: ") +
               parts.join(QStringLiteral("; ")) + u'.';
    }
    case Answer::NoSolid: {
        QString text = QStringLiteral("Keine Lösung: ");
        // A bound at or below 0 for a size leaves no value at all: no bound
        // worth telling.
        if (answer.bound && (answer.bound->value > 0 || kindOf(body, answer.bound->symbol).angle)) {
            const Answer::Bound& b = *answer.bound;
            // It holds with every other given as it is, not only those of the
            // relation searched: each of them is named.
            QStringList by;
            for (const QString& s : given) {
                if (s != b.symbol)
                    by << typedText(s);
            }
            const Unit& u = task.unitOf(b.symbol);
            const QString bound =
                QStringLiteral("%1 %2 %3")
                    .arg(
                        b.symbol,
                        b.least ? QStringLiteral("mindestens") : QStringLiteral("höchstens"),
                        withUnit(QLocale::c().toDouble(rounded(fromBase(b.value, u), QLocale::c())),
                                 u, locale));
            text += by.isEmpty() ? QStringLiteral("Hier ist %1.").arg(bound)
                                 : QStringLiteral("Bei %1 ist %2.").arg(listed(by), bound);
            text += QStringLiteral(" Angegeben ist %1.").arg(typedText(b.symbol));
            return text;
        }
        if (!answer.reason.isEmpty())
            return text + answer.reason;
        if (answer.invalid) {
            const Answer::Invalid& bad = *answer.invalid;
            const Dimension kind = kindOf(body, bad.symbol);
            const QString range = kind == Dimension::Angle ? QStringLiteral("zwischen 0° und 180°")
                                  : kind == Dimension::Count
                                      ? QStringLiteral("eine ganze Zahl ab 3")
                                      : QStringLiteral("größer als 0");
            if (task.typed.contains(bad.symbol))
                return text +
                       QStringLiteral("%1 muss %2 sein.").arg(caption(body, bad.symbol), range);
            const Unit& u = task.unitOf(bad.symbol);
            const QString value = std::isfinite(bad.value)
                                      ? withUnit(fromBase(bad.value, u), u, locale)
                                      : QStringLiteral("keine reelle Zahl");
            return text + QStringLiteral("Aus %1 = %2 ergibt sich %3; %1 muss aber %4 sein.")
                              .arg(bad.symbol, bad.formula.symbols(), value, range);
        }
        return text + QStringLiteral("Mit diesen Angaben lässt sich %1 bilden.").arg(none(body));
    }
    case Answer::Unsolved:
        if (!answer.reason.isEmpty())
            return QStringLiteral("Keine Lösung gefunden: ") + answer.reason;
        break;
    }
    return QStringLiteral("Keine Lösung gefunden: Diese Zusammenstellung von Angaben kann das "
                          "Programm noch nicht auflösen. Bitte andere Größen angeben.");
}

QString workedSolution(const Task& task, const Answer& answer, int index, const QLocale& locale)
{
    const Working w = working(task, answer, locale);
    if (index < 0 || index >= int(w.solutions.size()))
        return {};
    return w.text(index);
}

} // namespace model
