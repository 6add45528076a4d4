#pragma once

#include <QLocale>
#include <QString>

// Conversions between text and numbers and the checked arithmetic that every
// result goes through. Pure functions; the locale is a parameter so that any
// locale's behaviour can be exercised in one process.
namespace rt {

// Text to number as the user writes it: the locale's digits (or ASCII ones),
// its decimal separator, a sign, and an exponent written "E" or "e". Raises a
// type-mismatch error for anything else: empty text, "inf", and any digit
// grouping ("2.500" in German), which the message then explains. A number
// beyond the range of a double raises an overflow error, a nonzero one below
// the smallest normal double an underflow error.
double toNumber(const QString& text, const QLocale& locale = QLocale());

// The number at the start of the text; blanks are skipped, reading stops at the
// first character that cannot continue the number, no number at all gives 0.
// Both the full stop and the locale's decimal separator are taken as decimal
// separator. Never raises a type mismatch; only a number beyond the range of a
// double (overflow) or a nonzero one too small for it (underflow) raises.
double toNumberLenient(const QString& text, const QLocale& locale = QLocale());

// What the lenient reading made of a text, for telling the user.
struct LenientReading {
    double value = 0;
    bool found = false;    // false: there was no number, the value is 0
    QString unread;        // what the reading left, without blanks at either end
    bool fullStop = false; // a full stop was the decimal separator, where the
                           // locale writes another
};
LenientReading readLenient(const QString& text, const QLocale& locale = QLocale());

// At most 15 significant digits, the locale's digits, signs and decimal
// separator, no grouping, exponent form (1E+15, 1,5E-07) for very large and very
// small magnitudes, written with "E" in every locale. toNumber reads it back.
QString toText(double value, const QLocale& locale = QLocale());

// The same, with no digit below the decimal place 10^place: the digits a
// value's inputs determine, where a difference cancelled the leading ones
// (10 − 9,99 shows "0,01", not "0,00999999999999979"). The value is rounded
// there as a decimal, half away from zero as toText rounds its 15 digits; a
// value that rounds to 0 shows "0". kAllDigits shows all 15.
inline constexpr int kAllDigits = -100000;
QString toText(double value, const QLocale& locale, int place);

// The decimal place of the first digit toText shows of a nonzero finite
// value: 2 for 123,4, -3 for 0,005, 1 for 9,9999999999999998 (shown "10").
// Its 15th digit stands 14 places below.
int leadingPlace(double value);

// The shortest text that reads back (with toNumber) as exactly this value, in
// the locale's notation: what the user typed, without their redundant zeros.
QString toExactText(double value, const QLocale& locale = QLocale());

// base ^ exponent. Raises an overflow error when finite operands give an
// infinite result, an underflow error when a nonzero base gives a result
// below the smallest normal double, a division by zero for 0 raised to a
// negative power and an invalid-power error when there is no real result.
double power(double base, double exponent);

// A double whose every operation is checked, so a formula reads like the
// arithmetic it does while an overflow, an underflow, a division by zero or an
// invalid operation is caught at the operation that causes it.
class Real {
public:
    constexpr Real(double v = 0)
        : v_(v)
    {
    } // NOLINT: implicit by design
    constexpr double value() const { return v_; }

    friend Real operator+(Real a, Real b);
    friend Real operator-(Real a, Real b);
    friend Real operator*(Real a, Real b);
    friend Real operator/(Real a, Real b);
    friend Real pow(Real base, double exponent) { return power(base.v_, exponent); }
    friend Real sin(Real x);
    friend Real cos(Real x);
    friend Real tan(Real x);
    // Inverse functions, for formulas solved for an angle.
    friend Real asin(Real x);
    friend Real acos(Real x);
    friend Real atan(Real x);
    friend bool operator>(Real a, Real b) { return a.v_ > b.v_; }
    friend bool operator<(Real a, Real b) { return a.v_ < b.v_; }

private:
    double v_;
};

} // namespace rt
