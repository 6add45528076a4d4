#include "expression.h"

#include "numbers/errors.h"
#include "numbers/numbers.h"

#include <numbers>

namespace model {

namespace {

const QString kMinus = QStringLiteral("-−–");
const QString kTimes = QStringLiteral("·*×⋅");
const QString kDivide = QStringLiteral(":/÷");

// Where a term must be a number: an unknown in it is not one.
class NoUnknowns final : public Environment {
public:
    rt::Real value(const QString&) const override { throw rt::Error(rt::ErrorKind::TypeMismatch); }
    rt::Real shown(const QString& symbol) const override { return value(symbol); }
};

class Reader {
public:
    Reader(const QString& text, const QLocale& locale, bool unknownsAllowed)
        : text_(text)
        , locale_(locale)
        , unknownsAllowed_(unknownsAllowed)
    {
    }

    Expression read()
    {
        skip();
        if (at_ >= text_.size())
            fail(QStringLiteral("Es steht keine Rechnung darin."));
        Term t = sum();
        skip();
        if (at_ < text_.size()) {
            if (text_[at_] == u')')
                fail(QStringLiteral("Zu der Klammer „)“ fehlt die öffnende Klammer."));
            fail(QStringLiteral("Das Zeichen „%1“ ist hier nicht zu verstehen.").arg(text_[at_]));
        }
        return {t, unknowns_};
    }

private:
    [[noreturn]] void fail(const QString& advice) const
    {
        throw rt::Error(rt::ErrorKind::TypeMismatch, text_, advice);
    }

    void skip()
    {
        while (at_ < text_.size() && text_[at_].isSpace())
            ++at_;
    }
    QChar peek()
    {
        skip();
        return at_ < text_.size() ? text_[at_] : QChar();
    }
    // What may stand after an operation: a number, π, a letter, √, a bracket.
    static bool startsOperand(QChar c)
    {
        return c.isDigit() || c == u',' || c == u'.' || c == u'π' || c == u'√' || c == u'(' ||
               c.isLetter();
    }
    void operand(const QString& after)
    {
        const QChar c = peek();
        if (c.isNull() || (!startsOperand(c) && !kMinus.contains(c) && c != u'+'))
            fail(QStringLiteral("Nach „%1“ fehlt eine Zahl.").arg(after));
    }

    Term sum()
    {
        Term t = product();
        for (;;) {
            const QChar c = peek();
            if (c == u'+' || kMinus.contains(c)) {
                ++at_;
                operand(QString(c));
                const Term right = product();
                t = c == u'+' ? t + right : t - right;
            } else {
                return t;
            }
        }
    }

    Term product()
    {
        Term t = power();
        for (;;) {
            const qsizetype before = at_;
            const QChar c = peek();
            if (kTimes.contains(c) || kDivide.contains(c)) {
                ++at_;
                operand(QString(c));
                const Term right = power();
                t = kTimes.contains(c) ? t * right : t / right;
            } else if (!c.isNull() && startsOperand(c) && c != u',' && c != u'.') {
                // Written together, "2a" and "54π" multiply; apart, two
                // numbers or letters need their operation.
                if (at_ != before || (lastWasNumber_ && (c.isDigit())))
                    fail(
                        QStringLiteral("Zwischen „%1“ und „%2“ fehlt ein Rechenzeichen.")
                            .arg(text_.mid(lastStart_, before - lastStart_).trimmed(), QString(c)));
                t = t * power();
            } else {
                return t;
            }
        }
    }

    Term power()
    {
        Term t = unary();
        for (;;) {
            // Blanks are skipped only before a "^": whether an operand
            // follows close or apart is the product's to see.
            const qsizetype here = at_;
            if (at_ < text_.size() && text_[at_] == u'²') {
                ++at_;
                t = pow(t, 2);
            } else if (at_ < text_.size() && text_[at_] == u'³') {
                ++at_;
                t = pow(t, 3);
            } else if (peek() == u'^') {
                ++at_;
                operand(QStringLiteral("^"));
                // An exponent is a number: the power of a term stays a term
                // its rearrangements can undo.
                const Term exponent = unary();
                rt::Real e;
                try {
                    e = exponent.evaluate(NoUnknowns());
                } catch (const rt::Error&) {
                    fail(QStringLiteral("Der Exponent nach „^“ muss eine Zahl sein."));
                }
                t = pow(t, e.value());
            } else {
                at_ = here;
                return t;
            }
        }
    }

    Term unary()
    {
        const QChar c = peek();
        if (kMinus.contains(c) || c == u'+') {
            ++at_;
            operand(QString(c));
            const Term t = unary();
            return c == u'+' ? t : Term(0) - t;
        }
        if (c == u'√') {
            ++at_;
            operand(QStringLiteral("√"));
            return pow(power(), 0.5);
        }
        return primary();
    }

    Term primary()
    {
        const QChar c = peek();
        lastStart_ = at_;
        lastWasNumber_ = false;
        if (c == u'(') {
            ++at_;
            operand(QStringLiteral("("));
            const Term t = sum();
            if (peek() != u')')
                fail(QStringLiteral("Es fehlt eine schließende Klammer „)“."));
            ++at_;
            return t;
        }
        if (c == u'π') {
            ++at_;
            return Term::constant(std::numbers::pi, "π");
        }
        if (c.isDigit() || c == u',' || c == u'.') {
            const qsizetype start = at_;
            while (at_ < text_.size() &&
                   (text_[at_].isDigit() || text_[at_] == u',' || text_[at_] == u'.'))
                ++at_;
            lastWasNumber_ = true;
            // The locale's own reading, with what it says of "2.500".
            return Term(rt::toNumber(text_.mid(start, at_ - start), locale_));
        }
        if (c.isLetter()) {
            const qsizetype start = at_;
            ++at_;
            if (at_ < text_.size() && text_[at_].isDigit())
                ++at_;
            const QString name = text_.mid(start, at_ - start);
            if (!unknownsAllowed_)
                fail(QStringLiteral("Buchstaben wie „%1“ sind hier nicht erlaubt: Bitte geben "
                                    "Sie eine Zahl oder eine Rechnung mit Zahlen ein.")
                         .arg(c));
            if (!c.isLower() || c.unicode() > 0x7f || (at_ < text_.size() && text_[at_].isLetter()))
                fail(QStringLiteral("„%1“ ist weder eine Zahl noch eine Unbekannte.")
                         .arg(text_.mid(start, std::min<qsizetype>(at_ - start + 1, 12))));
            if (!unknowns_.contains(name))
                unknowns_ << name;
            return Term::quantity(name);
        }
        if (c == u')')
            fail(QStringLiteral("Vor „)“ fehlt eine Zahl."));
        fail(QStringLiteral("Das Zeichen „%1“ ist hier nicht zu verstehen.").arg(c));
    }

    const QString& text_;
    const QLocale& locale_;
    bool unknownsAllowed_;
    qsizetype at_ = 0;
    qsizetype lastStart_ = 0;
    bool lastWasNumber_ = false;
    QStringList unknowns_;
};

} // namespace

Expression readExpression(const QString& text, const QLocale& locale, bool unknownsAllowed)
{
    return Reader(text, locale, unknownsAllowed).read();
}

bool looksLikeExpression(const QString& text)
{
    const QString t = text.trimmed();
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'π' || c == u'√' || c == u'(' || c == u')' || c == u'²' || c == u'³' ||
            c == u'^' || kTimes.contains(c) || kDivide.contains(c) || (c.isLower() && c != u'e'))
            return true;
        // A sign after the start that does not belong to an exponent (1E-5).
        if (i > 0 && (c == u'+' || kMinus.contains(c)) && t[i - 1].toUpper() != u'E')
            return true;
    }
    return false;
}

double readValue(const QString& text, const QLocale& locale, bool* calculation)
{
    if (calculation)
        *calculation = false;
    if (!looksLikeExpression(text))
        return rt::toNumber(text, locale);
    const Expression e = readExpression(text, locale, false);
    double v = 0;
    try {
        v = e.term.evaluate(NoUnknowns()).value();
    } catch (rt::Error& error) {
        // Said of the box's text: "3 : 0" cannot be worked out.
        if (error.kind() == rt::ErrorKind::DivisionByZero)
            throw rt::Error(rt::ErrorKind::TypeMismatch, text,
                            QStringLiteral("Durch 0 lässt sich nicht teilen."));
        throw;
    }
    if (calculation)
        *calculation = true;
    return v;
}

} // namespace model
