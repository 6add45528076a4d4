#include "common.h"

namespace model {

using namespace build;

// A pyramid over any base, given by its area: its volume needs no more.
const Body& generalPyramid()
{
    static const Body body = [] {
        const Term base = q("G"), h = q("h");
        return Body{
            .id = QStringLiteral("general-pyramid"),
            .name = QStringLiteral("Pyramide (beliebige Grundfläche)"),
            .gender = Gender::Feminine,
            .quantities = {area("G", "Grundfläche G"), length("h", "Höhe h"),
                           volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("G"), QStringLiteral("h")},
            .relations = {rel("V", Term(1) / 3 * base * h)},
            .base = Face{Shape::Polygon, Term::named("G", base)},
        };
    }();
    return body;
}

} // namespace model
