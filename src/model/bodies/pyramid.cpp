#include "common.h"

namespace model {

using namespace build;

// The square pyramid. The height of a side face stands over half the base
// side. The calculator window calls the base edge a1, like the frustum's.
const Body& pyramid(const QString& base)
{
    static std::map<QString, Body> made;
    return once(made, base, [&] {
        const Term a = Term::quantity(base), h = q("h");
        const Term hs = Term::named("hs", pow(pow(h, 2) + pow(a / 2, 2), 0.5));
        const QString caption = QStringLiteral("Grundkante ") + base;
        return Body{
            .id = QStringLiteral("pyramid"),
            .name = QStringLiteral("Pyramide"),
            .gender = Gender::Feminine,
            .quantities = {{base, caption, Dimension::Length},
                           length("h", "Höhe h"),
                           length("hs", "Seitenhöhe hs"),
                           length("s", "Seitenkante s"),
                           area("G", "Grundfläche G"),
                           area("M", "Mantel M"),
                           area("O", "Oberfläche O"),
                           volume("V", "Volumen V")},
            .dimensions = {base, QStringLiteral("h")},
            .relations = {rel("O", pow(a, 2) + 2 * a * hs), rel("V", Term(1) / 3 * pow(a, 2) * h),
                          rel("M", 2 * a * hs), rel("hs", hs),
                          rel("s", pow(pow(h, 2) + pow(a, 2) / 2, 0.5)), rel("G", pow(a, 2))},
            // Said in their own words where given heights cannot stand so.
            .conditions = {{h, Compare::NotGreater, q("hs"),
                            QStringLiteral("Die Seitenhöhe hs muss länger sein als die Höhe h.")},
                           {q("hs"), Compare::NotGreater, q("s"),
                            QStringLiteral(
                                "Die Seitenkante s muss länger sein als die Seitenhöhe hs.")}},
            // The base is what the whole surface has more than the mantle.
            .shortcuts = {{{QStringLiteral("O"), QStringLiteral("M")},
                           base,
                           pow(q("O") - q("M"), 0.5)}},
            .base = Face{Shape::Square, Term::named("G", pow(a, 2)), {a}},
            .sides = Term::named("M", 2 * a * hs),
        };
    });
}

const Body& pyramid()
{
    return pyramid(QStringLiteral("a"));
}

} // namespace model
