#include "common.h"

namespace model {

using namespace build;

// The frustum of a cone stands on its larger face. It keeps the cone
// window's pi, so that both of the window's options agree in their digits;
// the angle of the unrolled mantle, an annulus sector, divides by the slant
// height as shown. The window calls the base radius r, like the cone's; the
// diameters are d1 and d2 all the same. The whole cone over the base and the
// one cut off over r2 are alike: their heights and slants are to their radii
// as h and s are to the difference of the radii.
const Body& coneFrustum(const QString& base)
{
    static std::map<QString, Body> made;
    return once(made, base, [&] {
        const Term r = Term::quantity(base), r2 = q("r2"), h = q("h");
        const Term pi = Term::constant(kPi, "π");
        const Term s = Term::named("s", pow(pow(h, 2) + pow(r - r2, 2), 0.5));
        const Term h1 = Term::named("h1", h * r / (r - r2));
        const Term h2 = Term::named("h2", h * r2 / (r - r2));
        // By the height, the difference d and the sum p of the radii, the slant,
        // the surfaces and the volume can be undone one at a time.
        const Term d = q("d"), p = q("p");
        const QString difference = QStringLiteral("mit d = %1 − r2 und p = %1 + r2").arg(base);
        // By the slope k of the whole cone and the two radii, so can a height
        // or slant of a whole cone (h1, s1, h2, s2) given with two of V, M, O,
        // s or α.
        const Term k = q("k"), slant = pow(1 + pow(k, 2), 0.5);
        const QString slope = QStringLiteral("mit k = h1 : %1").arg(base);
        return Body{
            .id = QStringLiteral("cone-frustum"),
            .name = QStringLiteral("Kegelstumpf"),
            .gender = Gender::Masculine,
            .quantities = {{base, QStringLiteral("Radius ") + base, Dimension::Length},
                           length("r2", "Radius r2"),
                           length("h", "Höhe h"),
                           length("s", "Mantellinie s"),
                           angle("α", "Mantelwinkel α"),
                           area("M", "Mantel M"),
                           area("O", "Oberfläche O"),
                           volume("V", "Volumen V"),
                           length("d1", "Durchmesser d1"),
                           length("d2", "Durchmesser d2"),
                           area("G", "Grundfläche G"),
                           area("D", "Deckfläche D"),
                           length("h1", "Höhe h1"),
                           length("s1", "Mantellinie s1"),
                           length("h2", "Höhe h2"),
                           length("s2", "Mantellinie s2")},
            .dimensions = {base, QStringLiteral("r2"), QStringLiteral("h")},
            .relations = {rel("O", pi * pow(r, 2) + pi * pow(r2, 2) + pi * (r + r2) * s),
                          rel("V", pi * h * (pow(r, 2) + r * r2 + pow(r2, 2)) / 3),
                          rel("M", pi * (r + r2) * s), rel("s", s),
                          rel("α", Term::constant(360, "360°") * (r - r2) /
                                       Term::shown(QStringLiteral("s"))),
                          rel("d1", 2 * r), rel("d2", 2 * r2), rel("G", pi * pow(r, 2)),
                          rel("D", pi * pow(r2, 2)), rel("h1", h1),
                          rel("s1", pow(pow(h1, 2) + pow(r, 2), 0.5)), rel("h2", h2),
                          rel("s2", pow(pow(h2, 2) + pow(r2, 2), 0.5))},
            .conditions = {{r2, Compare::Less, r,
                            QStringLiteral("Der Radius r2 muss kleiner sein als %1.").arg(base)},
                           {h, Compare::NotGreater, q("s"),
                            QStringLiteral("Die Mantellinie s muss länger sein als die Höhe h.")}},
            .charts = {{difference,
                        {length("h", "Höhe h"), length("d", "Differenz d"), length("p", "Summe p")},
                        {{base, (p + d) / 2},
                         rel("r2", (p - d) / 2),
                         rel("s", pow(pow(h, 2) + pow(d, 2), 0.5)),
                         rel("M", pi * p * q("s")),
                         rel("O", pi * (pow(p, 2) + pow(d, 2)) / 2 + q("M")),
                         rel("V", pi * h * (3 * pow(p, 2) + pow(d, 2)) / 12),
                         rel("α", Term::constant(360, "360°") * d / q("s"))}},
                       {slope,
                        {{QStringLiteral("k"), QStringLiteral("Verhältnis k"), Dimension{}},
                         {base, QStringLiteral("Radius ") + base, Dimension::Length},
                         length("r2", "Radius r2")},
                        {rel("h", k * (r - r2)), rel("s", (r - r2) * slant),
                         rel("M", pi * (pow(r, 2) - pow(r2, 2)) * slant),
                         rel("O", pi * pow(r, 2) + pi * pow(r2, 2) + q("M")),
                         rel("V", pi * k * (pow(r, 3) - pow(r2, 3)) / 3),
                         rel("α", Term::constant(360, "360°") / slant), rel("h1", k * r),
                         rel("s1", r * slant), rel("h2", k * r2), rel("s2", r2 * slant)}}},
            .base = Face{Shape::Circle, Term::named("G", pi * pow(r, 2)), {r}},
            .top = Face{Shape::Circle, Term::named("D", pi * pow(r2, 2)), {r2}},
            .sides = Term::named("M", pi * (r + r2) * s),
        };
    });
}

const Body& coneFrustum()
{
    return coneFrustum(QStringLiteral("r1"));
}

} // namespace model
