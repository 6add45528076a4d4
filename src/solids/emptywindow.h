#pragma once

#include "runtime/form.h"

namespace solids {

// The solids without a calculator: a titled, empty window each.
class EmptyWindow final : public rt::Form {
public:
    enum Solid { Prism, Parallelepiped, Torus };
    explicit EmptyWindow(Solid solid);
};

} // namespace solids
