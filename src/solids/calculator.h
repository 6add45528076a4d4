#pragma once

#include "runtime/numbers.h"

#include <QLocale>
#include <QString>
#include <vector>

// The rule all calculator windows share: check the inputs in order, stop at the
// first one not greater than 0 with its message, then compute the results one
// by one, each written before the next is worked out. It runs against a Sheet,
// which is a window in the program and a table of texts in the tests.
namespace solids {

using rt::Real;

// The calculators' own pi and its multiples, as the program has always stored them.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kFourPi = 12.56637061435916;

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

// What a formula sees: every use of a dimension reads and converts its box afresh.
class Inputs {
public:
    explicit Inputs(const Sheet& sheet)
        : sheet_(sheet)
    {
    }
    // The number in a text box.
    Real operator()(const char* box) const;
    // The number a result label shows, read back as the user sees it.
    Real shown(const char* label) const;

private:
    const Sheet& sheet_;
};

using Formula = Real (*)(const Inputs&);

struct Check {
    const char* box;
    const char* message;
};

struct Result {
    const char* label;
    Formula formula;
};

// One set of results, computed when its option is set (or always, without one).
struct Variant {
    const char* option;
    std::vector<Result> results;
};

struct Calculator {
    std::vector<Check> checks;
    std::vector<Variant> variants;
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

} // namespace solids
