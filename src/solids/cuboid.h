#pragma once

#include "runtime/form.h"

namespace solids {

class CuboidWindow final : public rt::Form {
public:
    CuboidWindow();
};

} // namespace solids
