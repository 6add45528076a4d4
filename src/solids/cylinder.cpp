#include "cylinder.h"

namespace solids {

static const rt::WindowDescription kLayout{"fozylinder", "Zylinder", 4635, 6015, rt::SystemColor::Desktop, {}};

CylinderWindow::CylinderWindow() : Form(kLayout) {}

} // namespace solids
