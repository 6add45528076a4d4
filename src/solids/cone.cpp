#include "catalogue.h"

#include "names.h"

#include <cmath>

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

constexpr rt::FontSpec kOption{"Georgia", 9, true};

// The option that chooses the frustum: its variant, its check and its sketch.
constexpr char kFrustum[] = "opstumpf";

const Dimension r{"txtradiusr", "r", Unit::Centimetre};
const Dimension h{"txthöheh", "h", Unit::Centimetre};
const Dimension r2{"txtradiusr2", "r2", Unit::Centimetre, kFrustum};
const model::Body& cone = model::cone();
const model::Body& frustum = model::coneFrustum(QStringLiteral("r"));

// The full cone is what the window computes unless "Kegelstumpf" is set, so
// it comes last and no check reads an option of its own, though "Kegel"
// chooses it; the frustum reads r2, the cone never does. The window calls
// the frustum's base radius r, like the cone's.
const Calculator kCalculator{
    .dimensions = {r, h, r2},
    .checks = {positive(r, "Bitte geben Sie für Radius r > 0 ein"),
               positive(h, "Bitte geben Sie für Höhe h > 0 ein"),
               onlyWith(kFrustum,
                        positiveBelow(r2, 1, r,
                                      "Bitte geben Sie für Radius r2 einen Wert größer 0 und "
                                      "kleiner als r ein"))},
    .variants = {{kFrustum,
                  "Kegelstumpf",
                  &frustum,
                  {
                      relation(frustum, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(frustum, "labvolume", "V", Unit::CubicCentimetre),
                      relation(frustum, "labmantel", "M", Unit::SquareCentimetre),
                      relation(frustum, "labseites", "s", Unit::Centimetre),
                      relation(frustum, "labwinkela", "α", Unit::Degree),
                  },
                  nullptr,
                  {{"r1", "r"}}},
                 {nullptr,
                  nullptr,
                  &cone,
                  {
                      relation(cone, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(cone, "labvolume", "V", Unit::CubicCentimetre),
                      relation(cone, "labmantel", "M", Unit::SquareCentimetre),
                      relation(cone, "labseites", "s", Unit::Centimetre),
                      relation(cone, "labwinkela", "α", Unit::Degree),
                  },
                  "opkegel"}},
};

// The choice sits in a frame to the right of the title, "Radius r2:" below it
// beside the height: no row of the full cone moves, and the boxes on the left
// keep their room to widen.
rt::Control inFrame(rt::Control c, bool checked = false)
{
    c.container = "Frame1";
    c.checked = checked;
    return c;
}

const rt::WindowDescription kLayout{
    "Kegel",
    6360,
    6180,
    rt::SystemColor::Desktop,
    {
        input("txtradiusr", {1680, 720, 615, 285}, 3, {"Label1", 2}, {"Label6"}),
        input("txthöheh", {1680, 1200, 615, 285}, 2, {"Label1", 1}, {"Label2"}),
        button("cmdberechnen", "Berechnen", {360, 5280, 1455, 375}, kButton, 1),
        button("cmdzurück", "Zurück", {2160, 5280, 1095, 375}, kButton, 0),
        title("Label1", 7, "Kegel", {1560, 120, 1095, 495}, kTitle, 26),
        result("labwinkela", {1680, 2160, 495, 255}, 25, {"Label1", 3}, {"Label11"}),
        unit("Label11", "o", {2400, 2040, 135, 255}, kUnit, 24, Spoken::Degree),
        caption("Label1", 3, "Winkel a", {600, 2160, 975, 495}, kCaption, 23),
        unit("Label10", "cm", {2400, 1680, 375, 255}, kUnit, 22, Spoken::Centimetre),
        caption("Label1", 0, "Seite s:", {600, 1680, 975, 495}, kCaption, 21),
        result("labseites", {1680, 1680, 495, 255}, 20, {"Label1", 0}, {"Label10"}),
        unit("Label6", "cm", {2400, 720, 375, 255}, kUnit, 19, Spoken::Centimetre),
        caption("Label1", 2, "Radius r:", {600, 720, 975, 495}, kCaption, 18),
        unit("Label2", "cm", {2400, 1200, 375, 255}, kUnit, 17, Spoken::Centimetre),
        caption("Label1", 1, "Hähe h:", {600, 1200, 975, 495}, kCaption, 16),
        caption("Label1", 6, "Mantel:", {240, 2880, 1455, 495}, kCaption, 15),
        result("labmantel", {1920, 2880, 855, 255}, 14, {"Label1", 6}, {"Label9"}, {"Label3"}),
        unit("Label9", "cm", {2880, 2760, 375, 255}, kUnit, 13, Spoken::Centimetre),
        power("Label3", "2", {3240, 2640, 255, 255}, 12, Spoken::Square),
        power("Label5", "3", {3240, 3360, 255, 255}, 11, Spoken::Cube),
        unit("Label4", "cm", {2880, 3480, 255, 375}, kUnit, 10, Spoken::Centimetre),
        power("Label7", "2", {3240, 3960, 255, 255}, 9, Spoken::Square),
        unit("Label8", "cm", {2880, 4080, 375, 255}, kUnit, 8, Spoken::Centimetre),
        result("labvolume", {1920, 3480, 855, 255}, 7, {"Label1", 4}, {"Label4"}, {"Label5"}),
        result("laboberfläche", {1920, 4200, 855, 255}, 6, {"Label1", 5}, {"Label8"}, {"Label7"}),
        caption("Label1", 4, "Volume:", {240, 3480, 1455, 495}, kCaption, 5),
        caption("Label1", 5, "Oberfläche:", {240, 4200, 1455, 495}, kCaption, 4),
        frame("Frame1", "", {3480, 120, 2280, 975}, 27),
        inFrame(option("opkegel", "Kegel", {240, 240, 1695, 285}, kOption, 28), true),
        inFrame(option(kFrustum, "Kegelstumpf", {240, 600, 1935, 285}, kOption, 29)),
        caption("Label1", 8, "Radius r2:", {3480, 1200, 1095, 375}, kCaption, 30),
        input("txtradiusr2", {4680, 1200, 615, 285}, 31, {"Label1", 8}, {"Label12"}),
        unit("Label12", "cm", {5400, 1200, 375, 255}, kUnit, 32, Spoken::Centimetre),
    }};

// The upright cone as pupils draw it: the base circle as a flat ellipse, its
// back dashed. The sides touch the ellipse a little behind its widest points,
// so the dashed arc runs between those two tangent points.
Sketch coneSketch()
{
    constexpr double rx = 1.0, ry = 0.36, tall = 2.0;
    const QRectF base(-rx, tall - ry, 2 * rx, 2 * ry);
    const double behind = std::asin(ry / tall) * 180 / kExactPi;
    const QPointF right(rx * std::cos(behind * kExactPi / 180), tall - ry * ry / tall);
    const QPointF left(-right.x(), right.y());
    Sketch d;
    d.arc(base, 180 - behind, 180 + 2 * behind, false, Sketch::Base);
    d.arc(base, behind, 180 - 2 * behind, true, Sketch::Base);
    d.line({0, 0}, left).line({0, 0}, right);
    d.hidden({0, tall}, {0, 0}).hidden({0, tall}, {rx, tall});
    d.label("r", {rx / 2, tall - 0.15}, r.box);
    d.label("h", {-0.14, tall * 0.55}, h.box);
    // Outside the right side, square to it.
    const QPointF out = QPointF(right.y(), -right.x()) / std::hypot(right.x(), right.y());
    d.label("s", right / 2 + 0.19 * out, "");
    return d.describe("Kegel mit Radius r, Höhe h und Mantellinie s");
}

// The frustum as the cone cut off at the top: the sides touch both circles
// where the cone's lines through its apex would, and the top face is seen
// whole, from a little above.
Sketch frustumSketch()
{
    constexpr double rx = 1.0, ry = 0.36, tall = 1.7, ratio = 0.55; // r, squash, h, r2 : r
    const double apex = tall / (1 - ratio);                         // the whole cone's height
    const double top = tall - apex;                                 // y of its apex
    const QRectF base(-rx, tall - ry, 2 * rx, 2 * ry);
    const QRectF cap(-rx * ratio, -ry * ratio, 2 * rx * ratio, 2 * ry * ratio);
    const double behind = std::asin(ry / apex) * 180 / kExactPi;
    const QPointF right(rx * std::cos(behind * kExactPi / 180), tall - ry * ry / apex);
    const QPointF rightTop = QPointF(0, top) + ratio * (right - QPointF(0, top));
    const QPointF left(-right.x(), right.y()), leftTop(-rightTop.x(), rightTop.y());
    Sketch d;
    d.arc(base, 180 - behind, 180 + 2 * behind, false, Sketch::Base);
    d.arc(base, behind, 180 - 2 * behind, true, Sketch::Base | Sketch::Inside);
    d.arc(cap, 0, 360);
    QPainterPath opening;
    opening.addEllipse(cap);
    d.top(opening);
    d.line(leftTop, left).line(rightTop, right);
    d.hidden({0, tall}, {0, 0}).hidden({0, tall}, {rx, tall}).line({0, 0}, {rx * ratio, 0});
    d.label("r", {rx / 2, tall - 0.15}, r.box);
    d.label("r2", {rx * ratio / 2, -0.15}, r2.box);
    d.label("h", {-0.14, tall * 0.55}, h.box);
    const QPointF side = right - rightTop;
    const QPointF out = QPointF(side.y(), -side.x()) / std::hypot(side.x(), side.y());
    d.label("s", (right + rightTop) / 2 + 0.19 * out, "");
    return d.describe("Kegelstumpf mit Radius r, Radius r2, Höhe h und Mantellinie s");
}

Sketch sketch(const Variant& variant)
{
    return qstrcmp(variant.option, kFrustum) == 0 ? frustumSketch() : coneSketch();
}

} // namespace

extern const Solid kCone{names::kCone, "opkegel", kLayout, kCalculator, sketch};

} // namespace solids
