#include "rootwindow.h"

namespace root {

static const rt::WindowDescription kLayout{"fowurzel", "Wurzel ziehen", 3315, 1980,
                                           rt::SystemColor::Desktop, {}};

RootWindow::RootWindow() : Form(kLayout) {}

} // namespace root
