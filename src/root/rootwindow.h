#pragma once

#include "runtime/form.h"

namespace root {

class RootWindow final : public rt::Form {
public:
    RootWindow();
};

} // namespace root
