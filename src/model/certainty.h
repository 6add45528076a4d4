#pragma once

#include "body.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Which digits of a computed value its inputs determine. A given or a found
// dimension is certain to 15 significant digits; a sum or a difference only
// to the coarser last certain place of its operands, so that 10 − 9,99 is
// 0,01 and not 0,00999999999999979. The double stored does not change: this
// decides only what is shown.
namespace model {

// For each quantity of the body whose value is listed, the lowest decimal
// place (10^place, in the base unit of its dimension) that the values of
// `given` and the body's relations determine: the givens and the dimensions
// are inputs, every other quantity is certain as its relation over them
// makes it. A quantity not listed is shown with all its digits
// (rt::kAllDigits), and so is an exact one.
QHash<QString, int> certainPlaces(const Body& body, const QHash<QString, double>& values,
                                  const QStringList& given);

} // namespace model
