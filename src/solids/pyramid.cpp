#include "catalogue.h"

#include "names.h"

namespace solids {

namespace {

using namespace rt::rows;
using rt::Spoken;

constexpr rt::FontSpec kOption{"Georgia", 9, true};

// The option that chooses the frustum: its variant, its row and its sketch.
constexpr char kFrustum[] = "opstumpf";

const Dimension a1{"txtseitea1", "a1", Unit::Centimetre};
// The pyramid has no top face: only the frustum reads, checks and lists a2.
const Dimension a2{"txtseitea2", "a2", Unit::Centimetre, kFrustum};
const Dimension h{"txthöheh", "h", Unit::Centimetre};

// The window calls the pyramid's base edge a1, like the frustum's.
const model::Body& pyramidBody = model::pyramid(QStringLiteral("a1"));
const model::Body& frustumBody = model::frustum();

// Both solids write the side-face height too, so "Seite hs:" always belongs to
// the solid last computed.
const Calculator kCalculator{
    .dimensions = {a1, a2, h},
    .checks = {positive(a1, "Bitte geben Sie für Seite a1 > 0 ein"),
               positive(h, "Bitte geben Sie für Höhe h > 0 ein"),
               positive(a2, "Bitte geben Sie für Seite a2 > 0 ein")},
    .variants =
        {
            {"oppyramide",
             "Pyramide",
             &pyramidBody,
             {
                 relation(pyramidBody, "laboberfläche", "O", Unit::SquareCentimetre),
                 relation(pyramidBody, "labvolume", "V", Unit::CubicCentimetre),
                 relation(pyramidBody, "labmantel", "M", Unit::SquareCentimetre),
                 relation(pyramidBody, "labseitehs", "hs", Unit::Centimetre),
             },
             nullptr,
             {{"a", "a1"}}},
            {kFrustum,
             "Pyramidenstumpf",
             &frustumBody,
             {
                 relation(frustumBody, "laboberfläche", "O", Unit::SquareCentimetre),
                 relation(frustumBody, "labvolume", "V", Unit::CubicCentimetre),
                 relation(frustumBody, "labmantel", "M", Unit::SquareCentimetre),
                 relation(frustumBody, "labseitehs", "hs", Unit::Centimetre),
             }},
        },
    .choiceMessage = "Bitte wählen Sie Pyramide oder Pyramidenstumpf aus.",
};

const rt::WindowDescription kLayout{
    "Pyramide/Pyramidenstumpf",
    6390,
    6585,
    rt::SystemColor::Desktop,
    {
        input("txthöheh", {4680, 1800, 615, 285}, 0, {"Label1", 1}, {"Label2"}),
        input("txtseitea2", {4680, 1320, 615, 285}, 1, {"Label1", 2}, {"Label6"}),
        caption("Label1", 1, "Hähe h:", {3600, 1800, 975, 495}, kCaption, 2),
        unit("Label2", "cm", {5400, 1800, 375, 255}, kUnit, 3, Spoken::Centimetre),
        caption("Label1", 2, "Seite a2:", {3600, 1320, 975, 495}, kCaption, 4),
        unit("Label6", "cm", {5400, 1320, 375, 255}, kUnit, 5, Spoken::Centimetre),
        title("Label1", 0, "Pyramide/Pyramidenstumpf", {480, 240, 3375, 495}, kTitle, 6),
        caption("Label1", 5, "Oberfläche:", {480, 4440, 1455, 495}, kCaption, 7),
        caption("Label1", 4, "Volume:", {480, 3720, 1455, 495}, kCaption, 8),
        result("laboberfläche", {2160, 4440, 855, 255}, 9, {"Label1", 5}, {"Label8"}, {"Label7"}),
        result("labvolume", {2160, 3720, 855, 255}, 10, {"Label1", 4}, {"Label4"}, {"Label5"}),
        unit("Label8", "cm", {3120, 4320, 375, 255}, kUnit, 11, Spoken::Centimetre),
        power("Label7", "2", {3480, 4200, 255, 255}, 12, Spoken::Square),
        unit("Label4", "cm", {3120, 3720, 255, 375}, kUnit, 13, Spoken::Centimetre),
        power("Label5", "3", {3480, 3600, 255, 255}, 14, Spoken::Cube),
        button("cmdzurück", "Zurück", {2520, 5640, 1095, 375}, kButton, 15),
        button("cmdberechnen", "Berechnen", {720, 5640, 1455, 375}, kButton, 16),
        power("Label3", "2", {3480, 2880, 255, 255}, 17, Spoken::Square),
        unit("Label9", "cm", {3120, 3000, 375, 255}, kUnit, 18, Spoken::Centimetre),
        result("labmantel", {2160, 3120, 855, 255}, 19, {"Label1", 6}, {"Label9"}, {"Label3"}),
        caption("Label1", 6, "Mantel:", {480, 3120, 1455, 495}, kCaption, 20),
        option("oppyramide", "Pyramide", {480, 1080, 1935, 375}, kOption, 21),
        option(kFrustum, "Pyramidenstumpf", {480, 1680, 2295, 375}, kOption, 22),
        input("txtseitea1", {4680, 840, 615, 285}, 23, {"Label1", 3}, {"Label10"}),
        unit("Label10", "cm", {5400, 840, 375, 255}, kUnit, 24, Spoken::Centimetre),
        caption("Label1", 3, "Seite a1:", {3600, 840, 975, 495}, kCaption, 25),
        unit("Label11", "cm", {5400, 2280, 375, 255}, kUnit, 26, Spoken::Centimetre),
        caption("Label1", 7, "Seite hs:", {3600, 2280, 975, 495}, kCaption, 27),
        result("labseitehs", {4680, 2280, 495, 255}, 28, {"Label1", 7}, {"Label11"}),
    }};

// The square pyramid, or its frustum, seen obliquely; a top side of 0 is the
// apex. Depth goes at half length, as pupils draw it: at full length the
// square base looks twice as deep as wide and the apex crowds the far edges.
Sketch sketch(const Variant& variant)
{
    const bool frustum = qstrcmp(variant.option, kFrustum) == 0;
    constexpr double w = 2.0;                // a1 as drawn
    const double top = frustum ? 1.2 : 0.0;  // a2 as drawn
    const double tall = frustum ? 1.7 : 2.0; // h as drawn
    const double m = (w - top) / 2;          // inset of the top face
    const auto p = [](double x, double y, double z) { return Sketch::oblique(x, y, z / 2); };
    const QPointF base[] = {p(0, tall, 0), p(w, tall, 0), p(w, tall, w), p(0, tall, w)};
    const QPointF cap[] = {p(m, 0, m), p(m + top, 0, m), p(m + top, 0, m + top), p(m, 0, m + top)};
    Sketch s;
    s.line(base[0], base[1], Sketch::Base).line(base[1], base[2], Sketch::Base);
    s.hidden(base[2], base[3], Sketch::Base | Sketch::Inside);
    s.hidden(base[3], base[0], Sketch::Base | Sketch::Inside);
    s.line(base[0], cap[0]).line(base[1], cap[1]).line(base[2], cap[2]);
    s.hidden(base[3], cap[3], Sketch::Inside);
    if (frustum) {
        s.line(cap[0], cap[1]).line(cap[1], cap[2]).line(cap[2], cap[3]).line(cap[3], cap[0]);
        s.top({cap[0], cap[1], cap[2], cap[3]});
    }
    s.hidden(p(w / 2, tall, w / 2), p(w / 2, 0, w / 2));
    s.line(p(w / 2, tall, 0), p(w / 2, 0, m));
    s.label("a1", p(w / 2, tall + 0.15, 0), a1.box);
    s.label("h", p(w / 2, tall * (frustum ? 0.62 : 0.45), w / 2) + QPointF(0.14, 0), h.box);
    s.label("hs", p(w / 2, tall * 0.8, 0) + QPointF(-0.22, 0), "");
    if (frustum) {
        // Under its front edge and right of the height: the hidden edge crosses the left half.
        s.label("a2", p(m + top * 0.86, 0.17, m), a2.box);
        return s.describe(
            "Pyramidenstumpf mit Grundseite a1, Deckseite a2, Höhe h und Seitenhöhe hs");
    }
    return s.describe("Pyramide mit Grundseite a1, Höhe h und Seitenhöhe hs");
}

} // namespace

extern const Solid kPyramid{names::kPyramid, "oppyramide", kLayout, kCalculator, sketch};

} // namespace solids
