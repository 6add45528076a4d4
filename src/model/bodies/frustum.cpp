#include "common.h"

namespace model {

using namespace build;

// The frustum of a square pyramid stands on its larger face. The height of a
// side face stands over half the difference of the two sides. The whole
// pyramid over a1 and the one cut off over a2 are alike: their heights h1 and
// h2 are to a1 and a2 as h is to a1 − a2.
const Body& frustum()
{
    static const Body body = [] {
        const Term a1 = q("a1"), a2 = q("a2"), h = q("h");
        const Term hs = Term::named("hs", pow(pow(h, 2) + pow((a1 - a2) / 2, 2), 0.5));
        // By the height, the difference d and the sum p of the two edges, the
        // slants, the surfaces and the volume can be undone one at a time.
        const Term d = q("d"), p = q("p");
        // By the slope k of the whole pyramid and the two edges, so can the
        // height h1 or h2 of a whole pyramid given with two of V, M, O, hs, s.
        const Term k = q("k");
        return Body{
            .id = QStringLiteral("frustum"),
            .name = QStringLiteral("Pyramidenstumpf"),
            .gender = Gender::Masculine,
            .quantities = {length("a1", "Grundkante a1"), length("a2", "Deckkante a2"),
                           length("h", "Höhe h"), length("hs", "Seitenhöhe hs"),
                           length("s", "Seitenkante s"), area("M", "Mantel M"),
                           area("O", "Oberfläche O"), volume("V", "Volumen V"),
                           area("G", "Grundfläche G"), area("D", "Deckfläche D"),
                           length("h1", "Höhe h1"), length("h2", "Höhe h2")},
            .dimensions = {QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("h")},
            .relations = {rel("O", pow(a1, 2) + pow(a2, 2) + 2 * (a1 + a2) * hs),
                          rel("V", Term(1) / 3 * h * (pow(a1, 2) + a1 * a2 + pow(a2, 2))),
                          rel("M", 2 * (a1 + a2) * hs), rel("hs", hs),
                          rel("s", pow(pow(h, 2) + pow(a1 - a2, 2) / 2, 0.5)), rel("G", pow(a1, 2)),
                          rel("D", pow(a2, 2)), rel("h1", h * a1 / (a1 - a2)),
                          rel("h2", h * a2 / (a1 - a2))},
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
                         rel("V", h * (3 * pow(p, 2) + pow(d, 2)) / 12)}},
                       {QStringLiteral("mit k = h1 : a1"),
                        {{QStringLiteral("k"), QStringLiteral("Verhältnis k"), Dimension{}},
                         length("a1", "Grundkante a1"),
                         length("a2", "Deckkante a2")},
                        {rel("h", k * (a1 - a2)), rel("hs", (a1 - a2) * pow(pow(k, 2) + 0.25, 0.5)),
                         rel("s", (a1 - a2) * pow(pow(k, 2) + 0.5, 0.5)),
                         rel("M", 2 * (pow(a1, 2) - pow(a2, 2)) * pow(pow(k, 2) + 0.25, 0.5)),
                         rel("O", pow(a1, 2) + pow(a2, 2) + q("M")),
                         rel("V", k * (pow(a1, 3) - pow(a2, 3)) / 3), rel("h1", k * a1),
                         rel("h2", k * a2)}}},
            .base = Face{Shape::Square, Term::named("G", pow(a1, 2)), {a1}},
            .top = Face{Shape::Square, Term::named("D", pow(a2, 2)), {a2}},
            .sides = Term::named("M", 2 * (a1 + a2) * hs),
        };
    }();
    return body;
}

} // namespace model
