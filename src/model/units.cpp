#include "units.h"

namespace model {

const std::vector<Unit>& units(Kind kind)
{
    static const std::vector<Unit> lengths = {{"mm", Kind::Length, -1},
                                              {"cm", Kind::Length, 0},
                                              {"dm", Kind::Length, 1},
                                              {"m", Kind::Length, 2},
                                              {"km", Kind::Length, 5}};
    static const std::vector<Unit> areas = {{"mm²", Kind::Area, -2}, {"cm²", Kind::Area, 0},
                                            {"dm²", Kind::Area, 2},  {"m²", Kind::Area, 4},
                                            {"a", Kind::Area, 6},    {"ha", Kind::Area, 8},
                                            {"km²", Kind::Area, 10}};
    static const std::vector<Unit> volumes = {
        {"mm³", Kind::Volume, -3}, {"cm³", Kind::Volume, 0}, {"dm³", Kind::Volume, 3},
        {"m³", Kind::Volume, 6},   {"ml", Kind::Volume, 0},  {"cl", Kind::Volume, 1},
        {"dl", Kind::Volume, 2},   {"l", Kind::Volume, 3},   {"hl", Kind::Volume, 5}};
    static const std::vector<Unit> angles = {{"°", Kind::Angle, 0}};
    static const std::vector<Unit> counts = {{"", Kind::Count, 0}};
    switch (kind) {
    case Kind::Length:
        return lengths;
    case Kind::Area:
        return areas;
    case Kind::Volume:
        return volumes;
    case Kind::Angle:
        return angles;
    case Kind::Count:
        break;
    }
    return counts;
}

const Unit& defaultUnit(Kind kind)
{
    const std::vector<Unit>& all = units(kind);
    for (const Unit& u : all) {
        if (u.pow10 == 0)
            return u;
    }
    return all.front();
}

const Unit* unit(Kind kind, const QString& text)
{
    for (const Unit& u : units(kind)) {
        if (QString::fromUtf8(u.text) == text)
            return &u;
    }
    return nullptr;
}

} // namespace model
