#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;

namespace solids {

// A labelled line drawing of a solid, as a pupil sketches it beside a worked
// solution: edges in front drawn, edges behind dashed, every dimension marked
// by its letter. Coordinates are free units, y pointing down; the painter
// scales the whole to the room it gets, so it stays sharp at any scale.
class Sketch {
public:
    // What a line is besides an edge, for a body that lacks a face: an edge
    // of the base is dotted where there is no base; a hidden line that an
    // open top lets one see is drawn.
    enum Part : unsigned { Edge = 0, Base = 1, Inside = 2 };

    struct Line {
        QPointF from, to;
        bool hidden;
        unsigned parts = Edge;
    };
    // An arc of an upright ellipse, angles in degrees counter-clockwise from
    // three o'clock, as QPainter takes them.
    struct Arc {
        QRectF ellipse;
        double start, span;
        bool hidden;
        unsigned parts = Edge;
    };
    struct Label {
        QString text;
        QPointF at;  // the label's centre
        QString box; // the text box of the dimension it names, if any
    };

    // A point of a solid seen obliquely (cavalier): the depth z recedes up and
    // to the right at 45 degrees, at full length.
    static QPointF oblique(double x, double y, double z);

    Sketch& line(QPointF from, QPointF to, unsigned parts = Edge);
    Sketch& hidden(QPointF from, QPointF to, unsigned parts = Edge);
    Sketch& arc(QRectF ellipse, double start, double span, bool hidden = false,
                unsigned parts = Edge);
    Sketch& label(const char* text, QPointF at, const char* box = "");
    // What a screen reader says of it: "Zylinder mit Radius r und Höhe h".
    Sketch& describe(const char* description);
    // The face on top as drawn, which is tinted where it is open.
    Sketch& top(const QPainterPath& face);
    Sketch& top(const std::vector<QPointF>& corners);

    // The same body without its top or its base: the opening tinted and what
    // is seen through it drawn, the base's edges dotted with a note. A body
    // without that face is drawn as it is.
    Sketch opened(bool withoutTop, bool withoutBase) const;
    // Each label that reads as one of these letters names that letter in
    // place of a box; where a window writes r or a1 for the list's r1 or a,
    // the label and the description read as the list does.
    Sketch lettered(const QStringList& symbols) const;

    const std::vector<Line>& lines() const { return lines_; }
    const std::vector<Arc>& arcs() const { return arcs_; }
    const std::vector<Label>& labels() const { return labels_; }
    const QString& description() const { return description_; }
    bool withoutTop() const { return withoutTop_; }
    bool withoutBase() const { return withoutBase_; }

    // The sketch fitted into the room; the label of the given box stands out.
    void paint(QPainter& painter, const QRectF& room, const QString& highlighted) const;

private:
    QRectF bounds() const;

    std::vector<Line> lines_;
    std::vector<Arc> arcs_;
    std::vector<Label> labels_;
    QString description_;
    QPainterPath top_;
    bool withoutTop_ = false, withoutBase_ = false;
};

} // namespace solids
