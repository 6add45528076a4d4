#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace solids {

// A labelled line drawing of a solid, as a pupil sketches it beside a worked
// solution: edges in front drawn, edges behind dashed, every dimension marked
// by its letter. Coordinates are free units, y pointing down; the painter
// scales the whole to the room it gets, so it stays sharp at any scale.
class Sketch {
public:
    struct Line {
        QPointF from, to;
        bool hidden;
    };
    // An arc of an upright ellipse, angles in degrees counter-clockwise from
    // three o'clock, as QPainter takes them.
    struct Arc {
        QRectF ellipse;
        double start, span;
        bool hidden;
    };
    struct Label {
        QString text;
        QPointF at;  // the label's centre
        QString box; // the text box of the dimension it names, if any
    };

    // A point of a solid seen obliquely (cavalier): the depth z recedes up and
    // to the right at 45 degrees, at full length.
    static QPointF oblique(double x, double y, double z);

    Sketch& line(QPointF from, QPointF to);
    Sketch& hidden(QPointF from, QPointF to);
    Sketch& arc(QRectF ellipse, double start, double span, bool hidden = false);
    Sketch& label(const char* text, QPointF at, const char* box = "");
    // What a screen reader says of it: "Zylinder mit Radius r und Höhe h".
    Sketch& describe(const char* description);

    const std::vector<Line>& lines() const { return lines_; }
    const std::vector<Arc>& arcs() const { return arcs_; }
    const std::vector<Label>& labels() const { return labels_; }
    const QString& description() const { return description_; }

    // The sketch fitted into the room; the label of the given box stands out.
    void paint(QPainter& painter, const QRectF& room, const QString& highlighted) const;

private:
    QRectF bounds() const;

    std::vector<Line> lines_;
    std::vector<Arc> arcs_;
    std::vector<Label> labels_;
    QString description_;
};

} // namespace solids
