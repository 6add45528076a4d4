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
        for (auto result = variant.results.begin(); result != variant.results.end(); ++result) {
            const QString label = QString::fromUtf8(result->label);
            double value = 0;
            try {
                value = result->formula(in).value();
            } catch (rt::Error& e) {
                if (e.field().isEmpty())
                    e.inResult(sheet.rowCaption(label));
                // What this calculation did not reach must not stand beside what it
                // wrote, as if it belonged to the new input.
                for (auto rest = result; rest != variant.results.end(); ++rest)
                    sheet.write(QString::fromUtf8(rest->label), QString());
                throw;
            }
            sheet.write(label, rt::toText(value, sheet.locale()));
        }
        return Outcome::Computed;
    }
    if (calculator.choiceMessage)
        sheet.message(QString::fromUtf8(calculator.choiceMessage), calculator.checkStyle,
                      calculator.checkTitle ? QString::fromUtf8(calculator.checkTitle) : QString());
    return Outcome::NothingChosen;
}

} // namespace solids
