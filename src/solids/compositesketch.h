#pragma once

#include "model/composite.h"
#include "sketch.h"

namespace solids {

// A body made of parts in a simple oblique view, stacked as they join, each
// labelled with its number, removed parts dashed. The values (by the whole
// body's symbols, "r₂") give the proportions where they are known.
Sketch compositeSketch(const model::Description& description, const model::Values& values = {});

} // namespace solids
