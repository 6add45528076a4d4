#include "common.h"

namespace model {

using namespace build;

// A spherical shell: its volume is the wall's, its surface the outer one; the
// inner surface is a quantity of its own.
const Body& hollowSphere()
{
    static const Body body = [] {
        const Term outer = q("R"), inner = q("r");
        const Term pi = Term::constant(kExactPi, "π");
        return Body{
            .id = QStringLiteral("hollow-sphere"),
            .name = QStringLiteral("Hohlkugel"),
            .gender = Gender::Feminine,
            .quantities = {length("R", "Außenradius R"), length("r", "Innenradius r"),
                           length("w", "Wandstärke w"), length("D", "Außendurchmesser D"),
                           length("u", "Umfang u"), volume("V", "Volumen V"),
                           area("O", "Oberfläche O"), area("Oi", "Innenfläche Oi")},
            .dimensions = {QStringLiteral("R"), QStringLiteral("r")},
            .relations = {rel("w", outer - inner), rel("D", 2 * outer), rel("u", 2 * pi * outer),
                          rel("V", Term(4) / 3 * pi * (pow(outer, 3) - pow(inner, 3))),
                          rel("O", 4 * pi * pow(outer, 2)), rel("Oi", 4 * pi * pow(inner, 2))},
            .conditions = {{inner, Compare::Less, outer,
                            QStringLiteral("Der Innenradius r muss kleiner sein als der "
                                           "Außenradius R.")}},
            // R³ − r³ = w · (3 · R² − 3 · R · w + w²): a quadratic in R, whose
            // other root leaves r below 0.
            .shortcuts = {{{QStringLiteral("w"), QStringLiteral("V")},
                           QStringLiteral("R"),
                           q("w") / 2 +
                               pow(q("V") / (4 * pi * q("w")) - pow(q("w"), 2) / 12, 0.5)}},
        };
    }();
    return body;
}

} // namespace model
