#pragma once

#include "runtime/form.h"

namespace solids {

class ConeWindow final : public rt::Form {
public:
    ConeWindow();
};

} // namespace solids
