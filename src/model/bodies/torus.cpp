#include "common.h"

namespace model {

using namespace build;

// A ring torus: R from the axis to the tube's centre, r the tube's radius. A
// tube wider than the ring overlaps itself, and these formulas would count the
// overlap twice.
const Body& torus()
{
    static const Body body = [] {
        const Term ring = q("R"), tube = q("r");
        const Term pi = Term::constant(kExactPi, "π");
        return Body{
            .id = QStringLiteral("torus"),
            .name = QStringLiteral("Torus"),
            .gender = Gender::Masculine,
            .quantities = {length("R", "Ringradius R"), length("r", "Rohrradius r"),
                           area("O", "Oberfläche O"), volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("R"), QStringLiteral("r")},
            .relations = {rel("V", 2 * pow(pi, 2) * ring * pow(tube, 2)),
                          rel("O", 4 * pow(pi, 2) * ring * tube)},
            .conditions = {{tube, Compare::NotGreater, ring,
                            QStringLiteral("Der Rohrradius r darf nicht größer als der "
                                           "Ringradius R sein.")}},
            // V : O = r : 2, as for the cylinder.
            .shortcuts = {{{QStringLiteral("V"), QStringLiteral("O")},
                           QStringLiteral("r"),
                           2 * q("V") / q("O")}},
        };
    }();
    return body;
}

} // namespace model
