#include "pyramid.h"

namespace solids {

static const rt::WindowDescription kLayout{"fopyramide", "Pyramide/Pyramidenstumpf", 6390, 6585, rt::SystemColor::Desktop, {}};

PyramidWindow::PyramidWindow() : Form(kLayout) {}

} // namespace solids
