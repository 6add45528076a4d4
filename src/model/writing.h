#pragma once

#include "solver.h"
#include "units.h"

#include <QHash>
#include <QLocale>
#include <QString>

// The inverse solver's task as the user typed it, and what is written about
// its answer: the message when there is no solution, and the worked solution
// of each one, the way a German maths lesson writes it.
namespace model {

struct Task {
    const Body* body = nullptr;
    // The unit each quantity's row is in; a quantity not listed is in the
    // centimetre's unit of its kind.
    QHash<QString, const Unit*> units;
    // The given values as typed, in their rows' units.
    Values typed;
    // The texts of those typed as a calculation ("54π"), by symbol.
    QHash<QString, QString> calculations{};

    const Unit& unitOf(const QString& symbol) const;
    // The given values in the centimetre's units, converted exactly.
    Values givens() const;
};

// A value in the unit, in the centimetre's unit of its kind, and back: as
// decimals, the point moved, so that 1,2 m is exactly what 120 cm is.
double toBase(double value, const Unit& unit);
double fromBase(double value, const Unit& unit);

// "Zu wenige Angaben: …", "Die Angaben widersprechen sich: …", "Keine Lösung: …";
// empty for a solved task.
QString message(const Task& task, const Answer& answer, const QLocale& locale);

// The worked solution of one solution (see working()), as plain text lines.
QString workedSolution(const Task& task, const Answer& answer, int solution, const QLocale& locale);

// A value with its unit as a pupil writes it, 15 significant digits: "3,5 cm", "60°".
QString withUnit(double value, const Unit& unit, const QLocale& locale);

// A computed value in the unit, with no digit below the place its inputs
// determine: `place` is that place in the base unit of its dimension (see
// certainPlaces), rt::kAllDigits for all 15 digits. The number alone, and
// with its unit.
QString certainNumber(double value, const Unit& unit, int place, const QLocale& locale);
QString certainWithUnit(double value, const Unit& unit, int place, const QLocale& locale);
// "3,5 cm", "60°", "5": a number's text with its unit as a pupil writes it.
QString joined(const QString& number, const Unit& unit);
// The same, exactly as it reads back: what the user typed.
QString exactly(double value, const Unit& unit, const QLocale& locale);

// The quantity's caption, "Volumen V"; the symbol where the body has none.
QString caption(const Body& body, const QString& symbol);
// The dimension of a quantity of the body or of one of its charts.
Dimension kindOf(const Body& body, const QString& symbol);
// "r, d und u"
QString listed(const QStringList& items);

} // namespace model
