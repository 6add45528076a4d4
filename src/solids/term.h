#pragma once

#include "runtime/numbers.h"

#include <QString>
#include <functional>
#include <memory>

// A formula written once: the program computes it, and the worked solution
// writes it, in symbols and with the numbers put in, from the same tree, so
// that what a pupil reads is what was computed. Operands are evaluated in the
// order the tree gives; products and sums are written as they are grouped, so
// that reading the written formula from left to right computes the same
// doubles.
namespace solids {

class Inputs;

class Term {
public:
    // A number of its own: 6, 360, ...
    Term(double number); // NOLINT: implicit, so that formulas read naturally
    // A constant written by its symbol, such as π.
    static Term constant(double value, const char* symbol);
    // A dimension, read from its text box afresh at every use.
    static Term input(const char* box, const char* symbol);
    // A result as the window shows it, read back from its label.
    static Term shown(const char* label, const char* symbol);
    // A part of a formula with a name of its own (hs, s, G, ...): written by its
    // name in symbols, computed and written in full with the numbers put in.
    static Term named(const char* symbol, const Term& definition);
    // An angle typed in degrees, as the trigonometric functions take it: (x × π) ÷ 180.
    static Term radians(const Term& degrees, double pi);

    friend Term operator+(const Term& a, const Term& b);
    friend Term operator-(const Term& a, const Term& b);
    friend Term operator*(const Term& a, const Term& b);
    friend Term operator/(const Term& a, const Term& b);
    // Powers through the runtime's power operation: 2 and 3 are written raised,
    // 0.5 as a square root.
    friend Term pow(const Term& base, double exponent);
    friend Term sin(const Term& x);
    friend Term cos(const Term& x);
    friend Term tan(const Term& x);

    rt::Real evaluate(const Inputs& in) const;

    // "4/3 · π · r³"; a named part on its own is written as its definition.
    QString symbols() const;
    // "4/3 · π · (3 cm)³": every dimension and shown result replaced by the
    // text the given function returns for its box or label.
    QString substituted(const std::function<QString(const QString& name)>& value) const;
    // The named parts the formula uses, each once, innermost first: their
    // symbols and their definitions in symbols ("hs", "√(h² + (a1 : 2)²)").
    QList<std::pair<QString, QString>> namedParts() const;

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

} // namespace solids
