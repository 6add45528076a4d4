#pragma once

#include "term.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// A calculation typed into a box as a pupil writes it: "54π", "3,2 - 0,15",
// "1250 : 4", "2 · (a + 1)²". Numbers in the locale's notation; + and −;
// ·, *, × and a number or bracket written before π, a letter, √ or a bracket;
// : / ÷; ^, ² and ³; √; brackets. Where unknowns are allowed, a lower-case
// letter with an optional digit ("a", "h2") is one.
namespace model {

struct Expression {
    Term term;
    QStringList unknowns; // in the order they are first used
};

// Raises rt::Error (a type mismatch) whose advice says in German what is
// wrong and where: "Nach „+“ fehlt eine Zahl." A letter where no unknowns
// are allowed is such an error too.
Expression readExpression(const QString& text, const QLocale& locale, bool unknownsAllowed);

// Whether the text is meant as a calculation rather than a number: it holds
// an operation, a bracket, π or a letter after its first character.
bool looksLikeExpression(const QString& text);

// The value of a text that is a number or a calculation without unknowns:
// the number as toNumber reads it, else the calculation's value; raises
// rt::Error as either does. Sets `calculation` where it was one.
double readValue(const QString& text, const QLocale& locale, bool* calculation = nullptr);

} // namespace model
