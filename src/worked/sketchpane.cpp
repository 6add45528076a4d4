#include "sketchpane.h"

#include <QApplication>
#include <QPainter>

namespace worked {

SketchPane::SketchPane(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("skizze"));
    setAccessibleName(QStringLiteral("Skizze"));
    // On a small screen the rows beside it come first.
    setMinimumSize(0, 140);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void SketchPane::setSketch(const solids::Sketch& sketch)
{
    sketch_ = sketch;
    setAccessibleDescription(sketch_.description());
    update();
}

void SketchPane::highlight(const QString& letter)
{
    if (letter == highlighted_)
        return;
    highlighted_ = letter;
    update();
}

void SketchPane::followFocusIn(QWidget* rows)
{
    rows_ = rows;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // Focus in another window leaves the letter as it was.
        if (!now || !parentWidget() || !parentWidget()->isAncestorOf(now))
            return;
        QString letter;
        if (rows_ && rows_->isAncestorOf(now)) {
            const QString name = now->objectName();
            for (const QLatin1String prefix : {QLatin1String("txt"), QLatin1String("cboeinheit")}) {
                if (name.startsWith(prefix))
                    letter = name.mid(prefix.size());
            }
        }
        highlight(letter);
    });
}

void SketchPane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    sketch_.paint(painter, QRectF(rect()), highlighted_);
}

} // namespace worked
