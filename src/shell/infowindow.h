#pragma once

#include "runtime/form.h"

namespace shell {

class InfoWindow final : public rt::Form {
public:
    InfoWindow();
};

} // namespace shell
