#include "catalogue.h"

#include "names.h"

#include <cmath>

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

const Dimension a{"txtkantea", "a", Unit::Centimetre};
const model::Body& body = model::tetrahedron();

const Calculator kCalculator{
    .dimensions = {a},
    .checks = {positive(a, "Bitte geben Sie für Kante a > 0 ein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(body, "labhöheh", "h", Unit::Centimetre),
                  }}},
    .pi = kExactPi,
    .certainDigits = true,
};

const rt::WindowDescription kLayout{
    "Tetraeder",
    4800,
    4560,
    rt::SystemColor::Desktop,
    {
        title("Label1", 0, "Tetraeder", {1665, 240, 1455, 495}, kTitle, 3),
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
        caption("Label1", 4, "Höhe h:", {360, 3000, 1815, 495}, kCaption, 14),
        result("labhöheh", {2280, 3000, 855, 255}, 15, {"Label1", 4}, {"Label7"}),
        unit("Label7", "cm", {3240, 3000, 375, 255}, kUnit, 16, Spoken::Centimetre),
        button("cmdberechnen", "Berechnen", {720, 3840, 1455, 375}, kButton, 1),
        button("cmdzurück", "Zurück", {2520, 3840, 1095, 375}, kButton, 2),
    }};

// Seen obliquely as pupils draw it: the front face whole, the right one beside
// it, the base's edge to the back corner dashed. Depth at full length, or the
// back corner would hide behind the front face.
Sketch sketch(const Variant&)
{
    constexpr double w = 2.0;                     // a as drawn
    const double deep = w * std::sqrt(3.0) / 2;   // the base triangle's depth
    const double tall = w * std::sqrt(2.0 / 3.0); // h as drawn
    const QPointF left = Sketch::oblique(0, tall, 0), right = Sketch::oblique(w, tall, 0);
    const QPointF back = Sketch::oblique(w / 2, tall, deep);
    const QPointF apex = Sketch::oblique(w / 2, 0, deep / 3);
    const QPointF foot = Sketch::oblique(w / 2, tall, deep / 3);
    Sketch s;
    s.line(left, right).line(right, back).hidden(back, left);
    s.line(apex, left).line(apex, right).line(apex, back);
    s.hidden(apex, foot);
    s.label("a", (left + right) / 2 + QPointF(0, 0.17), a.box);
    s.label("h", (apex + foot) / 2 + QPointF(-0.14, 0), "");
    return s.describe("Tetraeder mit Kante a und Höhe h");
}

} // namespace

extern const Solid kTetrahedron{names::kTetrahedron, "optetraeder", kLayout, kCalculator, sketch};

} // namespace solids
