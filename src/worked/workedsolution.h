#pragma once

#include "model/working.h"
#include "solids/catalogue.h"

#include <QLocale>
#include <QMap>
#include <QString>

// The worked solution of a calculation, the way a German maths lesson writes
// it: Gegeben, Gesucht, and for each result its formula in symbols, with the
// numbers put in, and the result with its unit.
namespace worked {

struct Reading {
    const solids::Variant* variant = nullptr;
    QMap<QString, QString> texts; // boxes, and results where computed
    bool computed = false;        // else: the formulas in symbols only
};

// The working of the calculation, numbers in the locale's notation. The
// digits of a result are those its label shows.
model::Working working(const solids::Solid& solid, const Reading& reading, const QLocale& locale);
// The same as plain text, one line each.
QString solution(const solids::Solid& solid, const Reading& reading, const QLocale& locale);

// What the sketch and the solution are headed by: "Pyramidenstumpf", "Kugel".
QString title(const solids::Solid& solid, const solids::Variant& variant);

} // namespace worked
