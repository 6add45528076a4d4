#pragma once

#include "calculatorwindow.h"

namespace solids {

extern const Calculator kCuboid;

class CuboidWindow final : public CalculatorWindow {
public:
    CuboidWindow();
};

} // namespace solids
