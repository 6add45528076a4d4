#include "calculator.h"

#include "numbers/errors.h"

#include <cmath>
#include <stdexcept>

namespace solids {

Real Inputs::operator()(const QString& box) const
{
    try {
        return rt::toNumber(sheet_.text(box), sheet_.locale());
    } catch (rt::Error& e) {
        e.inField(box, sheet_.rowCaption(box));
        throw;
    }
}

Real Inputs::value(const QString& symbol) const
{
    for (const Dimension& d : calculator_.dimensions) {
        if (QString::fromUtf8(d.symbol) == symbol)
            return (*this)(QString::fromUtf8(d.box));
    }
    throw std::invalid_argument("no box for " + symbol.toStdString());
}

Real Inputs::shown(const QString& symbol) const
{
    for (const Variant& variant : calculator_.variants) {
        for (const Result& r : variant.results) {
            if (QString::fromUtf8(r.symbol) == symbol)
                return rt::toNumber(sheet_.text(QString::fromUtf8(r.label)), sheet_.locale());
        }
    }
    throw std::invalid_argument("no label for " + symbol.toStdString());
}

Result relation(const model::Body& body, const char* label, const char* symbol, Unit unit)
{
    const Term* formula = body.formula(QString::fromUtf8(symbol));
    if (!formula)
        throw std::invalid_argument(std::string("no relation for ") + symbol);
    return {label, symbol, unit, *formula};
}

Check holds(std::vector<const model::Condition*> conditions, const char* message)
{
    return {[conditions](const Inputs& in) {
                for (const model::Condition* c : conditions) {
                    const Real l = c->left.evaluate(in), r = c->right.evaluate(in);
                    if (!c->holdsFor(l.value(), r.value()))
                        return false;
                }
                return true;
            },
            message};
}

bool Inputs::isSet(const QString& option) const
{
    return sheet_.isSet(option);
}

QString unitText(Unit unit)
{
    switch (unit) {
    case Unit::Centimetre:
        return QStringLiteral("cm");
    case Unit::SquareCentimetre:
        return QStringLiteral("cm²");
    case Unit::CubicCentimetre:
        return QStringLiteral("cm³");
    case Unit::Degree:
        return QStringLiteral("°");
    case Unit::None:
        break;
    }
    return {};
}

Check positive(const Dimension& d, const char* message)
{
    const QString box = QString::fromUtf8(d.box);
    return {[box](const Inputs& in) { return in(box) > 0; }, message, d.variant};
}

Check wholeFrom(const Dimension& d, double least, const char* message)
{
    const QString box = QString::fromUtf8(d.box);
    return {[box, least](const Inputs& in) {
                const double v = in(box).value();
                return v >= least && v == std::floor(v);
            },
            message, d.variant};
}

Check between(const Dimension& d, double low, double high, const char* message)
{
    const QString box = QString::fromUtf8(d.box);
    return {[box, low, high](const Inputs& in) {
                const double v = in(box).value();
                return v > low && v < high;
            },
            message, d.variant};
}

Check positiveBelow(const Dimension& d, double factor, const Dimension& bound, const char* message)
{
    const QString box = QString::fromUtf8(d.box);
    const QString other = QString::fromUtf8(bound.box);
    // The bound's box is read only once the dimension is greater than 0, and
    // its multiple is a plain comparison: no arithmetic error can come of it.
    return {[box, other, factor](const Inputs& in) {
                const double v = in(box).value();
                return v > 0 && v < factor * in(other).value();
            },
            message};
}

Check onlyWith(const char* option, Check check)
{
    const QString name = QString::fromUtf8(option);
    return {[name, passes = std::move(check.passes)](const Inputs& in) {
                return !in.isSet(name) || passes(in);
            },
            check.message};
}

const Variant* chosen(const Calculator& calculator, const Sheet& sheet)
{
    for (const Variant& variant : calculator.variants) {
        if (!variant.option || sheet.isSet(QString::fromUtf8(variant.option)))
            return &variant;
    }
    return nullptr;
}

namespace {

bool belongs(const char* only, const Variant& variant)
{
    return !only || (variant.option && qstrcmp(only, variant.option) == 0);
}

} // namespace

bool uses(const Variant& variant, const Dimension& dimension)
{
    return belongs(dimension.variant, variant);
}

QString bodyLetter(const Variant& variant, const Dimension& dimension)
{
    for (const Letter& l : variant.letters) {
        if (qstrcmp(l.window, dimension.symbol) == 0)
            return QString::fromUtf8(l.body);
    }
    return QString::fromUtf8(dimension.symbol);
}

Outcome calculate(const Calculator& calculator, Sheet& sheet)
{
    const Inputs in(sheet, calculator);
    const QString title =
        calculator.checkTitle ? QString::fromUtf8(calculator.checkTitle) : QString();
    const Variant* variant = chosen(calculator, sheet);
    for (const Check& check : calculator.checks) {
        if (variant && !belongs(check.variant, *variant))
            continue;
        if (!check.passes(in)) {
            sheet.message(QString::fromUtf8(check.message), calculator.checkStyle, title);
            return Outcome::Rejected;
        }
    }
    if (!variant) {
        if (calculator.choiceMessage)
            sheet.message(QString::fromUtf8(calculator.choiceMessage), calculator.checkStyle,
                          title);
        return Outcome::NothingChosen;
    }
    // The places of the results written so far, for a formula that reads one
    // as it is shown.
    QHash<QString, int> places;
    const auto certain = [&](const QString& symbol) {
        if (const auto it = places.constFind(symbol); it != places.cend())
            return model::Certain::at(in.shown(symbol).value(), *it);
        return model::Certain::input(in.value(symbol).value());
    };
    for (auto result = variant->results.begin(); result != variant->results.end(); ++result) {
        const QString label = QString::fromUtf8(result->label);
        double value = 0;
        try {
            value = result->formula.evaluate(in).value();
        } catch (rt::Error& e) {
            if (e.field().isEmpty())
                e.inResult(sheet.rowCaption(label));
            // What this calculation did not reach must not stand beside what it
            // wrote, as if it belonged to the new input.
            for (auto rest = result; rest != variant->results.end(); ++rest)
                sheet.write(QString::fromUtf8(rest->label), QString());
            throw;
        }
        int place = rt::kAllDigits;
        if (calculator.certainDigits) {
            place = result->formula.certain(certain).place();
            places.insert(QString::fromUtf8(result->symbol), place);
        }
        sheet.write(label, rt::toText(value, sheet.locale(), place));
    }
    return Outcome::Computed;
}

} // namespace solids
