#pragma once

#include "calculatorwindow.h"

namespace solids {

extern const Calculator kSphere;

class SphereWindow final : public CalculatorWindow {
public:
    SphereWindow();
};

} // namespace solids
