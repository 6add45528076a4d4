#include "units.h"

namespace model {

namespace {

// Every unit the program knows: a row each.
const std::vector<Unit>& table()
{
    static const std::vector<Unit> all = {
        {"mm", Dimension::Length, -1},     {"cm", Dimension::Length, 0},
        {"dm", Dimension::Length, 1},      {"m", Dimension::Length, 2},
        {"km", Dimension::Length, 5},      {"mm²", Dimension::Area, -2},
        {"cm²", Dimension::Area, 0},       {"dm²", Dimension::Area, 2},
        {"m²", Dimension::Area, 4},        {"a", Dimension::Area, 6},
        {"ha", Dimension::Area, 8},        {"km²", Dimension::Area, 10},
        {"mm³", Dimension::Volume, -3},    {"cm³", Dimension::Volume, 0},
        {"dm³", Dimension::Volume, 3},     {"m³", Dimension::Volume, 6},
        {"ml", Dimension::Volume, 0},      {"cl", Dimension::Volume, 1},
        {"dl", Dimension::Volume, 2},      {"l", Dimension::Volume, 3},
        {"hl", Dimension::Volume, 5},      {"°", Dimension::Angle, 0},
        {"", Dimension::Count, 0},         {"mg", Dimension::Mass, -3},
        {"g", Dimension::Mass, 0},         {"kg", Dimension::Mass, 3},
        {"t", Dimension::Mass, 6},         {"g/cm³", Dimension::Density, 0},
        {"kg/dm³", Dimension::Density, 0}, {"kg/m³", Dimension::Density, -3},
        {"t/m³", Dimension::Density, 0}};
    return all;
}

} // namespace

std::vector<const Unit*> units(Dimension dimension)
{
    std::vector<const Unit*> out;
    for (const Unit& u : table()) {
        if (u.dimension == dimension)
            out.push_back(&u);
    }
    return out;
}

const Unit& defaultUnit(Dimension dimension)
{
    const Unit* first = nullptr;
    for (const Unit& u : table()) {
        if (u.dimension != dimension)
            continue;
        if (u.pow10 == 0)
            return u;
        if (!first)
            first = &u;
    }
    // A dimension with no unit of its own is counted, as the prism's corners.
    return first ? *first : *units(Dimension::Count).front();
}

const Unit* unit(Dimension dimension, const QString& text)
{
    for (const Unit& u : table()) {
        if (u.dimension == dimension && QString::fromUtf8(u.text) == text)
            return &u;
    }
    return nullptr;
}

} // namespace model
