#include "common.h"

namespace model {

using namespace build;

// A right prism over any base, given by its area and its perimeter: what a
// pupil measures of a base that is no regular polygon. No base encloses more
// area for its perimeter than the circle.
const Body& generalPrism()
{
    static const Body body = [] {
        const Term base = q("G"), u = q("u"), h = q("h");
        const Term pi = Term::constant(kExactPi, "π");
        const Term mantle = Term::named("M", u * h);
        return Body{
            .id = QStringLiteral("general-prism"),
            .name = QStringLiteral("Prisma (beliebige Grundfläche)"),
            .gender = Gender::Neuter,
            .quantities = {area("G", "Grundfläche G"), length("u", "Umfang u"),
                           length("h", "Körperhöhe h"), area("M", "Mantel M"),
                           area("O", "Oberfläche O"), volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("G"), QStringLiteral("u"), QStringLiteral("h")},
            .relations = {rel("M", mantle), rel("O", 2 * base + mantle), rel("V", base * h)},
            .conditions = {{base, Compare::NotGreater, pow(u, 2) / (4 * pi),
                            QStringLiteral("Die Grundfläche G kann bei diesem Umfang u höchstens "
                                           "u² : (4 · π) groß sein.")}},
            .base = Face{Shape::Polygon, Term::named("G", base)},
            .top = Face{Shape::Polygon, Term::named("G", base)},
            .sides = mantle,
        };
    }();
    return body;
}

} // namespace model
