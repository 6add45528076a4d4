#pragma once

#include <vector>

// Materials with the densities German school books use for them, in g/cm³.
// Books disagree (steel 7,8 to 7,9): the density stays the user's to change.
namespace model {

struct Material {
    const char* name; // "Stahl"
    double density;   // g/cm³
};

const std::vector<Material>& materials();

} // namespace model
