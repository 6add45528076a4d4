#include "term.h"

#include "calculator.h"

#include <cmath>

namespace solids {

struct Term::Node {
    enum Op {
        Number,
        Constant,
        Input,
        Shown,
        Named,
        Radians,
        Add,
        Sub,
        Mul,
        Div,
        Pow,
        Sin,
        Cos,
        Tan
    } op;
    double value = 0; // the number, the constant, the exponent, or π for Radians
    QString symbol;   // how a constant, dimension, shown result or named part is written
    QString name;     // the box or label read
    std::shared_ptr<const Node> a, b;
};

namespace {

using Node = Term::Node;
using Value = std::function<QString(const QString&)>;

// How tightly a written part holds together, loosest first.
enum Tightness { Sum = 1, Product, WithUnit, Raised, Atom };

bool isInteger(const Node& n)
{
    return n.op == Node::Number && n.value == std::floor(n.value) && std::fabs(n.value) < 1e6;
}

bool isFraction(const Node& n)
{
    return n.op == Node::Div && isInteger(*n.a) && isInteger(*n.b);
}

struct Written {
    QString text;
    Tightness tightness;
    bool grouped = false; // a named part written out, in brackets of its own
};

// What goes inside a function's or root's own brackets.
QString inner(const Written& w)
{
    return w.grouped ? w.text.mid(1, w.text.size() - 2) : w.text;
}

Written write(const Node& n, const Value* value);

QString bracketed(const Written& w, bool brackets)
{
    return brackets ? QStringLiteral("(%1)").arg(w.text) : w.text;
}

Written binary(const Node& n, const Value* value, Tightness tightness, const char* sign)
{
    const Written left = write(*n.a, value), right = write(*n.b, value);
    // Grouped to the right, a part of the same kind keeps its brackets: the
    // doubles depend on the grouping.
    return {bracketed(left, left.tightness < tightness) + QString::fromUtf8(sign) +
                bracketed(right, right.tightness <= tightness),
            tightness};
}

Written function(const Node& n, const Value* value, const char* name)
{
    return {QStringLiteral("%1(%2)").arg(QString::fromUtf8(name), inner(write(*n.a, value))), Atom};
}

Written write(const Node& n, const Value* value)
{
    switch (n.op) {
    case Node::Number:
        return {QString::number(qint64(n.value)), Atom};
    case Node::Constant:
        return {n.symbol, Atom};
    case Node::Input:
    case Node::Shown:
        if (value)
            return {(*value)(n.name), WithUnit};
        return {n.symbol, Atom};
    case Node::Named:
        if (value) {
            // Written out, a named part keeps brackets of its own, so that the
            // reader sees where G or hs stands.
            const Written w = write(*n.a, value);
            return w.tightness < Atom ? Written{u'(' + w.text + u')', Atom, true} : w;
        }
        return {n.symbol, Atom};
    case Node::Radians:
        return write(*n.a, value);
    case Node::Add:
        return binary(n, value, Sum, " + ");
    case Node::Sub:
        return binary(n, value, Sum, " \u2212 ");
    case Node::Mul:
        return binary(n, value, Product, " · ");
    case Node::Div:
        if (isFraction(n))
            return {write(*n.a, value).text + u'/' + write(*n.b, value).text, Product};
        return binary(n, value, Product, " : ");
    case Node::Pow: {
        const Written base = write(*n.a, value);
        if (n.value == 0.5)
            return {QStringLiteral("√(%1)").arg(inner(base)), Atom};
        const QString raised = n.value == 2   ? QStringLiteral("²")
                               : n.value == 3 ? QStringLiteral("³")
                                              : QStringLiteral("^%1").arg(n.value);
        return {bracketed(base, base.tightness < Atom) + raised, Raised};
    }
    case Node::Sin:
        return function(n, value, "sin");
    case Node::Cos:
        return function(n, value, "cos");
    case Node::Tan:
        return function(n, value, "tan");
    }
    return {};
}

void collectNamed(const Node& n, QList<std::pair<QString, QString>>& parts)
{
    for (const auto& child : {n.a, n.b}) {
        if (child)
            collectNamed(*child, parts);
    }
    if (n.op != Node::Named)
        return;
    for (const auto& [symbol, definition] : parts) {
        if (symbol == n.symbol)
            return;
    }
    parts.append({n.symbol, write(*n.a, nullptr).text});
}

rt::Real evaluate(const Node& n, const Inputs& in)
{
    switch (n.op) {
    case Node::Number:
    case Node::Constant:
        return n.value;
    case Node::Input:
        return in(n.name);
    case Node::Shown:
        return in.shown(n.name);
    case Node::Named:
        return evaluate(*n.a, in);
    case Node::Radians:
        return (evaluate(*n.a, in) * n.value) / 180;
    case Node::Add:
        return evaluate(*n.a, in) + evaluate(*n.b, in);
    case Node::Sub:
        return evaluate(*n.a, in) - evaluate(*n.b, in);
    case Node::Mul:
        return evaluate(*n.a, in) * evaluate(*n.b, in);
    case Node::Div:
        return evaluate(*n.a, in) / evaluate(*n.b, in);
    case Node::Pow:
        return pow(evaluate(*n.a, in), n.value);
    case Node::Sin:
        return sin(evaluate(*n.a, in));
    case Node::Cos:
        return cos(evaluate(*n.a, in));
    case Node::Tan:
        return tan(evaluate(*n.a, in));
    }
    return 0;
}

std::shared_ptr<const Node> make(Node::Op op, double value = 0, QString symbol = {},
                                 QString name = {}, std::shared_ptr<const Node> a = {},
                                 std::shared_ptr<const Node> b = {})
{
    auto n = std::make_shared<Node>();
    n->op = op;
    n->value = value;
    n->symbol = std::move(symbol);
    n->name = std::move(name);
    n->a = std::move(a);
    n->b = std::move(b);
    return n;
}

} // namespace

Term::Term(std::shared_ptr<const Node> node)
    : node_(std::move(node))
{
}

Term::Term(double number)
    : node_(make(Node::Number, number))
{
}

Term Term::constant(double value, const char* symbol)
{
    return Term(make(Node::Constant, value, QString::fromUtf8(symbol)));
}

Term Term::input(const char* box, const char* symbol)
{
    return Term(make(Node::Input, 0, QString::fromUtf8(symbol), QString::fromUtf8(box)));
}

Term Term::shown(const char* label, const char* symbol)
{
    return Term(make(Node::Shown, 0, QString::fromUtf8(symbol), QString::fromUtf8(label)));
}

Term Term::named(const char* symbol, const Term& definition)
{
    return Term(make(Node::Named, 0, QString::fromUtf8(symbol), {}, definition.node_));
}

Term Term::radians(const Term& degrees, double pi)
{
    return Term(make(Node::Radians, pi, {}, {}, degrees.node_));
}

Term operator+(const Term& a, const Term& b)
{
    return Term(make(Node::Add, 0, {}, {}, a.node_, b.node_));
}

Term operator-(const Term& a, const Term& b)
{
    return Term(make(Node::Sub, 0, {}, {}, a.node_, b.node_));
}

Term operator*(const Term& a, const Term& b)
{
    return Term(make(Node::Mul, 0, {}, {}, a.node_, b.node_));
}

Term operator/(const Term& a, const Term& b)
{
    return Term(make(Node::Div, 0, {}, {}, a.node_, b.node_));
}

Term pow(const Term& base, double exponent)
{
    return Term(make(Node::Pow, exponent, {}, {}, base.node_));
}

Term sin(const Term& x)
{
    return Term(make(Node::Sin, 0, {}, {}, x.node_));
}

Term cos(const Term& x)
{
    return Term(make(Node::Cos, 0, {}, {}, x.node_));
}

Term tan(const Term& x)
{
    return Term(make(Node::Tan, 0, {}, {}, x.node_));
}

rt::Real Term::evaluate(const Inputs& in) const
{
    return solids::evaluate(*node_, in);
}

// A result's formula may be a named part of another formula; written on its
// own it is its definition.
static const Node& unnamed(const Node& n)
{
    return n.op == Node::Named ? unnamed(*n.a) : n;
}

QString Term::symbols() const
{
    return write(unnamed(*node_), nullptr).text;
}

QString Term::substituted(const std::function<QString(const QString&)>& value) const
{
    return write(unnamed(*node_), &value).text;
}

QList<std::pair<QString, QString>> Term::namedParts() const
{
    QList<std::pair<QString, QString>> parts;
    collectNamed(unnamed(*node_), parts);
    return parts;
}

} // namespace solids
