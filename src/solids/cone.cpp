#include "catalogue.h"

#include "names.h"

#include <cmath>

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

const Dimension r{"txtradiusr", "r", Unit::Centimetre};
const Dimension h{"txthöheh", "h", Unit::Centimetre};
const model::Body& body = model::cone();

const Calculator kCalculator{
    .dimensions = {r, h},
    .checks = {positive(r, "Bitte geben Sie für Radius r > 0 ein"),
               positive(h, "Bitte geben Sie für Höhe h > 0 ein")},
    .variants = {{nullptr,
                  nullptr,
                  {
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "labmantel", "M", Unit::SquareCentimetre),
                      relation(body, "labseites", "s", Unit::Centimetre),
                      relation(body, "labwinkela", "α", Unit::Degree),
                  }}},
};

const rt::WindowDescription kLayout{
    "Kegel",
    4125,
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
    }};

// The upright cone as pupils draw it: the base circle as a flat ellipse, its
// back dashed. The sides touch the ellipse a little behind its widest points,
// so the dashed arc runs between those two tangent points.
Sketch sketch(const Variant&)
{
    constexpr double rx = 1.0, ry = 0.36, tall = 2.0;
    const QRectF base(-rx, tall - ry, 2 * rx, 2 * ry);
    const double behind = std::asin(ry / tall) * 180 / kExactPi;
    const QPointF right(rx * std::cos(behind * kExactPi / 180), tall - ry * ry / tall);
    const QPointF left(-right.x(), right.y());
    Sketch d;
    d.arc(base, 180 - behind, 180 + 2 * behind).arc(base, behind, 180 - 2 * behind, true);
    d.line({0, 0}, left).line({0, 0}, right);
    d.hidden({0, tall}, {0, 0}).hidden({0, tall}, {rx, tall});
    d.label("r", {rx / 2, tall - 0.15}, r.box);
    d.label("h", {-0.14, tall * 0.55}, h.box);
    // Outside the right side, square to it.
    const QPointF out = QPointF(right.y(), -right.x()) / std::hypot(right.x(), right.y());
    d.label("s", right / 2 + 0.19 * out, "");
    return d.describe("Kegel mit Radius r, Höhe h und Mantellinie s");
}

} // namespace

extern const Solid kCone{names::kCone, "opkegel", kLayout, kCalculator, sketch};

} // namespace solids
