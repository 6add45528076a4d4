#include "emptywindow.h"

namespace solids {

namespace {

const rt::WindowDescription kPrism{"foprisma", "Prisma", 4680, 5805, rt::SystemColor::Desktop, {}};
const rt::WindowDescription kParallelepiped{"fospat", "Spat", 4680, 3090, rt::SystemColor::Desktop,
                                            {}};
const rt::WindowDescription kTorus{"fotorus", "Torus", 4680, 3090, rt::SystemColor::Desktop, {}};

const rt::WindowDescription& describe(EmptyWindow::Solid solid)
{
    switch (solid) {
    case EmptyWindow::Prism:
        return kPrism;
    case EmptyWindow::Parallelepiped:
        return kParallelepiped;
    case EmptyWindow::Torus:
        break;
    }
    return kTorus;
}

} // namespace

EmptyWindow::EmptyWindow(Solid solid)
    : Form(describe(solid))
{
}

} // namespace solids
