#include "workedsolution.h"

#include "numbers/errors.h"
#include "numbers/numbers.h"

namespace worked {

namespace {

// A value with its unit as a pupil writes it: "3 cm", "60°", "5".
QString withUnit(const QString& number, solids::Unit unit)
{
    const QString u = solids::unitText(unit);
    if (u.isEmpty())
        return number;
    return unit == solids::Unit::Degree ? number + u : number + u' ' + u;
}

} // namespace

QString title(const solids::Solid& solid, const solids::Variant& variant)
{
    return QString::fromUtf8(variant.name ? variant.name : solid.layout.caption);
}

QString solution(const solids::Solid& solid, const Reading& reading, const QLocale& locale)
{
    const solids::Calculator& calculator = solid.calculator;
    const solids::Variant& variant =
        reading.variant ? *reading.variant : calculator.variants.front();
    QStringList lines{title(solid, variant), QString(), QStringLiteral("Gegeben:")};

    // Each dimension the variant uses as it was read, in the shortest text
    // that reads back as the same number; boxes that hold no number are left out.
    QMap<QString, QString> given;
    for (const solids::Dimension& d : calculator.dimensions) {
        if (!solids::uses(variant, d))
            continue;
        const QString box = QString::fromUtf8(d.box);
        try {
            const double v = rt::toNumber(reading.texts.value(box), locale);
            const QString symbol = QString::fromUtf8(d.symbol);
            given.insert(symbol, withUnit(rt::toExactText(v, locale), d.unit));
            lines << symbol + QStringLiteral(" = ") + given.value(symbol);
        } catch (const rt::Error&) {
        }
    }

    QStringList sought;
    for (const solids::Result& r : variant.results)
        sought << QString::fromUtf8(r.symbol);
    lines << QString() << QStringLiteral("Gesucht:") << sought.join(QStringLiteral(", "));

    // A shown result that a later one reads back, as its label shows it.
    QMap<QString, QString> shown;
    for (const solids::Result& r : variant.results)
        shown.insert(QString::fromUtf8(r.symbol),
                     withUnit(reading.texts.value(QString::fromUtf8(r.label)), r.unit));
    const auto value = [&](const QString& symbol) {
        return given.contains(symbol) ? given.value(symbol) : shown.value(symbol);
    };

    for (const solids::Result& r : variant.results) {
        const QString symbol = QString::fromUtf8(r.symbol) + QStringLiteral(" = ");
        lines << QString() << solid.layout.rowCaption(QString::fromUtf8(r.label)) + u':';
        lines << symbol + r.formula.symbols();
        for (const auto& [name, definition] : r.formula.namedParts())
            lines << QStringLiteral("mit ") + name + QStringLiteral(" = ") + definition;
        if (!reading.computed)
            continue;
        lines << symbol + r.formula.substituted(value);
        lines << symbol + withUnit(reading.texts.value(QString::fromUtf8(r.label)), r.unit);
    }
    return lines.join(u'\n');
}

} // namespace worked
