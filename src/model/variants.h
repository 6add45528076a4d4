#pragma once

#include "body.h"

// What a window's check boxes make of a body: "gleichschenklig", a container
// without its lid or floor, a solid of some material with its mass.
namespace model {

struct Options {
    bool tied = false; // the body's tie holds: b = a
    bool withoutTop = false;
    bool withoutBase = false;
    bool material = false; // with a density ρ and a mass m = ρ · V

    friend bool operator==(const Options&, const Options&) = default;
};

// The body with those options, made once for the program's run and never
// moved, so that a solver may keep it prepared; the body itself where none
// applies. An option the body has no use for (a lid on a sphere) is ignored.
const Body& variant(const Body& body, const Options& options);

// The body of the list a variant was made from; a body of the list itself.
inline const Body& plainOf(const Body& body)
{
    return body.plain ? *body.plain : body;
}

// The options a body allows: its tie, the faces it has, a material always.
bool hasTie(const Body& body);
bool hasTop(const Body& body);
bool hasBase(const Body& body);

// What a surface without faces is said with: "(ohne Deckfläche)"; empty for
// a closed body.
QString openNote(const Body& body);

} // namespace model
