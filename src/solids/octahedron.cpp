#include "catalogue.h"

#include "names.h"

#include <cmath>

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

const Dimension a{"txtkantea", "a", Unit::Centimetre};
const model::Body& body = model::octahedron();

const Calculator kCalculator{
    .dimensions = {a},
    .checks = {positive(a, "Bitte geben Sie für Kante a > 0 ein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                  }}},
    .pi = kExactPi,
    .certainDigits = true,
};

const rt::WindowDescription kLayout{
    "Oktaeder",
    4800,
    3960,
    rt::SystemColor::Desktop,
    {
        title("Label1", 0, "Oktaeder", {1665, 240, 1455, 495}, kTitle, 3),
        caption("Label1", 1, "Kante a:", {360, 960, 1815, 495}, kCaption, 4),
        input("txtkantea", {2280, 960, 615, 285}, 0, {"Label1", 1}, {"Label2"}),
        unit("Label2", "cm", {3000, 960, 375, 255}, kUnit, 5, Spoken::Centimetre),
        caption("Label1", 2, "Volumen:", {360, 1800, 1815, 495}, kCaption, 6),
        result("labvolume", {2280, 1800, 855, 255}, 7, {"Label1", 2}, {"Label3"}, {"Label4"}),
        unit("Label3", "cm", {3240, 1800, 375, 255}, kUnit, 8, Spoken::Centimetre),
        power("Label4", "3", {3600, 1680, 255, 255}, 9, Spoken::Cube),
        caption("Label1", 3, "Oberfläche:", {360, 2400, 1815, 495}, kCaption, 10),
        result("laboberfläche", {2280, 2400, 855, 255}, 11, {"Label1", 3}, {"Label5"}, {"Label6"}),
        unit("Label5", "cm", {3240, 2400, 375, 255}, kUnit, 12, Spoken::Centimetre),
        power("Label6", "2", {3600, 2280, 255, 255}, 13, Spoken::Square),
        button("cmdberechnen", "Berechnen", {720, 3240, 1455, 375}, kButton, 1),
        button("cmdzurück", "Zurück", {2520, 3240, 1095, 375}, kButton, 2),
    }};

// Seen obliquely like the pyramid: the square in the middle, depth at half
// length, its back corner and the four edges that meet there dashed.
Sketch sketch(const Variant&)
{
    constexpr double w = 2.0;               // a as drawn
    const double half = w / std::sqrt(2.0); // from the square's centre to either tip
    const auto p = [](double x, double y, double z) { return Sketch::oblique(x, y, z / 2); };
    const QPointF sq[] = {p(0, half, 0), p(w, half, 0), p(w, half, w), p(0, half, w)};
    const QPointF top = p(w / 2, 0, w / 2), bottom = p(w / 2, 2 * half, w / 2);
    Sketch s;
    s.line(sq[0], sq[1]).line(sq[1], sq[2]).hidden(sq[2], sq[3]).hidden(sq[3], sq[0]);
    for (const QPointF& tip : {top, bottom}) {
        s.line(tip, sq[0]).line(tip, sq[1]).line(tip, sq[2]).hidden(tip, sq[3]);
    }
    s.label("a", (sq[0] + sq[1]) / 2 + QPointF(0, 0.17), a.box);
    return s.describe("Oktaeder mit Kante a");
}

} // namespace

extern const Solid kOctahedron{names::kOctahedron, "opoktaeder", kLayout, kCalculator, sketch};

} // namespace solids
