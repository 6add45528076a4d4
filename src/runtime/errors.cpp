#include "errors.h"

namespace rt {

Error::Error(ErrorKind kind, QString text)
    : kind_(kind)
    , text_(std::move(text))
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

static QString quoted(const QString& s)
{
    return QStringLiteral("„%1“").arg(s);
}

QString Error::message() const
{
    const QString where = fieldCaption_.isEmpty()
                              ? QString()
                              : QStringLiteral(" im Feld %1").arg(quoted(fieldCaption_));
    const QString during = result_.isEmpty()
                               ? QString()
                               : QStringLiteral("Bei der Berechnung von %1: ").arg(quoted(result_));
    switch (kind_) {
    case ErrorKind::TypeMismatch:
        if (text_.trimmed().isEmpty()) {
            return fieldCaption_.isEmpty()
                       ? QStringLiteral("Es wurde keine Zahl eingegeben.")
                       : QStringLiteral("Das Feld %1 ist leer. Bitte geben Sie eine Zahl ein.")
                             .arg(quoted(fieldCaption_));
        }
        return QStringLiteral("Der Text %1%2 ist keine Zahl. Bitte geben Sie eine Zahl ein.")
            .arg(quoted(text_), where);
    case ErrorKind::Overflow:
        if (!text_.isEmpty())
            return QStringLiteral("Die Zahl %1%2 ist zu groß.").arg(quoted(text_), where);
        return during + QStringLiteral("Das Ergebnis ist zu groß für die Rechnung (Überlauf). "
                                       "Bitte geben Sie kleinere Werte ein.");
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
