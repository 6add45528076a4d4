#pragma once

#include "runtime/form.h"

namespace solids {

class CubeWindow final : public rt::Form {
public:
    CubeWindow();
};

} // namespace solids
