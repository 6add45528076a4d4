#include "infowindow.h"

namespace shell {

static const rt::WindowDescription kLayout{"foinfo", "Info", 6405, 3975, rt::SystemColor::ScrollBar,
                                           {}};

InfoWindow::InfoWindow() : Form(kLayout) {}

} // namespace shell
