#pragma once

#include "runtime/frame.h"

namespace shell {

// MDIForm1: the frame with the program's menus.
class MainFrame final : public rt::MdiFrame {
public:
    MainFrame();

    void mnukörperwählen_Click();
    void mnubeenden_Click();
    void mnuausschneiden_Click();
    void mnukopieren_Click();
    void mnueinfügen_Click();
    void mnuüberlappend_Click();
    void mnuuntereinander_Click();
    void mnunebeneinander_Click();
    void mnuwurzelziehen_Click();
    void mnurechenweg_Click();
    void mnuumkehraufgabe_Click();
    void mnuzusammengesetzterkörper_Click();
    void mnuinfo_Click();
};

} // namespace shell
