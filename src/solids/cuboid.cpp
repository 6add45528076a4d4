#include "cuboid.h"

namespace solids {

using enum rt::Kind;
using rt::Role;

// Each sum is doubled by adding it to itself; that order decides the last digit shown.
const Calculator kCuboid{
    .checks = {{"txtseitea", "Bitte geben Sie für Seite a > 0 ein"},
               {"txtseiteb", "Bitte geben Sie für Seite b > 0 ein"},
               {"txtseitec", "Bitte geben Sie für Seite c > 0 ein"}},
    .variants = {{nullptr,
                  {
                      {"labvolume",
                       [](const Inputs& in) {
                           return (in("txtseitea") * in("txtseiteb")) * in("txtseitec");
                       }},
                      {"laboberfläche",
                       [](const Inputs& in) {
                           const Real sum = (in("txtseitea") * in("txtseiteb") +
                                             in("txtseitea") * in("txtseitec")) +
                                            in("txtseiteb") * in("txtseitec");
                           return sum + sum;
                       }},
                      {"labmantel",
                       [](const Inputs& in) {
                           const Real sum = in("txtseitea") * in("txtseitec") +
                                            in("txtseiteb") * in("txtseitec");
                           return sum + sum;
                       }},
                  }}},
};

static const rt::WindowDescription kLayout{
    "foquader",
    "Quader",
    4275,
    6525,
    rt::SystemColor::Desktop,
    {
        {Label, "Label1", 0, "Quader", 2040, 240, 975, 495, kTitle, 0},
        {TextBox, "txtseitea", -1, "", 1440, 1320, 615, 285, {}, 1},
        {Label, "Label6", -1, "cm", 2160, 1320, 375, 255, kUnit, 2},
        {Label, "Label1", 2, "Seite a:", 360, 1320, 975, 495, kCaption, 3},
        {TextBox, "txtseiteb", -1, "", 1440, 1800, 615, 285, {}, 4},
        {Label, "Label2", -1, "cm", 2160, 1800, 375, 255, kUnit, 5},
        {Label, "Label1", 1, "Seite b:", 360, 1800, 975, 495, kCaption, 6},
        {TextBox, "txtseitec", -1, "", 1440, 2280, 615, 285, {}, 7},
        {Label, "Label3", -1, "cm", 2160, 2280, 375, 255, kUnit, 8},
        {Label, "Label1", 3, "Seite c:", 360, 2280, 975, 495, kCaption, 9},
        {Label, "Label5", -1, "3", 3360, 4680, 255, 255, {}, 10, Role::Follower, "labvolume"},
        {Label, "Label4", -1, "cm", 3000, 4800, 255, 375, kUnit, 11, Role::Follower, "labvolume"},
        {Label, "Label7", -1, "2", 3360, 3840, 255, 255, {}, 12, Role::Follower, "laboberfläche"},
        {Label, "Label8", -1, "cm", 3000, 3960, 375, 255, kUnit, 13, Role::Follower,
         "laboberfläche"},
        {Label, "labvolume", -1, "", 2040, 4800, 855, 255, {}, 14, Role::Result},
        {Label, "laboberfläche", -1, "", 2040, 4080, 855, 255, {}, 15, Role::Result},
        {Label, "Label1", 4, "Volume:", 360, 4800, 1455, 495, kCaption, 16},
        {Label, "Label1", 5, "Oberfläche:", 360, 4080, 1455, 495, kCaption, 17},
        {Button, "cmdberechnen", -1, "Berechnen", 720, 5760, 1455, 375, kButton, 18},
        {Button, "cmdzurück", -1, "Zurück", 2520, 5760, 1095, 375, kButton, 19},
        {Label, "Label1", 6, "Mantel:", 360, 3480, 1455, 495, kCaption, 20},
        {Label, "labmantel", -1, "", 2040, 3480, 855, 255, {}, 21, Role::Result},
        {Label, "Label9", -1, "cm", 3000, 3360, 375, 255, kUnit, 22, Role::Follower, "labmantel"},
        {Label, "Label10", -1, "2", 3360, 3240, 255, 255, {}, 23, Role::Follower, "labmantel"},
    }};

CuboidWindow::CuboidWindow()
    : CalculatorWindow(kLayout, kCuboid)
{
}

} // namespace solids
