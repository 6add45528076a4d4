#pragma once

#include "calculator.h"
#include "runtime/form.h"
#include "sketch.h"

#include <QString>
#include <vector>

namespace solids {

// A solid as the program offers it: the window it opens, the start window's
// option that chooses it, the window's layout, its calculator, and its sketch
// for the variant an option of the window chose (none: the first).
struct Solid {
    const char* window;
    const char* option;
    const rt::WindowDescription& layout;
    const Calculator& calculator;
    Sketch (*sketch)(const Variant& variant);
};

// Every solid, in the order the start window tests its options.
const std::vector<const Solid*>& catalogue();

// The solid whose window has this name; an unknown name is an error
// (std::invalid_argument) in every build.
const Solid& solid(const QString& window);

// The solid whose window computes the body of that id (model::Body::id), and
// the variant that does; both none where no window computes it.
struct Showing {
    const Solid* solid = nullptr;
    const Variant* variant = nullptr;
};
Showing showing(const QString& bodyId);

// The body's sketch as its window draws it, or as the list draws a body that
// no window computes; an empty one for a body that has none.
Sketch sketchOf(const QString& bodyId);
// The sketch of the body as the list shows it: open where it lacks its top or
// its base, each label that reads as one of its letters naming that letter.
Sketch sketchOf(const model::Body& body);

// Fonts the calculator windows are described with.
inline constexpr rt::FontSpec kCaption{"MS Sans Serif", 12};
inline constexpr rt::FontSpec kUnit{"MS Sans Serif", 9.75};
inline constexpr rt::FontSpec kButton{"MS Sans Serif", 9.75};
inline constexpr rt::FontSpec kTitle{"Georgia", 11.25, true};

} // namespace solids
