#pragma once

#include "calculatorwindow.h"

namespace solids {

extern const Calculator kCylinder;

class CylinderWindow final : public CalculatorWindow {
public:
    CylinderWindow();
};

} // namespace solids
