#pragma once

#include "term.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <numbers>
#include <optional>
#include <vector>

// A solid described once, by its quantities and the relations between them.
// The calculator windows bind some of the quantities to their boxes and labels
// and compute the relations in order; the inverse solver takes any of them as
// given and finds the others; the worked solutions write the same relations.
namespace model {

// The older calculators' own pi, as the program has always stored it; the
// newer ones compute with the double nearest to pi.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kExactPi = std::numbers::pi;

// A quantity's physical dimension: powers of length, mass and money, or an
// angle, or a count. A volume is length³, a density mass · length⁻³; a new
// kind of quantity is a new row of data, not a new branch.
struct Dimension {
    std::int8_t length = 0;
    std::int8_t mass = 0;
    std::int8_t money = 0;
    bool angle = false;
    bool count = false;

    friend constexpr bool operator==(const Dimension&, const Dimension&) = default;

    static const Dimension Length, Area, Volume, Angle, Count, Mass, Density;
};
inline constexpr Dimension Dimension::Length{1};
inline constexpr Dimension Dimension::Area{2};
inline constexpr Dimension Dimension::Volume{3};
inline constexpr Dimension Dimension::Angle{0, 0, 0, true};
inline constexpr Dimension Dimension::Count{0, 0, 0, false, true};
inline constexpr Dimension Dimension::Mass{0, 1};
inline constexpr Dimension Dimension::Density{-3, 1};

// How a body is spoken of in a German sentence.
enum class Gender { Masculine, Feminine, Neuter };
// The case a body's name stands in: "der Zylinder ist", "für den Zylinder".
enum class Case { Nominative, Accusative };

struct Quantity {
    QString symbol;  // "r"
    QString caption; // "Radius r"
    Dimension dimension;
};

// How a condition compares its two sides.
enum class Compare { Greater, Less, NotGreater };

// A condition on the quantities, as data: "a2 < a1", "w > 0".
struct Condition {
    Term left;
    Compare compare;
    Term right;
    QString reason; // "Die Deckkante a2 muss kürzer sein als die Grundkante a1"

    // Whether the two sides' values, however computed, stand as it says.
    bool holdsFor(double l, double r) const
    {
        switch (compare) {
        case Compare::Greater:
            return l > r;
        case Compare::Less:
            return l < r;
        case Compare::NotGreater:
            return !(l > r);
        }
        return false;
    }
};

// A quantity given by a formula in the others.
struct Relation {
    QString symbol;
    Term formula;
};

// A closed form that a pupil expects for one combination of givens, such as
// r = 2 · V : M for the cylinder: tried before any search.
struct Shortcut {
    QStringList givens;
    QString symbol;
    Term formula;
};

// Another choice of free dimensions in which some combinations of givens can
// be solved step by step: the cuboid by its height and the sum and the
// product of length and width. Its relations give the body's dimensions, and
// any quantity that is better written in the chart's own, from `dimensions`.
struct Chart {
    QString note; // "mit p = a + b und q = a · b"
    std::vector<Quantity> dimensions;
    std::vector<Relation> relations{};
};

// The shape of a flat face, for fitting one face on another.
enum class Shape { Circle, Square, Rectangle, Triangle, Trapezoid, Ring, Polygon };

// A flat face of a body: the base it stands on, or the face on top.
struct Face {
    Shape shape = Shape::Polygon;
    // Its area, named by the body's symbol for it where it has one (G, D), so
    // that a surface without it reads "O = G + M".
    Term area{};
    // Its sizes: a circle's radius; a square's edge; a rectangle's two sides;
    // a triangle's side c and its height hc; a trapezoid's a, c and height;
    // a ring's two radii. None for any other polygon.
    std::vector<Term> sizes{};
};

// A check box that makes one dimension equal to another: "gleichschenklig"
// makes b = a, and the body has one free dimension fewer.
struct Tie {
    QString caption; // "gleichschenklig"
    QString symbol;  // "b"
    QString to;      // "a"
    // The charts of the body so tied: the body's own were written for more
    // free dimensions.
    std::vector<Chart> charts{};
};

struct Body {
    QString id;                         // "cylinder": stable, whatever the name reads
    QString name;                       // "Zylinder"
    Gender gender = Gender::Masculine;  // der Zylinder
    std::vector<Quantity> quantities{}; // in the order a window lists them
    QStringList dimensions{};           // the free ones, which fix the solid
    QStringList alwaysGiven{};          // dimensions that must be given (the prism's n)
    std::vector<Relation> relations{};  // every other quantity, from the dimensions
    std::vector<Condition> conditions{};
    std::vector<Shortcut> shortcuts{};
    std::vector<Chart> charts{};
    // Where only some combinations are offered: how many of the dimensions
    // must be among the givens at least, and what the user is told otherwise.
    int leastDimensions = 0;
    QString combinations{};
    // Two dimensions that may be swapped without changing the solid; solutions
    // are written with the first not less than the second.
    QStringList interchangeable{};
    // The flat faces a container may lack, and what the surface O counts
    // besides them (M): O is base + top + sides, written with their names.
    std::optional<Face> base{}, top{};
    Term sides{};
    std::vector<Tie> ties{};
    // Where a dimension's place among the sample lengths and angles of an
    // ordinary solid is not its place among the dimensions: a body made of
    // parts numbers each part's own from 0, so that each part is the solid
    // its own samples make, and scales each part's lengths by a factor of
    // its own, so that no two parts are the same solid.
    struct Sample {
        int place = 0;
        double scale = 1;
    };
    QHash<QString, Sample> samples{};
    // Set on a body's variants only (variants.h): the body it was made from,
    // and the faces its surface leaves out.
    const Body* plain = nullptr;
    bool withoutTop = false, withoutBase = false;

    const Quantity* quantity(const QString& symbol) const;
    const Term* formula(const QString& symbol) const;
    bool isDimension(const QString& symbol) const { return dimensions.contains(symbol); }
};

// Every body the inverse solver offers, in the order of its list (bodies/list.h).
const std::vector<const Body*>& bodies();
// The body of that name, or nullptr.
const Body* body(const QString& name);
// The body of that id, or nullptr.
const Body* bodyById(const QString& id);

// "der Zylinder", "die Kugel", "das Prisma"; "den Zylinder" in the accusative.
QString definite(const Body& body, Case grammaticalCase = Case::Nominative);
// "kein Zylinder", "keine Kugel", "kein Prisma"
QString none(const Body& body);

// The bodies that windows and tests name, each in a file of its own. The
// pyramid and the cone's frustum name their base edge or radius as the caller
// asks: the calculator windows write a1 and r; without one, as in the list.
const Body& cube();
const Body& cuboid();
const Body& pyramid();
const Body& pyramid(const QString& base);
const Body& frustum();
const Body& cylinder();
const Body& cone();
const Body& coneFrustum();
const Body& coneFrustum(const QString& base);
const Body& sphere();
const Body& prism();
const Body& parallelepiped();
const Body& torus();
const Body& hollowCylinder();
const Body& hemisphere();
const Body& sphericalCap();
const Body& tetrahedron();
const Body& octahedron();

} // namespace model
