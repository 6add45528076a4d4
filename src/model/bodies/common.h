#pragma once

#include "model/body.h"

#include <map>
#include <mutex>

// What the bodies' files share: quantities by their symbols, and the rows of
// the inverse solver's list.
namespace model::build {

inline Term q(const char* symbol)
{
    return Term::quantity(QString::fromUtf8(symbol));
}

inline Quantity length(const char* symbol, const char* caption)
{
    return {QString::fromUtf8(symbol), QString::fromUtf8(caption), Dimension::Length};
}
inline Quantity area(const char* symbol, const char* caption)
{
    return {QString::fromUtf8(symbol), QString::fromUtf8(caption), Dimension::Area};
}
inline Quantity volume(const char* symbol, const char* caption)
{
    return {QString::fromUtf8(symbol), QString::fromUtf8(caption), Dimension::Volume};
}
inline Quantity angle(const char* symbol, const char* caption)
{
    return {QString::fromUtf8(symbol), QString::fromUtf8(caption), Dimension::Angle};
}

// A body whose base edge or radius is named as the caller asks (a1 in the
// calculator window, a in the list of the inverse solver): made once a name.
template <class Make>
const Body& once(std::map<QString, Body>& made, const QString& base, Make make)
{
    // Solvers on several threads may ask for a body first at the same time.
    // Each caller's lambda is a type of its own, so each map has its own lock;
    // a map's entries stay where they are when another is added.
    static std::mutex guard;
    const std::lock_guard<std::mutex> lock(guard);
    auto it = made.find(base);
    if (it == made.end())
        it = made.emplace(base, make()).first;
    return it->second;
}

inline Relation rel(const char* symbol, const Term& formula)
{
    return {QString::fromUtf8(symbol), formula};
}

} // namespace model::build
