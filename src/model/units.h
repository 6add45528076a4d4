#pragma once

#include "body.h"

#include <QString>
#include <vector>

// Units as data: a kind and a power of ten relative to the centimetre (its
// square, its cube), never a suffix glued onto a number.
namespace model {

struct Unit {
    const char* text; // "dm", "m²", "l"
    Kind kind;
    int pow10; // 10^pow10 of the centimetre's unit of this kind
};

// The units a quantity of this kind can be typed in; the first for a count,
// none; the centimetre's is `defaultUnit`.
const std::vector<Unit>& units(Kind kind);
const Unit& defaultUnit(Kind kind);
// The unit of that kind written so, or nullptr.
const Unit* unit(Kind kind, const QString& text);

} // namespace model
