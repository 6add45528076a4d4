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

// Each body's function, declared here for the list: a body that no window
// names needs no line in body.h.
#define SOLVANTO_BODY(make) const Body& make();
#include "bodies/list.h"
#undef SOLVANTO_BODY

const std::vector<const Body*>& bodies()
{
    static const std::vector<const Body*> all = {
#define SOLVANTO_BODY(make) &make(),
#include "bodies/list.h"
#undef SOLVANTO_BODY
    };
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

const Body* bodyById(const QString& id)
{
    for (const Body* b : bodies()) {
        if (b->id == id)
            return b;
    }
    return nullptr;
}

QString definite(const Body& body, Case grammaticalCase)
{
    switch (body.gender) {
    case Gender::Feminine:
        return QStringLiteral("die ") + body.name;
    case Gender::Neuter:
        return QStringLiteral("das ") + body.name;
    case Gender::Masculine:
        break;
    }
    return (grammaticalCase == Case::Accusative ? QStringLiteral("den ") : QStringLiteral("der ")) +
           body.name;
}

QString none(const Body& body)
{
    return (body.gender == Gender::Feminine ? QStringLiteral("keine ") : QStringLiteral("kein ")) +
           body.name;
}

} // namespace model
