#include "term.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace model {

struct Term::Node {
    enum Op {
        Number,
        Constant,
        Input,
        Shown,
        Named,
        Radians,
        Degrees,
        Add,
        Sub,
        Mul,
        Div,
        Pow,
        Sin,
        Cos,
        Tan,
        Acos
    } op;
    double value = 0; // the number, the constant, the exponent, or π for Radians
    QString symbol;   // how a constant, quantity or named part is written; the quantity read
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
            return {(*value)(n.symbol), WithUnit};
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
    case Node::Degrees:
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
        if (n.value == 1.0 / 3)
            return {QStringLiteral("∛(%1)").arg(inner(base)), Atom};
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
    case Node::Acos:
        return function(n, value, "arccos");
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

// The checked walk; the unchecked arithmetic is the compiled program's.
template <typename Number, typename Read> Number compute(const Node& n, const Read& read)
{
    using std::acos, std::cos, std::pow, std::sin, std::tan;
    const auto at = [&](const std::shared_ptr<const Node>& child) {
        return compute<Number>(*child, read);
    };
    switch (n.op) {
    case Node::Number:
        return n.value;
    case Node::Constant:
        // π and its like: certain to the digits a double holds of them.
        if constexpr (std::is_same_v<Number, Certain>)
            return Certain::input(n.value);
        else
            return n.value;
    case Node::Input:
        return read(n.symbol, false);
    case Node::Shown:
        return read(n.symbol, true);
    case Node::Named:
        return at(n.a);
    case Node::Radians:
        return (at(n.a) * n.value) / 180;
    case Node::Degrees:
        return (at(n.a) * 180) / n.value;
    case Node::Add:
        return at(n.a) + at(n.b);
    case Node::Sub:
        return at(n.a) - at(n.b);
    case Node::Mul:
        return at(n.a) * at(n.b);
    case Node::Div:
        return at(n.a) / at(n.b);
    case Node::Pow:
        return pow(at(n.a), n.value);
    case Node::Sin:
        return sin(at(n.a));
    case Node::Cos:
        return cos(at(n.a));
    case Node::Tan:
        return tan(at(n.a));
    case Node::Acos:
        return acos(at(n.a));
    }
    return 0;
}

void collect(const Node& n, QStringList& symbols)
{
    if ((n.op == Node::Input || n.op == Node::Shown) && !symbols.contains(n.symbol))
        symbols << n.symbol;
    for (const auto& child : {n.a, n.b}) {
        if (child)
            collect(*child, symbols);
    }
}

std::shared_ptr<const Node> make(Node::Op op, double value = 0, QString symbol = {},
                                 std::shared_ptr<const Node> a = {},
                                 std::shared_ptr<const Node> b = {});

std::shared_ptr<const Node> referencing(const std::shared_ptr<const Node>& n,
                                        const QSet<QString>& quantities)
{
    if (n->op == Node::Shown || (n->op == Node::Named && quantities.contains(n->symbol)))
        return make(Node::Input, 0, n->symbol);
    if (!n->a)
        return n;
    auto copy = std::make_shared<Node>(*n);
    copy->a = referencing(n->a, quantities);
    if (n->b)
        copy->b = referencing(n->b, quantities);
    return copy;
}

int count(const Node& n, const QString& symbol)
{
    int found = n.op == Node::Input && n.symbol == symbol ? 1 : 0;
    for (const auto& child : {n.a, n.b}) {
        if (child)
            found += count(*child, symbol);
    }
    return found;
}

std::shared_ptr<const Node> make(Node::Op op, double value, QString symbol,
                                 std::shared_ptr<const Node> a, std::shared_ptr<const Node> b)
{
    auto n = std::make_shared<Node>();
    n->op = op;
    n->value = value;
    n->symbol = std::move(symbol);
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

Term Term::quantity(const QString& symbol)
{
    return Term(make(Node::Input, 0, symbol));
}

Term Term::shown(const QString& symbol)
{
    return Term(make(Node::Shown, 0, symbol));
}

Term Term::named(const char* symbol, const Term& definition)
{
    return Term(make(Node::Named, 0, QString::fromUtf8(symbol), definition.node_));
}

Term Term::radians(const Term& degrees, double pi)
{
    return Term(make(Node::Radians, pi, {}, degrees.node_));
}

Term Term::degrees(const Term& radians, double pi)
{
    return Term(make(Node::Degrees, pi, {}, radians.node_));
}

Term operator+(const Term& a, const Term& b)
{
    return Term(make(Node::Add, 0, {}, a.node_, b.node_));
}

Term operator-(const Term& a, const Term& b)
{
    return Term(make(Node::Sub, 0, {}, a.node_, b.node_));
}

Term operator*(const Term& a, const Term& b)
{
    return Term(make(Node::Mul, 0, {}, a.node_, b.node_));
}

Term operator/(const Term& a, const Term& b)
{
    return Term(make(Node::Div, 0, {}, a.node_, b.node_));
}

Term pow(const Term& base, double exponent)
{
    return Term(make(Node::Pow, exponent, {}, base.node_));
}

Term sin(const Term& x)
{
    return Term(make(Node::Sin, 0, {}, x.node_));
}

Term cos(const Term& x)
{
    return Term(make(Node::Cos, 0, {}, x.node_));
}

Term tan(const Term& x)
{
    return Term(make(Node::Tan, 0, {}, x.node_));
}

Term acos(const Term& x)
{
    return Term(make(Node::Acos, 0, {}, x.node_));
}

rt::Real Term::evaluate(const Environment& in) const
{
    return compute<rt::Real>(*node_, [&](const QString& symbol, bool shown) {
        return shown ? in.shown(symbol) : in.value(symbol);
    });
}

Certain Term::certain(const std::function<Certain(const QString&)>& value) const
{
    return compute<Certain>(*node_, [&](const QString& symbol, bool) { return value(symbol); });
}

namespace {

// The most significant digits a computed value is certain to: what a double
// holds, and what the program shows.
constexpr int kDigits = 15;

// A sum or a difference: no finer than the coarser operand.
Certain sum(double result, const Certain& a, const Certain& b)
{
    const int place = std::max(a.place(), b.place());
    if (place == rt::kAllDigits || result == 0 || !std::isfinite(result))
        return Certain::at(result, place);
    return Certain::at(result, std::max(place, rt::leadingPlace(result) - (kDigits - 1)));
}

// A product, a quotient, a power or a function: as many significant digits as
// its least certain nonzero operand. An exact zero gives an exact zero; a zero
// that is certain only to its place makes a zero as certain.
Certain relative(double result, const Certain& a, const Certain* b = nullptr)
{
    bool exact = true;
    int digits = kDigits, coarsest = rt::kAllDigits;
    for (const Certain* operand : {&a, b}) {
        if (!operand)
            continue;
        if (operand->isExact()) {
            if (operand->value() == 0 && result == 0)
                return Certain(result);
            continue;
        }
        exact = false;
        coarsest = std::max(coarsest, operand->place());
        if (operand->value() != 0 && std::isfinite(operand->value()))
            digits = std::min(digits, rt::leadingPlace(operand->value()) - operand->place() + 1);
    }
    if (exact || !std::isfinite(result))
        return Certain(result);
    if (result == 0)
        return Certain::at(result, coarsest);
    return Certain::at(result, rt::leadingPlace(result) - digits + 1);
}

} // namespace

Certain Certain::input(double value)
{
    if (value == 0 || !std::isfinite(value))
        return Certain(value);
    return at(value, rt::leadingPlace(value) - (kDigits - 1));
}

Certain Certain::at(double value, int place)
{
    Certain c(value);
    c.place_ = place;
    return c;
}

Certain operator+(const Certain& a, const Certain& b)
{
    return sum(a.value_ + b.value_, a, b);
}

Certain operator-(const Certain& a, const Certain& b)
{
    return sum(a.value_ - b.value_, a, b);
}

Certain operator*(const Certain& a, const Certain& b)
{
    return relative(a.value_ * b.value_, a, &b);
}

Certain operator/(const Certain& a, const Certain& b)
{
    return relative(a.value_ / b.value_, a, &b);
}

Certain pow(const Certain& base, double exponent)
{
    return relative(std::pow(base.value_, exponent), base);
}

Certain sin(const Certain& x)
{
    return relative(std::sin(x.value_), x);
}

Certain cos(const Certain& x)
{
    return relative(std::cos(x.value_), x);
}

Certain tan(const Certain& x)
{
    return relative(std::tan(x.value_), x);
}

Certain acos(const Certain& x)
{
    return relative(std::acos(x.value_), x);
}

QStringList Term::quantities() const
{
    QStringList symbols;
    collect(*node_, symbols);
    return symbols;
}

int Term::occurrences(const QString& symbol) const
{
    return count(*node_, symbol);
}

namespace {

// Operands first, then the operation: a stack machine.
void emitCode(const Node& n, const std::function<int(const QString&)>& slotOf,
              std::vector<std::tuple<int, double, int>>& code)
{
    if (n.op == Node::Input || n.op == Node::Shown) {
        code.emplace_back(Node::Input, 0, slotOf(n.symbol));
        return;
    }
    if (n.op == Node::Named) {
        emitCode(*n.a, slotOf, code);
        return;
    }
    for (const auto& child : {n.a, n.b}) {
        if (child)
            emitCode(*child, slotOf, code);
    }
    code.emplace_back(n.op, n.value, -1);
}

} // namespace

// The powers a search meets most, each an operation of its own so that it
// needs no general power function: a search spends most of its time here.
// A binary operation whose right operand is a number or a quantity takes it
// with it, instead of a step of its own.
enum Extra {
    Square = Term::Node::Acos + 1,
    Cube,
    Root,
    RootOfDifference, // √(a − b), 0 where a − b is 0 but for rounding
    AddNumber,
    SubNumber,
    MulNumber,
    DivNumber,
    AddSlot,
    SubSlot,
    MulSlot,
    DivSlot,
    SquareOfSlot, // a quantity squared
    End
};

Compiled Term::compile(const std::function<int(const QString&)>& slotOf) const
{
    std::vector<std::tuple<int, double, int>> code;
    emitCode(*node_, slotOf, code);
    Compiled c;
    int depth = 0, deepest = 0;
    for (size_t k = 0; k < code.size(); ++k) {
        auto [op, value, slot] = code[k];
        if (op == Node::Pow)
            op = value == 2 ? Square : value == 3 ? Cube : value == 0.5 ? Root : op;
        const bool loads = op == Node::Number || op == Node::Constant || op == Node::Input;
        const bool binary =
            op == Node::Add || op == Node::Sub || op == Node::Mul || op == Node::Div;
        depth += loads ? 1 : binary ? -1 : 0;
        deepest = std::max(deepest, depth);
        // A subtraction under a square root is taken into the root.
        if (op == Node::Sub && k + 1 < code.size() && std::get<0>(code[k + 1]) == Node::Pow &&
            std::get<1>(code[k + 1]) == 0.5) {
            c.code_.push_back({RootOfDifference, -1, 0});
            ++k;
            continue;
        }
        const auto number = [&](size_t back) {
            if (c.code_.size() < back)
                return false;
            const int o = c.code_[c.code_.size() - back].op;
            return o == Node::Number || o == Node::Constant;
        };
        if (binary && !c.code_.empty()) {
            Compiled::Instruction& last = c.code_.back();
            const bool right = number(1), left = number(2);
            if (right || last.op == Node::Input) {
                const int offset = op - Node::Add;
                last.op = (right ? AddNumber : AddSlot) + offset;
                // An operation on numbers alone is done once, here, with the
                // same arithmetic as at every run.
                if (right && left) {
                    Compiled once;
                    once.code_ = {c.code_[c.code_.size() - 2], last, {End, -1, 0}};
                    once.fits_ = true;
                    c.code_.pop_back();
                    c.code_.back() = {Node::Number, -1, once.run(nullptr)};
                }
                continue;
            }
        }
        if (op == Square && !c.code_.empty() && c.code_.back().op == Node::Input) {
            c.code_.back().op = SquareOfSlot;
            continue;
        }
        if (!loads && !binary && number(1)) {
            Compiled once;
            once.code_ = {c.code_.back(), {op, slot, value}, {End, -1, 0}};
            once.fits_ = true;
            c.code_.back() = {Node::Number, -1, once.run(nullptr)};
            continue;
        }
        c.code_.push_back({op, slot, value});
    }
    c.fits_ = deepest <= 64 && depth == 1;
    // The last operation ends the run: no count of steps to keep.
    c.code_.push_back({End, -1, 0});
    return c;
}

double Compiled::run(const double* values) const
{
    if (!fits_ || code_.empty())
        return std::numeric_limits<double>::quiet_NaN();
    double stack[64];
    double* top = stack; // one past the last value
    for (const Instruction* at = code_.data();; ++at) {
        const Instruction& i = *at;
        switch (i.op) {
        case End:
            return stack[0];
        case Node::Number:
        case Node::Constant:
            *top++ = i.value;
            break;
        case Node::Input:
            *top++ = values[i.slot];
            break;
        case Node::Radians:
            top[-1] = (top[-1] * i.value) / 180;
            break;
        case Node::Degrees:
            top[-1] = (top[-1] * 180) / i.value;
            break;
        case Node::Add:
            --top;
            top[-1] = top[-1] + top[0];
            break;
        case Node::Sub:
            --top;
            top[-1] = top[-1] - top[0];
            break;
        case Node::Mul:
            --top;
            top[-1] = top[-1] * top[0];
            break;
        case Node::Div:
            --top;
            top[-1] = top[-1] / top[0];
            break;
        case AddNumber:
            top[-1] = top[-1] + i.value;
            break;
        case SubNumber:
            top[-1] = top[-1] - i.value;
            break;
        case MulNumber:
            top[-1] = top[-1] * i.value;
            break;
        case DivNumber:
            top[-1] = top[-1] / i.value;
            break;
        case AddSlot:
            top[-1] = top[-1] + values[i.slot];
            break;
        case SubSlot:
            top[-1] = top[-1] - values[i.slot];
            break;
        case MulSlot:
            top[-1] = top[-1] * values[i.slot];
            break;
        case DivSlot:
            top[-1] = top[-1] / values[i.slot];
            break;
        case Square:
            top[-1] = top[-1] * top[-1];
            break;
        case SquareOfSlot:
            *top++ = values[i.slot] * values[i.slot];
            break;
        case Cube:
            top[-1] = top[-1] * top[-1] * top[-1];
            break;
        case Root:
            top[-1] = std::sqrt(top[-1]);
            break;
        case RootOfDifference: {
            // The root of a difference that is 0 but for rounding, such as the
            // discriminant of a square base's equal edges, is 0: its terms
            // may come out of a subtraction that cost them digits.
            --top;
            const double left = top[-1], right = top[0], d = left - right;
            top[-1] = d < 0 && -d <= 1e-10 * std::max(std::fabs(left), std::fabs(right))
                          ? 0.0
                          : std::sqrt(d);
            break;
        }
        case Node::Pow:
            top[-1] = std::pow(top[-1], i.value);
            break;
        case Node::Sin:
            top[-1] = std::sin(top[-1]);
            break;
        case Node::Cos:
            top[-1] = std::cos(top[-1]);
            break;
        case Node::Tan:
            top[-1] = std::tan(top[-1]);
            break;
        case Node::Acos:
            top[-1] = std::acos(top[-1]);
            break;
        default:
            // Every operation is one of the above: no check at every step.
            __builtin_unreachable();
        }
    }
}

void Compiled::run(const double* values, const double* const* columns, size_t n, double* out) const
{
    if (!fits_ || code_.empty()) {
        std::fill(out, out + n, std::numeric_limits<double>::quiet_NaN());
        return;
    }
    // A few points at a time, each operation over all of them: one dispatch
    // for them all. Arithmetic runs over every lane of the stack, used or not,
    // so that its loops have a fixed length the compiler can vectorise.
    constexpr size_t kLanes = 32;
    alignas(32) double stack[64][kLanes];
    alignas(32) double scratch[kLanes];
    for (size_t from = 0; from < n; from += kLanes) {
        const size_t m = std::min(kLanes, n - from);
        const auto each = [](double* t, auto op) {
            for (size_t k = 0; k < kLanes; ++k)
                t[k] = op(t[k]);
        };
        // For functions of the library, too dear to run on unused lanes.
        const auto call = [m](double* t, auto op) {
            for (size_t k = 0; k < m; ++k)
                t[k] = op(t[k]);
        };
        const auto pair = [](double* t, const double* u, auto op) {
            for (size_t k = 0; k < kLanes; ++k)
                t[k] = op(t[k], u[k]);
        };
        const auto load = [&](double* t, int s) {
            if (const double* c = columns[s]) {
                std::copy(c + from, c + from + m, t);
                std::fill(t + m, t + kLanes, c[from]);
            } else {
                std::fill(t, t + kLanes, values[s]);
            }
        };
        const auto slot = [&](double* t, int s, auto op) {
            if (columns[s]) {
                load(scratch, s);
                pair(t, scratch, op);
            } else {
                const double v = values[s];
                each(t, [&](double x) { return op(x, v); });
            }
        };
        const auto add = [](double a, double b) { return a + b; };
        const auto sub = [](double a, double b) { return a - b; };
        const auto mul = [](double a, double b) { return a * b; };
        const auto div = [](double a, double b) { return a / b; };
        size_t depth = 0; // values on the stack
        for (const Instruction* at = code_.data(); at->op != End; ++at) {
            const Instruction& i = *at;
            double* t = depth > 0 ? stack[depth - 1] : nullptr;
            const double v = i.value;
            switch (i.op) {
            case Node::Number:
            case Node::Constant:
                std::fill(stack[depth], stack[depth] + kLanes, v);
                ++depth;
                break;
            case Node::Input:
                load(stack[depth], i.slot);
                ++depth;
                break;
            case Node::Radians:
                each(t, [v](double x) { return (x * v) / 180; });
                break;
            case Node::Degrees:
                each(t, [v](double x) { return (x * 180) / v; });
                break;
            case Node::Add:
                --depth;
                pair(stack[depth - 1], stack[depth], add);
                break;
            case Node::Sub:
                --depth;
                pair(stack[depth - 1], stack[depth], sub);
                break;
            case Node::Mul:
                --depth;
                pair(stack[depth - 1], stack[depth], mul);
                break;
            case Node::Div:
                --depth;
                pair(stack[depth - 1], stack[depth], div);
                break;
            case AddNumber:
                each(t, [v](double x) { return x + v; });
                break;
            case SubNumber:
                each(t, [v](double x) { return x - v; });
                break;
            case MulNumber:
                each(t, [v](double x) { return x * v; });
                break;
            case DivNumber:
                each(t, [v](double x) { return x / v; });
                break;
            case AddSlot:
                slot(t, i.slot, add);
                break;
            case SubSlot:
                slot(t, i.slot, sub);
                break;
            case MulSlot:
                slot(t, i.slot, mul);
                break;
            case DivSlot:
                slot(t, i.slot, div);
                break;
            case Square:
                each(t, [](double x) { return x * x; });
                break;
            case SquareOfSlot:
                load(stack[depth], i.slot);
                each(stack[depth], [](double x) { return x * x; });
                ++depth;
                break;
            case Cube:
                each(t, [](double x) { return x * x * x; });
                break;
            case Root:
                each(t, [](double x) { return std::sqrt(x); });
                break;
            case RootOfDifference:
                --depth;
                // As in the single run above.
                pair(stack[depth - 1], stack[depth], [](double left, double right) {
                    const double d = left - right;
                    return d < 0 && -d <= 1e-10 * std::max(std::fabs(left), std::fabs(right))
                               ? 0.0
                               : std::sqrt(d);
                });
                break;
            case Node::Pow:
                call(t, [v](double x) { return std::pow(x, v); });
                break;
            case Node::Sin:
                call(t, [](double x) { return std::sin(x); });
                break;
            case Node::Cos:
                call(t, [](double x) { return std::cos(x); });
                break;
            case Node::Tan:
                call(t, [](double x) { return std::tan(x); });
                break;
            case Node::Acos:
                call(t, [](double x) { return std::acos(x); });
                break;
            default:
                __builtin_unreachable();
            }
        }
        std::copy(stack[0], stack[0] + m, out + from);
    }
}

Term Term::referencing(const QSet<QString>& quantities) const
{
    // A relation's own name on its whole formula is no reference to itself.
    const std::shared_ptr<const Node> root = node_->op == Node::Named ? node_->a : node_;
    return Term(model::referencing(root, quantities));
}

// Undoes the operations on the way from the root down to the one place the
// quantity is read, each applied to the value the part must have.
std::optional<Term> Term::solvedFor(const QString& symbol, const Term& target) const
{
    if (occurrences(symbol) != 1)
        return std::nullopt;
    std::shared_ptr<const Node> at = node_;
    Term value = target;
    while (!(at->op == Node::Input && at->symbol == symbol)) {
        const Node& n = *at;
        const bool left = n.a && count(*n.a, symbol) == 1;
        const Term a(n.a), b(n.b ? Term(n.b) : Term(0.0));
        switch (n.op) {
        case Node::Named:
            break;
        case Node::Radians:
            value = Term::degrees(value, n.value);
            break;
        case Node::Degrees:
            value = Term::radians(value, n.value);
            break;
        case Node::Add:
            value = left ? value - b : value - a;
            break;
        case Node::Sub:
            value = left ? value + b : a - value;
            break;
        case Node::Mul: {
            // Undoing a fraction such as 1/3 multiplies by what it divides:
            // 3 · V : (a1² + a1 · a2 + a2²), not V : (…) : (1/3).
            const Node& factor = left ? *n.b : *n.a;
            if (isFraction(factor) && factor.a->value == 1) {
                const Term times(factor.b->value);
                const Node& v = *value.node_;
                value = v.op == Node::Div ? times * Term(v.a) / Term(v.b) : times * value;
            } else {
                value = left ? value / b : value / a;
            }
            break;
        }
        case Node::Div:
            value = left ? value * b : a / value;
            break;
        case Node::Pow:
            value = n.value == 2     ? pow(value, 0.5)
                    : n.value == 3   ? pow(value, 1.0 / 3)
                    : n.value == 0.5 ? pow(value, 2)
                                     : pow(value, 1 / n.value);
            break;
        case Node::Cos:
            // Angles of a solid lie between 0° and 180°, where the cosine is one-to-one.
            value = acos(value);
            break;
        default:
            return std::nullopt;
        }
        at = left ? n.a : n.b;
    }
    return value;
}

namespace {

bool equal(const Node& x, const Node& y)
{
    if (&x == &y)
        return true;
    if (x.op != y.op || x.value != y.value || x.symbol != y.symbol || !x.a != !y.a || !x.b != !y.b)
        return false;
    return (!x.a || equal(*x.a, *y.a)) && (!x.b || equal(*x.b, *y.b));
}

bool holds(const Node& n, const Node& part)
{
    return equal(n, part) || (n.a && holds(*n.a, part)) || (n.b && holds(*n.b, part));
}

std::shared_ptr<const Node> replaced(const std::shared_ptr<const Node>& n, const Node& part,
                                     const QString& symbol, bool& found)
{
    if (equal(*n, part)) {
        found = true;
        return make(Node::Input, 0, symbol);
    }
    if (!n->a)
        return n;
    auto copy = std::make_shared<Node>(*n);
    copy->a = replaced(n->a, part, symbol, found);
    if (n->b)
        copy->b = replaced(n->b, part, symbol, found);
    return copy;
}

} // namespace

namespace {

std::shared_ptr<const Node> renamed(const std::shared_ptr<const Node>& n,
                                    const std::function<QString(const QString&)>& name)
{
    const bool named = n->op == Node::Input || n->op == Node::Shown || n->op == Node::Named;
    if (!named && !n->a)
        return n;
    auto copy = std::make_shared<Node>(*n);
    if (named)
        copy->symbol = name(n->symbol);
    if (n->a)
        copy->a = renamed(n->a, name);
    if (n->b)
        copy->b = renamed(n->b, name);
    return copy;
}

std::shared_ptr<const Node> with(const std::shared_ptr<const Node>& n, const QString& symbol,
                                 const std::shared_ptr<const Node>& value)
{
    if (n->op == Node::Input && n->symbol == symbol)
        return value;
    if (!n->a)
        return n;
    auto copy = std::make_shared<Node>(*n);
    copy->a = with(n->a, symbol, value);
    if (n->b)
        copy->b = with(n->b, symbol, value);
    return copy;
}

} // namespace

Term Term::with(const QString& symbol, const Term& value) const
{
    return Term(model::with(node_, symbol, value.node_));
}

Term Term::renamed(const std::function<QString(const QString&)>& name) const
{
    return Term(model::renamed(node_, name));
}

std::optional<Term> Term::reading(const Term& part, const QString& symbol) const
{
    // A part that is a bare quantity or number says nothing new.
    if (!part.node_->a || !node_->a)
        return std::nullopt;
    // Looked for before anything is copied: most formulas hold no such part.
    if (!holds(*node_->a, *part.node_) && !(node_->b && holds(*node_->b, *part.node_)))
        return std::nullopt;
    bool found = false;
    auto copy = std::make_shared<Node>(*node_);
    copy->a = replaced(node_->a, *part.node_, symbol, found);
    if (node_->b)
        copy->b = replaced(node_->b, *part.node_, symbol, found);
    if (!found)
        return std::nullopt;
    return Term(std::shared_ptr<const Node>(std::move(copy)));
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

} // namespace model
