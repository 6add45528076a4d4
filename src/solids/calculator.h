#pragma once

#include "model/body.h"
#include "numbers/numbers.h"

#include <QLocale>
#include <QString>
#include <functional>
#include <numbers>
#include <vector>

// The rule all calculator windows share: check the inputs in order, stop at the
// first one that fails with its message, then compute the results one by one,
// each written before the next is worked out. It runs against a Sheet, which
// is a window in the program and a table of texts in the tests.
namespace solids {

using model::kExactPi;
using model::kPi;
using model::Term;
using rt::Real;

class Sheet {
public:
    virtual ~Sheet() = default;
    // The text of a text box or the caption of a label.
    virtual QString text(const QString& name) const = 0;
    // The caption of the row a box or result stands in, for error messages.
    virtual QString rowCaption(const QString& name) const = 0;
    virtual bool isSet(const QString& option) const = 0;
    virtual void write(const QString& label, const QString& text) = 0;
    virtual void message(const QString& text, int style, const QString& title) = 0;
    virtual QLocale locale() const { return QLocale(); }
};

struct Calculator;

// What a formula sees: every use of a dimension reads and converts its box
// afresh, and a result as shown is read back from its label.
class Inputs final : public model::Environment {
public:
    Inputs(const Sheet& sheet, const Calculator& calculator)
        : sheet_(sheet)
        , calculator_(calculator)
    {
    }
    // The number in a text box.
    Real operator()(const QString& box) const;
    // The dimension of that symbol, from its box.
    Real value(const QString& symbol) const override;
    // The result of that symbol as its label shows it.
    Real shown(const QString& symbol) const override;
    // Whether the window's option is set: checks that hold for one variant only.
    bool isSet(const QString& option) const;

private:
    const Sheet& sheet_;
    const Calculator& calculator_;
};

enum class Unit { None, Centimetre, SquareCentimetre, CubicCentimetre, Degree };

// "cm", "cm²", "cm³", "°" or nothing.
QString unitText(Unit unit);

// A dimension the user types: its box, its letter in formulas and its unit.
struct Dimension {
    const char* box;
    const char* symbol;
    Unit unit;
    // The option of the one variant that uses it; none: every variant does.
    const char* variant = nullptr;

    operator Term() const
    {
        return Term::quantity(QString::fromUtf8(symbol));
    } // NOLINT: reads as its letter
};

struct Check {
    std::function<bool(const Inputs&)> passes;
    const char* message;
    // Its dimension's variant: another variant chosen, the check does not run.
    const char* variant = nullptr;
};

// The checks of the calculators: a dimension greater than 0, a whole number
// from a least one on, a value strictly between two bounds.
Check positive(const Dimension& d, const char* message);
Check wholeFrom(const Dimension& d, double least, const char* message);
Check between(const Dimension& d, double low, double high, const char* message);
// The body's conditions, all of them holding, compared on the numbers as typed.
Check holds(std::vector<const model::Condition*> conditions, const char* message);
// A dimension greater than 0 and less than a multiple of another one: the
// inner radius below the outer, a cap's height below the diameter.
Check positiveBelow(const Dimension& d, double factor, const Dimension& bound, const char* message);
// A check made only while the window's option is set, passed otherwise: a box
// only one variant reads stays unread for the others.
Check onlyWith(const char* option, Check check);

struct Result {
    const char* label;
    const char* symbol; // "V", "O", "M", ...
    Unit unit;
    Term formula;
};

// A result the window shows, computed by the body's relation for its symbol.
Result relation(const model::Body& body, const char* label, const char* symbol, Unit unit);

// The body's letter for a dimension that the window letters otherwise: the
// pyramid's base edge a is the window's a1.
struct Letter {
    const char* body;
    const char* window;
};

// One set of results, computed when its option is set (or always, without one).
struct Variant {
    const char* option;
    const char* name;        // what the option chooses, "Pyramide"
    const model::Body* body; // what it computes, in the window's letters; its id joins the two
    std::vector<Result> results;
    // The option that chooses it where no check reads one: the cone's
    // "opkegel", set when "Kegelstumpf" is not.
    const char* choice = nullptr;
    std::vector<Letter> letters{};
};

struct Calculator {
    std::vector<Dimension> dimensions; // as the window shows them, top to bottom
    std::vector<Check> checks;
    std::vector<Variant> variants;
    double pi = kPi; // the pi its formulas compute with
    // Whether a result shows only the digits its inputs determine (10 − 9,99
    // as "0,01"); the first nine windows show 15 digits, as they always have.
    bool certainDigits = false;
    int checkStyle = 64; // information icon
    const char* checkTitle = "Problem";
    // Said, like a failed check, when no variant's option is set.
    const char* choiceMessage = nullptr;
};

enum class Outcome { Computed, Rejected, NothingChosen };

// Raises rt::Error for text that is no number and for arithmetic errors;
// results written before the error stay written, the ones not reached are
// cleared.
Outcome calculate(const Calculator& calculator, Sheet& sheet);

// The variant the sheet's options choose, or none.
const Variant* chosen(const Calculator& calculator, const Sheet& sheet);

// Whether the variant reads the dimension: what another variant alone uses is
// neither read nor checked nor listed for it.
bool uses(const Variant& variant, const Dimension& dimension);

// The letter the body of the variant's id gives the dimension, as
// model::bodyById has it: a1 in the pyramid window is the pyramid's a.
QString bodyLetter(const Variant& variant, const Dimension& dimension);

} // namespace solids
