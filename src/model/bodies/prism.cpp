#include "common.h"

namespace model {

using namespace build;

// A right prism over a regular polygon with n corners of side a.
const Body& prism()
{
    static const Body body = [] {
        const Term n = q("n"), a = q("a"), h = q("h");
        const Term pi = Term::constant(kExactPi, "π");
        const Term base = Term::named("G", n * pow(a, 2) / (4 * tan(pi / n)));
        const Term mantle = Term::named("M", n * a * h);
        return Body{
            .id = QStringLiteral("prism"),
            .name = QStringLiteral("Prisma"),
            .gender = Gender::Neuter,
            .quantities = {{QStringLiteral("n"), QStringLiteral("Ecken n"), Dimension::Count},
                           length("a", "Grundkante a"),
                           length("h", "Höhe h"),
                           area("G", "Grundfläche G"),
                           area("M", "Mantel M"),
                           area("O", "Oberfläche O"),
                           volume("V", "Volumen V"),
                           length("ru", "Umkreisradius ru"),
                           length("ri", "Inkreisradius ri"),
                           length("u", "Umfang u")},
            .dimensions = {QStringLiteral("n"), QStringLiteral("a"), QStringLiteral("h")},
            .alwaysGiven = {QStringLiteral("n")},
            .relations = {rel("G", base), rel("V", base * h), rel("O", 2 * base + mantle),
                          rel("M", mantle), rel("ru", a / (2 * sin(pi / n))),
                          rel("ri", a / (2 * tan(pi / n))), rel("u", n * a)},
            .base = Face{Shape::Polygon, base},
            .top = Face{Shape::Polygon, base},
            .sides = mantle,
        };
    }();
    return body;
}

} // namespace model
