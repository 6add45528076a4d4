#include "common.h"

namespace model {

using namespace build;

// The frustum of a cone stands on its larger face. It keeps the cone
// window's pi, so that both of the window's options agree in their digits;
// the angle of the unrolled mantle, an annulus sector, divides by the slant
// height as shown. The window calls the base radius r, like the cone's.
const Body& coneFrustum(const QString& base)
{
    static std::map<QString, Body> made;
    return once(made, base, [&] {
        const Term r = Term::quantity(base), r2 = q("r2"), h = q("h");
        const Term pi = Term::constant(kPi, "π");
        const Term s = Term::named("s", pow(pow(h, 2) + pow(r - r2, 2), 0.5));
        // By the height, the difference d and the sum p of the radii, the slant,
        // the surfaces and the volume can be undone one at a time.
        const Term d = q("d"), p = q("p");
        const QString difference = QStringLiteral("mit d = %1 − r2 und p = %1 + r2").arg(base);
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
                           volume("V", "Volumen V")},
            .dimensions = {base, QStringLiteral("r2"), QStringLiteral("h")},
            .relations = {rel("O", pi * pow(r, 2) + pi * pow(r2, 2) + pi * (r + r2) * s),
                          rel("V", pi * h * (pow(r, 2) + r * r2 + pow(r2, 2)) / 3),
                          rel("M", pi * (r + r2) * s), rel("s", s),
                          rel("α", Term::constant(360, "360°") * (r - r2) /
                                       Term::shown(QStringLiteral("s")))},
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
                         rel("α", Term::constant(360, "360°") * d / q("s"))}}},
        };
    });
}

const Body& coneFrustum()
{
    return coneFrustum(QStringLiteral("r1"));
}

} // namespace model
