#include "errors.h"

namespace rt {

namespace {

constexpr qsizetype kQuotedLength = 40;

} // namespace

Error::Error(ErrorKind kind, QString text, QString advice)
    : kind_(kind)
    , text_(std::move(text))
    , advice_(std::move(advice))
{
}

Error& Error::inField(const QString& name, const QString& caption)
{
    field_ = name;
    fieldCaption_ = caption;
    return *this;
}

Error& Error::inResult(const QString& caption)
{
    result_ = caption;
    return *this;
}

namespace {

// A text the user typed, as a message quotes it: „…“ around at most 40
// characters, line breaks and other control characters shown as blanks.
QString quoted(const QString& text)
{
    QString shown;
    qsizetype characters = 0;
    for (auto it = text.cbegin(); it != text.cend() && characters <= kQuotedLength; ++it) {
        // A character outside the first plane takes two units; it is never split.
        if (it->isLowSurrogate() && !shown.isEmpty() && shown.back().isHighSurrogate()) {
            shown += *it;
            continue;
        }
        ++characters;
        if (characters > kQuotedLength) {
            shown += QChar(0x2026);
            break;
        }
        const QChar::Category c = it->category();
        const bool control = c == QChar::Other_Control || c == QChar::Separator_Line ||
                             c == QChar::Separator_Paragraph;
        shown += control ? QChar(u' ') : *it;
    }
    return QStringLiteral("„%1“").arg(shown);
}

} // namespace

QString Error::message() const
{
    const QString where =
        fieldCaption_.isEmpty() ? QString() : QStringLiteral(" im Feld „%1“").arg(fieldCaption_);
    const QString during = result_.isEmpty()
                               ? QString()
                               : QStringLiteral("Bei der Berechnung von „%1“: ").arg(result_);
    switch (kind_) {
    case ErrorKind::TypeMismatch:
        // Not about a text typed anywhere, such as a file that cannot be read.
        if (!advice_.isEmpty() && text_.isEmpty() && fieldCaption_.isEmpty())
            return advice_;
        if (!advice_.isEmpty())
            return QStringLiteral("%1%2 ist keine Zahl. %3").arg(quoted(text_), where, advice_);
        if (text_.trimmed().isEmpty()) {
            return fieldCaption_.isEmpty()
                       ? QStringLiteral("Es wurde keine Zahl eingegeben.")
                       : QStringLiteral("Das Feld „%1“ ist leer. Bitte geben Sie eine Zahl ein.")
                             .arg(fieldCaption_);
        }
        return QStringLiteral("Der Text %1%2 ist keine Zahl. Bitte geben Sie eine Zahl ein.")
            .arg(quoted(text_), where);
    case ErrorKind::Overflow:
        if (!text_.isEmpty())
            return QStringLiteral("Die Zahl %1%2 ist zu groß.").arg(quoted(text_), where);
        return during + QStringLiteral("Das Ergebnis ist zu groß für die Rechnung (Überlauf). "
                                       "Bitte geben Sie kleinere Werte ein.");
    case ErrorKind::Underflow:
        if (!text_.isEmpty())
            return QStringLiteral("Die Zahl %1%2 ist zu klein zum Rechnen.")
                .arg(quoted(text_), where);
        return during + QStringLiteral("Ein Zwischenergebnis ist zu klein für die Rechnung "
                                       "(Unterlauf). Bitte geben Sie größere Werte ein.");
    case ErrorKind::DivisionByZero:
        return during + QStringLiteral("Division durch null ist nicht möglich.");
    case ErrorKind::InvalidPower:
        return during +
               QStringLiteral("Die Potenz hat kein reelles Ergebnis: Eine negative Zahl lässt "
                              "sich nur mit einem ganzzahligen Exponenten potenzieren.");
    case ErrorKind::InvalidOperation:
        break;
    }
    return during + QStringLiteral("Die Rechnung ist nicht ausführbar.");
}

const char* Error::what() const noexcept
{
    what_ = message().toUtf8();
    return what_.constData();
}

} // namespace rt
