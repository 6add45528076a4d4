#include "catalogue.h"

#include "names.h"

#include <cmath>

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

// The cap cut off a sphere of radius r by a plane at the height h from its pole.
const Dimension r{"txtkugelradiusr", "r", Unit::Centimetre};
const Dimension h{"txthöheh", "h", Unit::Centimetre};
const model::Body& body = model::sphericalCap();

const Calculator kCalculator{
    .dimensions = {r, h},
    .checks = {positive(r, "Bitte geben Sie für Kugelradius r > 0 ein"),
               positiveBelow(h, 2, r,
                             "Bitte geben Sie für Höhe h einen Wert größer 0 und kleiner als 2r "
                             "ein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(body, "labmantel", "M", Unit::SquareCentimetre),
                      relation(body, "labgrundkreisradiusa", "a", Unit::Centimetre),
                  }}},
    .pi = kExactPi,
    .certainDigits = true,
};

const rt::WindowDescription kLayout{
    "Kugelabschnitt",
    5280,
    5640,
    rt::SystemColor::Desktop,
    {
        title("Label1", 0, "Kugelabschnitt", {1485, 240, 2295, 495}, kTitle, 4),
        caption("Label1", 1, "Kugelradius r:", {360, 960, 2295, 495}, kCaption, 5),
        input("txtkugelradiusr", {2760, 960, 615, 285}, 0, {"Label1", 1}, {"Label2"}),
        unit("Label2", "cm", {3480, 960, 375, 255}, kUnit, 6, Spoken::Centimetre),
        caption("Label1", 2, "Höhe h:", {360, 1440, 2295, 495}, kCaption, 7),
        input("txthöheh", {2760, 1440, 615, 285}, 1, {"Label1", 2}, {"Label3"}),
        unit("Label3", "cm", {3480, 1440, 375, 255}, kUnit, 8, Spoken::Centimetre),
        caption("Label1", 3, "Volumen:", {360, 2280, 2295, 495}, kCaption, 9),
        result("labvolume", {2760, 2280, 855, 255}, 10, {"Label1", 3}, {"Label4"}, {"Label5"}),
        unit("Label4", "cm", {3720, 2280, 375, 255}, kUnit, 11, Spoken::Centimetre),
        power("Label5", "3", {4080, 2160, 255, 255}, 12, Spoken::Cube),
        caption("Label1", 4, "Oberfläche:", {360, 2880, 2295, 495}, kCaption, 13),
        result("laboberfläche", {2760, 2880, 855, 255}, 14, {"Label1", 4}, {"Label6"}, {"Label7"}),
        unit("Label6", "cm", {3720, 2880, 375, 255}, kUnit, 15, Spoken::Centimetre),
        power("Label7", "2", {4080, 2760, 255, 255}, 16, Spoken::Square),
        caption("Label1", 5, "Mantel:", {360, 3480, 2295, 495}, kCaption, 17),
        result("labmantel", {2760, 3480, 855, 255}, 18, {"Label1", 5}, {"Label8"}, {"Label9"}),
        unit("Label8", "cm", {3720, 3480, 375, 255}, kUnit, 19, Spoken::Centimetre),
        power("Label9", "2", {4080, 3360, 255, 255}, 20, Spoken::Square),
        caption("Label1", 6, "Grundkreisradius a:", {360, 4080, 2295, 495}, kCaption, 21),
        result("labgrundkreisradiusa", {2760, 4080, 855, 255}, 22, {"Label1", 6}, {"Label10"}),
        unit("Label10", "cm", {3720, 4080, 375, 255}, kUnit, 23, Spoken::Centimetre),
        button("cmdberechnen", "Berechnen", {720, 4920, 1455, 375}, kButton, 2),
        button("cmdzurück", "Zurück", {2520, 4920, 1095, 375}, kButton, 3),
    }};

// The cap drawn on its sphere, whose rest is dashed: the base circle as a flat
// ellipse, the height from the pole down to it and the sphere's radius from
// the centre to the base's rim.
Sketch sketch(const Variant&)
{
    constexpr double cap = 0.7, flat = 0.3;      // h as drawn, the base's squash; r is 1
    const double cut = cap - 1;                  // y of the base plane, the centre at 0
    const double a = std::sqrt(cap * (2 - cap)); // the base's radius
    const double edge = std::asin(-cut) * 180 / kExactPi;
    const QRectF sphere(-1, -1, 2, 2);
    const QRectF ground(-a, cut - a * flat, 2 * a, 2 * a * flat);
    Sketch s;
    s.arc(sphere, edge, 180 - 2 * edge).arc(sphere, 180 - edge, 180 + 2 * edge, true);
    s.arc(ground, 180, 180).arc(ground, 0, 180, true);
    s.hidden({0, -1}, {0, cut}).hidden({0, 0}, {a, cut}).line({0, cut}, {-a, cut});
    s.label("h", {-0.13, (cut - 1) / 2}, h.box);
    s.label("r", {a / 2 + 0.14, cut / 2 + 0.05}, r.box);
    s.label("a", {-a / 2, cut - 0.13}, "");
    return s.describe("Kugelabschnitt mit Kugelradius r, Höhe h und Grundkreisradius a");
}

} // namespace

extern const Solid kSphericalCap{names::kSphericalCap, "opkugelabschnitt", kLayout, kCalculator,
                                 sketch};

} // namespace solids
