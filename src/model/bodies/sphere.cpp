#include "common.h"

namespace model {

using namespace build;

// The circumference u is a great circle's.
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
                           area("O", "Oberfläche O"), volume("V", "Volumen V"),
                           length("u", "Umfang u")},
            .dimensions = {QStringLiteral("r")},
            .relations = {rel("V", Term(4) / 3 * pi * pow(r, 3)), rel("O", 4 * pi * pow(r, 2)),
                          rel("d", 2 * r), rel("u", 2 * pi * r)},
        };
    }();
    return body;
}

} // namespace model
