#include "cone.h"

namespace solids {

static const rt::WindowDescription kLayout{"fokegel", "Kegel", 4125, 6180, rt::SystemColor::Desktop, {}};

ConeWindow::ConeWindow() : Form(kLayout) {}

} // namespace solids
