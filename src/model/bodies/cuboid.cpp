#include "common.h"

namespace model {

using namespace build;

// Each sum is doubled; that order decides the last digit shown. Length and
// width play the same part in every quantity but their own, so a solid and
// its copy with the two swapped are one solution.
const Body& cuboid()
{
    static const Body body = [] {
        const Term a = q("a"), b = q("b"), c = q("c");
        // By its height, and the sum p and product q of length and width, the
        // diagonal, the surfaces and the volume can be undone one at a time.
        const Term p = q("p"), pq = q("q");
        const Term root = pow(pow(p, 2) - 4 * pq, 0.5);
        return Body{
            .id = QStringLiteral("cuboid"),
            .name = QStringLiteral("Quader"),
            .gender = Gender::Masculine,
            .quantities = {length("a", "Länge a"), length("b", "Breite b"), length("c", "Höhe c"),
                           length("e", "Raumdiagonale e"), area("G", "Grundfläche G"),
                           area("M", "Mantel M"), area("O", "Oberfläche O"),
                           volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
            .relations = {rel("V", a * b * c), rel("O", 2 * (a * b + a * c + b * c)),
                          rel("M", 2 * (a * c + b * c)),
                          rel("e", pow(pow(a, 2) + pow(b, 2) + pow(c, 2), 0.5)), rel("G", a * b)},
            .charts = {{QStringLiteral("mit p = a + b und q = a · b"),
                        {length("c", "Höhe c"), length("p", "Summe p"), area("q", "Produkt q")},
                        {rel("a", (p + root) / 2), rel("b", (p - root) / 2), rel("V", pq * c),
                         rel("O", 2 * (pq + c * p)), rel("M", 2 * (c * p)),
                         rel("e", pow(pow(p, 2) - 2 * pq + pow(c, 2), 0.5)), rel("G", pq)}}},
            .interchangeable = {QStringLiteral("a"), QStringLiteral("b")},
            .base = Face{Shape::Rectangle, Term::named("G", a * b), {a, b}},
            .top = Face{Shape::Rectangle, Term::named("G", a * b), {a, b}},
            .sides = Term::named("M", 2 * (a * c + b * c)),
        };
    }();
    return body;
}

} // namespace model
