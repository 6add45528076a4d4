#pragma once

#include "runtime/form.h"

namespace shell {

// foinfo: the about window with the opening rose. OK only hides it, so the
// next "Info" shows the same window where it was.
class InfoWindow final : public rt::Form {
public:
    InfoWindow();

    void cmdzurück_Click();
};

} // namespace shell
