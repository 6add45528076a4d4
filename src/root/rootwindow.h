#pragma once

#include "runtime/form.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace root {

// What the window keeps of its computation: empty until the first one, then
// overwritten step by step, in this order, by every press of the button.
struct RootValues {
    std::optional<double> basis;    // the radicand as read from its box
    std::optional<double> exponent; // 1 ÷ degree
    std::optional<double> ergebnis; // the root
};

// radicand ^ (1 ÷ degree). The degree is read as the user writes numbers in
// the locale; the radicand leniently, as the number it starts with (the full
// stop or the locale's separator marks decimals), 0 if it starts with none.
// Each value is stored as soon as it is known. Raises rt::Error for a degree
// that is no number, a degree of 0 and a power without a real result.
double takeRoot(const QString& degree, const QString& radicand, const QLocale& locale,
                RootValues& values);
double takeRoot(const QString& degree, const QString& radicand, const QLocale& locale);

// What the line under the result says of the radicand's lenient reading: the
// number read, when the reading left out more than blanks, found no number, or
// took a full stop for the decimal separator of a locale that writes another.
// Empty when the text was read whole as the locale writes numbers.
QString readingNote(const QString& radicand, const QLocale& locale);

class RootWindow final : public rt::Form, private RootValues {
public:
    RootWindow();

    void cmdWurzelZiehen_Click();
};

} // namespace root
