#include "variants.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace model {

namespace {

const QString kSurface = QStringLiteral("O");

bool uses(const Term& t, const QString& symbol)
{
    return t.quantities().contains(symbol);
}

// The surface of an open container is the faces it keeps and its sides,
// written by their names: O = G + M.
void open(Body& b, bool top, bool base)
{
    std::vector<Term> parts;
    if (b.base && !base)
        parts.push_back(b.base->area);
    if (b.top && !top)
        parts.push_back(b.top->area);
    parts.push_back(b.sides);
    Term surface = parts.front();
    for (size_t i = 1; i < parts.size(); ++i)
        surface = surface + parts[i];
    for (Relation& r : b.relations) {
        if (r.symbol == kSurface)
            r.formula = surface;
    }
    // A chart's surface and a closed form through O count the closed body.
    for (Chart& c : b.charts)
        std::erase_if(c.relations, [](const Relation& r) { return r.symbol == kSurface; });
    std::erase_if(b.shortcuts, [](const Shortcut& s) {
        return s.symbol == kSurface || s.givens.contains(kSurface) || uses(s.formula, kSurface);
    });
    b.withoutTop = top && b.top;
    b.withoutBase = base && b.base;
}

// b = a: b is no longer free but read from a, first of all relations so
// that every other one finds it computed.
void tie(Body& b)
{
    const Tie& t = b.ties.front();
    b.dimensions.removeAll(t.symbol);
    b.relations.insert(b.relations.begin(), Relation{t.symbol, Term::quantity(t.to)});
    // Charts and closed forms were written for the two free.
    b.charts = t.charts;
    std::erase_if(b.shortcuts, [&](const Shortcut& s) {
        return s.symbol == t.symbol || s.givens.contains(t.symbol) || uses(s.formula, t.symbol);
    });
    if (b.interchangeable.contains(t.symbol))
        b.interchangeable.clear();
}

// ρ and m follow the body's own quantities; ρ is free, as the material is.
void material(Body& b)
{
    const QString density = QStringLiteral("ρ"), mass = QStringLiteral("m");
    b.quantities.push_back({density, QStringLiteral("Dichte ρ"), Dimension::Density});
    b.quantities.push_back({mass, QStringLiteral("Masse m"), Dimension::Mass});
    b.dimensions << density;
    // Where only some combinations are offered, the density is not one of
    // the dimensions that choose them.
    if (b.leastDimensions > 0)
        ++b.leastDimensions;
    b.relations.push_back(
        Relation{mass, Term::quantity(density) * Term::quantity(QStringLiteral("V"))});
}

} // namespace

bool hasTie(const Body& body)
{
    return !body.ties.empty();
}

bool hasTop(const Body& body)
{
    return body.top && body.quantity(kSurface);
}

bool hasBase(const Body& body)
{
    return body.base && body.quantity(kSurface);
}

const Body& variant(const Body& body, const Options& wanted)
{
    const Body& plain = plainOf(body);
    const Options o{wanted.tied && hasTie(plain), wanted.withoutTop && hasTop(plain),
                    wanted.withoutBase && hasBase(plain), wanted.material};
    if (o == Options{})
        return plain;
    const int key =
        (o.tied ? 1 : 0) | (o.withoutTop ? 2 : 0) | (o.withoutBase ? 4 : 0) | (o.material ? 8 : 0);
    // Made once and kept: solvers keep a prepared body by its address.
    static std::mutex guard;
    static std::map<std::pair<const Body*, int>, Body> made;
    const std::lock_guard<std::mutex> lock(guard);
    auto it = made.find({&plain, key});
    if (it != made.end())
        return it->second;
    Body b = plain;
    b.plain = &plain;
    if (o.tied)
        tie(b);
    if (o.withoutTop || o.withoutBase)
        open(b, o.withoutTop, o.withoutBase);
    if (o.material)
        material(b);
    return made.emplace(std::pair{&plain, key}, std::move(b)).first->second;
}

QString openNote(const Body& body)
{
    if (body.withoutTop && body.withoutBase)
        return QStringLiteral("(ohne Grund- und Deckfläche)");
    if (body.withoutTop)
        return QStringLiteral("(ohne Deckfläche)");
    if (body.withoutBase)
        return QStringLiteral("(ohne Grundfläche)");
    return {};
}

} // namespace model
