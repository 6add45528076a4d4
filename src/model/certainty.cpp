#include "certainty.h"

#include <QSet>
#include <functional>

namespace model {

QHash<QString, int> certainPlaces(const Body& body, const QHash<QString, double>& values,
                                  const QStringList& given)
{
    // Each quantity once: an input, or its relation over the quantities it reads.
    QHash<QString, Certain> known;
    QSet<QString> open; // being worked out: a relation reading itself reads an input
    std::function<Certain(const QString&)> read = [&](const QString& symbol) {
        if (const auto it = known.constFind(symbol); it != known.cend())
            return *it;
        const double value = values.value(symbol);
        const Term* formula = body.formula(symbol);
        Certain c = Certain::input(value);
        if (formula && !given.contains(symbol) && !body.isDimension(symbol) &&
            !open.contains(symbol)) {
            open.insert(symbol);
            // Its place, with the value as it is stored and shown.
            c = Certain::at(value, formula->certain(read).place());
            open.remove(symbol);
        }
        known.insert(symbol, c);
        return c;
    };
    QHash<QString, int> places;
    for (const Quantity& q : body.quantities) {
        if (values.contains(q.symbol))
            places.insert(q.symbol, read(q.symbol).place());
    }
    return places;
}

} // namespace model
