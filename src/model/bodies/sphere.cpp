#include "common.h"

namespace model {

using namespace build;

const Body& sphere()
{
    static const Body body = [] {
        const Term r = q("r");
        const Term pi = Term::constant(kPi, "π");
        return Body{
            .id = QStringLiteral("sphere"),
            .name = QStringLiteral("Kugel"),
            .gender = Gender::Feminine,
            .quantities = {length("r", "Radius r"), length("d", "Durchmesser d"),
                           area("O", "Oberfläche O"), volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("r")},
            .relations = {rel("V", Term(4) / 3 * pi * pow(r, 3)), rel("O", 4 * pi * pow(r, 2)),
                          rel("d", 2 * r)},
        };
    }();
    return body;
}

} // namespace model
