#include "sketch.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace solids {

namespace {

constexpr double kDepth = 0.70710678118654752; // cos 45° = sin 45°

} // namespace

QPointF Sketch::oblique(double x, double y, double z)
{
    return {x + z * kDepth, y - z * kDepth};
}

Sketch& Sketch::line(QPointF from, QPointF to)
{
    lines_.push_back({from, to, false});
    return *this;
}

Sketch& Sketch::hidden(QPointF from, QPointF to)
{
    lines_.push_back({from, to, true});
    return *this;
}

Sketch& Sketch::arc(QRectF ellipse, double start, double span, bool hidden)
{
    arcs_.push_back({ellipse, start, span, hidden});
    return *this;
}

Sketch& Sketch::label(const char* text, QPointF at, const char* box)
{
    labels_.push_back({QString::fromUtf8(text), at, QString::fromUtf8(box)});
    return *this;
}

Sketch& Sketch::describe(const char* description)
{
    description_ = QString::fromUtf8(description);
    return *this;
}

QRectF Sketch::bounds() const
{
    QRectF r;
    const auto add = [&](QPointF p) { r |= QRectF(p, QSizeF(0.001, 0.001)); };
    for (const Line& l : lines_) {
        add(l.from);
        add(l.to);
    }
    for (const Arc& a : arcs_)
        r |= a.ellipse;
    for (const Label& l : labels_)
        add(l.at);
    return r;
}

void Sketch::paint(QPainter& painter, const QRectF& room, const QString& highlighted) const
{
    const QRectF b = bounds();
    if (b.isEmpty())
        return;
    // Labels need room around the drawing; the font sets how much.
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setItalic(true);
    font.setPixelSize(std::max(12, int(room.height() / 14)));
    const double margin = QFontMetricsF(font).height();
    const QRectF inner = room.adjusted(margin, margin, -margin, -margin);
    const double scale = std::min(inner.width() / b.width(), inner.height() / b.height());
    const QPointF offset = inner.center() - QPointF(b.center().x() * scale, b.center().y() * scale);
    const auto at = [&](QPointF p) { return QPointF(p.x() * scale, p.y() * scale) + offset; };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = painter.pen().color();
    QPen solid(ink, 1.6);
    QPen dashed(ink, 1.2, Qt::DashLine);
    for (const Line& l : lines_) {
        painter.setPen(l.hidden ? dashed : solid);
        painter.drawLine(at(l.from), at(l.to));
    }
    for (const Arc& a : arcs_) {
        painter.setPen(a.hidden ? dashed : solid);
        const QRectF e(at(a.ellipse.topLeft()), at(a.ellipse.bottomRight()));
        QPainterPath path;
        path.arcMoveTo(e, a.start);
        path.arcTo(e, a.start, a.span);
        painter.drawPath(path);
    }
    for (const Label& l : labels_) {
        QFont f = font;
        const bool marked = !l.box.isEmpty() && l.box == highlighted;
        f.setBold(marked);
        painter.setFont(f);
        const QSizeF size = QFontMetricsF(f).size(0, l.text) + QSizeF(6, 2);
        const QRectF box(at(l.at) - QPointF(size.width() / 2, size.height() / 2), size);
        if (marked) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xFF, 0xF0, 0x8C));
            painter.drawRoundedRect(box, 4, 4);
        }
        painter.setPen(marked ? QColor(0x0A, 0x4F, 0x9E) : ink);
        painter.drawText(box, Qt::AlignCenter, l.text);
    }
    painter.restore();
}

} // namespace solids
