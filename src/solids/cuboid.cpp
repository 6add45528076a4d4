#include "cuboid.h"

namespace solids {

static const rt::WindowDescription kLayout{"foquader", "Quader", 4275, 6525, rt::SystemColor::Desktop, {}};

CuboidWindow::CuboidWindow() : Form(kLayout) {}

} // namespace solids
