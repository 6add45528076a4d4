#include "catalogue.h"

#include "names.h"

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

const Dimension a{"txtseitea", "a", Unit::Centimetre};
const model::Body& body = model::cube();

const Calculator kCalculator{
    .dimensions = {a},
    .checks = {positive(a, "Bitte geben Sie für a > 0 ein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "labmantel", "M", Unit::SquareCentimetre),
                  }}},
};

const rt::WindowDescription kLayout{
    "Würfel",
    4185,
    5310,
    rt::SystemColor::Desktop,
    {
        input("txtseitea", {1560, 960, 615, 285}, 0, {"Label1", 2}, {"Label6"}),
        caption("Label1", 0, "Oberfläche:", {480, 2640, 1455, 495}, kCaption, 1),
        caption("Label1", 1, "Volume:", {480, 3360, 1455, 495}, kCaption, 2),
        caption("Label1", 2, "Seite a:", {480, 960, 975, 495}, kCaption, 3),
        result("laboberfläche", {2160, 2640, 855, 255}, 4, {"Label1", 0}, {"Label2"}, {"Label3"}),
        result("labvolume", {2160, 3360, 855, 255}, 5, {"Label1", 1}, {"Label4"}, {"Label5"}),
        button("cmdzurück", "Zurück", {2520, 4440, 1095, 375}, kButton, 6),
        button("cmdberechnen", "Berechnen", {720, 4440, 1455, 375}, kButton, 7),
        unit("Label2", "cm", {3120, 2520, 375, 255}, kUnit, 8, Spoken::Centimetre),
        power("Label3", "2", {3480, 2400, 255, 255}, 9, Spoken::Square),
        unit("Label4", "cm", {3120, 3360, 255, 375}, kUnit, 10, Spoken::Centimetre),
        power("Label5", "3", {3480, 3240, 255, 255}, 11, Spoken::Cube),
        unit("Label6", "cm", {2280, 960, 375, 255}, kUnit, 12, Spoken::Centimetre),
        title("Label7", -1, "Würfel", {1440, 240, 1095, 375}, kTitle, 13),
        caption("Label1", 6, "Mantel:", {480, 2040, 1455, 495}, kCaption, 14),
        result("labmantel", {2160, 2040, 855, 255}, 15, {"Label1", 6}, {"Label9"}, {"Label8"}),
        unit("Label9", "cm", {3120, 1920, 375, 255}, kUnit, 16, Spoken::Centimetre),
        power("Label8", "2", {3480, 1800, 255, 255}, 17, Spoken::Square),
    }};

// The cube seen obliquely, its bottom front edge marked a.
Sketch sketch(const Variant&)
{
    const auto p = [](double x, double y, double z) { return Sketch::oblique(x, y, z); };
    Sketch s;
    s.line(p(0, 1, 0), p(1, 1, 0), Sketch::Base)
        .line(p(1, 1, 0), p(1, 0, 0))
        .line(p(1, 0, 0), p(0, 0, 0));
    s.line(p(0, 0, 0), p(0, 1, 0));
    s.line(p(0, 0, 0), p(0, 0, 1)).line(p(0, 0, 1), p(1, 0, 1)).line(p(1, 0, 1), p(1, 0, 0));
    s.line(p(1, 1, 0), p(1, 1, 1), Sketch::Base).line(p(1, 1, 1), p(1, 0, 1));
    // Through an open top one sees the edges behind, inside.
    s.hidden(p(0, 1, 0), p(0, 1, 1), Sketch::Base | Sketch::Inside);
    s.hidden(p(0, 1, 1), p(1, 1, 1), Sketch::Base | Sketch::Inside);
    s.hidden(p(0, 1, 1), p(0, 0, 1), Sketch::Inside);
    s.top({p(0, 0, 0), p(1, 0, 0), p(1, 0, 1), p(0, 0, 1)});
    s.label("a", p(0.5, 1.13, 0), a.box);
    return s.describe("Würfel mit Seite a");
}

} // namespace

extern const Solid kCube{names::kCube, "opwürfel", kLayout, kCalculator, sketch};

} // namespace solids
