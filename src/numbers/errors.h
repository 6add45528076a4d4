#pragma once

#include <QString>
#include <exception>

namespace rt {

enum class ErrorKind {
    TypeMismatch,
    Overflow,
    Underflow,
    DivisionByZero,
    InvalidPower,
    InvalidOperation
};

// The one error type of the runtime. Conversions and arithmetic raise it with what they know
// (the offending text, and how to write it instead where that can be told); the code that read
// the text adds where it came from, so the message can name the field and the window can put the
// cursor back into it.
class Error : public std::exception {
public:
    Error(ErrorKind kind, QString text = {}, QString advice = {});

    ErrorKind kind() const { return kind_; }
    const QString& text() const { return text_; }
    // Object name and visible caption of the text box the text was read from, if any.
    const QString& field() const { return field_; }
    const QString& fieldCaption() const { return fieldCaption_; }
    // Caption of the result whose computation failed, if any.
    const QString& result() const { return result_; }

    Error& inField(const QString& name, const QString& caption);
    Error& inResult(const QString& caption);

    // Plain German, for the message box; whatever the user typed is quoted
    // shortened, so that no message outgrows the screen.
    QString message() const;
    const char* what() const noexcept override;

private:
    ErrorKind kind_;
    QString text_;
    QString advice_;
    QString field_;
    QString fieldCaption_;
    QString result_;
    mutable QByteArray what_;
};

} // namespace rt
