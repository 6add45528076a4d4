#pragma once

#include "body.h"

#include <QString>
#include <vector>

// Units as data: a physical dimension and a power of ten relative to the
// dimension's base unit (cm, cm², cm³, g, g/cm³), never a suffix glued onto a
// number. Every conversion is a shift of the decimal point.
namespace model {

struct Unit {
    const char* text; // "dm", "m²", "l", "kg/m³"
    Dimension dimension;
    int pow10; // 10^pow10 of the base unit of its dimension
};

// The units a quantity of this dimension can be typed in, in the order a
// chooser lists them; a count's one unit is written as nothing.
std::vector<const Unit*> units(Dimension dimension);
// The base unit of the dimension, the first with no shift.
const Unit& defaultUnit(Dimension dimension);
// The unit of that dimension written so, or nullptr.
const Unit* unit(Dimension dimension, const QString& text);

} // namespace model
