#include "common.h"

namespace model {

using namespace build;

// The frustum of a square pyramid stands on its larger face. The height of a
// side face stands over half the difference of the two sides.
const Body& frustum()
{
    static const Body body = [] {
        const Term a1 = q("a1"), a2 = q("a2"), h = q("h");
        const Term hs = Term::named("hs", pow(pow(h, 2) + pow((a1 - a2) / 2, 2), 0.5));
        // By the height, the difference d and the sum p of the two edges, the
        // slants, the surfaces and the volume can be undone one at a time.
        const Term d = q("d"), p = q("p");
        return Body{
            .id = QStringLiteral("frustum"),
            .name = QStringLiteral("Pyramidenstumpf"),
            .gender = Gender::Masculine,
            .quantities = {length("a1", "Grundkante a1"), length("a2", "Deckkante a2"),
                           length("h", "Höhe h"), length("hs", "Seitenhöhe hs"),
                           length("s", "Seitenkante s"), area("M", "Mantel M"),
                           area("O", "Oberfläche O"), volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("h")},
            .relations = {rel("O", pow(a1, 2) + pow(a2, 2) + 2 * (a1 + a2) * hs),
                          rel("V", Term(1) / 3 * h * (pow(a1, 2) + a1 * a2 + pow(a2, 2))),
                          rel("M", 2 * (a1 + a2) * hs), rel("hs", hs),
                          rel("s", pow(pow(h, 2) + pow(a1 - a2, 2) / 2, 0.5))},
            .conditions = {{a2, Compare::Less, a1,
                            QStringLiteral("Die Deckkante a2 muss kürzer sein als die "
                                           "Grundkante a1.")},
                           {h, Compare::NotGreater, q("hs"),
                            QStringLiteral("Die Seitenhöhe hs muss länger sein als die Höhe h.")},
                           {q("hs"), Compare::NotGreater, q("s"),
                            QStringLiteral(
                                "Die Seitenkante s muss länger sein als die Seitenhöhe hs.")}},
            .charts = {{QStringLiteral("mit d = a1 − a2 und p = a1 + a2"),
                        {length("h", "Höhe h"), length("d", "Differenz d"), length("p", "Summe p")},
                        {rel("a1", (p + d) / 2), rel("a2", (p - d) / 2),
                         rel("hs", pow(pow(h, 2) + pow(d / 2, 2), 0.5)),
                         rel("s", pow(pow(h, 2) + pow(d, 2) / 2, 0.5)), rel("M", 2 * p * q("hs")),
                         rel("O", (pow(p, 2) + pow(d, 2)) / 2 + q("M")),
                         rel("V", h * (3 * pow(p, 2) + pow(d, 2)) / 12)}}},
        };
    }();
    return body;
}

} // namespace model
