#include "catalogue.h"

#include "names.h"

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

const Dimension a{"txtseitea", "a", Unit::Centimetre};
const Dimension b{"txtseiteb", "b", Unit::Centimetre};
const Dimension c{"txtseitec", "c", Unit::Centimetre};
const model::Body& body = model::cuboid();

const Calculator kCalculator{
    .dimensions = {a, b, c},
    .checks = {positive(a, "Bitte geben Sie für Seite a > 0 ein"),
               positive(b, "Bitte geben Sie für Seite b > 0 ein"),
               positive(c, "Bitte geben Sie für Seite c > 0 ein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(body, "labmantel", "M", Unit::SquareCentimetre),
                  }}},
};

const rt::WindowDescription kLayout{
    "Quader",
    4275,
    6525,
    rt::SystemColor::Desktop,
    {
        title("Label1", 0, "Quader", {2040, 240, 975, 495}, kTitle, 0),
        input("txtseitea", {1440, 1320, 615, 285}, 1, {"Label1", 2}, {"Label6"}),
        unit("Label6", "cm", {2160, 1320, 375, 255}, kUnit, 2, Spoken::Centimetre),
        caption("Label1", 2, "Seite a:", {360, 1320, 975, 495}, kCaption, 3),
        input("txtseiteb", {1440, 1800, 615, 285}, 4, {"Label1", 1}, {"Label2"}),
        unit("Label2", "cm", {2160, 1800, 375, 255}, kUnit, 5, Spoken::Centimetre),
        caption("Label1", 1, "Seite b:", {360, 1800, 975, 495}, kCaption, 6),
        input("txtseitec", {1440, 2280, 615, 285}, 7, {"Label1", 3}, {"Label3"}),
        unit("Label3", "cm", {2160, 2280, 375, 255}, kUnit, 8, Spoken::Centimetre),
        caption("Label1", 3, "Seite c:", {360, 2280, 975, 495}, kCaption, 9),
        power("Label5", "3", {3360, 4680, 255, 255}, 10, Spoken::Cube),
        unit("Label4", "cm", {3000, 4800, 255, 375}, kUnit, 11, Spoken::Centimetre),
        power("Label7", "2", {3360, 3840, 255, 255}, 12, Spoken::Square),
        unit("Label8", "cm", {3000, 3960, 375, 255}, kUnit, 13, Spoken::Centimetre),
        result("labvolume", {2040, 4800, 855, 255}, 14, {"Label1", 4}, {"Label4"}, {"Label5"}),
        result("laboberfläche", {2040, 4080, 855, 255}, 15, {"Label1", 5}, {"Label8"}, {"Label7"}),
        caption("Label1", 4, "Volume:", {360, 4800, 1455, 495}, kCaption, 16),
        caption("Label1", 5, "Oberfläche:", {360, 4080, 1455, 495}, kCaption, 17),
        button("cmdberechnen", "Berechnen", {720, 5760, 1455, 375}, kButton, 18),
        button("cmdzurück", "Zurück", {2520, 5760, 1095, 375}, kButton, 19),
        caption("Label1", 6, "Mantel:", {360, 3480, 1455, 495}, kCaption, 20),
        result("labmantel", {2040, 3480, 855, 255}, 21, {"Label1", 6}, {"Label9"}, {"Label10"}),
        unit("Label9", "cm", {3000, 3360, 375, 255}, kUnit, 22, Spoken::Centimetre),
        power("Label10", "2", {3360, 3240, 255, 255}, 23, Spoken::Square),
    }};

// The cuboid seen obliquely: a along the front, b receding, c upright. Wider
// than deep and high, so the three letters name visibly different edges.
Sketch sketch(const Variant&)
{
    constexpr double w = 1.6, d = 0.8, t = 1.0; // a, b, c as drawn
    const auto p = [](double x, double y, double z) { return Sketch::oblique(x, y, z); };
    Sketch s;
    s.line(p(0, t, 0), p(w, t, 0), Sketch::Base)
        .line(p(w, t, 0), p(w, 0, 0))
        .line(p(w, 0, 0), p(0, 0, 0));
    s.line(p(0, 0, 0), p(0, t, 0));
    s.line(p(0, 0, 0), p(0, 0, d)).line(p(0, 0, d), p(w, 0, d)).line(p(w, 0, d), p(w, 0, 0));
    s.line(p(w, t, 0), p(w, t, d), Sketch::Base).line(p(w, t, d), p(w, 0, d));
    // Through an open top one sees the edges behind, inside.
    s.hidden(p(0, t, 0), p(0, t, d), Sketch::Base | Sketch::Inside);
    s.hidden(p(0, t, d), p(w, t, d), Sketch::Base | Sketch::Inside);
    s.hidden(p(0, t, d), p(0, 0, d), Sketch::Inside);
    s.top({p(0, 0, 0), p(w, 0, 0), p(w, 0, d), p(0, 0, d)});
    s.label("a", p(w / 2, t + 0.13, 0), a.box);
    s.label("b", p(w, t, d / 2) + QPointF(0.16, 0.1), b.box);
    s.label("c", p(-0.14, t / 2, 0), c.box);
    return s.describe("Quader mit den Seiten a, b und c");
}

} // namespace

extern const Solid kCuboid{names::kCuboid, "opquader", kLayout, kCalculator, sketch};

} // namespace solids
