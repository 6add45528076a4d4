#include "catalogue.h"

#include "names.h"

#include <cmath>

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

// A ring torus: R from the axis to the tube's centre, r the tube's radius.
const Dimension ring{"txtringradiusr", "R", Unit::Centimetre};
const Dimension tube{"txtrohrradiusr", "r", Unit::Centimetre};
const model::Body& body = model::torus();

// A torus has no base faces, so no lateral surface either.
const Calculator kCalculator{
    .dimensions = {ring, tube},
    .checks = {positive(ring, "Bitte geben Sie für Ringradius R > 0 ein"),
               positive(tube, "Bitte geben Sie für Rohrradius r > 0 ein"),
               holds({&body.conditions.at(0)},
                     "Der Rohrradius r darf nicht größer als der Ringradius R sein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                  }}},
    .pi = kExactPi,
};

const rt::WindowDescription kLayout{
    "Torus",
    4680,
    4440,
    rt::SystemColor::Desktop,
    {
        title("Label1", 0, "Torus", {1920, 240, 975, 495}, kTitle, 4),
        caption("Label1", 1, "Ringradius R:", {360, 960, 1695, 495}, kCaption, 5),
        input("txtringradiusr", {2160, 960, 615, 285}, 0, {"Label1", 1}, {"Label2"}),
        unit("Label2", "cm", {2880, 960, 375, 255}, kUnit, 6, Spoken::Centimetre),
        caption("Label1", 2, "Rohrradius r:", {360, 1440, 1695, 495}, kCaption, 7),
        input("txtrohrradiusr", {2160, 1440, 615, 285}, 1, {"Label1", 2}, {"Label3"}),
        unit("Label3", "cm", {2880, 1440, 375, 255}, kUnit, 8, Spoken::Centimetre),
        caption("Label1", 3, "Volume:", {360, 2280, 1455, 495}, kCaption, 9),
        result("labvolume", {2040, 2280, 855, 255}, 10, {"Label1", 3}, {"Label4"}, {"Label5"}),
        unit("Label4", "cm", {3000, 2280, 375, 255}, kUnit, 11, Spoken::Centimetre),
        power("Label5", "3", {3360, 2160, 255, 255}, 12, Spoken::Cube),
        caption("Label1", 4, "Oberfläche:", {360, 2880, 1455, 495}, kCaption, 13),
        result("laboberfläche", {2040, 2880, 855, 255}, 14, {"Label1", 4}, {"Label6"}, {"Label7"}),
        unit("Label6", "cm", {3000, 2880, 375, 255}, kUnit, 15, Spoken::Centimetre),
        power("Label7", "2", {3360, 2760, 255, 255}, 16, Spoken::Square),
        button("cmdberechnen", "Berechnen", {720, 3720, 1455, 375}, kButton, 2),
        button("cmdzurück", "Zurück", {2520, 3720, 1095, 375}, kButton, 3),
    }};

// The ring torus seen a little from above, as flat ellipses: the outline, the
// dashed centre line of the tube and the hole. Seen this low, the hole is a
// lens with pointed ends: above, the far tube's inner side bounds it, below,
// the near tube's top, whose edge runs on a little past the points.
Sketch sketch(const Variant&)
{
    constexpr double big = 1.5, small = 0.35, flat = 0.47; // R, r, the ring's squash
    constexpr double wide = 1.25; // half width of the two ellipses the lens is cut from
    const double b = big * flat;  // the centre line's half height
    const double gap = b - small; // half the lens's height
    // Where the points of the lens lie: there the nearest centre line is r away.
    const double tip = std::sqrt((big * big - b * b) * (1 - small * small / (b * b)));
    // Each of the lens's ellipses passes through both points, its middle off
    // the centre by lean times its half height.
    const double lean = std::sqrt(1 - tip * tip / (wide * wide));
    const double high = gap / (1 - lean);
    const double end = std::acos(tip / wide) * 180 / kExactPi;
    constexpr double past = 12; // degrees the near tube's edge runs past a point
    const auto ellipse = [](double cy, double rx, double ry) {
        return QRectF(-rx, cy - ry, 2 * rx, 2 * ry);
    };
    Sketch s;
    s.arc(ellipse(0, big + small, b + small), 0, 360);
    s.arc(ellipse(0, big, b), 0, 360, true);
    s.arc(ellipse(high * lean, wide, high), end, 180 - 2 * end);
    s.arc(ellipse(-high * lean, wide, high), 180 + end - past, 180 - 2 * end + 2 * past);
    // R to the left, open across the hole; r to the right, where it has room.
    s.line({0, 0}, {-tip, 0}).hidden({-tip, 0}, {-big, 0});
    s.hidden({big, 0}, {big + small, 0});
    s.label("R", {-0.3, -0.17}, ring.box);
    s.label("r", {big + small / 2, -0.16}, tube.box);
    return s.describe("Torus mit Ringradius R und Rohrradius r");
}

} // namespace

extern const Solid kTorus{names::kTorus, "optorus", kLayout, kCalculator, sketch};

} // namespace solids
