#include "startwindow.h"

#include "runtime/events.h"
#include "runtime/messages.h"
#include "runtime/windows.h"

#include <QRadioButton>

namespace shell {

namespace {

using enum rt::Kind;

constexpr rt::FontSpec kOption{"Georgia", 9.75, true};
constexpr rt::FontSpec kButton{"MS Sans Serif", 12};

const rt::WindowDescription kLayout{
    "Form1",
    "Volumen Oberfläche und Mantel",
    8475,
    5835,
    rt::SystemColor::Desktop,
    {
        {Option, "optorus", -1, "Torus", 4200, 3960, 3615, 615, kOption, 12},
        {Option, "opkugel", -1, "Kugel", 2160, 3960, 1935, 615, kOption, 11},
        {Option, "opspat", -1, "Spat", 240, 3960, 1815, 615, kOption, 10},
        {Option, "opkegel", -1, "Kegel/Kegelstumpf", 4200, 2880, 3615, 735, kOption, 9},
        {Option, "opprisma", -1, "Prisma", 2160, 2880, 1935, 735, kOption, 8},
        {Option, "opzylinder", -1, "Zylinder", 240, 2880, 1815, 735, kOption, 7},
        {Option, "oppyramide", -1, "Pyramide/Pyramidenstumpf", 4200, 2040, 3495, 495, kOption, 6},
        {Option, "opquader", -1, "Quader", 2160, 2040, 1575, 495, kOption, 5},
        {Option, "opwürfel", -1, "Würfel", 240, 2040, 1575, 495, kOption, 4},
        {Button, "cmdbeenden", -1, "Beenden", 6600, 4950, 1695, 345, kButton, 3},
        {Button, "cmdweiter", -1, "Weiter", 5280, 4920, 1095, 375, kButton, 2},
        {Label,
         "Label2",
         -1,
         "Bitte wählen Sie die zu Berechnende Körper aus und klicken Sie weiter!",
         240,
         1200,
         7455,
         615,
         {"MS Sans Serif", 9.75, true},
         1},
        {Label,
         "Label1",
         -1,
         "Volume Oberfläche und Mantelfläche von Körpern",
         960,
         360,
         5535,
         495,
         {"Comic Sans MS", 12},
         0},
    }};

// The options in the order they are tested, with the window each opens.
constexpr struct {
    const char* option;
    const char* window;
} kDispatch[] = {
    {"opwürfel", "fowürfel"},     {"opquader", "foquader"}, {"oppyramide", "fopyramide"},
    {"opzylinder", "fozylinder"}, {"opprisma", "foprisma"}, {"opkegel", "fokegel"},
    {"opspat", "fospat"},         {"opkugel", "fokugel"},   {"optorus", "fotorus"},
};

} // namespace

StartWindow::StartWindow()
    : Form(kLayout)
{
    rt::onClick(button(QStringLiteral("cmdweiter")), this, &StartWindow::cmdweiter_Click);
    rt::onClick(button(QStringLiteral("cmdbeenden")), this, &StartWindow::cmdbeenden_Click);
}

void StartWindow::cmdweiter_Click()
{
    for (const auto& d : kDispatch) {
        auto* option = qobject_cast<QRadioButton*>(control(QString::fromUtf8(d.option)));
        if (option && option->isChecked()) {
            rt::windows::show(QString::fromUtf8(d.window));
            return;
        }
    }
    rt::msgBox(QStringLiteral("Bitte wählen Sie ein Körper aus!!!!"), rt::Critical,
               QStringLiteral("Problem"), this);
}

void StartWindow::cmdbeenden_Click()
{
    rt::windows::unload(objectName());
}

} // namespace shell
