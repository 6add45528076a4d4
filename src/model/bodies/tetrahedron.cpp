#include "common.h"

namespace model {

using namespace build;

// The regular tetrahedron: four equilateral triangles; its height stands on
// the base's centre.
const Body& tetrahedron()
{
    static const Body body = [] {
        const Term a = q("a");
        return Body{
            .id = QStringLiteral("tetrahedron"),
            .name = QStringLiteral("Tetraeder"),
            .gender = Gender::Neuter,
            .quantities = {length("a", "Kante a"), length("h", "Höhe h"), area("O", "Oberfläche O"),
                           volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("a")},
            .relations = {rel("V", pow(a, 3) * pow(2, 0.5) / 12), rel("O", pow(3, 0.5) * pow(a, 2)),
                          rel("h", a * pow(Term(2) / 3, 0.5))},
        };
    }();
    return body;
}

} // namespace model
