#include "common.h"

namespace model {

using namespace build;

// The volume is a bare power: the power operation itself refuses a cube
// beyond the range of a double.
const Body& cube()
{
    static const Body body = [] {
        const Term a = q("a");
        return Body{
            .id = QStringLiteral("cube"),
            .name = QStringLiteral("Würfel"),
            .gender = Gender::Masculine,
            .quantities = {length("a", "Kante a"), length("d", "Flächendiagonale d"),
                           length("e", "Raumdiagonale e"), area("M", "Mantel M"),
                           area("O", "Oberfläche O"), volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("a")},
            .relations = {rel("O", 6 * pow(a, 2)), rel("V", pow(a, 3)), rel("M", 4 * pow(a, 2)),
                          rel("d", a * pow(2, 0.5)), rel("e", a * pow(3, 0.5))},
            .base = Face{Shape::Square, Term::named("G", pow(a, 2)), {a}},
            .top = Face{Shape::Square, Term::named("G", pow(a, 2)), {a}},
            .sides = Term::named("M", 4 * pow(a, 2)),
        };
    }();
    return body;
}

} // namespace model
