#pragma once

#include "numbers/numbers.h"

#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A formula written once: the program computes it, and the worked solutions
// write it, in symbols and with the numbers put in, from the same tree, so
// that what a pupil reads is what was computed. Operands are evaluated in the
// order the tree gives; products and sums are written as they are grouped, so
// that reading the written formula from left to right computes the same
// doubles. A term names quantities by their symbols ("r", "V"); where their
// values come from, a text box or a solver, is the environment's business.
namespace model {

// Where a term's quantities get their values.
class Environment {
public:
    virtual ~Environment() = default;
    // A quantity's value, such as a dimension the user typed.
    virtual rt::Real value(const QString& symbol) const = 0;
    // A result as the user reads it, at the digits it is shown with.
    virtual rt::Real shown(const QString& symbol) const = 0;
};

// A value with the lowest decimal place (10^place) its inputs determine. A
// number written in a formula is exact; an input is certain to 15 significant
// digits. A sum or a difference is certain to the coarser of its operands'
// places, so that 10 − 9,99 is certain to 0,01; a product, a quotient, a
// power or a function keeps the significant digits of its least certain
// operand, 15 at best. A zero that is not exact (a cancellation) is certain
// only to its place wherever it goes.
class Certain {
public:
    Certain(double exact = 0) // NOLINT: implicit, as the numbers of a formula
        : value_(exact)
    {
    }
    // An input: certain to 15 significant digits.
    static Certain input(double value);
    // Known to that place.
    static Certain at(double value, int place);

    double value() const { return value_; }
    // rt::kAllDigits where it is exact.
    int place() const { return place_; }
    bool isExact() const { return place_ == rt::kAllDigits; }

    friend Certain operator+(const Certain& a, const Certain& b);
    friend Certain operator-(const Certain& a, const Certain& b);
    friend Certain operator*(const Certain& a, const Certain& b);
    friend Certain operator/(const Certain& a, const Certain& b);
    friend Certain pow(const Certain& base, double exponent);
    friend Certain sin(const Certain& x);
    friend Certain cos(const Certain& x);
    friend Certain tan(const Certain& x);
    friend Certain acos(const Certain& x);

private:
    double value_;
    int place_ = rt::kAllDigits;
};

class Term;

// A term turned into a short program over numbered slots, for a search that
// evaluates it thousands of times: no names looked up, no error raised.
class Compiled {
public:
    double run(const double* values) const;
    // The same at n points at once, with the same doubles: a quantity whose
    // slot s has a column (columns[s] not null) reads columns[s][k] at point
    // k, every other one values[s]. Written to out[0 .. n).
    void run(const double* values, const double* const* columns, size_t n, double* out) const;

private:
    friend class Term;
    struct Instruction {
        int op; // the term's own operation, or one of the powers it is split into
        int slot;
        double value; // a number, an exponent, π
    };
    std::vector<Instruction> code_;
    bool fits_ = true; // the stack is deep enough for it
};

class Term {
public:
    // A number of its own: 6, 360, ...; without one, 0.
    Term(double number = 0); // NOLINT: implicit, so that formulas read naturally
    // A constant written by its symbol, such as π.
    static Term constant(double value, const char* symbol);
    // A quantity, such as a dimension: its value comes from the environment.
    static Term quantity(const QString& symbol);
    // A quantity as the user reads it, at the digits it is shown with.
    static Term shown(const QString& symbol);
    // A part of a formula with a name of its own (hs, s, G, ...): written by its
    // name in symbols, computed and written in full with the numbers put in.
    static Term named(const char* symbol, const Term& definition);
    // An angle typed in degrees, as the trigonometric functions take it: (x × π) ÷ 180.
    static Term radians(const Term& degrees, double pi);
    // An angle in radians back in degrees: (x × 180) ÷ π, written as its argument.
    static Term degrees(const Term& radians, double pi);

    friend Term operator+(const Term& a, const Term& b);
    friend Term operator-(const Term& a, const Term& b);
    friend Term operator*(const Term& a, const Term& b);
    friend Term operator/(const Term& a, const Term& b);
    // Powers through the runtime's power operation: 2 and 3 are written raised,
    // 0.5 as a square root, 1/3 as a cube root.
    friend Term pow(const Term& base, double exponent);
    friend Term sin(const Term& x);
    friend Term cos(const Term& x);
    friend Term tan(const Term& x);
    friend Term acos(const Term& x);

    // Checked: raises rt::Error at the operation that fails.
    rt::Real evaluate(const Environment& in) const;
    // The same doubles as evaluate, each with the place its inputs determine:
    // what a shown result's digits may be. Unchecked; quantities, shown ones
    // included, are read by their symbols.
    Certain certain(const std::function<Certain(const QString& symbol)>& value) const;

    // "4/3 · π · r³"; a named part on its own is written as its definition.
    QString symbols() const;
    // "4/3 · π · (3 cm)³": every quantity replaced by the text the given
    // function returns for its symbol.
    QString substituted(const std::function<QString(const QString& symbol)>& value) const;
    // The named parts the formula uses, each once, innermost first: their
    // symbols and their definitions in symbols ("hs", "√(h² + (a1 : 2)²)").
    QList<std::pair<QString, QString>> namedParts() const;

    // The same without checks, every quantity read from the slot `slotOf` gives it.
    Compiled compile(const std::function<int(const QString& symbol)>& slotOf) const;

    // The quantities the formula reads, shown ones included, each once, in the
    // order they are first read.
    QStringList quantities() const;
    // How often it reads the quantity itself (not as shown).
    int occurrences(const QString& symbol) const;
    // The formula solved for a quantity it reads exactly once: the term that
    // gives the quantity when the formula has the value `target`. None where
    // an operation on the way cannot be undone in one way (a sine, a tangent).
    std::optional<Term> solvedFor(const QString& symbol, const Term& target) const;
    // The same formula reading the named parts that are quantities of their
    // own (hs, G, M) as those quantities, and shown quantities as they are:
    // how a solver sees which quantities a relation ties together.
    Term referencing(const QSet<QString>& quantities) const;
    // The same formula reading every part of it that is computed exactly as
    // `part` (a · b in a · b · c) as the quantity `symbol` that part gives:
    // V = G · c from V = a · b · c and G = a · b. None where no such part is
    // in it, below the whole.
    std::optional<Term> reading(const Term& part, const QString& symbol) const;

    // The same formula with every quantity and named part called as `name`
    // says: a part's r as r₂ in a body made of parts.
    Term renamed(const std::function<QString(const QString& symbol)>& name) const;
    // The same formula with the quantity read as the term `value` wherever it is read.
    Term with(const QString& symbol, const Term& value) const;

    struct Node;

private:
    explicit Term(std::shared_ptr<const Node> node);
    std::shared_ptr<const Node> node_;
};

Term operator+(const Term& a, const Term& b);
Term operator-(const Term& a, const Term& b);
Term operator*(const Term& a, const Term& b);
Term operator/(const Term& a, const Term& b);
Term pow(const Term& base, double exponent);
Term sin(const Term& x);
Term cos(const Term& x);
Term tan(const Term& x);
Term acos(const Term& x);

} // namespace model
