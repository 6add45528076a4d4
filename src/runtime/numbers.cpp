#include "numbers.h"
#include "errors.h"

#include <charconv>
#include <cmath>
#include <string>

namespace rt {

double toNumber(const QString& text, const QLocale& locale)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok && std::isinf(value))
        throw Error(ErrorKind::Overflow, text);
    // QLocale takes "inf" and "nan" as numbers; nobody types them meaning a length.
    if (!ok || !std::isfinite(value))
        throw Error(ErrorKind::TypeMismatch, text);
    return value;
}

double toNumberLenient(const QString& text, const QLocale& locale)
{
    const QString decimal = locale.decimalPoint();
    std::string ascii; // what std::from_chars reads: sign, digits, '.', exponent
    bool digits = false, point = false, exponent = false, expDigits = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        const char prev = ascii.empty() ? '\0' : ascii.back();
        if (c >= u'0' && c <= u'9') {
            ascii += char(c.unicode());
            (exponent ? expDigits : digits) = true;
        } else if ((c == u'+' || c == u'-') && (ascii.empty() || prev == 'e')) {
            ascii += char(c.unicode());
        } else if ((c == u'.' || QStringView(text).mid(i).startsWith(decimal)) && !point &&
                   !exponent) {
            ascii += '.';
            point = true;
            i += (c == u'.') ? 0 : decimal.size() - 1;
        } else if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && digits && !exponent) {
            ascii += 'e';
            exponent = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    // An exponent marker without digits is not part of the number.
    if (exponent && !expDigits) {
        while (!ascii.empty() && ascii.back() != 'e')
            ascii.pop_back();
        ascii.pop_back();
    }
    // std::from_chars takes no leading '+'.
    const std::size_t from = ascii.front() == '+' ? 1 : 0;
    double value = 0;
    const auto [end, ec] = std::from_chars(ascii.data() + from, ascii.data() + ascii.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value untouched when out of range: tell overflow
        // from underflow by the sign of the exponent.
        const auto e = ascii.find('e');
        if (e != std::string::npos && ascii.compare(e + 1, 1, "-") == 0)
            return 0;
        throw Error(ErrorKind::Overflow, text);
    }
    return value;
}

QString toText(double value, const QLocale& locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    if (value == 0)
        return l.toString(0); // no "-0"
    return l.toString(value, 'G', 15);
}

double power(double base, double exponent)
{
    const double r = std::pow(base, exponent);
    if (std::isfinite(base) && std::isfinite(exponent)) {
        if (std::isnan(r))
            throw Error(ErrorKind::InvalidPower);
        if (std::isinf(r))
            throw Error(base == 0 ? ErrorKind::DivisionByZero : ErrorKind::Overflow);
    }
    return checked(r);
}

double checked(double value)
{
    if (std::isnan(value))
        throw Error(ErrorKind::InvalidOperation);
    if (std::isinf(value))
        throw Error(ErrorKind::Overflow);
    return value;
}

Real operator/(Real a, Real b)
{
    if (b.v_ == 0)
        throw Error(ErrorKind::DivisionByZero);
    return checked(a.v_ / b.v_);
}

} // namespace rt
