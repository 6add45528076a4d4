#include "sphere.h"

namespace solids {

using enum rt::Kind;
using rt::Role;

const Calculator kSphere{
    .checks = {{"txtradiusr", "Bitte geben Sie für Radius r > 0 ein"}},
    .variants = {{nullptr,
                  {
                      {"labvolume",
                       [](const Inputs& in) {
                           return pow(in("txtradiusr"), 3) * ((Real(4) / 3) * kPi);
                       }},
                      {"laboberfläche",
                       [](const Inputs& in) { return pow(in("txtradiusr"), 2) * kFourPi; }},
                  }}},
};

static const rt::WindowDescription kLayout{
    "fokugel",
    "Kugel",
    4305,
    4905,
    rt::SystemColor::Desktop,
    {
        {TextBox, "txtradiusr", -1, "", 1680, 720, 615, 285, {}, 2},
        {Button, "cmdberechnen", -1, "Berechnen", 480, 3360, 1455, 375, kButton, 1},
        {Button, "cmdzurück", -1, "Zurück", 2280, 3360, 1095, 375, kButton, 0},
        {Label, "Label1", 0, "Kugel", 1800, 120, 735, 495, kTitle, 13},
        {Label, "Label6", -1, "cm", 2400, 720, 375, 255, kUnit, 12},
        {Label, "Label1", 2, "Radius r:", 600, 720, 975, 495, kCaption, 11},
        {Label, "Label5", -1, "3", 3360, 1440, 255, 255, {}, 10, Role::Follower, "labvolume"},
        {Label, "Label4", -1, "cm", 3000, 1560, 255, 375, kUnit, 9, Role::Follower, "labvolume"},
        {Label, "Label7", -1, "2", 3360, 2040, 255, 255, {}, 8, Role::Follower, "laboberfläche"},
        {Label, "Label8", -1, "cm", 3000, 2160, 375, 255, kUnit, 7, Role::Follower,
         "laboberfläche"},
        {Label, "labvolume", -1, "", 2040, 1560, 855, 255, {}, 6, Role::Result},
        {Label, "laboberfläche", -1, "", 2040, 2280, 855, 255, {}, 5, Role::Result},
        {Label, "Label1", 4, "Volume:", 360, 1560, 1455, 495, kCaption, 4},
        {Label, "Label1", 5, "Oberfläche:", 360, 2280, 1455, 495, kCaption, 3},
    }};

SphereWindow::SphereWindow()
    : CalculatorWindow(kLayout, kSphere)
{
}

} // namespace solids
