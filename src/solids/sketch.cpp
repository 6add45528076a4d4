#include "sketch.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace solids {

namespace {

constexpr double kDepth = 0.70710678118654752; // cos 45° = sin 45°

} // namespace

QPointF Sketch::oblique(double x, double y, double z)
{
    return {x + z * kDepth, y - z * kDepth};
}

Sketch& Sketch::line(QPointF from, QPointF to, unsigned parts)
{
    lines_.push_back({from, to, false, parts});
    return *this;
}

Sketch& Sketch::hidden(QPointF from, QPointF to, unsigned parts)
{
    lines_.push_back({from, to, true, parts});
    return *this;
}

Sketch& Sketch::arc(QRectF ellipse, double start, double span, bool hidden, unsigned parts)
{
    arcs_.push_back({ellipse, start, span, hidden, parts});
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

Sketch& Sketch::top(const QPainterPath& face)
{
    top_ = face;
    return *this;
}

Sketch& Sketch::top(const std::vector<QPointF>& corners)
{
    QPainterPath face;
    face.addPolygon(QPolygonF(QList<QPointF>(corners.begin(), corners.end())));
    face.closeSubpath();
    return top(face);
}

Sketch Sketch::opened(bool withoutTop, bool withoutBase) const
{
    Sketch s = *this;
    const auto has = [&](unsigned part) {
        return std::any_of(lines_.begin(), lines_.end(),
                           [&](const Line& l) { return l.parts & part; }) ||
               std::any_of(arcs_.begin(), arcs_.end(),
                           [&](const Arc& a) { return a.parts & part; });
    };
    s.withoutTop_ = withoutTop && !top_.isEmpty();
    s.withoutBase_ = withoutBase && has(Base);
    if (s.withoutBase_) {
        // Under the lowest point drawn, where no letter stands; an arc's
        // ellipse may reach further down than the arc.
        double lowest = -1e9;
        for (const Line& l : lines_)
            lowest = std::max({lowest, l.from.y(), l.to.y()});
        for (const Arc& a : arcs_) {
            for (double t = a.start; t <= a.start + a.span; t += 1)
                lowest =
                    std::max(lowest, a.ellipse.center().y() - std::sin(t * std::numbers::pi / 180) *
                                                                  a.ellipse.height() / 2);
        }
        for (const Label& l : labels_)
            lowest = std::max(lowest, l.at.y());
        s.labels_.push_back(
            {QStringLiteral("ohne Boden"), QPointF(bounds().center().x(), lowest + 0.22), {}});
    }
    if (s.withoutTop_ && s.withoutBase_)
        s.description_ += QStringLiteral(", oben offen und ohne Boden");
    else if (s.withoutTop_)
        s.description_ += QStringLiteral(", oben offen");
    else if (s.withoutBase_)
        s.description_ += QStringLiteral(", ohne Boden");
    return s;
}

Sketch Sketch::lettered(const QStringList& symbols) const
{
    Sketch s = *this;
    for (Label& l : s.labels_) {
        QString letter = l.text;
        if (!symbols.contains(letter)) {
            if (symbols.contains(letter + u'1'))
                letter += u'1';
            else if (letter.endsWith(u'1') && symbols.contains(letter.chopped(1)))
                letter.chop(1);
        }
        if (letter != l.text) {
            // The words say it as the label does.
            const QRegularExpression word(
                QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(l.text)),
                QRegularExpression::UseUnicodePropertiesOption);
            s.description_.replace(word, letter);
            l.text = letter;
        }
        // "n Ecken" names n.
        const QString first = letter.section(u' ', 0, 0);
        l.box = symbols.contains(letter) ? letter : symbols.contains(first) ? first : QString();
    }
    return s;
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
    QPen dotted(ink, 1.4, Qt::DotLine);
    // An open top is tinted under the lines, so that its rim stays sharp.
    if (withoutTop_) {
        QTransform toRoom;
        toRoom.translate(offset.x(), offset.y());
        toRoom.scale(scale, scale);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xD6, 0xE8, 0xF7));
        painter.drawPath(toRoom.map(top_));
        painter.setBrush(Qt::NoBrush);
    }
    const auto pen = [&](bool hidden, unsigned parts) -> const QPen& {
        if (withoutBase_ && (parts & Base))
            return dotted;
        if (withoutTop_ && (parts & Inside))
            return solid;
        return hidden ? dashed : solid;
    };
    for (const Line& l : lines_) {
        painter.setPen(pen(l.hidden, l.parts));
        painter.drawLine(at(l.from), at(l.to));
    }
    for (const Arc& a : arcs_) {
        painter.setPen(pen(a.hidden, a.parts));
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
