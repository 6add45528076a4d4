// Number to text: never more than 15 significant digits, and the text reads
// back (locale-aware) as the value rounded to 15 significant digits.
#include "fuzz_support.h"
#include "numbers/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

// The value rounded to 15 significant digits, ties away from zero as people
// round; false where that rounding leaves the range of a double.
bool roundedTo15(double v, double& rounded)
{
    // The exact decimal expansion of a double has at most 767 significant digits.
    char exact[1024];
    const auto end =
        std::to_chars(exact, exact + sizeof exact, std::fabs(v), std::chars_format::scientific, 800)
            .ptr;
    const std::string text(exact, end);
    const auto e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent = std::stoi(text.substr(e + 1));
    const bool up = digits[15] >= '5';
    digits.resize(15);
    if (up) {
        int i = 14;
        while (i >= 0 && digits[std::size_t(i)] == '9')
            digits[std::size_t(i--)] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[std::size_t(i)];
        }
    }
    const std::string decimal = (v < 0 ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1) +
                                "e" + std::to_string(exponent);
    return std::from_chars(decimal.data(), decimal.data() + decimal.size(), rounded).ec ==
           std::errc();
}

int significantDigits(const QString& text)
{
    const QString mantissa = text.section(u'E', 0, 0);
    QList<int> digits;
    for (QChar c : mantissa) {
        if (c.isDigit())
            digits << c.digitValue(); // the locale's digits as well as ASCII ones
    }
    while (!digits.isEmpty() && digits.front() == 0)
        digits.removeFirst();
    return int(digits.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size != sizeof(double))
        return -1;
    double value;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return -1;
    for (const QLocale& locale : fuzz::kLocales) {
        const QString shown = rt::toText(value, locale);
        fuzz::require(significantDigits(shown) <= 15, "more than 15 significant digits");
        fuzz::require(!shown.contains(locale.groupSeparator()), "digit grouping in a shown number");
        double expected = 0;
        const bool inRange = roundedTo15(value, expected);
        try {
            const double back = rt::toNumber(shown, locale);
            fuzz::require(inRange && back == expected,
                          "shown text does not read back as the rounded value");
        } catch (const rt::Error& e) {
            // Only a value whose rounding leaves the range of normal doubles is
            // refused, as too large or too small to compute with.
            const double normal = std::numeric_limits<double>::min();
            fuzz::require((e.kind() == rt::ErrorKind::Overflow &&
                           (!inRange || std::fabs(expected) > 1.79769313486231e308)) ||
                              (e.kind() == rt::ErrorKind::Underflow && inRange &&
                               std::fabs(expected) < 2.2250738585072053e-308 &&
                               std::fabs(value) < 1.0001 * normal),
                          "shown text does not read back");
        }
    }
    return 0;
}
