#include "cone.h"

namespace solids {

using enum rt::Kind;
using rt::Role;

namespace {

Real slantHeight(const Inputs& in)
{
    const Real r2 = pow(in("txtradiusr"), 2);
    const Real h2 = pow(in("txthöheh"), 2);
    return pow(h2 + r2, 0.5);
}

} // namespace

// The angle divides by the slant height as shown, not as computed, so that it
// agrees with what the user reads beside "Seite s:".
const Calculator kCone{
    .checks = {{"txtradiusr", "Bitte geben Sie für Radius r > 0 ein"},
               {"txthöheh", "Bitte geben Sie für Höhe h > 0 ein"}},
    .variants = {{nullptr,
                  {
                      {"laboberfläche",
                       [](const Inputs& in) {
                           const Real d = in("txtradiusr") + slantHeight(in);
                           return (in("txtradiusr") * kPi) * d;
                       }},
                      {"labvolume",
                       [](const Inputs& in) {
                           const Real base = (pow(in("txtradiusr"), 2) * (Real(1) / 3)) * kPi;
                           return in("txthöheh") * base;
                       }},
                      {"labmantel",
                       [](const Inputs& in) {
                           const Real s = slantHeight(in);
                           return (in("txtradiusr") * kPi) * s;
                       }},
                      {"labseites", slantHeight},
                      {"labwinkela",
                       [](const Inputs& in) {
                           const Real turn = in("txtradiusr") * 360;
                           return turn / in.shown("labseites");
                       }},
                  }}},
};

static const rt::WindowDescription kLayout{
    "fokegel",
    "Kegel",
    4125,
    6180,
    rt::SystemColor::Desktop,
    {
        {TextBox, "txtradiusr", -1, "", 1680, 720, 615, 285, {}, 3},
        {TextBox, "txthöheh", -1, "", 1680, 1200, 615, 285, {}, 2},
        {Button, "cmdberechnen", -1, "Berechnen", 360, 5280, 1455, 375, kButton, 1},
        {Button, "cmdzurück", -1, "Zurück", 2160, 5280, 1095, 375, kButton, 0},
        {Label, "Label1", 7, "Kegel", 1560, 120, 1095, 495, kTitle, 26},
        {Label, "labwinkela", -1, "", 1680, 2160, 495, 255, {}, 25, Role::Result},
        {Label, "Label11", -1, "o", 2400, 2040, 135, 255, kUnit, 24, Role::Follower, "labwinkela"},
        {Label, "Label1", 3, "Winkel a", 600, 2160, 975, 495, kCaption, 23},
        {Label, "Label10", -1, "cm", 2400, 1680, 375, 255, kUnit, 22, Role::Follower, "labseites"},
        {Label, "Label1", 0, "Seite s:", 600, 1680, 975, 495, kCaption, 21},
        {Label, "labseites", -1, "", 1680, 1680, 495, 255, {}, 20, Role::Result},
        {Label, "Label6", -1, "cm", 2400, 720, 375, 255, kUnit, 19},
        {Label, "Label1", 2, "Radius r:", 600, 720, 975, 495, kCaption, 18},
        {Label, "Label2", -1, "cm", 2400, 1200, 375, 255, kUnit, 17},
        {Label, "Label1", 1, "Hähe h:", 600, 1200, 975, 495, kCaption, 16},
        {Label, "Label1", 6, "Mantel:", 240, 2880, 1455, 495, kCaption, 15},
        {Label, "labmantel", -1, "", 1920, 2880, 855, 255, {}, 14, Role::Result},
        {Label, "Label9", -1, "cm", 2880, 2760, 375, 255, kUnit, 13, Role::Follower, "labmantel"},
        {Label, "Label3", -1, "2", 3240, 2640, 255, 255, {}, 12, Role::Follower, "labmantel"},
        {Label, "Label5", -1, "3", 3240, 3360, 255, 255, {}, 11, Role::Follower, "labvolume"},
        {Label, "Label4", -1, "cm", 2880, 3480, 255, 375, kUnit, 10, Role::Follower, "labvolume"},
        {Label, "Label7", -1, "2", 3240, 3960, 255, 255, {}, 9, Role::Follower, "laboberfläche"},
        {Label, "Label8", -1, "cm", 2880, 4080, 375, 255, kUnit, 8, Role::Follower,
         "laboberfläche"},
        {Label, "labvolume", -1, "", 1920, 3480, 855, 255, {}, 7, Role::Result},
        {Label, "laboberfläche", -1, "", 1920, 4200, 855, 255, {}, 6, Role::Result},
        {Label, "Label1", 4, "Volume:", 240, 3480, 1455, 495, kCaption, 5},
        {Label, "Label1", 5, "Oberfläche:", 240, 4200, 1455, 495, kCaption, 4},
    }};

ConeWindow::ConeWindow()
    : CalculatorWindow(kLayout, kCone)
{
}

} // namespace solids
