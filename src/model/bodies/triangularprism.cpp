#include "common.h"

namespace model {

using namespace build;

// A right prism over any triangle: sides a, b, c, the angle γ between a and
// b, the height hc of the triangle onto c. a and b play the same part in
// every quantity, so a solid and its mirror image are one solution.
const Body& triangularPrism()
{
    static const Body body = [] {
        const Term a = q("a"), b = q("b"), h = q("h"), gamma = q("γ");
        const Term turn = Term::radians(gamma, kExactPi);
        const Term c = Term::named("c", pow(pow(a, 2) + pow(b, 2) - 2 * a * b * cos(turn), 0.5));
        const Term base = Term::named("G", a * b * sin(turn) / 2);
        // Not 2 · G : c: the solver would undo it for c, and search the
        // triangle over a side, where a narrow range of it may hide the
        // solid; left alone, the charts find it in closed form or over ω.
        const Term hc = Term::named("hc", a * b * sin(turn) / c);
        const Term u = Term::named("u", a + b + c);
        const Term mantle = Term::named("M", u * h);
        // By c, its height hc and the angle γ opposite, a · b = c · hc : sin γ
        // and the law of cosines give a + b and a − b in closed form, with
        // a not less than b.
        const Term c2 = q("c"), hc2 = q("hc");
        const Term product = Term::named("p", c2 * hc2 / sin(turn));
        const Term sum = Term::named("s", pow(pow(c2, 2) + 2 * product * (1 + cos(turn)), 0.5));
        const Term difference =
            Term::named("t", pow(pow(c2, 2) - 2 * product * (1 - cos(turn)), 0.5));
        // By a and hc, the corner B stands beside the foot of the height
        // where β says; A is anywhere on the line through c, which b meets at
        // ω: γ is the difference of the two angles. Both triangles that a
        // and hc allow, with β acute and obtuse, lie on one line of ω.
        const Term omega = q("ω");
        const Term beta =
            Term::named("β", Term::degrees(acos(pow(pow(a, 2) - pow(hc2, 2), 0.5) / a), kExactPi));
        // γ from c, u and twice the triangle's area c · hc: with
        // k = ((u − c)² − c²) : (2 · c · hc) = cot(γ : 2),
        // γ = 2 · arccos(k : √(1 + k²)).
        const auto halfAngle = [&](const Term& twiceArea) {
            const Term k = (pow(q("u") - c2, 2) - pow(c2, 2)) / (2 * twiceArea);
            return 2 * Term::degrees(acos(k / pow(1 + pow(k, 2), 0.5)), kExactPi);
        };
        const QString longer = QStringLiteral("Jede Seite des Dreiecks muss kürzer sein als die "
                                              "beiden anderen zusammen.");
        return Body{
            .id = QStringLiteral("triangular-prism"),
            .name = QStringLiteral("Dreiecksprisma"),
            .gender = Gender::Neuter,
            .quantities = {length("a", "Seite a"), length("b", "Seite b"), length("c", "Seite c"),
                           length("hc", "Höhe hc"), angle("γ", "Winkel γ"),
                           area("G", "Grundfläche G"), length("u", "Umfang u"),
                           length("h", "Körperhöhe h"), area("M", "Mantel M"),
                           area("O", "Oberfläche O"), volume("V", "Volumen V")},
            .dimensions = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("γ"),
                           QStringLiteral("h")},
            .relations = {rel("c", c), rel("G", base), rel("hc", hc), rel("u", u), rel("M", mantle),
                          rel("O", 2 * base + mantle), rel("V", base * h)},
            // The height onto c is a leg of right triangles over a and over b.
            // c and hc are read as quantities, so that givens that break a
            // condition are told so in its words.
            .conditions = {{q("c"), Compare::Less, a + b, longer},
                           {a, Compare::Less, b + q("c"), longer},
                           {b, Compare::Less, a + q("c"), longer},
                           {q("hc"), Compare::NotGreater, a,
                            QStringLiteral("Die Höhe hc darf nicht länger sein als die Seite a.")},
                           {q("hc"), Compare::NotGreater, b,
                            QStringLiteral("Die Höhe hc darf nicht länger sein als die Seite b.")}},
            // The law of cosines; and by c, hc and a + b = u − c, since
            // (a + b)² − c² = 2 · c · hc · cot(γ : 2), half of γ in closed form.
            .shortcuts = {{{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                           QStringLiteral("γ"),
                           Term::degrees(
                               acos((pow(a, 2) + pow(b, 2) - pow(q("c"), 2)) / (2 * a * b)),
                               kExactPi)},
                          {{QStringLiteral("c"), QStringLiteral("hc"), QStringLiteral("u")},
                           QStringLiteral("γ"),
                           halfAngle(c2 * hc2)},
                          {{QStringLiteral("c"), QStringLiteral("G"), QStringLiteral("u")},
                           QStringLiteral("γ"),
                           halfAngle(2 * q("G"))}},
            .charts = {{QStringLiteral("mit p = a · b, s = a + b und t = a − b"),
                        {length("c", "Seite c"), length("hc", "Höhe hc"), angle("γ", "Winkel γ"),
                         length("h", "Körperhöhe h")},
                        {rel("a", (sum + difference) / 2), rel("b", (sum - difference) / 2),
                         rel("G", c2 * hc2 / 2), rel("u", sum + c2)}},
                       {QStringLiteral("mit dem Winkel β bei B und dem Winkel ω zwischen b und der "
                                       "Geraden durch c"),
                        {length("a", "Seite a"), length("hc", "Höhe hc"), angle("ω", "Winkel ω"),
                         length("h", "Körperhöhe h")},
                        {rel("b", hc2 / sin(Term::radians(omega, kExactPi))),
                         rel("γ", pow(pow(omega - beta, 2), 0.5))}}},
            .interchangeable = {QStringLiteral("a"), QStringLiteral("b")},
            .base = Face{Shape::Triangle, base, {c, hc}},
            .top = Face{Shape::Triangle, base, {c, hc}},
            .sides = mantle,
            // A roof: by its width c and height hc, each leg is the
            // hypotenuse over half of c, and half of γ is its angle at the top.
            .ties = {{QStringLiteral("gleichschenklig"),
                      QStringLiteral("b"),
                      QStringLiteral("a"),
                      {{QStringLiteral("mit a = √(hc² + (c : 2)²)"),
                        {length("c", "Seite c"), length("hc", "Höhe hc"),
                         length("h", "Körperhöhe h")},
                        {rel("a", pow(pow(hc2, 2) + pow(c2 / 2, 2), 0.5)),
                         rel("γ", 2 * Term::degrees(acos(hc2 / q("a")), kExactPi)),
                         rel("G", c2 * hc2 / 2), rel("u", 2 * q("a") + c2)}}}}},
        };
    }();
    return body;
}

} // namespace model
