#include "pyramid.h"

namespace solids {

using enum rt::Kind;
using rt::Role;

namespace {

constexpr rt::FontSpec kOption{"Georgia", 9, true};

// The height of a side face: over half the base side for the pyramid, over
// half the difference of the two sides for the frustum.
Real pyramidSideHeight(const Inputs& in)
{
    const Real u = in("txtseitea1") / 2;
    const Real w = pow(in("txthöheh"), 2) + pow(u, 2);
    return pow(w, 0.5);
}

Real frustumSideHeight(const Inputs& in)
{
    const Real u = (in("txtseitea1") - in("txtseitea2")) / 2;
    return pow(pow(in("txthöheh"), 2) + pow(u, 2), 0.5);
}

// The perimeter of both square faces together, a1 + a2 added to itself.
Real frustumSides(const Inputs& in)
{
    const Real s = in("txtseitea1") + in("txtseitea2");
    return s + s;
}

} // namespace

// Both solids write the side-face height too, so "Seite hs:" always belongs to
// the solid last computed.
const Calculator kPyramid{
    .checks = {{"txtseitea1", "Bitte geben Sie für Seite a1 > 0 ein"},
               {"txthöheh", "Bitte geben Sie für Höhe h > 0 ein"},
               {"txtseitea2", "Bitte geben Sie für Seite a2 > 0 ein"}},
    .variants =
        {
            {"oppyramide",
             {
                 {"laboberfläche",
                  [](const Inputs& in) {
                      const Real hs = pyramidSideHeight(in);
                      return pow(in("txtseitea1"), 2) + (in("txtseitea1") + in("txtseitea1")) * hs;
                  }},
                 {"labvolume",
                  [](const Inputs& in) {
                      return (pow(in("txtseitea1"), 2) * (Real(1) / 3)) * in("txthöheh");
                  }},
                 {"labmantel",
                  [](const Inputs& in) {
                      const Real hs = pyramidSideHeight(in);
                      return (in("txtseitea1") + in("txtseitea1")) * hs;
                  }},
                 {"labseitehs", pyramidSideHeight},
             }},
            {"opstumpf",
             {
                 {"laboberfläche",
                  [](const Inputs& in) {
                      const Real faces = pow(in("txtseitea1"), 2) + pow(in("txtseitea2"), 2);
                      const Real s = frustumSides(in);
                      return faces + s * frustumSideHeight(in);
                  }},
                 {"labvolume",
                  [](const Inputs& in) {
                      return (in("txthöheh") * (Real(1) / 3)) *
                             ((pow(in("txtseitea1"), 2) + in("txtseitea1") * in("txtseitea2")) +
                              pow(in("txtseitea2"), 2));
                  }},
                 {"labmantel",
                  [](const Inputs& in) {
                      const Real s = frustumSides(in);
                      return s * frustumSideHeight(in);
                  }},
                 {"labseitehs", frustumSideHeight},
             }},
        },
    .choiceMessage = "Bitte wählen Sie Pyramide oder Pyramidenstumpf aus.",
};

static const rt::WindowDescription kLayout{
    "fopyramide",
    "Pyramide/Pyramidenstumpf",
    6390,
    6585,
    rt::SystemColor::Desktop,
    {
        {TextBox, "txthöheh", -1, "", 4680, 1800, 615, 285, {}, 0},
        {TextBox, "txtseitea2", -1, "", 4680, 1320, 615, 285, {}, 1},
        {Label, "Label1", 1, "Hähe h:", 3600, 1800, 975, 495, kCaption, 2},
        {Label, "Label2", -1, "cm", 5400, 1800, 375, 255, kUnit, 3},
        {Label, "Label1", 2, "Seite a2:", 3600, 1320, 975, 495, kCaption, 4},
        {Label, "Label6", -1, "cm", 5400, 1320, 375, 255, kUnit, 5},
        {Label, "Label1", 0, "Pyramide/Pyramidenstumpf", 480, 240, 3375, 495, kTitle, 6},
        {Label, "Label1", 5, "Oberfläche:", 480, 4440, 1455, 495, kCaption, 7},
        {Label, "Label1", 4, "Volume:", 480, 3720, 1455, 495, kCaption, 8},
        {Label, "laboberfläche", -1, "", 2160, 4440, 855, 255, {}, 9, Role::Result},
        {Label, "labvolume", -1, "", 2160, 3720, 855, 255, {}, 10, Role::Result},
        {Label, "Label8", -1, "cm", 3120, 4320, 375, 255, kUnit, 11, Role::Follower,
         "laboberfläche"},
        {Label, "Label7", -1, "2", 3480, 4200, 255, 255, {}, 12, Role::Follower, "laboberfläche"},
        {Label, "Label4", -1, "cm", 3120, 3720, 255, 375, kUnit, 13, Role::Follower, "labvolume"},
        {Label, "Label5", -1, "3", 3480, 3600, 255, 255, {}, 14, Role::Follower, "labvolume"},
        {Button, "cmdzurück", -1, "Zurück", 2520, 5640, 1095, 375, kButton, 15},
        {Button, "cmdberechnen", -1, "Berechnen", 720, 5640, 1455, 375, kButton, 16},
        {Label, "Label3", -1, "2", 3480, 2880, 255, 255, {}, 17, Role::Follower, "labmantel"},
        {Label, "Label9", -1, "cm", 3120, 3000, 375, 255, kUnit, 18, Role::Follower, "labmantel"},
        {Label, "labmantel", -1, "", 2160, 3120, 855, 255, {}, 19, Role::Result},
        {Label, "Label1", 6, "Mantel:", 480, 3120, 1455, 495, kCaption, 20},
        {Option, "oppyramide", -1, "Pyramide", 480, 1080, 1935, 375, kOption, 21},
        {Option, "opstumpf", -1, "Pyramidenstumpf", 480, 1680, 2295, 375, kOption, 22},
        {TextBox, "txtseitea1", -1, "", 4680, 840, 615, 285, {}, 23},
        {Label, "Label10", -1, "cm", 5400, 840, 375, 255, kUnit, 24},
        {Label, "Label1", 3, "Seite a1:", 3600, 840, 975, 495, kCaption, 25},
        {Label, "Label11", -1, "cm", 5400, 2280, 375, 255, kUnit, 26, Role::Follower, "labseitehs"},
        {Label, "Label1", 7, "Seite hs:", 3600, 2280, 975, 495, kCaption, 27},
        {Label, "labseitehs", -1, "", 4680, 2280, 495, 255, {}, 28, Role::Result},
    }};

PyramidWindow::PyramidWindow()
    : CalculatorWindow(kLayout, kPyramid)
{
}

} // namespace solids
