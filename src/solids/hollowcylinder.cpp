#include "catalogue.h"

#include "names.h"

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

// A pipe: the outer radius R, the bore's radius r, the height h.
const Dimension outer{"txtaußenradiusr", "R", Unit::Centimetre};
const Dimension inner{"txtinnenradiusr", "r", Unit::Centimetre};
const Dimension h{"txthöheh", "h", Unit::Centimetre};
const model::Body& body = model::hollowCylinder();

const Calculator kCalculator{
    .dimensions = {outer, inner, h},
    .checks = {positive(outer, "Bitte geben Sie für Außenradius R > 0 ein"),
               positiveBelow(inner, 1, outer,
                             "Bitte geben Sie für Innenradius r einen Wert größer 0 und kleiner "
                             "als R ein"),
               positive(h, "Bitte geben Sie für Höhe h > 0 ein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(body, "labmantel", "M", Unit::SquareCentimetre),
                      relation(body, "labwandstärkew", "w", Unit::Centimetre),
                  }}},
    .pi = kExactPi,
    .certainDigits = true,
};

const rt::WindowDescription kLayout{
    "Hohlzylinder",
    4800,
    6120,
    rt::SystemColor::Desktop,
    {
        title("Label1", 0, "Hohlzylinder", {1425, 240, 1935, 495}, kTitle, 5),
        caption("Label1", 1, "Außenradius R:", {360, 960, 1815, 495}, kCaption, 6),
        input("txtaußenradiusr", {2280, 960, 615, 285}, 0, {"Label1", 1}, {"Label2"}),
        unit("Label2", "cm", {3000, 960, 375, 255}, kUnit, 7, Spoken::Centimetre),
        caption("Label1", 2, "Innenradius r:", {360, 1440, 1815, 495}, kCaption, 8),
        input("txtinnenradiusr", {2280, 1440, 615, 285}, 1, {"Label1", 2}, {"Label3"}),
        unit("Label3", "cm", {3000, 1440, 375, 255}, kUnit, 9, Spoken::Centimetre),
        caption("Label1", 3, "Höhe h:", {360, 1920, 1815, 495}, kCaption, 10),
        input("txthöheh", {2280, 1920, 615, 285}, 2, {"Label1", 3}, {"Label4"}),
        unit("Label4", "cm", {3000, 1920, 375, 255}, kUnit, 11, Spoken::Centimetre),
        caption("Label1", 4, "Volumen:", {360, 2760, 1815, 495}, kCaption, 12),
        result("labvolume", {2280, 2760, 855, 255}, 13, {"Label1", 4}, {"Label5"}, {"Label6"}),
        unit("Label5", "cm", {3240, 2760, 375, 255}, kUnit, 14, Spoken::Centimetre),
        power("Label6", "3", {3600, 2640, 255, 255}, 15, Spoken::Cube),
        caption("Label1", 5, "Oberfläche:", {360, 3360, 1815, 495}, kCaption, 16),
        result("laboberfläche", {2280, 3360, 855, 255}, 17, {"Label1", 5}, {"Label7"}, {"Label8"}),
        unit("Label7", "cm", {3240, 3360, 375, 255}, kUnit, 18, Spoken::Centimetre),
        power("Label8", "2", {3600, 3240, 255, 255}, 19, Spoken::Square),
        caption("Label1", 6, "Mantel:", {360, 3960, 1815, 495}, kCaption, 20),
        result("labmantel", {2280, 3960, 855, 255}, 21, {"Label1", 6}, {"Label9"}, {"Label10"}),
        unit("Label9", "cm", {3240, 3960, 375, 255}, kUnit, 22, Spoken::Centimetre),
        power("Label10", "2", {3600, 3840, 255, 255}, 23, Spoken::Square),
        caption("Label1", 7, "Wandstärke w:", {360, 4560, 1815, 495}, kCaption, 24),
        result("labwandstärkew", {2280, 4560, 855, 255}, 25, {"Label1", 7}, {"Label11"}),
        unit("Label11", "cm", {3240, 4560, 375, 255}, kUnit, 26, Spoken::Centimetre),
        button("cmdberechnen", "Berechnen", {720, 5400, 1455, 375}, kButton, 3),
        button("cmdzurück", "Zurück", {2520, 5400, 1095, 375}, kButton, 4),
    }};

// The pipe upright: both end rings as flat ellipses, the bottom's back and the
// bore's walls dashed, since the wall hides them.
Sketch sketch(const Variant&)
{
    constexpr double big = 1.0, small = 0.58, flat = 0.3, tall = 2.0;
    const auto ellipse = [](double cy, double rx) {
        return QRectF(-rx, cy - rx * flat, 2 * rx, 2 * rx * flat);
    };
    Sketch s;
    s.arc(ellipse(0, big), 0, 360).arc(ellipse(0, small), 0, 360);
    s.line({-big, 0}, {-big, tall}).line({big, 0}, {big, tall});
    s.arc(ellipse(tall, big), 180, 180, false, Sketch::Base);
    s.arc(ellipse(tall, big), 0, 180, true, Sketch::Base);
    s.arc(ellipse(tall, small), 0, 360, true, Sketch::Base);
    // The top is the ring between the two circles.
    QPainterPath ring;
    ring.addEllipse(ellipse(0, big));
    ring.addEllipse(ellipse(0, small));
    s.top(ring);
    s.hidden({-small, 0}, {-small, tall}).hidden({small, 0}, {small, tall});
    s.line({0, 0}, {big, 0}).line({0, 0}, {-small, 0});
    s.label("R", {(small + big) / 2, -0.14}, outer.box);
    s.label("r", {-small / 2, -0.13}, inner.box);
    s.label("h", {big + 0.16, tall / 2}, h.box);
    return s.describe("Hohlzylinder mit Außenradius R, Innenradius r und Höhe h");
}

} // namespace

extern const Solid kHollowCylinder{names::kHollowCylinder, "ophohlzylinder", kLayout, kCalculator,
                                   sketch};

} // namespace solids
