#pragma once

#include "calculatorwindow.h"

namespace solids {

extern const Calculator kCube;

class CubeWindow final : public CalculatorWindow {
public:
    CubeWindow();
};

} // namespace solids
