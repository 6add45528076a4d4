#include "materials.h"

namespace model {

const std::vector<Material>& materials()
{
    static const std::vector<Material> all = {
        {"Stahl", 7.85},   {"Eisen", 7.87},        {"Aluminium", 2.7},    {"Kupfer", 8.96},
        {"Messing", 8.5},  {"Blei", 11.34},        {"Silber", 10.5},      {"Gold", 19.3},
        {"Platin", 21.45}, {"Beton", 2.4},         {"Ziegel", 1.8},       {"Glas", 2.5},
        {"Marmor", 2.7},   {"Holz (Fichte)", 0.5}, {"Holz (Eiche)", 0.7}, {"Kork", 0.15},
        {"Wasser", 1.0},   {"Eis", 0.92}};
    return all;
}

} // namespace model
