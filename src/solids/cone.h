#pragma once

#include "calculatorwindow.h"

namespace solids {

extern const Calculator kCone;

class ConeWindow final : public CalculatorWindow {
public:
    ConeWindow();
};

} // namespace solids
