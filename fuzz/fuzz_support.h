#pragma once

#include "numbers/errors.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace fuzz {

// Both locales the program is tested in, and a few whose own notation for
// numbers differs: a minus sign of its own (Swedish), "×10^" for the
// exponent (Persian), other digits and separators (Arabic, Persian).
inline const QLocale kLocales[] = {
    QLocale(QLocale::German, QLocale::Germany), QLocale::c(), QLocale(QStringLiteral("sv_SE")),
    QLocale(QStringLiteral("ar_EG")), QLocale(QStringLiteral("fa_IR"))};

inline QString text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken property aborts, so libFuzzer keeps the input that shows it.
inline void require(bool ok, const char* what)
{
    if (!ok) {
        std::fputs(what, stderr);
        std::fputc('\n', stderr);
        std::abort();
    }
}

} // namespace fuzz
