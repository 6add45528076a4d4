#include "common.h"

namespace model {

using namespace build;

// The pyramid over a rectangle, its apex above the rectangle's centre. The
// side faces over a have the height ha, which stands over half of b.
const Body& rectangularPyramid()
{
    static const Body body = [] {
        const Term a = q("a"), b = q("b"), h = q("h");
        const Term ha = Term::named("ha", pow(pow(h, 2) + pow(b / 2, 2), 0.5));
        const Term hb = Term::named("hb", pow(pow(h, 2) + pow(a / 2, 2), 0.5));
        const Term base = Term::named("G", a * b);
        const Term mantle = Term::named("M", a * ha + b * hb);
        // By the side edge and the half angles αa, αb at the apex of the side
        // faces over a and over b, through their sum ε and δ = 90° + αa − αb:
        // a = 2 · s · sin αa, the mantle 2 · s² · sin ε · k with
        // k = cos(αa − αb), the base 2 · s² · (k − cos ε). The
        // apex stands above the base only where ε < 90°, so ε follows from
        // the mantle or the surface in one way; a solid and its copy with a
        // and b swapped lie on either side of δ = 90°, and one search for δ
        // finds both.
        const Term s = q("s"), epsilon = q("ε"), delta = q("δ");
        const Term sum = Term::radians(epsilon, kExactPi);
        const Term apart = Term::named("k", cos(Term::radians(delta - 90, kExactPi)));
        const Term half = Term::named("w", pow(pow(apart, 2) + 1, 0.5));
        const Term turn = Term::named("φ", Term::degrees(acos(apart / half), kExactPi));
        return Body{
            .id = QStringLiteral("rectangular-pyramid"),
            .name = QStringLiteral("Rechteckpyramide"),
            .gender = Gender::Feminine,
            .quantities = {length("a", "Grundkante a"), length("b", "Grundkante b"),
                           length("h", "Höhe h"), length("ha", "Seitenhöhe ha"),
                           length("hb", "Seitenhöhe hb"), length("s", "Seitenkante s"),
                           length("d", "Diagonale d"), area("G", "Grundfläche G"),
                           area("M", "Mantel M"), area("O", "Oberfläche O"),
                           volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("h")},
            .relations = {rel("ha", ha), rel("hb", hb),
                          rel("s", pow(pow(h, 2) + (pow(a, 2) + pow(b, 2)) / 4, 0.5)),
                          rel("d", pow(pow(a, 2) + pow(b, 2), 0.5)), rel("G", base),
                          rel("M", mantle), rel("O", base + mantle),
                          rel("V", Term(1) / 3 * base * h)},
            .conditions =
                {{h, Compare::NotGreater, q("ha"),
                  QStringLiteral("Die Seitenhöhe ha muss länger sein als die Höhe h.")},
                 {h, Compare::NotGreater, q("hb"),
                  QStringLiteral("Die Seitenhöhe hb muss länger sein als die Höhe h.")},
                 {q("ha"), Compare::NotGreater, q("s"),
                  QStringLiteral("Die Seitenkante s muss länger sein als die Seitenhöhe ha.")},
                 {q("hb"), Compare::NotGreater, q("s"),
                  QStringLiteral("Die Seitenkante s muss länger sein als die Seitenhöhe hb.")},
                 {q("d") / 2, Compare::NotGreater, q("s"),
                  QStringLiteral("Die Seitenkante s muss länger sein als die halbe "
                                 "Diagonale d.")}},
            .charts = {{QStringLiteral("mit den halben Winkeln αa und αb an der Spitze der "
                                       "Seitenflächen über a und b, ε = αa + αb und "
                                       "δ = 90° + αa − αb"),
                        // δ first: the search tries it before ε, which
                        // the mantle gives only with a ≥ b.
                        {length("s", "Seitenkante s"), angle("δ", "Winkel δ"),
                         angle("ε", "Winkel ε")},
                        {rel("a", 2 * s * sin(Term::radians((epsilon + delta - 90) / 2, kExactPi))),
                         rel("b", 2 * s * sin(Term::radians((epsilon - delta + 90) / 2, kExactPi))),
                         rel("h", s * pow(cos(sum) * apart, 0.5)),
                         rel("M", 2 * pow(s, 2) * apart * pow(1 - pow(cos(sum), 2), 0.5)),
                         // C · sin ε − cos ε as one cosine, so that ε is read once.
                         rel("O", 2 * pow(s, 2) *
                                      (apart + half * cos(Term::radians(90 + turn - epsilon,
                                                                        kExactPi))))}}},
            .base = Face{Shape::Rectangle, base, {a, b}},
            .sides = mantle,
        };
    }();
    return body;
}

} // namespace model
