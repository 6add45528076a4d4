#include "program.h"

#include "names.h"
#include "root/rootwindow.h"
#include "runtime/windows.h"
#include "shell/infowindow.h"
#include "shell/mainframe.h"
#include "shell/startwindow.h"
#include "solids/calculatorwindow.h"
#include "solids/catalogue.h"
#include "worked/compositewindow.h"
#include "worked/inversewindow.h"
#include "worked/rechenwegwindow.h"

void defineWindows()
{
    using rt::Placement;
    namespace w = rt::windows;
    const auto name = [](const char* n) { return QString::fromUtf8(n); };
    w::define(name(names::kFrame), Placement::Frame, [] { return new shell::MainFrame; });
    w::define(name(names::kStart), Placement::FrameChild, [] { return new shell::StartWindow; });
    for (const solids::Solid* solid : solids::catalogue()) {
        w::define(name(solid->window), Placement::FrameChild,
                  [solid] { return new solids::CalculatorWindow(*solid); });
    }
    w::define(name(names::kRoot), Placement::TopLevel, [] { return new root::RootWindow; });
    w::define(name(names::kInfo), Placement::TopLevel, [] { return new shell::InfoWindow; });
    w::define(name(names::kWorkedSolution), Placement::TopLevel,
              [] { return new worked::RechenwegWindow; });
    w::define(name(names::kInverse), Placement::TopLevel, [] { return new worked::InverseWindow; });
    w::define(name(names::kComposite), Placement::TopLevel,
              [] { return new worked::CompositeWindow; });
}
