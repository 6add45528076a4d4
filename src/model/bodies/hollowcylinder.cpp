#include "common.h"

namespace model {

using namespace build;

// The lateral surface counts the outer and the inner wall; the surface adds
// the two rings at the ends.
const Body& hollowCylinder()
{
    static const Body body = [] {
        const Term outer = q("R"), inner = q("r"), h = q("h");
        const Term pi = Term::constant(kExactPi, "π");
        // By the height, the wall and the sum p of the radii, the surfaces and
        // the volume can be undone one at a time.
        const Term w = q("w"), p = q("p");
        const Term ring = Term::named("G", pi * (pow(outer, 2) - pow(inner, 2)));
        return Body{
            .id = QStringLiteral("hollow-cylinder"),
            .name = QStringLiteral("Hohlzylinder"),
            .gender = Gender::Masculine,
            .quantities = {length("R", "Außenradius R"), length("r", "Innenradius r"),
                           length("h", "Höhe h"), length("w", "Wandstärke w"),
                           area("M", "Mantel M"), area("O", "Oberfläche O"),
                           volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("R"), QStringLiteral("r"), QStringLiteral("h")},
            .relations = {rel("V", pi * h * (pow(outer, 2) - pow(inner, 2))),
                          rel("O", 2 * pi * (pow(outer, 2) - pow(inner, 2)) +
                                       2 * pi * h * (outer + inner)),
                          rel("M", 2 * pi * h * (outer + inner)), rel("w", outer - inner)},
            .conditions = {{inner, Compare::Less, outer,
                            QStringLiteral("Der Innenradius r muss kleiner sein als der "
                                           "Außenradius R.")}},
            .charts = {{QStringLiteral("mit p = R + r"),
                        {length("h", "Höhe h"), length("w", "Wandstärke w"),
                         length("p", "Summe p")},
                        {rel("R", (p + w) / 2), rel("r", (p - w) / 2), rel("M", 2 * pi * h * p),
                         rel("V", pi * h * w * p), rel("O", 2 * pi * w * p + q("M"))}}},
            .base = Face{Shape::Ring, ring, {outer, inner}},
            .top = Face{Shape::Ring, ring, {outer, inner}},
            .sides = Term::named("M", 2 * pi * h * (outer + inner)),
        };
    }();
    return body;
}

} // namespace model
