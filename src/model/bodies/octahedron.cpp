#include "common.h"

namespace model {

using namespace build;

// The regular octahedron: eight equilateral triangles, two square pyramids
// base to base.
const Body& octahedron()
{
    static const Body body = [] {
        const Term a = q("a");
        return Body{
            .id = QStringLiteral("octahedron"),
            .name = QStringLiteral("Oktaeder"),
            .gender = Gender::Neuter,
            .quantities = {length("a", "Kante a"), area("O", "Oberfläche O"),
                           volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("a")},
            .relations = {rel("V", pow(a, 3) * pow(2, 0.5) / 3),
                          rel("O", 2 * pow(3, 0.5) * pow(a, 2))},
        };
    }();
    return body;
}

} // namespace model
