#include "catalogue.h"

#include "names.h"

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

const Dimension r{"txtradiusr", "r", Unit::Centimetre};
const model::Body& body = model::hemisphere();

const Calculator kCalculator{
    .dimensions = {r},
    .checks = {positive(r, "Bitte geben Sie für Radius r > 0 ein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(body, "labmantel", "M", Unit::SquareCentimetre),
                  }}},
    .pi = kExactPi,
    .certainDigits = true,
};

const rt::WindowDescription kLayout{
    "Halbkugel",
    4800,
    4560,
    rt::SystemColor::Desktop,
    {
        title("Label1", 0, "Halbkugel", {1605, 240, 1575, 495}, kTitle, 3),
        caption("Label1", 1, "Radius r:", {360, 960, 1815, 495}, kCaption, 4),
        input("txtradiusr", {2280, 960, 615, 285}, 0, {"Label1", 1}, {"Label2"}),
        unit("Label2", "cm", {3000, 960, 375, 255}, kUnit, 5, Spoken::Centimetre),
        caption("Label1", 2, "Volumen:", {360, 1800, 1815, 495}, kCaption, 6),
        result("labvolume", {2280, 1800, 855, 255}, 7, {"Label1", 2}, {"Label3"}, {"Label4"}),
        unit("Label3", "cm", {3240, 1800, 375, 255}, kUnit, 8, Spoken::Centimetre),
        power("Label4", "3", {3600, 1680, 255, 255}, 9, Spoken::Cube),
        caption("Label1", 3, "Oberfläche:", {360, 2400, 1815, 495}, kCaption, 10),
        result("laboberfläche", {2280, 2400, 855, 255}, 11, {"Label1", 3}, {"Label5"}, {"Label6"}),
        unit("Label5", "cm", {3240, 2400, 375, 255}, kUnit, 12, Spoken::Centimetre),
        power("Label6", "2", {3600, 2280, 255, 255}, 13, Spoken::Square),
        caption("Label1", 4, "Mantel:", {360, 3000, 1815, 495}, kCaption, 14),
        result("labmantel", {2280, 3000, 855, 255}, 15, {"Label1", 4}, {"Label7"}, {"Label8"}),
        unit("Label7", "cm", {3240, 3000, 375, 255}, kUnit, 16, Spoken::Centimetre),
        power("Label8", "2", {3600, 2880, 255, 255}, 17, Spoken::Square),
        button("cmdberechnen", "Berechnen", {720, 3840, 1455, 375}, kButton, 1),
        button("cmdzurück", "Zurück", {2520, 3840, 1095, 375}, kButton, 2),
    }};

// The dome on its base circle, a flat ellipse with its back dashed, and the
// radius in the base, dashed like every line within.
Sketch sketch(const Variant&)
{
    constexpr double flat = 0.3; // the base's half height; the radius is 1
    const QRectF base(-1, -flat, 2, 2 * flat);
    Sketch s;
    s.arc(QRectF(-1, -1, 2, 2), 0, 180);
    s.arc(base, 180, 180, false, Sketch::Base).arc(base, 0, 180, true, Sketch::Base);
    s.hidden({0, 0}, {1, 0});
    s.label("r", {0.5, -0.12}, r.box);
    return s.describe("Halbkugel mit Radius r");
}

} // namespace

extern const Solid kHemisphere{names::kHemisphere, "ophalbkugel", kLayout, kCalculator, sketch};

} // namespace solids
