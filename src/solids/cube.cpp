#include "cube.h"

namespace solids {

static const rt::WindowDescription kLayout{"fowürfel", "Würfel", 4185, 5310, rt::SystemColor::Desktop, {}};

CubeWindow::CubeWindow() : Form(kLayout) {}

} // namespace solids
