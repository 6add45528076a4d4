#include "calculator.h"

#include "runtime/errors.h"

namespace solids {

Real Inputs::operator()(const char* box) const
{
    const QString name = QString::fromUtf8(box);
    try {
        return rt::toNumber(sheet_.text(name), sheet_.locale());
    } catch (rt::Error& e) {
        e.inField(name, sheet_.rowCaption(name));
        throw;
    }
}

Real Inputs::shown(const char* label) const
{
    return rt::toNumber(sheet_.text(QString::fromUtf8(label)), sheet_.locale());
}

Outcome calculate(const Calculator& calculator, Sheet& sheet)
{
    const Inputs in(sheet);
    for (const Check& check : calculator.checks) {
        if (!(in(check.box) > 0)) {
            sheet.message(QString::fromUtf8(check.message), calculator.checkStyle,
                          calculator.checkTitle ? QString::fromUtf8(calculator.checkTitle)
                                                : QString());
            return Outcome::Rejected;
        }
    }
    for (const Variant& variant : calculator.variants) {
        if (variant.option && !sheet.isSet(QString::fromUtf8(variant.option)))
            continue;
        for (const Result& result : variant.results) {
            const QString label = QString::fromUtf8(result.label);
            double value = 0;
            try {
                value = result.formula(in).value();
            } catch (rt::Error& e) {
                if (e.field().isEmpty())
                    e.inResult(sheet.rowCaption(label));
                throw;
            }
            sheet.write(label, rt::toText(value, sheet.locale()));
        }
        return Outcome::Computed;
    }
    return Outcome::NothingChosen;
}

} // namespace solids
