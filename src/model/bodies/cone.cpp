#include "common.h"

namespace model {

using namespace build;

// The angle divides by the slant height as shown, not as computed, so that it
// agrees with what the user reads beside it.
const Body& cone()
{
    static const Body body = [] {
        const Term r = q("r"), h = q("h");
        const Term pi = Term::constant(kPi, "π");
        const Term s = Term::named("s", pow(pow(h, 2) + pow(r, 2), 0.5));
        return Body{
            .id = QStringLiteral("cone"),
            .name = QStringLiteral("Kegel"),
            .gender = Gender::Masculine,
            .quantities = {length("r", "Radius r"), length("d", "Durchmesser d"),
                           length("h", "Höhe h"), length("s", "Mantellinie s"),
                           angle("α", "Mantelwinkel α"), area("G", "Grundfläche G"),
                           area("M", "Mantel M"), area("O", "Oberfläche O"),
                           volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("r"), QStringLiteral("h")},
            .relations = {rel("O", pi * r * (r + s)), rel("V", Term(1) / 3 * pow(r, 2) * pi * h),
                          rel("M", pi * r * s), rel("s", s),
                          rel("α", Term::constant(360, "360°") * r / Term::shown("s")),
                          rel("d", 2 * r), rel("G", pi * pow(r, 2))},
            .conditions = {{q("s"), Compare::Greater, h,
                            QStringLiteral("Die Mantellinie s muss länger sein als die Höhe h.")},
                           {q("s"), Compare::Greater, r,
                            QStringLiteral(
                                "Die Mantellinie s muss länger sein als der Radius r.")}},
            .base = Face{Shape::Circle, Term::named("G", pi * pow(r, 2)), {r}},
            .sides = Term::named("M", pi * r * s),
        };
    }();
    return body;
}

} // namespace model
