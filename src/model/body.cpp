#include "body.h"

namespace model {

const Quantity* Body::quantity(const QString& symbol) const
{
    for (const Quantity& q : quantities) {
        if (q.symbol == symbol)
            return &q;
    }
    return nullptr;
}

const Term* Body::formula(const QString& symbol) const
{
    for (const Relation& r : relations) {
        if (r.symbol == symbol)
            return &r.formula;
    }
    return nullptr;
}

const std::vector<const Body*>& bodies()
{
    static const std::vector<const Body*> all = {
        &cube(),       &cuboid(),         &pyramid(),     &frustum(),
        &cylinder(),   &cone(),           &coneFrustum(), &sphere(),
        &prism(),      &parallelepiped(), &torus(),       &hollowCylinder(),
        &hemisphere(), &sphericalCap(),   &tetrahedron(), &octahedron()};
    return all;
}

const Body* body(const QString& name)
{
    for (const Body* b : bodies()) {
        if (b->name == name)
            return b;
    }
    return nullptr;
}

} // namespace model
