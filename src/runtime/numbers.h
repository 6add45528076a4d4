#pragma once

#include <QLocale>
#include <QString>

// Conversions between text and numbers and the checked arithmetic that every
// result goes through. Pure functions; the locale is a parameter so that both
// German and C behaviour can be exercised in one process.
namespace rt {

// Text to number as the user writes it: the locale's decimal separator and
// well-formed digit grouping. Raises a type-mismatch error for anything that is
// not a finite number (empty text, "2.5" in German, "inf"), an overflow error
// for a number beyond the range of a double.
double toNumber(const QString& text, const QLocale& locale = QLocale());

// The number at the start of the text; blanks are skipped, reading stops at the
// first character that cannot continue the number, no number at all gives 0.
// Both the full stop and the locale's decimal separator are taken as decimal
// separator. Never raises a type mismatch; only a number beyond the range of a
// double raises an overflow error.
double toNumberLenient(const QString& text, const QLocale& locale = QLocale());

// At most 15 significant digits, the locale's decimal separator, no grouping,
// exponent form (1E+15, 1,5E-07) for very large and very small magnitudes.
QString toText(double value, const QLocale& locale = QLocale());

// base ^ exponent. Raises an overflow error when finite operands give an
// infinite result, a division by zero for 0 raised to a negative power and an
// invalid-power error when there is no real result.
double power(double base, double exponent);

// The floating-point check after an operation: an infinite value is an
// overflow, NaN an invalid operation.
double checked(double value);

// A double whose every operation is checked, so a formula reads like the
// arithmetic it does while an overflow is caught at the operation that causes it.
class Real {
public:
    constexpr Real(double v = 0)
        : v_(v)
    {
    } // NOLINT: implicit by design
    constexpr double value() const { return v_; }

    friend Real operator+(Real a, Real b) { return checked(a.v_ + b.v_); }
    friend Real operator-(Real a, Real b) { return checked(a.v_ - b.v_); }
    friend Real operator*(Real a, Real b) { return checked(a.v_ * b.v_); }
    friend Real operator/(Real a, Real b);
    friend Real pow(Real base, double exponent) { return power(base.v_, exponent); }
    friend bool operator>(Real a, Real b) { return a.v_ > b.v_; }

private:
    double v_;
};

} // namespace rt
