#pragma once

#include "runtime/form.h"

namespace solids {

class PyramidWindow final : public rt::Form {
public:
    PyramidWindow();
};

} // namespace solids
