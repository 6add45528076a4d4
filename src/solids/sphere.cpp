#include "catalogue.h"

#include "names.h"

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

const Dimension r{"txtradiusr", "r", Unit::Centimetre};
const model::Body& body = model::sphere();

const Calculator kCalculator{
    .dimensions = {r},
    .checks = {positive(r, "Bitte geben Sie für Radius r > 0 ein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                  }}},
};

const rt::WindowDescription kLayout{
    "Kugel",
    4305,
    4905,
    rt::SystemColor::Desktop,
    {
        input("txtradiusr", {1680, 720, 615, 285}, 2, {"Label1", 2}, {"Label6"}),
        button("cmdberechnen", "Berechnen", {480, 3360, 1455, 375}, kButton, 1),
        button("cmdzurück", "Zurück", {2280, 3360, 1095, 375}, kButton, 0),
        title("Label1", 0, "Kugel", {1800, 120, 735, 495}, kTitle, 13),
        unit("Label6", "cm", {2400, 720, 375, 255}, kUnit, 12, Spoken::Centimetre),
        caption("Label1", 2, "Radius r:", {600, 720, 975, 495}, kCaption, 11),
        power("Label5", "3", {3360, 1440, 255, 255}, 10, Spoken::Cube),
        unit("Label4", "cm", {3000, 1560, 255, 375}, kUnit, 9, Spoken::Centimetre),
        power("Label7", "2", {3360, 2040, 255, 255}, 8, Spoken::Square),
        unit("Label8", "cm", {3000, 2160, 375, 255}, kUnit, 7, Spoken::Centimetre),
        result("labvolume", {2040, 1560, 855, 255}, 6, {"Label1", 4}, {"Label4"}, {"Label5"}),
        result("laboberfläche", {2040, 2280, 855, 255}, 5, {"Label1", 5}, {"Label8"}, {"Label7"}),
        caption("Label1", 4, "Volume:", {360, 1560, 1455, 495}, kCaption, 4),
        caption("Label1", 5, "Oberfläche:", {360, 2280, 1455, 495}, kCaption, 3),
    }};

// The sphere as pupils draw it: its outline, the equator as a flat ellipse
// with its back dashed, and a radius inside it, dashed like every line within.
Sketch sketch(const Variant&)
{
    constexpr double flat = 0.3; // the equator's half height; the radius is 1
    const QRectF equator(-1, -flat, 2, 2 * flat);
    Sketch s;
    s.arc(QRectF(-1, -1, 2, 2), 0, 360);
    s.arc(equator, 180, 180).arc(equator, 0, 180, true);
    s.hidden({0, 0}, {1, 0});
    s.label("r", {0.5, -0.12}, r.box);
    return s.describe("Kugel mit Radius r");
}

} // namespace

extern const Solid kSphere{names::kSphere, "opkugel", kLayout, kCalculator, sketch};

} // namespace solids
