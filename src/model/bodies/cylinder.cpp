#include "common.h"

namespace model {

using namespace build;

// 2 · π is exactly the 6.28318530717958 the calculator window has always
// multiplied by.
const Body& cylinder()
{
    static const Body body = [] {
        const Term r = q("r"), h = q("h");
        const Term pi = Term::constant(kPi, "π");
        return Body{
            .id = QStringLiteral("cylinder"),
            .name = QStringLiteral("Zylinder"),
            .gender = Gender::Masculine,
            .quantities = {length("r", "Radius r"), length("d", "Durchmesser d"),
                           length("h", "Höhe h"), length("u", "Umfang u"),
                           area("G", "Grundfläche G"), area("M", "Mantel M"),
                           area("O", "Oberfläche O"), volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("r"), QStringLiteral("h")},
            .relations = {rel("O", 2 * pi * r * h + 2 * pi * pow(r, 2)),
                          rel("V", pi * pow(r, 2) * h), rel("M", 2 * pi * r * h), rel("d", 2 * r),
                          rel("u", 2 * pi * r), rel("G", pi * pow(r, 2))},
            // V : M = r : 2; the two bases are what the surface has more than the mantle.
            .shortcuts = {{{QStringLiteral("V"), QStringLiteral("M")},
                           QStringLiteral("r"),
                           2 * q("V") / q("M")},
                          {{QStringLiteral("O"), QStringLiteral("M")},
                           QStringLiteral("r"),
                           pow((q("O") - q("M")) / (2 * pi), 0.5)}},
            .base = Face{Shape::Circle, Term::named("G", pi * pow(r, 2)), {r}},
            .top = Face{Shape::Circle, Term::named("G", pi * pow(r, 2)), {r}},
            .sides = Term::named("M", 2 * pi * r * h),
        };
    }();
    return body;
}

} // namespace model
