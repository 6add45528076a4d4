#pragma once

#include "solids/sketch.h"

#include <QPointer>
#include <QWidget>

namespace worked {

// A solid's sketch beside the boxes of its quantities: the letter of the row
// the user is in stands out, as the Rechenweg marks the box with the focus.
class SketchPane final : public QWidget {
public:
    explicit SketchPane(QWidget* parent);

    const solids::Sketch& sketch() const { return sketch_; }
    void setSketch(const solids::Sketch& sketch);
    // The letter that stands out: a label whose box names it.
    const QString& highlighted() const { return highlighted_; }
    void highlight(const QString& letter);
    // Follows the focus among the rows in `rows`: each box is named "txt"
    // and each unit "cboeinheit" followed by its letter; anywhere else in
    // the window (the parent) no letter stands out.
    void followFocusIn(QWidget* rows);

    QSize sizeHint() const override { return {240, 240}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    solids::Sketch sketch_;
    QString highlighted_;
    QPointer<QWidget> rows_;
};

} // namespace worked
