#include "cylinder.h"

namespace solids {

using enum rt::Kind;
using rt::Role;

// Its checks use the plain box under the application's title.
const Calculator kCylinder{
    .checks = {{"txtradiusr", "Bitte geben Sie für Radius r > 0 ein"},
               {"txthöheh", "Bitte geben Sie für Höhe h > 0 ein"}},
    .variants = {{nullptr,
                  {
                      {"laboberfläche",
                       [](const Inputs& in) {
                           const Real ends = pow(in("txtradiusr"), 2) * kTwoPi;
                           const Real rim = in("txtradiusr") * kTwoPi;
                           return in("txthöheh") * rim + ends;
                       }},
                      {"labvolume",
                       [](const Inputs& in) {
                           const Real base = pow(in("txtradiusr"), 2) * kPi;
                           return in("txthöheh") * base;
                       }},
                      {"labmantel",
                       [](const Inputs& in) {
                           const Real rim = (in("txtradiusr") + in("txtradiusr")) * kPi;
                           return in("txthöheh") * rim;
                       }},
                  }}},
    .checkStyle = 0,
    .checkTitle = nullptr,
};

static const rt::WindowDescription kLayout{
    "fozylinder",
    "Zylinder",
    4635,
    6015,
    rt::SystemColor::Desktop,
    {
        {Button, "cmdzurück", -1, "Zurück", 2280, 4680, 1095, 375, kButton, 19},
        {Button, "cmdberechnen", -1, "Berechnen", 480, 4680, 1455, 375, kButton, 18},
        {TextBox, "txthöheh", -1, "", 1680, 1200, 615, 285, {}, 1},
        {TextBox, "txtradiusr", -1, "", 1680, 720, 615, 285, {}, 0},
        {Label, "Label1", 0, "Zylinder", 1680, 120, 1215, 495, kTitle, 20},
        {Label, "Label1", 5, "Oberfläche:", 360, 3600, 1455, 495, kCaption, 17},
        {Label, "Label1", 4, "Volume:", 360, 2880, 1455, 495, kCaption, 16},
        {Label, "laboberfläche", -1, "", 2040, 3600, 855, 255, {}, 15, Role::Result},
        {Label, "labvolume", -1, "", 2040, 2880, 855, 255, {}, 14, Role::Result},
        {Label, "Label8", -1, "cm", 3000, 3480, 375, 255, kUnit, 13, Role::Follower,
         "laboberfläche"},
        {Label, "Label7", -1, "2", 3360, 3360, 255, 255, {}, 12, Role::Follower, "laboberfläche"},
        {Label, "Label4", -1, "cm", 3000, 2880, 255, 375, kUnit, 11, Role::Follower, "labvolume"},
        {Label, "Label5", -1, "3", 3360, 2760, 255, 255, {}, 10, Role::Follower, "labvolume"},
        {Label, "Label3", -1, "2", 3360, 2040, 255, 255, {}, 9, Role::Follower, "labmantel"},
        {Label, "Label9", -1, "cm", 3000, 2160, 375, 255, kUnit, 8, Role::Follower, "labmantel"},
        {Label, "labmantel", -1, "", 2040, 2280, 855, 255, {}, 7, Role::Result},
        {Label, "Label1", 6, "Mantel:", 360, 2280, 1455, 495, kCaption, 6},
        {Label, "Label1", 1, "Hähe h:", 600, 1200, 975, 495, kCaption, 5},
        {Label, "Label2", -1, "cm", 2400, 1200, 375, 255, kUnit, 4},
        {Label, "Label1", 2, "Radius r:", 600, 720, 975, 495, kCaption, 3},
        {Label, "Label6", -1, "cm", 2400, 720, 375, 255, kUnit, 2},
    }};

CylinderWindow::CylinderWindow()
    : CalculatorWindow(kLayout, kCylinder)
{
}

} // namespace solids
