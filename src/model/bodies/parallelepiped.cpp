#include "common.h"

namespace model {

using namespace build;

// Edges a, b, c; α between b and c, β between a and c, γ between a and b. It
// stands on the face spanned by a and b.
const Body& parallelepiped()
{
    static const Body body = [] {
        const Term a = q("a"), b = q("b"), c = q("c");
        const Term alpha = q("α"), beta = q("β"), gamma = q("γ");
        const Term cosAlpha = cos(Term::radians(alpha, kExactPi));
        const Term cosBeta = cos(Term::radians(beta, kExactPi));
        const Term cosGamma = cos(Term::radians(gamma, kExactPi));
        // The volume's factor from the three angles; not greater than 0, they span no solid.
        const Term w = Term::named("w", 1 + 2 * cosAlpha * cosBeta * cosGamma - pow(cosAlpha, 2) -
                                            pow(cosBeta, 2) - pow(cosGamma, 2));
        const Term volume = Term::named("V", a * b * c * pow(w, 0.5));
        const Term base = Term::named("G", a * b * sin(Term::radians(gamma, kExactPi)));
        const Term mantle = Term::named("M", 2 * (b * c * sin(Term::radians(alpha, kExactPi)) +
                                                  a * c * sin(Term::radians(beta, kExactPi))));
        const QString noSolid =
            QStringLiteral("Mit diesen drei Winkeln lässt sich kein Spat bilden.");
        return Body{
            .id = QStringLiteral("parallelepiped"),
            .name = QStringLiteral("Spat"),
            .gender = Gender::Masculine,
            .quantities = {length("a", "Kante a"), length("b", "Kante b"), length("c", "Kante c"),
                           angle("α", "Winkel α"), angle("β", "Winkel β"), angle("γ", "Winkel γ"),
                           build::volume("V", "Volumen V"), area("O", "Oberfläche O"),
                           area("M", "Mantel M"), length("h", "Höhe h")},
            .dimensions = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("α"), QStringLiteral("β"), QStringLiteral("γ")},
            .relations = {rel("V", volume), rel("O", 2 * base + mantle), rel("M", mantle),
                          rel("h", volume / base)},
            .conditions = {{beta + gamma, Compare::Greater, alpha, noSolid},
                           {alpha + gamma, Compare::Greater, beta, noSolid},
                           {alpha + beta, Compare::Greater, gamma, noSolid},
                           {Term(360), Compare::Greater, alpha + beta + gamma, noSolid},
                           {w, Compare::Greater, 0, noSolid}},
            .leastDimensions = 5,
            .combinations = QStringLiteral("Beim Spat bitte fünf der sechs Kanten und Winkel "
                                           "angeben und dazu eines von V, O, M oder h."),
        };
    }();
    return body;
}

} // namespace model
