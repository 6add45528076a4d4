#include "common.h"

namespace model {

using namespace build;

// A cap higher than the diameter is no part of the sphere. Its base is the
// circle the plane cuts, of radius a.
const Body& sphericalCap()
{
    static const Body body = [] {
        const Term r = q("r"), h = q("h");
        const Term pi = Term::constant(kExactPi, "π");
        const Term base = Term::named("a", pow(h * (2 * r - h), 0.5));
        return Body{
            .id = QStringLiteral("spherical-cap"),
            .name = QStringLiteral("Kugelabschnitt"),
            .gender = Gender::Masculine,
            .quantities = {length("r", "Kugelradius r"), length("h", "Höhe h"),
                           length("a", "Grundkreisradius a"), area("M", "Mantel M"),
                           area("O", "Oberfläche O"), volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("r"), QStringLiteral("h")},
            .relations = {rel("V", pi * pow(h, 2) * (3 * r - h) / 3),
                          rel("O", 2 * pi * r * h + pi * pow(base, 2)), rel("M", 2 * pi * r * h),
                          rel("a", base)},
            .conditions = {{h, Compare::Less, 2 * r,
                            QStringLiteral("Die Höhe h muss kleiner sein als der Durchmesser 2r "
                                           "der Kugel.")}},
        };
    }();
    return body;
}

} // namespace model
