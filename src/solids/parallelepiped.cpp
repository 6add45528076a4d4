#include "catalogue.h"

#include "names.h"

#include <algorithm>
#include <cmath>

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

// Edges a, b, c; α between b and c, β between a and c, γ between a and b. It
// stands on the face spanned by a and b.
const Dimension a{"txtseitea", "a", Unit::Centimetre};
const Dimension b{"txtseiteb", "b", Unit::Centimetre};
const Dimension c{"txtseitec", "c", Unit::Centimetre};
const Dimension alpha{"txtwinkelalpha", "α", Unit::Degree};
const Dimension beta{"txtwinkelbeta", "β", Unit::Degree};
const Dimension gamma{"txtwinkelgamma", "γ", Unit::Degree};
const model::Body& body = model::parallelepiped();

const char* const kNoSolid = "Mit diesen drei Winkeln lässt sich kein Spat bilden";

const Calculator kCalculator{
    .dimensions = {a, b, c, alpha, beta, gamma},
    .checks =
        {positive(a, "Bitte geben Sie für Seite a > 0 ein"),
         positive(b, "Bitte geben Sie für Seite b > 0 ein"),
         positive(c, "Bitte geben Sie für Seite c > 0 ein"),
         between(alpha, 0, 180, "Bitte geben Sie für Winkel α einen Wert zwischen 0 und 180 ein"),
         between(beta, 0, 180, "Bitte geben Sie für Winkel β einen Wert zwischen 0 und 180 ein"),
         between(gamma, 0, 180, "Bitte geben Sie für Winkel γ einen Wert zwischen 0 und 180 ein"),
         // Each angle less than the other two together, all three less than a
         // full turn; then the volume's factor from the angles greater than 0.
         holds({&body.conditions.at(0), &body.conditions.at(1), &body.conditions.at(2),
                &body.conditions.at(3)},
               kNoSolid),
         holds({&body.conditions.at(4)}, kNoSolid)},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(body, "labmantel", "M", Unit::SquareCentimetre),
                      relation(body, "labhöheh", "h", Unit::Centimetre),
                  }}},
    .pi = kExactPi,
};

const rt::WindowDescription kLayout{
    "Spat",
    4680,
    6120,
    rt::SystemColor::Desktop,
    {
        title("Label1", 0, "Spat", {1920, 240, 855, 495}, kTitle, 8),
        caption("Label1", 1, "Seite a:", {480, 840, 1215, 495}, kCaption, 9),
        input("txtseitea", {1800, 840, 615, 285}, 0, {"Label1", 1}, {"Label2"}),
        unit("Label2", "cm", {2520, 840, 375, 255}, kUnit, 10, Spoken::Centimetre),
        caption("Label1", 2, "Seite b:", {480, 1260, 1215, 495}, kCaption, 11),
        input("txtseiteb", {1800, 1260, 615, 285}, 1, {"Label1", 2}, {"Label3"}),
        unit("Label3", "cm", {2520, 1260, 375, 255}, kUnit, 12, Spoken::Centimetre),
        caption("Label1", 3, "Seite c:", {480, 1680, 1215, 495}, kCaption, 13),
        input("txtseitec", {1800, 1680, 615, 285}, 2, {"Label1", 3}, {"Label4"}),
        unit("Label4", "cm", {2520, 1680, 375, 255}, kUnit, 14, Spoken::Centimetre),
        caption("Label1", 4, "Winkel α:", {480, 2100, 1215, 495}, kCaption, 15),
        input("txtwinkelalpha", {1800, 2100, 615, 285}, 3, {"Label1", 4}, {"Label5"}),
        unit("Label5", "°", {2520, 2100, 375, 255}, kUnit, 16, Spoken::Degree),
        caption("Label1", 5, "Winkel β:", {480, 2520, 1215, 495}, kCaption, 17),
        input("txtwinkelbeta", {1800, 2520, 615, 285}, 4, {"Label1", 5}, {"Label6"}),
        unit("Label6", "°", {2520, 2520, 375, 255}, kUnit, 18, Spoken::Degree),
        caption("Label1", 6, "Winkel γ:", {480, 2940, 1215, 495}, kCaption, 19),
        input("txtwinkelgamma", {1800, 2940, 615, 285}, 5, {"Label1", 6}, {"Label7"}),
        unit("Label7", "°", {2520, 2940, 375, 255}, kUnit, 20, Spoken::Degree),
        caption("Label1", 7, "Volume:", {480, 3480, 1455, 495}, kCaption, 21),
        result("labvolume", {2040, 3480, 855, 255}, 22, {"Label1", 7}, {"Label8"}, {"Label9"}),
        unit("Label8", "cm", {3000, 3480, 375, 255}, kUnit, 23, Spoken::Centimetre),
        power("Label9", "3", {3360, 3360, 255, 255}, 24, Spoken::Cube),
        caption("Label1", 8, "Oberfläche:", {480, 3960, 1455, 495}, kCaption, 25),
        result("laboberfläche", {2040, 3960, 855, 255}, 26, {"Label1", 8}, {"Label10"},
               {"Label11"}),
        unit("Label10", "cm", {3000, 3960, 375, 255}, kUnit, 27, Spoken::Centimetre),
        power("Label11", "2", {3360, 3840, 255, 255}, 28, Spoken::Square),
        caption("Label1", 9, "Mantel:", {480, 4440, 1455, 495}, kCaption, 29),
        result("labmantel", {2040, 4440, 855, 255}, 30, {"Label1", 9}, {"Label12"}, {"Label13"}),
        unit("Label12", "cm", {3000, 4440, 375, 255}, kUnit, 31, Spoken::Centimetre),
        power("Label13", "2", {3360, 4320, 255, 255}, 32, Spoken::Square),
        caption("Label1", 10, "Höhe h:", {480, 4920, 1455, 495}, kCaption, 33),
        result("labhöheh", {2040, 4920, 855, 255}, 34, {"Label1", 10}, {"Label14"}),
        unit("Label14", "cm", {3000, 4920, 375, 255}, kUnit, 35, Spoken::Centimetre),
        button("cmdberechnen", "Berechnen", {720, 5520, 1455, 375}, kButton, 6),
        button("cmdzurück", "Zurück", {2520, 5520, 1095, 375}, kButton, 7),
    }};

// The parallelepiped seen obliquely, c leaning to the right. Each angle is
// marked in a face in view, at a corner where both its edges leave forwards,
// for at the other two corners of a face the angle shows as its supplement.
Sketch sketch(const Variant&)
{
    const auto p = [](double x, double y, double z) { return Sketch::oblique(x, y, z); };
    const QPointF ea = p(1.7, 0, 0), eb = p(0.4, 0, 0.85), ec = p(0.32, -1.25, 0);
    const auto at = [&](int i, int j, int k) { return i * ea + j * eb + k * ec; };
    Sketch s;
    s.line(at(0, 0, 0), at(1, 0, 0)).line(at(0, 0, 0), at(0, 0, 1));
    s.line(at(1, 0, 0), at(1, 0, 1)).line(at(0, 0, 1), at(1, 0, 1));
    s.line(at(1, 0, 0), at(1, 1, 0)).line(at(1, 1, 0), at(1, 1, 1));
    s.line(at(1, 0, 1), at(1, 1, 1)).line(at(0, 0, 1), at(0, 1, 1)).line(at(0, 1, 1), at(1, 1, 1));
    s.hidden(at(0, 0, 0), at(0, 1, 0)).hidden(at(0, 1, 0), at(1, 1, 0));
    s.hidden(at(0, 1, 0), at(0, 1, 1));
    // A small arc at the corner from one edge's direction to the other's, the
    // letter on the line halving it, as far out as the narrower angles need.
    const auto angle = [&](QPointF corner, QPointF u, QPointF v, const char* text,
                           const char* box) {
        constexpr double radius = 0.22;
        const auto degrees = [](QPointF d) { return std::atan2(-d.y(), d.x()) * 180 / kExactPi; };
        double from = degrees(u), span = degrees(v) - from;
        if (span < 0)
            span += 360;
        s.arc(QRectF(corner - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), from, span);
        const double half = (from + span / 2) * kExactPi / 180;
        const double reach = std::max(0.42, 0.16 / std::sin(span / 2 * kExactPi / 180));
        s.label(text, corner + reach * QPointF(std::cos(half), -std::sin(half)), box);
    };
    angle(at(1, 0, 0), eb, ec, "α", alpha.box);
    angle(at(1, 0, 1), -ea, -ec, "β", beta.box);
    angle(at(0, 0, 1), ea, eb, "γ", gamma.box);
    s.label("a", at(0, 0, 0) + QPointF(0.85, 0.15), a.box);
    s.label("b", (at(1, 0, 0) + at(1, 1, 0)) / 2 + QPointF(0.14, 0.12), b.box);
    s.label("c", (at(0, 0, 0) + at(0, 0, 1)) / 2 + QPointF(-0.16, 0), c.box);
    return s.describe("Spat mit den Seiten a, b, c und den Winkeln α, β, γ");
}

} // namespace

extern const Solid kParallelepiped{names::kParallelepiped, "opspat", kLayout, kCalculator, sketch};

} // namespace solids
