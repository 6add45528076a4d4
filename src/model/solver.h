#pragma once

#include "body.h"

#include <QHash>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

// The inverse solver: any quantities of a body given, every other one found,
// with every solution the givens allow and the way there. A pure function:
// it shows nothing and asks nobody.
namespace model {

// Values are in the centimetre's unit of their kind (cm, cm², cm³), angles in
// degrees.
using Values = QHash<QString, double>;

struct Step {
    enum Kind {
        Computed,   // a relation evaluated: V = π · r² · h
        Rearranged, // a relation solved for one of its quantities: h = V : (π · r²)
        Shortcut,   // a closed form for these givens: r = 2 · V : M
        Numeric     // equations with no closed form, solved by search
    } kind;
    QString symbol;   // the quantity found
    QString relation; // the relation used (Computed, Rearranged)
    Term formula;     // what gives the quantity (all but Numeric)
    // Numeric: the relations solved together.
    QStringList equations;
};

struct Solution {
    Values values; // every quantity
    std::vector<Step> steps;
    Values found;  // what the steps found, helper quantities included
    QString chart; // the helper quantities the steps use, if any: "mit p = a + b ..."
};

struct Answer {
    enum Status {
        Solved,
        Missing,       // too few givens
        Contradiction, // too many, and they disagree
        NoSolid,       // no solid has these values
        Unsolved       // this combination is beyond the solver, or not offered
    } status = Unsolved;
    std::vector<Solution> solutions;

    // Missing: the dimensions the givens leave open, and how many more givens it takes.
    QStringList open;
    int lacking = 0;
    // Missing: what the givens fix all the same (a Quader's c from V and G),
    // as a solution whose values hold only the quantities fixed, the givens
    // among them, with the steps that found them; empty where they fix nothing.
    Solution partial;
    // Contradiction: the givens that disagree with the others, each with the
    // value the others give it.
    Values contradicting;
    // NoSolid: the reason, and where the search found one, the bound a given
    // value would have to keep to (at least / at most), with the givens it depends on.
    QString reason;
    struct Bound {
        QString symbol;
        double value;
        bool least;
        QStringList by;
    };
    std::optional<Bound> bound;
    // NoSolid: a quantity that came out of its range (a negative height), and how.
    struct Invalid {
        QString symbol;
        Term formula;
        double value;
    };
    std::optional<Invalid> invalid;
};

// A body made ready for solving, once: its quantities numbered, its relations,
// closed forms and conditions compiled, what each quantity depends on. It
// never changes after it is made, so any number of threads may solve with it
// at once.
struct Prepared {
    struct Data;
    const Body* body = nullptr;
    std::shared_ptr<const Data> data;
};

// A body solved once, such as one made of parts for one "Berechnen", is
// not worth the slopes for every number of corners a prism may have.
enum class Use { Often, Once };
Prepared prepare(const Body& body, Use use = Use::Often);

// Thread-safe: it keeps nothing between calls.
Answer solve(const Prepared& body, const Values& givens);
// The same for a body of bodies(), prepared once for the program's run, or
// for any other body prepared on the spot.
Answer solve(const Body& body, const Values& givens);

// Every set of as many givens as the body has free dimensions that the solver
// is offered (the Spat's with at least five of its edges and angles), its
// dimensions that must always be given included: what a round trip tries.
std::vector<QStringList> givenSets(const Body& body);

// Two values agree when they differ by less than half a unit in the ninth
// significant digit.
bool agree(double a, double b);

} // namespace model
