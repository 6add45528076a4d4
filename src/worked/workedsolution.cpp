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

model::Working working(const solids::Solid& solid, const Reading& reading, const QLocale& locale)
{
    const solids::Calculator& calculator = solid.calculator;
    const solids::Variant& variant =
        reading.variant ? *reading.variant : calculator.variants.front();
    model::Working w;
    w.title = title(solid, variant);

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
            const model::Given g{
                symbol, rt::toExactText(v, locale), solids::unitText(d.unit), v, {}};
            given.insert(symbol, withUnit(g.typed, d.unit));
            w.given.push_back(g);
        } catch (const rt::Error&) {
        }
    }

    for (const solids::Result& r : variant.results)
        w.sought << QString::fromUtf8(r.symbol);

    // A shown result that a later one reads back, as its label shows it.
    QMap<QString, QString> shown;
    for (const solids::Result& r : variant.results)
        shown.insert(QString::fromUtf8(r.symbol),
                     withUnit(reading.texts.value(QString::fromUtf8(r.label)), r.unit));
    const auto value = [&](const QString& symbol) {
        return given.contains(symbol) ? given.value(symbol) : shown.value(symbol);
    };

    model::Section section;
    for (const solids::Result& r : variant.results) {
        const QString symbol = QString::fromUtf8(r.symbol) + QStringLiteral(" = ");
        model::Block& lines = section.blocks.emplace_back();
        lines.push_back(
            {model::Line::Heading, solid.layout.rowCaption(QString::fromUtf8(r.label)) + u':'});
        lines.push_back({model::Line::Formula, symbol + r.formula.symbols()});
        for (const auto& [name, definition] : r.formula.namedParts())
            lines.push_back({model::Line::Part,
                             QStringLiteral("mit ") + name + QStringLiteral(" = ") + definition});
        if (!reading.computed)
            continue;
        lines.push_back({model::Line::Substituted, symbol + r.formula.substituted(value)});
        lines.push_back(
            {model::Line::Result,
             symbol + withUnit(reading.texts.value(QString::fromUtf8(r.label)), r.unit)});
    }
    w.solutions.push_back({{std::move(section)}});
    return w;
}

QString solution(const solids::Solid& solid, const Reading& reading, const QLocale& locale)
{
    return working(solid, reading, locale).text(0);
}

} // namespace worked
