#include "common.h"

namespace model {

using namespace build;

// The surface is the curved face and the base circle; the lateral surface the
// curved face alone.
const Body& hemisphere()
{
    static const Body body = [] {
        const Term r = q("r");
        const Term pi = Term::constant(kExactPi, "π");
        return Body{
            .id = QStringLiteral("hemisphere"),
            .name = QStringLiteral("Halbkugel"),
            .gender = Gender::Feminine,
            .quantities = {length("r", "Radius r"), length("d", "Durchmesser d"),
                           area("M", "Mantel M"), area("O", "Oberfläche O"),
                           volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("r")},
            .relations = {rel("V", Term(2) / 3 * pi * pow(r, 3)), rel("O", 3 * pi * pow(r, 2)),
                          rel("M", 2 * pi * pow(r, 2)), rel("d", 2 * r)},
            // Without its flat face, an open bowl.
            .base = Face{Shape::Circle, Term::named("G", pi * pow(r, 2)), {r}},
            .sides = Term::named("M", 2 * pi * pow(r, 2)),
        };
    }();
    return body;
}

} // namespace model
