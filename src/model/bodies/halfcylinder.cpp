#include "common.h"

namespace model {

using namespace build;

// A cylinder cut along its axis, lying on the cut: the rectangle d × l. The
// curved face is half the cylinder's mantle; the two half discs at the ends
// make one whole disc.
const Body& halfCylinder()
{
    static const Body body = [] {
        const Term r = q("r"), l = q("l");
        const Term pi = Term::constant(kExactPi, "π");
        const Term d = Term::named("d", 2 * r);
        const Term mantle = Term::named("M", pi * r * l);
        const Term flat = Term::named("A", d * l);
        return Body{
            .id = QStringLiteral("half-cylinder"),
            .name = QStringLiteral("Halbzylinder"),
            .gender = Gender::Masculine,
            .quantities = {length("r", "Radius r"), length("d", "Durchmesser d"),
                           length("l", "Länge l"), area("M", "Mantel M"),
                           area("A", "Rechteckfläche A"), area("O", "Oberfläche O"),
                           volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("r"), QStringLiteral("l")},
            .relations = {rel("d", d), rel("M", mantle), rel("A", flat),
                          rel("O", mantle + flat + pi * pow(r, 2)),
                          rel("V", pi * pow(r, 2) * l / 2)},
            // V : M = r : 2 as for the whole cylinder; V : A = π · r : 4.
            .shortcuts = {{{QStringLiteral("M"), QStringLiteral("V")},
                           QStringLiteral("r"),
                           2 * q("V") / q("M")},
                          {{QStringLiteral("A"), QStringLiteral("V")},
                           QStringLiteral("r"),
                           4 * q("V") / (pi * q("A"))}},
            .base = Face{Shape::Rectangle, flat, {d, l}},
            .sides = mantle + pi * pow(r, 2),
        };
    }();
    return body;
}

} // namespace model
