#pragma once

#include "calculatorwindow.h"

namespace solids {

extern const Calculator kPyramid;

class PyramidWindow final : public CalculatorWindow {
public:
    PyramidWindow();
};

} // namespace solids
