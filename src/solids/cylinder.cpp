#include "catalogue.h"

#include "names.h"

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

const Dimension r{"txtradiusr", "r", Unit::Centimetre};
const Dimension h{"txthöheh", "h", Unit::Centimetre};
const model::Body& body = model::cylinder();

// Its checks use the plain box under the application's title.
const Calculator kCalculator{
    .dimensions = {r, h},
    .checks = {positive(r, "Bitte geben Sie für Radius r > 0 ein"),
               positive(h, "Bitte geben Sie für Höhe h > 0 ein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "labmantel", "M", Unit::SquareCentimetre),
                  }}},
    .checkStyle = 0,
    .checkTitle = nullptr,
};

const rt::WindowDescription kLayout{
    "Zylinder",
    4635,
    6015,
    rt::SystemColor::Desktop,
    {
        button("cmdzurück", "Zurück", {2280, 4680, 1095, 375}, kButton, 19),
        button("cmdberechnen", "Berechnen", {480, 4680, 1455, 375}, kButton, 18),
        input("txthöheh", {1680, 1200, 615, 285}, 1, {"Label1", 1}, {"Label2"}),
        input("txtradiusr", {1680, 720, 615, 285}, 0, {"Label1", 2}, {"Label6"}),
        title("Label1", 0, "Zylinder", {1680, 120, 1215, 495}, kTitle, 20),
        caption("Label1", 5, "Oberfläche:", {360, 3600, 1455, 495}, kCaption, 17),
        caption("Label1", 4, "Volume:", {360, 2880, 1455, 495}, kCaption, 16),
        result("laboberfläche", {2040, 3600, 855, 255}, 15, {"Label1", 5}, {"Label8"}, {"Label7"}),
        result("labvolume", {2040, 2880, 855, 255}, 14, {"Label1", 4}, {"Label4"}, {"Label5"}),
        unit("Label8", "cm", {3000, 3480, 375, 255}, kUnit, 13, Spoken::Centimetre),
        power("Label7", "2", {3360, 3360, 255, 255}, 12, Spoken::Square),
        unit("Label4", "cm", {3000, 2880, 255, 375}, kUnit, 11, Spoken::Centimetre),
        power("Label5", "3", {3360, 2760, 255, 255}, 10, Spoken::Cube),
        power("Label3", "2", {3360, 2040, 255, 255}, 9, Spoken::Square),
        unit("Label9", "cm", {3000, 2160, 375, 255}, kUnit, 8, Spoken::Centimetre),
        result("labmantel", {2040, 2280, 855, 255}, 7, {"Label1", 6}, {"Label9"}, {"Label3"}),
        caption("Label1", 6, "Mantel:", {360, 2280, 1455, 495}, kCaption, 6),
        caption("Label1", 1, "Hähe h:", {600, 1200, 975, 495}, kCaption, 5),
        unit("Label2", "cm", {2400, 1200, 375, 255}, kUnit, 4, Spoken::Centimetre),
        caption("Label1", 2, "Radius r:", {600, 720, 975, 495}, kCaption, 3),
        unit("Label6", "cm", {2400, 720, 375, 255}, kUnit, 2, Spoken::Centimetre),
    }};

// The upright cylinder as pupils draw it: its circles as flat ellipses, the
// back half of the bottom one dashed. The radius lies on the visible top face.
Sketch sketch(const Variant&)
{
    constexpr double rx = 1.0, ry = 0.36, tall = 1.8;
    const QRectF top(-rx, -ry, 2 * rx, 2 * ry);
    const QRectF bottom = top.translated(0, tall);
    Sketch s;
    s.arc(top, 0, 360).arc(bottom, 180, 180, false, Sketch::Base);
    s.arc(bottom, 0, 180, true, Sketch::Base | Sketch::Inside);
    QPainterPath opening;
    opening.addEllipse(top);
    s.top(opening);
    s.line({-rx, 0}, {-rx, tall}).line({rx, 0}, {rx, tall});
    s.line({0, 0}, {rx, 0});
    s.label("r", {rx / 2, -0.15}, r.box);
    s.label("h", {rx + 0.14, tall / 2}, h.box);
    return s.describe("Zylinder mit Radius r und Höhe h");
}

} // namespace

extern const Solid kCylinder{names::kCylinder, "opzylinder", kLayout, kCalculator, sketch};

} // namespace solids
