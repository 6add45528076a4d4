#include "common.h"

namespace model {

using namespace build;

// A right prism over a trapezoid: the base side a parallel to the shorter
// top side c, the legs b and d leaning inwards or standing upright (b = ht
// is a right trapezoid). Each leg stands over its own part of a − c.
const Body& trapezoidPrism()
{
    static const Body body = [] {
        const Term c = q("c"), b = q("b"), d = q("d"), ht = q("ht"), h = q("h");
        const Term a = Term::named("a", c + pow(pow(b, 2) - pow(ht, 2), 0.5) +
                                            pow(pow(d, 2) - pow(ht, 2), 0.5));
        const Term base = Term::named("G", (a + c) / 2 * ht);
        const Term u = Term::named("u", a + b + c + d);
        const Term mantle = Term::named("M", u * h);
        const Term p = q("p"), k = q("k"), leg = pow(pow(b, 2) - pow(ht, 2), 0.5);
        return Body{
            .id = QStringLiteral("trapezoid-prism"),
            .name = QStringLiteral("Trapezprisma"),
            .gender = Gender::Neuter,
            .quantities = {length("a", "Grundseite a"), length("c", "Deckseite c"),
                           length("b", "Schenkel b"), length("d", "Schenkel d"),
                           length("ht", "Trapezhöhe ht"), area("G", "Grundfläche G"),
                           length("u", "Umfang u"), length("h", "Körperhöhe h"),
                           area("M", "Mantel M"), area("O", "Oberfläche O"),
                           volume("V", "Volumen V")},
            // In this order the solver's two trial solids have their height
            // below either leg and legs of their own lengths.
            .dimensions = {QStringLiteral("b"), QStringLiteral("ht"), QStringLiteral("c"),
                           QStringLiteral("d"), QStringLiteral("h")},
            .relations = {rel("a", a), rel("G", base), rel("u", u), rel("M", mantle),
                          rel("O", 2 * base + mantle), rel("V", base * h)},
            .conditions = {{c, Compare::Less, q("a"),
                            QStringLiteral("Die Deckseite c muss kürzer sein als die "
                                           "Grundseite a.")},
                           {ht, Compare::NotGreater, b,
                            QStringLiteral("Die Trapezhöhe ht darf nicht länger sein als der "
                                           "Schenkel b.")},
                           {ht, Compare::NotGreater, d,
                            QStringLiteral("Die Trapezhöhe ht darf nicht länger sein als der "
                                           "Schenkel d.")}},
            .base = Face{Shape::Trapezoid, base, {a, c, ht}},
            .top = Face{Shape::Trapezoid, base, {a, c, ht}},
            .sides = mantle,
            // Both legs alike stand over equal parts of a − c: by the
            // midline p between a and c, the area and the perimeter are
            // undone one at a time.
            .ties = {{QStringLiteral("gleichschenklig"),
                      QStringLiteral("d"),
                      QStringLiteral("b"),
                      {{QStringLiteral("mit p = (a + c) : 2"),
                        {length("b", "Schenkel b"), length("ht", "Trapezhöhe ht"),
                         length("p", "Mittellinie p"), length("h", "Körperhöhe h")},
                        {rel("c", p - leg), rel("a", p + leg), rel("G", p * ht),
                         rel("u", 2 * p + 2 * b)}},
                       // By a and c, p and the part k of a − c under each leg
                       // are known, and the height is what is left to search.
                       {QStringLiteral("mit p = (a + c) : 2 und k = (a − c) : 2"),
                        {length("k", "Teil k"), length("ht", "Trapezhöhe ht"),
                         length("p", "Mittellinie p"), length("h", "Körperhöhe h")},
                        {rel("c", p - k), rel("a", p + k),
                         rel("b", pow(pow(ht, 2) + pow(k, 2), 0.5)), rel("G", p * ht),
                         rel("u", 2 * p + 2 * q("b"))}}}}},
        };
    }();
    return body;
}

} // namespace model
