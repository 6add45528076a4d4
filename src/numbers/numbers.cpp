#include "numbers.h"
#include "errors.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace rt {

namespace {

// The magnitudes the program computes with: from the first double above the
// smallest normal one whose 15-digit text still reads back as a normal double,
// to the last one whose text does not read back as infinite. Beyond them a
// number would lose digits, or show a text that does not read back.
constexpr double kSmallest = 0x1.0000000000008p-1022;
constexpr double kLargest = 0x1.ffffffffffffbp+1023;

bool isTooSmall(double v)
{
    return v != 0 && std::fabs(v) < kSmallest;
}

bool isTooLarge(double v)
{
    return std::fabs(v) > kLargest;
}

// Marks that only steer the direction of text. Qt writes them around the signs
// of right-to-left locales; they carry no meaning for the number.
bool isDirectionMark(char32_t c)
{
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// The character at i, whole even where it takes two UTF-16 units.
char32_t codePointAt(QStringView s, qsizetype i)
{
    if (s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(s.at(i), s.at(i + 1));
    return s.at(i).unicode();
}

char32_t firstCodePoint(const QString& s, char32_t fallback)
{
    return s.isEmpty() ? fallback : codePointAt(s, 0);
}

QString withoutMarks(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (const QChar c : s) {
        if (!isDirectionMark(c.unicode()))
            out += c;
    }
    return out;
}

// What a locale writes numbers with, without direction marks.
struct Symbols {
    explicit Symbols(const QLocale& l)
        : decimal(withoutMarks(l.decimalPoint()))
        , group(withoutMarks(l.groupSeparator()))
        , minus(withoutMarks(l.negativeSign()))
        , plus(withoutMarks(l.positiveSign()))
        , exponential(withoutMarks(l.exponential()))
        , zero(firstCodePoint(l.zeroDigit(), U'0'))
    {
    }

    QString decimal, group, minus, plus, exponential;
    char32_t zero;
};

// Reads a text one character at a time, with look-ahead for the locale's
// symbols, which may be longer than one character.
class Reader {
public:
    Reader(const QString& text, const Symbols& symbols)
        : text_(text)
        , s_(symbols)
    {
    }

    bool atEnd() const { return pos_ >= text_.size(); }

    // The digit here (ASCII or the locale's own), or -1.
    int digit() const
    {
        if (atEnd())
            return -1;
        const char32_t c = codePointAt(text_, pos_);
        if (c >= U'0' && c <= U'9')
            return int(c - U'0');
        if (c >= s_.zero && c <= s_.zero + 9)
            return int(c - s_.zero);
        return -1;
    }
    void skipChar()
    {
        if (!atEnd())
            pos_ += text_.at(pos_).isHighSurrogate() && pos_ + 1 < text_.size() ? 2 : 1;
    }
    bool take(const QString& symbol, Qt::CaseSensitivity cs = Qt::CaseSensitive)
    {
        if (symbol.isEmpty() || !QStringView(text_).mid(pos_).startsWith(symbol, cs))
            return false;
        pos_ += symbol.size();
        return true;
    }
    bool take(char16_t c) { return take(QString(QChar(c))); }

    // '-' or '+' as ASCII, the minus sign or the locale's own; 0 if none.
    char sign()
    {
        if (take(u'-') || take(u'\u2212') || take(s_.minus))
            return '-';
        if (take(u'+') || take(s_.plus))
            return '+';
        return 0;
    }
    bool exponentMark()
    {
        return take(u'e') || take(u'E') || take(s_.exponential, Qt::CaseInsensitive);
    }
    bool decimal() { return take(s_.decimal); }
    bool group() { return take(s_.group); }
    qsizetype pos() const { return pos_; }
    void backTo(qsizetype pos) { pos_ = pos; }

private:
    const QString& text_;
    const Symbols& s_;
    qsizetype pos_ = 0;
};

// A number as read: the ASCII form std::from_chars takes, and the power of ten
// of its first nonzero digit, which tells a number too large for a double from
// one too small for it.
struct Scanned {
    std::string ascii;
    bool anyDigit = false;
    bool nonzero = false;
    long order = 0;
};

// Builds the ASCII form digit by digit and keeps track of the order of
// magnitude; the exponent saturates, so that no text can overflow the count.
class Builder {
public:
    void sign(char s)
    {
        if (s == '-')
            n_.ascii += '-';
    }
    void mantissaDigit(int d)
    {
        n_.ascii += char('0' + d);
        n_.anyDigit = true;
        if (d != 0 && !n_.nonzero) {
            n_.nonzero = true;
            firstNonzero_ = position_;
        }
        ++position_;
        if (!point_)
            ++integerDigits_;
    }
    void point()
    {
        n_.ascii += '.';
        point_ = true;
    }
    void exponent(char s, const std::string& digits)
    {
        n_.ascii += 'e';
        if (s == '-')
            n_.ascii += '-';
        n_.ascii += digits;
        exponent_ = 0;
        for (char c : digits)
            exponent_ = std::min(exponent_ * 10 + (c - '0'), 1000000L);
        if (s == '-')
            exponent_ = -exponent_;
    }
    Scanned done()
    {
        n_.order = (integerDigits_ - 1 - firstNonzero_) + exponent_;
        return n_;
    }

private:
    Scanned n_;
    long position_ = 0, firstNonzero_ = 0, integerDigits_ = 0, exponent_ = 0;
    bool point_ = false;
};

// The double a scanned number stands for; a number beyond the range of a
// double is an overflow, a nonzero one below its smallest normal value an
// underflow: it would lose its digits, or turn into 0.
double value(const Scanned& n, const QString& text)
{
    std::string a = n.ascii;
    // std::from_chars wants a digit on both sides of the point.
    const auto point = a.find('.');
    if (point != std::string::npos) {
        if (point + 1 == a.size() || !std::isdigit(static_cast<unsigned char>(a[point + 1])))
            a.insert(point + 1, "0");
        if (point == 0 || !std::isdigit(static_cast<unsigned char>(a[point - 1])))
            a.insert(point, "0");
    }
    double v = 0;
    const auto [end, ec] = std::from_chars(a.data(), a.data() + a.size(), v);
    (void)end;
    if (ec == std::errc::result_out_of_range || isTooLarge(v))
        throw Error(n.order > 0 ? ErrorKind::Overflow : ErrorKind::Underflow, text);
    if (isTooSmall(v) || (v == 0 && n.nonzero))
        throw Error(ErrorKind::Underflow, text);
    return v;
}

// The whole text as one number, or nothing. A group separator counts as a
// digit gap, so that a grouped number is recognised for what it is.
std::optional<Scanned> scanStrict(const QString& text, const Symbols& symbols, bool& grouped)
{
    Reader r(text, symbols);
    Builder b;
    b.sign(r.sign());
    bool point = false, digits = false;
    for (;;) {
        if (const int d = r.digit(); d >= 0) {
            b.mantissaDigit(d);
            r.skipChar();
            digits = true;
        } else if (!point && r.decimal()) {
            b.point();
            point = true;
        } else if (r.group()) {
            grouped = true;
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (r.exponentMark()) {
        const char s = r.sign();
        std::string e;
        for (int d = r.digit(); d >= 0; d = r.digit()) {
            e += char('0' + d);
            r.skipChar();
        }
        if (e.empty())
            return std::nullopt;
        b.exponent(s, e);
    }
    if (!r.atEnd())
        return std::nullopt;
    return b.done();
}

QString separatorName(const QString& s)
{
    if (s == u".")
        return QStringLiteral("Punkt");
    if (s == u",")
        return QStringLiteral("Komma");
    return QStringLiteral("„%1“").arg(s);
}

// How to write a grouped number instead: the reading with the separator as a
// decimal one, and the one without grouping, where each is a number.
QString groupingAdvice(const QString& text, const QLocale& locale, const Symbols& symbols)
{
    QStringList readings;
    for (const QString& instead : {symbols.decimal, QString()}) {
        const QString t = QString(text).replace(symbols.group, instead);
        bool grouped = false;
        const auto n = scanStrict(t, symbols, grouped);
        if (!n || grouped)
            continue;
        try {
            readings << toText(value(*n, t), locale);
        } catch (const Error&) {
        }
    }
    if (readings.isEmpty())
        return {};
    const QString thousands = symbols.group == u"."   ? QStringLiteral("Tausenderpunkte")
                              : symbols.group == u"," ? QStringLiteral("Tausenderkommas")
                                                      : QStringLiteral("Tausendertrennzeichen");
    return QStringLiteral("Bitte ohne %1 schreiben, mit %2 vor den Nachkommastellen: %3.")
        .arg(thousands, separatorName(symbols.decimal), readings.join(QStringLiteral(" oder ")));
}

// Puts the locale's digits, signs and decimal separator into a number written
// in ASCII, and writes its exponent with "E".
QString localised(const std::string& ascii, const QLocale& locale)
{
    const char32_t z = firstCodePoint(locale.zeroDigit(), U'0');
    QString out;
    for (char c : ascii) {
        if (c >= '0' && c <= '9') {
            const char32_t d = z + char32_t(c - '0');
            out += QString::fromUcs4(&d, 1);
        } else if (c == '.') {
            out += locale.decimalPoint();
        } else if (c == '-') {
            out += locale.negativeSign();
        } else if (c == '+') {
            out += locale.positiveSign();
        } else if (c == 'e' || c == 'E') {
            out += u'E';
        }
    }
    return out;
}

double checked(double value)
{
    if (std::isnan(value))
        throw Error(ErrorKind::InvalidOperation);
    if (isTooLarge(value))
        throw Error(ErrorKind::Overflow);
    if (isTooSmall(value))
        throw Error(ErrorKind::Underflow);
    return value;
}

} // namespace

double toNumber(const QString& text, const QLocale& locale)
{
    const Symbols symbols(locale);
    const QString t = withoutMarks(text).trimmed();
    bool grouped = false;
    const auto n = scanStrict(t, symbols, grouped);
    if (!n)
        throw Error(ErrorKind::TypeMismatch, text);
    // A group separator is refused whatever the grouping: "2.500" in German
    // would otherwise be 2500 to one reader and 2,5 to the next.
    if (grouped)
        throw Error(ErrorKind::TypeMismatch, text, groupingAdvice(t, locale, symbols));
    return value(*n, text);
}

LenientReading readLenient(const QString& text, const QLocale& locale)
{
    const Symbols symbols(locale);
    const QString t = withoutMarks(text);
    Reader r(t, symbols);
    Builder b;
    LenientReading reading;
    const auto skipBlanks = [&] {
        while (r.take(u' ') || r.take(u'\t') || r.take(u'\n') || r.take(u'\r')) {
        }
    };
    skipBlanks();
    b.sign(r.sign());
    bool point = false, digits = false;
    for (;;) {
        skipBlanks();
        if (const int d = r.digit(); d >= 0) {
            b.mantissaDigit(d);
            r.skipChar();
            digits = true;
        } else if (!point && r.take(u'.')) {
            b.point();
            point = true;
            reading.fullStop = symbols.decimal != u".";
        } else if (!point && r.decimal()) {
            b.point();
            point = true;
        } else {
            break;
        }
    }
    if (!digits) {
        reading.unread = t.trimmed();
        return reading;
    }
    // An exponent counts only with at least one digit.
    const qsizetype beforeExponent = r.pos();
    if (r.exponentMark() || r.take(u'd') || r.take(u'D')) {
        skipBlanks();
        const char s = r.sign();
        std::string e;
        for (;;) {
            skipBlanks();
            const int d = r.digit();
            if (d < 0)
                break;
            e += char('0' + d);
            r.skipChar();
        }
        if (!e.empty())
            b.exponent(s, e);
        else
            r.backTo(beforeExponent);
    }
    reading.value = value(b.done(), text);
    reading.found = true;
    reading.unread = t.mid(r.pos()).trimmed();
    return reading;
}

double toNumberLenient(const QString& text, const QLocale& locale)
{
    return readLenient(text, locale).value;
}

QString toText(double value, const QLocale& locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    if (value == 0)
        return l.toString(0); // no "-0"
    QString s = l.toString(value, 'G', 15);
    // Some locales write the exponent as "×10^" or in their own letters; it
    // is written and read as "E" everywhere, so that every text reads back.
    const QString e = l.exponential();
    if (!e.isEmpty() && e != u"E")
        s.replace(e, QStringLiteral("E"), Qt::CaseInsensitive);
    return s;
}

namespace {

// Where std::to_chars's scientific form puts its 'e'.
const char* exponentMark(const char* text, const char* end)
{
    while (text != end && *text != 'e')
        ++text;
    return text;
}

// The power of ten of a number written in scientific form by std::to_chars.
int exponentOf(const char* text, const char* end)
{
    const char* e = exponentMark(text, end);
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    return exponent;
}

} // namespace

int leadingPlace(double value)
{
    if (value == 0 || !std::isfinite(value))
        return 0;
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 14)
                         .ptr;
    return exponentOf(buffer, end);
}

QString toText(double value, const QLocale& locale, int place)
{
    if (place == kAllDigits || value == 0 || !std::isfinite(value) ||
        place <= leadingPlace(value) - 14)
        return toText(value, locale);
    // The double's exact decimal digits (767 significant ones at most), so
    // that it is rounded as the decimal it is: 1,005 is stored as
    // 1,00499999999999989... and shows "1" at the second decimal place.
    char exact[800];
    const auto end = std::to_chars(exact, exact + sizeof exact, std::fabs(value),
                                   std::chars_format::scientific, 766)
                         .ptr;
    const char* e = exponentMark(exact, end);
    const int exponent = exponentOf(exact, end);
    std::string digits(1, exact[0]);
    digits.append(exact + 2, size_t(e - exact - 2)); // without the point
    // The digits down to the place, as a whole number of 10^place.
    const int kept = exponent - place + 1; // fewer than 15: the place is above the 15th digit
    std::string whole = kept > 0 ? digits.substr(0, size_t(kept)) : std::string("0");
    if (kept >= 0 && digits[size_t(kept)] >= '5') {
        auto d = whole.rbegin();
        for (; d != whole.rend() && *d == '9'; ++d)
            *d = '0';
        if (d == whole.rend())
            whole.insert(whole.begin(), '1');
        else
            ++*d;
    }
    const std::string rounded = (value < 0 ? "-" : "") + whole + 'e' + std::to_string(place);
    double r = 0;
    if (std::from_chars(rounded.data(), rounded.data() + rounded.size(), r).ec != std::errc())
        return toText(value, locale); // rounded beyond the largest double
    // At most 15 digits: toText shows the rounded double with exactly them.
    return toText(r, locale);
}

QString toExactText(double value, const QLocale& locale)
{
    if (value == 0 || !std::isfinite(value))
        return toText(value, locale);
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return localised(std::string(buffer, end), locale);
}

double power(double base, double exponent)
{
    const double r = std::pow(base, exponent);
    if (std::isfinite(base) && std::isfinite(exponent)) {
        if (std::isnan(r))
            throw Error(ErrorKind::InvalidPower);
        if (std::isinf(r))
            throw Error(base == 0 ? ErrorKind::DivisionByZero : ErrorKind::Overflow);
        if (base != 0 && r == 0)
            throw Error(ErrorKind::Underflow);
    }
    return checked(r);
}

Real operator+(Real a, Real b)
{
    return checked(a.v_ + b.v_);
}

Real operator-(Real a, Real b)
{
    return checked(a.v_ - b.v_);
}

// A product or quotient of nonzero numbers that comes out as 0 has lost
// everything to underflow.
Real operator*(Real a, Real b)
{
    const double r = a.v_ * b.v_;
    if (r == 0 && a.v_ != 0 && b.v_ != 0)
        throw Error(ErrorKind::Underflow);
    return checked(r);
}

Real operator/(Real a, Real b)
{
    if (b.v_ == 0)
        throw Error(ErrorKind::DivisionByZero);
    const double r = a.v_ / b.v_;
    if (r == 0 && a.v_ != 0)
        throw Error(ErrorKind::Underflow);
    return checked(r);
}

Real sin(Real x)
{
    return checked(std::sin(x.v_));
}

Real cos(Real x)
{
    return checked(std::cos(x.v_));
}

Real tan(Real x)
{
    return checked(std::tan(x.v_));
}

Real asin(Real x)
{
    return checked(std::asin(x.v_));
}

Real acos(Real x)
{
    return checked(std::acos(x.v_));
}

Real atan(Real x)
{
    return checked(std::atan(x.v_));
}

} // namespace rt
