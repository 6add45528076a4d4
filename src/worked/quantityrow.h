#pragma once

#include "model/body.h"
#include "model/units.h"

#include <QScrollArea>
#include <QString>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// The pieces the windows that solve for any quantity share: a quantity's row
// of caption, box and unit, the marking of what the window computed, the
// material list, and the scrolling area the rows stand in.
namespace worked {

// A quantity's row in a grid: its caption on the left, the box, and the unit
// it is typed in, a chooser where the dimension has more than one.
struct QuantityRow {
    QLabel* caption = nullptr;
    QLineEdit* box = nullptr;
    QComboBox* unit = nullptr; // none for angles and counts
    QLabel* fixedUnit = nullptr;
};

struct RowNames {
    QString box;        // the box's object name
    QString unit;       // the chooser's object name
    QString accessible; // what a reader calls the box: "Radius r"
};

// Adds the row at the grid's next line, inside the grid's widget, after
// `previous` in the tab order (if any); `previous` moves on to its last
// control. The
// box starts in the dimension's base unit.
QuantityRow addQuantityRow(QGridLayout* grid, const model::Quantity& quantity,
                           const RowNames& names, QWidget*& previous);

// The unit the row's chooser shows; the base unit where it has none.
const model::Unit& unitOf(const QuantityRow& row, const model::Dimension& dimension);

// A box holding what the window wrote is set apart, and a reader hears
// "berechnet"; a box the user typed in looks as any other.
void markComputed(QLineEdit* box, bool computed);

// "Material:" choices: "eigene Dichte" first, then each material with its
// density in g/cm³, the density as the entry's data.
QComboBox* materialChooser(QWidget* parent);
// A material's density as the density row shows it, in that row's unit.
QString densityText(double density, const model::Unit& unit);

// The rows, as tall as they are where there is room; they scroll where the
// screen is too small for them and a few lines of the solution.
class RowsArea final : public QScrollArea {
public:
    // Shows `rows`, as wide as the area, without a frame; Tab goes from row
    // to row, past the area itself.
    RowsArea(QWidget* parent, QWidget* rows);
    QSize sizeHint() const override;
    // New rows are laid out once they are shown, after the window asked for
    // room: the window's layout learns of it then.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Never narrower than the rows: they do not scroll sideways, and what
    // stands beside them gives way first.
    QSize minimumSizeHint() const override;
};

} // namespace worked
