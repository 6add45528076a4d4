#include "catalogue.h"

#include <stdexcept>

namespace solids {

// Each defined in a file of its own.
extern const Solid kCube, kCuboid, kPyramid, kCylinder, kPrism, kCone, kParallelepiped, kSphere,
    kTorus, kHollowCylinder, kHemisphere, kSphericalCap, kTetrahedron, kOctahedron;

const std::vector<const Solid*>& catalogue()
{
    static const std::vector<const Solid*> all = {
        &kCube,       &kCuboid,         &kPyramid,     &kCylinder,  &kPrism,
        &kCone,       &kParallelepiped, &kSphere,      &kTorus,     &kHollowCylinder,
        &kHemisphere, &kSphericalCap,   &kTetrahedron, &kOctahedron};
    return all;
}

const Solid& solid(const QString& window)
{
    for (const Solid* s : catalogue()) {
        if (QString::fromUtf8(s->window) == window)
            return *s;
    }
    throw std::invalid_argument("no solid has the window " + window.toStdString());
}

Showing showing(const QString& bodyId)
{
    for (const Solid* s : catalogue()) {
        for (const Variant& v : s->calculator.variants) {
            if (v.body && v.body->id == bodyId)
                return {s, &v};
        }
    }
    return {};
}

// Defined in modelsketches.cpp: the bodies that only the list offers.
Sketch listSketch(const QString& bodyId);

Sketch sketchOf(const QString& bodyId)
{
    const Showing shown = showing(bodyId);
    return shown.solid ? shown.solid->sketch(*shown.variant) : listSketch(bodyId);
}

Sketch sketchOf(const model::Body& body)
{
    QStringList symbols;
    for (const model::Quantity& q : body.quantities)
        symbols.append(q.symbol);
    return sketchOf(body.id).lettered(symbols).opened(body.withoutTop, body.withoutBase);
}

} // namespace solids
