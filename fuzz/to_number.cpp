// The locale-aware conversion gives a finite number or raises the runtime's
// type-mismatch (or, for a magnitude a double cannot hold, overflow or
// underflow) error; what it gives is shown and read back unchanged to 15
// significant digits.
#include "fuzz_support.h"
#include "numbers/numbers.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = fuzz::text(data, size);
    for (const QLocale& locale : fuzz::kLocales) {
        double value = 0;
        try {
            value = rt::toNumber(input, locale);
        } catch (const rt::Error& e) {
            fuzz::require(e.kind() == rt::ErrorKind::TypeMismatch ||
                              e.kind() == rt::ErrorKind::Overflow ||
                              e.kind() == rt::ErrorKind::Underflow,
                          "conversion raised an unexpected error");
            fuzz::require(!e.message().isEmpty(), "error without a message");
            continue;
        }
        fuzz::require(std::isfinite(value), "conversion gave a non-finite number");
        const QString shown = rt::toText(value, locale);
        const double back = rt::toNumber(shown, locale);
        fuzz::require(rt::toText(back, locale) == shown, "shown text does not read back");
    }
    return 0;
}
