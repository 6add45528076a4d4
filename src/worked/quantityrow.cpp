#include "quantityrow.h"

#include "model/materials.h"
#include "model/writing.h"
#include "numbers/numbers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>

namespace worked {

namespace {

const QString kComputed = QStringLiteral("berechnet");

} // namespace

QuantityRow addQuantityRow(QGridLayout* grid, const model::Quantity& quantity,
                           const RowNames& names, QWidget*& previous)
{
    QWidget* parent = grid->parentWidget();
    QuantityRow row;
    const int line = grid->rowCount();
    row.caption = new QLabel(quantity.caption + u':', parent);
    row.box = new QLineEdit(parent);
    row.box->setObjectName(names.box);
    row.box->setAccessibleName(names.accessible);
    row.box->setMinimumWidth(140);
    row.caption->setBuddy(row.box);
    grid->addWidget(row.caption, line, 0);
    grid->addWidget(row.box, line, 1);
    if (previous)
        QWidget::setTabOrder(previous, row.box);
    previous = row.box;
    if (quantity.dimension.angle || quantity.dimension.count) {
        row.fixedUnit =
            new QLabel(QString::fromUtf8(model::units(quantity.dimension).front()->text), parent);
        grid->addWidget(row.fixedUnit, line, 2);
        return row;
    }
    row.unit = new QComboBox(parent);
    row.unit->setObjectName(names.unit);
    row.unit->setAccessibleName(QStringLiteral("Einheit ") + names.accessible);
    // Its list is read by the same name when it opens.
    row.unit->view()->setAccessibleName(row.unit->accessibleName());
    for (const model::Unit* u : model::units(quantity.dimension))
        row.unit->addItem(QString::fromUtf8(u->text));
    row.unit->setCurrentText(QString::fromUtf8(model::defaultUnit(quantity.dimension).text));
    grid->addWidget(row.unit, line, 2);
    if (previous)
        QWidget::setTabOrder(previous, row.unit);
    previous = row.unit;
    return row;
}

const model::Unit& unitOf(const QuantityRow& row, const model::Dimension& dimension)
{
    if (row.unit) {
        if (const model::Unit* u = model::unit(dimension, row.unit->currentText()))
            return *u;
    }
    return model::defaultUnit(dimension);
}

void markComputed(QLineEdit* box, bool computed)
{
    QFont f = box->font();
    f.setItalic(computed);
    box->setFont(f);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, computed ? QColor(0xe8, 0xf0, 0xfa)
                                        : box->window()->palette().color(QPalette::Base));
    box->setPalette(p);
    box->setAccessibleDescription(computed ? kComputed : QString());
}

QComboBox* materialChooser(QWidget* parent)
{
    auto* chooser = new QComboBox(parent);
    chooser->setObjectName(QStringLiteral("cbomaterial"));
    chooser->setAccessibleName(QStringLiteral("Material"));
    chooser->view()->setAccessibleName(chooser->accessibleName());
    const QLocale locale;
    chooser->addItem(QStringLiteral("eigene Dichte"));
    for (const model::Material& m : model::materials())
        chooser->addItem(QStringLiteral("%1 (%2 g/cm³)")
                             .arg(QString::fromUtf8(m.name), locale.toString(m.density)),
                         m.density);
    return chooser;
}

QString densityText(double density, const model::Unit& unit)
{
    return model::certainNumber(model::fromBase(density, unit), unit, rt::kAllDigits, QLocale());
}

RowsArea::RowsArea(QWidget* parent, QWidget* rows)
    : QScrollArea(parent)
{
    setWidget(rows);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    rows->setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize RowsArea::sizeHint() const
{
    return widget() ? widget()->sizeHint() : QScrollArea::sizeHint();
}

bool RowsArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

QSize RowsArea::minimumSizeHint() const
{
    QSize size = QScrollArea::minimumSizeHint();
    if (widget())
        size.setWidth(widget()->minimumSizeHint().width() +
                      verticalScrollBar()->sizeHint().width());
    return size;
}

} // namespace worked
