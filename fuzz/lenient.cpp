// The lenient conversion never raises a type mismatch: it gives a finite number
// or, for a magnitude a double cannot hold, an overflow or underflow error.
#include "fuzz_support.h"
#include "numbers/numbers.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = fuzz::text(data, size);
    for (const QLocale& locale : fuzz::kLocales) {
        try {
            const double value = rt::toNumberLenient(input, locale);
            fuzz::require(std::isfinite(value), "lenient conversion gave a non-finite number");
        } catch (const rt::Error& e) {
            fuzz::require(e.kind() == rt::ErrorKind::Overflow ||
                              e.kind() == rt::ErrorKind::Underflow,
                          "lenient conversion raised something other than over- or underflow");
        }
    }
    return 0;
}
