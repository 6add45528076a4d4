#include "composite.h"

#include <QStringList>

namespace model {

bool removes(Joint joint)
{
    switch (joint) {
    case Joint::On:
    case Joint::LyingOn:
    case Joint::Under:
        return false;
    case Joint::SunkInto:
    case Joint::BoredThrough:
    case Joint::CutLyingFrom:
    case Joint::HollowIn:
        return true;
    }
    return false;
}

QString jointCaption(Joint joint, int target)
{
    const char* text = "";
    switch (joint) {
    case Joint::On:
        text = "aufgesetzt auf Teil %1";
        break;
    case Joint::LyingOn:
        text = "liegend aufgesetzt auf Teil %1";
        break;
    case Joint::Under:
        text = "untergesetzt unter Teil %1";
        break;
    case Joint::SunkInto:
        text = "von oben eingelassen in Teil %1";
        break;
    case Joint::BoredThrough:
        text = "durchgebohrt durch Teil %1";
        break;
    case Joint::CutLyingFrom:
        text = "liegend herausgeschnitten aus Teil %1";
        break;
    case Joint::HollowIn:
        text = "innen hohl in Teil %1";
        break;
    }
    return QString::fromUtf8(text).arg(target);
}

bool lies(const Body& body)
{
    static const QStringList ids{QStringLiteral("cube"),
                                 QStringLiteral("cuboid"),
                                 QStringLiteral("prism"),
                                 QStringLiteral("triangular-prism"),
                                 QStringLiteral("trapezoid-prism"),
                                 QStringLiteral("half-cylinder")};
    return ids.contains(body.id);
}

bool allows(const Body& body, Joint joint)
{
    switch (joint) {
    case Joint::On:
    case Joint::Under:
    case Joint::SunkInto:
        return body.base.has_value();
    case Joint::LyingOn:
    case Joint::CutLyingFrom:
        return lies(body);
    case Joint::BoredThrough:
        // The same cross-section all the way through.
        return body.base && body.top && body.base->shape != Shape::Ring &&
               body.base->shape == body.top->shape && body.id != QStringLiteral("frustum") &&
               body.id != QStringLiteral("cone-frustum");
    case Joint::HollowIn:
        return true;
    }
    return false;
}

QString numbered(const QString& symbol, int part)
{
    static const char16_t digits[] = u"₀₁₂₃₄₅₆₇₈₉";
    QString suffix;
    for (const QChar c : QString::number(part))
        suffix += QChar(digits[c.digitValue()]);
    return symbol + suffix;
}

const QStringList& wholeSymbols()
{
    static const QStringList symbols{QStringLiteral("V"), QStringLiteral("O"), QStringLiteral("ρ"),
                                     QStringLiteral("m")};
    return symbols;
}

} // namespace model
