#pragma once

#include "runtime/form.h"

namespace solids {

class CylinderWindow final : public rt::Form {
public:
    CylinderWindow();
};

} // namespace solids
