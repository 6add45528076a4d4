#include "catalogue.h"

#include "names.h"

#include <cmath>

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

const Dimension n{"txteckenn", "n", Unit::None};
const Dimension a{"txtseitea", "a", Unit::Centimetre};
const Dimension h{"txthöheh", "h", Unit::Centimetre};
const model::Body& body = model::prism();

const Calculator kCalculator{
    .dimensions = {n, a, h},
    .checks = {wholeFrom(n, 3, "Bitte geben Sie für Ecken n eine ganze Zahl ab 3 ein"),
               positive(a, "Bitte geben Sie für Seite a > 0 ein"),
               positive(h, "Bitte geben Sie für Höhe h > 0 ein")},
    .variants = {{nullptr,
                  nullptr,
                  &body,
                  {
                      relation(body, "labgrundfläche", "G", Unit::SquareCentimetre),
                      relation(body, "labvolume", "V", Unit::CubicCentimetre),
                      relation(body, "laboberfläche", "O", Unit::SquareCentimetre),
                      relation(body, "labmantel", "M", Unit::SquareCentimetre),
                  }}},
    .pi = kExactPi,
};

// Inputs above, results below, each result followed by "cm" and its power.
const rt::WindowDescription kLayout{
    "Prisma",
    4680,
    6120,
    rt::SystemColor::Desktop,
    {
        title("Label1", 0, "Prisma", {1800, 240, 1095, 495}, kTitle, 5),
        caption("Label1", 1, "Ecken n:", {480, 960, 1215, 495}, kCaption, 6),
        input("txteckenn", {1800, 960, 615, 285}, 0, {"Label1", 1}),
        caption("Label1", 2, "Seite a:", {480, 1440, 1215, 495}, kCaption, 7),
        input("txtseitea", {1800, 1440, 615, 285}, 1, {"Label1", 2}, {"Label2"}),
        unit("Label2", "cm", {2520, 1440, 375, 255}, kUnit, 8, Spoken::Centimetre),
        caption("Label1", 3, "Höhe h:", {480, 1920, 1215, 495}, kCaption, 9),
        input("txthöheh", {1800, 1920, 615, 285}, 2, {"Label1", 3}, {"Label3"}),
        unit("Label3", "cm", {2520, 1920, 375, 255}, kUnit, 10, Spoken::Centimetre),
        caption("Label1", 4, "Volume:", {480, 2760, 1455, 495}, kCaption, 11),
        result("labvolume", {2040, 2760, 855, 255}, 12, {"Label1", 4}, {"Label4"}, {"Label5"}),
        unit("Label4", "cm", {3000, 2760, 375, 255}, kUnit, 13, Spoken::Centimetre),
        power("Label5", "3", {3360, 2640, 255, 255}, 14, Spoken::Cube),
        caption("Label1", 5, "Oberfläche:", {480, 3360, 1455, 495}, kCaption, 15),
        result("laboberfläche", {2040, 3360, 855, 255}, 16, {"Label1", 5}, {"Label6"}, {"Label7"}),
        unit("Label6", "cm", {3000, 3360, 375, 255}, kUnit, 17, Spoken::Centimetre),
        power("Label7", "2", {3360, 3240, 255, 255}, 18, Spoken::Square),
        caption("Label1", 6, "Mantel:", {480, 3960, 1455, 495}, kCaption, 19),
        result("labmantel", {2040, 3960, 855, 255}, 20, {"Label1", 6}, {"Label8"}, {"Label9"}),
        unit("Label8", "cm", {3000, 3960, 375, 255}, kUnit, 21, Spoken::Centimetre),
        power("Label9", "2", {3360, 3840, 255, 255}, 22, Spoken::Square),
        caption("Label1", 7, "Grundfläche:", {480, 4560, 1455, 495}, kCaption, 23),
        result("labgrundfläche", {2040, 4560, 855, 255}, 24, {"Label1", 7}, {"Label10"},
               {"Label11"}),
        unit("Label10", "cm", {3000, 4560, 375, 255}, kUnit, 25, Spoken::Centimetre),
        power("Label11", "2", {3360, 4440, 255, 255}, 26, Spoken::Square),
        button("cmdberechnen", "Berechnen", {720, 5400, 1455, 375}, kButton, 3),
        button("cmdzurück", "Zurück", {2520, 5400, 1095, 375}, kButton, 4),
    }};

// The right prism over a regular pentagon, its front edge across the picture.
// Depth goes at full length: shortened, the far vertical edges fall onto the
// near ones. The front, right-front and top faces are the ones in view.
Sketch sketch(const Variant&)
{
    constexpr double radius = 1.0, tall = 1.6;
    const auto p = [](double x, double y, double z) { return Sketch::oblique(x, y, z); };
    // Corners counter-clockwise from the front left, seen from above.
    const auto corner = [&](int k, double y) {
        const double t = (234 + 72 * k) * kExactPi / 180;
        return p(radius * std::cos(t), y, radius * std::sin(t));
    };
    Sketch s;
    std::vector<QPointF> top;
    for (int k = 0; k < 5; ++k) {
        top.push_back(corner(k, 0));
        s.line(corner(k, 0), corner(k + 1, 0));
        if (k < 2)
            s.line(corner(k, tall), corner(k + 1, tall), Sketch::Base);
        else
            s.hidden(corner(k, tall), corner(k + 1, tall), Sketch::Base | Sketch::Inside);
        if (k < 3)
            s.line(corner(k, 0), corner(k, tall));
        else
            s.hidden(corner(k, 0), corner(k, tall), Sketch::Inside);
    }
    s.top(top);
    const QPointF front = (corner(0, tall) + corner(1, tall)) / 2;
    s.label("a", front + QPointF(0, 0.15), a.box);
    s.label("h", corner(0, tall / 2) + QPointF(-0.14, 0), h.box);
    s.label("n Ecken", (corner(1, tall) + corner(2, tall)) / 2 + QPointF(0.45, 0.3), n.box);
    return s.describe("Prisma über einem regelmäßigen n-Eck mit Seite a und Höhe h");
}

} // namespace

extern const Solid kPrism{names::kPrism, "opprisma", kLayout, kCalculator, sketch};

} // namespace solids
