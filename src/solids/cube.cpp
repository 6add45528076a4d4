#include "cube.h"

namespace solids {

using enum rt::Kind;
using rt::Role;

// The volume is a bare power: the power operation itself refuses a cube
// beyond the range of a double.
const Calculator kCube{
    .checks = {{"txtseitea", "Bitte geben Sie für a > 0 ein"}},
    .variants = {{nullptr,
                  {
                      {"laboberfläche",
                       [](const Inputs& in) { return pow(in("txtseitea"), 2) * 6; }},
                      {"labvolume", [](const Inputs& in) { return pow(in("txtseitea"), 3); }},
                      {"labmantel", [](const Inputs& in) { return pow(in("txtseitea"), 2) * 4; }},
                  }}},
};

static const rt::WindowDescription kLayout{
    "fowürfel",
    "Würfel",
    4185,
    5310,
    rt::SystemColor::Desktop,
    {
        {TextBox, "txtseitea", -1, "", 1560, 960, 615, 285, {}, 0},
        {Label, "Label1", 0, "Oberfläche:", 480, 2640, 1455, 495, kCaption, 1},
        {Label, "Label1", 1, "Volume:", 480, 3360, 1455, 495, kCaption, 2},
        {Label, "Label1", 2, "Seite a:", 480, 960, 975, 495, kCaption, 3},
        {Label, "laboberfläche", -1, "", 2160, 2640, 855, 255, {}, 4, Role::Result},
        {Label, "labvolume", -1, "", 2160, 3360, 855, 255, {}, 5, Role::Result},
        {Button, "cmdzurück", -1, "Zurück", 2520, 4440, 1095, 375, kButton, 6},
        {Button, "cmdberechnen", -1, "Berechnen", 720, 4440, 1455, 375, kButton, 7},
        {Label, "Label2", -1, "cm", 3120, 2520, 375, 255, kUnit, 8, Role::Follower,
         "laboberfläche"},
        {Label, "Label3", -1, "2", 3480, 2400, 255, 255, {}, 9, Role::Follower, "laboberfläche"},
        {Label, "Label4", -1, "cm", 3120, 3360, 255, 375, kUnit, 10, Role::Follower, "labvolume"},
        {Label, "Label5", -1, "3", 3480, 3240, 255, 255, {}, 11, Role::Follower, "labvolume"},
        {Label, "Label6", -1, "cm", 2280, 960, 375, 255, kUnit, 12},
        {Label, "Label7", -1, "Würfel", 1440, 240, 1095, 375, kTitle, 13},
        {Label, "Label1", 6, "Mantel:", 480, 2040, 1455, 495, kCaption, 14},
        {Label, "labmantel", -1, "", 2160, 2040, 855, 255, {}, 15, Role::Result},
        {Label, "Label9", -1, "cm", 3120, 1920, 375, 255, kUnit, 16, Role::Follower, "labmantel"},
        {Label, "Label8", -1, "2", 3480, 1800, 255, 255, {}, 17, Role::Follower, "labmantel"},
    }};

CubeWindow::CubeWindow()
    : CalculatorWindow(kLayout, kCube)
{
}

} // namespace solids
