#include "program.h"

#include "root/rootwindow.h"
#include "runtime/windows.h"
#include "shell/infowindow.h"
#include "shell/mainframe.h"
#include "shell/startwindow.h"
#include "solids/cone.h"
#include "solids/cube.h"
#include "solids/cuboid.h"
#include "solids/cylinder.h"
#include "solids/emptywindow.h"
#include "solids/pyramid.h"
#include "solids/sphere.h"

void defineWindows()
{
    using rt::Placement;
    namespace w = rt::windows;
    using solids::EmptyWindow;
    w::define(QStringLiteral("MDIForm1"), Placement::Frame, [] { return new shell::MainFrame; });
    w::define(QStringLiteral("Form1"), Placement::FrameChild,
              [] { return new shell::StartWindow; });
    w::define(QStringLiteral("fowürfel"), Placement::FrameChild,
              [] { return new solids::CubeWindow; });
    w::define(QStringLiteral("foquader"), Placement::FrameChild,
              [] { return new solids::CuboidWindow; });
    w::define(QStringLiteral("fopyramide"), Placement::FrameChild,
              [] { return new solids::PyramidWindow; });
    w::define(QStringLiteral("fozylinder"), Placement::FrameChild,
              [] { return new solids::CylinderWindow; });
    w::define(QStringLiteral("fokegel"), Placement::FrameChild,
              [] { return new solids::ConeWindow; });
    w::define(QStringLiteral("fokugel"), Placement::FrameChild,
              [] { return new solids::SphereWindow; });
    w::define(QStringLiteral("foprisma"), Placement::FrameChild,
              [] { return new EmptyWindow(EmptyWindow::Prism); });
    w::define(QStringLiteral("fospat"), Placement::FrameChild,
              [] { return new EmptyWindow(EmptyWindow::Parallelepiped); });
    w::define(QStringLiteral("fotorus"), Placement::FrameChild,
              [] { return new EmptyWindow(EmptyWindow::Torus); });
    w::define(QStringLiteral("fowurzel"), Placement::TopLevel, [] { return new root::RootWindow; });
    w::define(QStringLiteral("foinfo"), Placement::TopLevel, [] { return new shell::InfoWindow; });
}
