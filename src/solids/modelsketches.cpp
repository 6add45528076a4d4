// The sketches of the bodies that only the Umkehraufgabe offers, drawn as the
// calculator windows draw theirs. Prisms and pyramids over any base work out
// which of their faces face the viewer, so that each base is a list of corners.

#include "sketch.h"

#include <QPointF>
#include <QString>
#include <cmath>
#include <numbers>
#include <vector>

namespace solids {

namespace {

constexpr double kSquash = 0.6; // depth drawn shorter, as a base is seen from above

// A corner of a base as seen from above: x to the right, z away.
struct Corner {
    double x, z;
};

QPointF at(double x, double y, double z)
{
    return Sketch::oblique(x, y, z * kSquash);
}

// Whether a side face standing on the base's edge from one corner to the next
// (counter-clockwise from above) faces the viewer: its outward normal (dz, -dx)
// against the direction the depth recedes in.
bool facing(Corner from, Corner to)
{
    const double dx = to.x - from.x, dz = (to.z - from.z) * kSquash;
    return dz * std::numbers::sqrt2 / 2 + dx > 0;
}

// An upright prism over the base, its top at height 0 and its base at `tall`
// (y pointing down): the top face whole, each other edge drawn where a face
// beside it is seen.
Sketch prism(const std::vector<Corner>& base, double tall)
{
    Sketch s;
    const size_t n = base.size();
    std::vector<QPointF> top;
    for (size_t i = 0; i < n; ++i) {
        const Corner c = base[i], next = base[(i + 1) % n], last = base[(i + n - 1) % n];
        const bool seen = facing(c, next);
        top.push_back(at(c.x, 0, c.z));
        s.line(at(c.x, 0, c.z), at(next.x, 0, next.z));
        if (seen)
            s.line(at(c.x, tall, c.z), at(next.x, tall, next.z), Sketch::Base);
        else
            s.hidden(at(c.x, tall, c.z), at(next.x, tall, next.z), Sketch::Base | Sketch::Inside);
        if (seen || facing(last, c))
            s.line(at(c.x, 0, c.z), at(c.x, tall, c.z));
        else
            s.hidden(at(c.x, 0, c.z), at(c.x, tall, c.z), Sketch::Inside);
    }
    return s.top(top);
}

// A pyramid over the base with its apex `tall` above the point `foot`.
Sketch pyramid(const std::vector<Corner>& base, Corner foot, double tall)
{
    Sketch s;
    const size_t n = base.size();
    // A side face leans in: its outward normal is the cross product of its
    // base edge and the line up to the apex, in the drawing's depth.
    const auto seen = [&](Corner a, Corner b) {
        const double ex = b.x - a.x, ez = (b.z - a.z) * kSquash;
        const double ux = foot.x - a.x, uy = -tall, uz = (foot.z - a.z) * kSquash;
        // (ex, 0, ez) × (ux, uy, uz), y pointing down
        const double nx = -ez * uy, ny = ez * ux - ex * uz, nz = ex * uy;
        // Seen where it points towards the viewer: (1, -1, -√2) / 2 with y down.
        return nx - ny - std::numbers::sqrt2 * nz > 0;
    };
    const QPointF apex = at(foot.x, 0, foot.z);
    for (size_t i = 0; i < n; ++i) {
        const Corner c = base[i], next = base[(i + 1) % n], last = base[(i + n - 1) % n];
        const QPointF here = at(c.x, tall, c.z), there = at(next.x, tall, next.z);
        if (seen(c, next))
            s.line(here, there, Sketch::Base);
        else
            s.hidden(here, there, Sketch::Base);
        if (seen(c, next) || seen(last, c))
            s.line(here, apex);
        else
            s.hidden(here, apex);
    }
    s.hidden(at(foot.x, tall, foot.z), apex);
    return s;
}

QPointF middle(QPointF a, QPointF b)
{
    return (a + b) / 2;
}

Sketch triangularPrism()
{
    constexpr double tall = 1.7;
    // c along the front, the corner of γ behind it.
    const Corner a{0, 0}, b{2.2, 0}, c{0.5, 2.0};
    Sketch s = prism({a, b, c}, tall);
    const QPointF ta = at(a.x, 0, a.z), tb = at(b.x, 0, b.z), tc = at(c.x, 0, c.z);
    const QPointF foot = at(c.x, 0, 0);
    s.hidden(tc, foot);
    s.label("c", at(1.1, tall, 0) + QPointF(0, 0.15));
    s.label("a", middle(tb, tc) + QPointF(0.15, -0.08));
    s.label("b", middle(ta, tc) + QPointF(-0.15, -0.08));
    s.label("hc", (tc + 2 * foot) / 3 + QPointF(0.22, 0.04));
    // Inside the angle, right of the hidden edge below it.
    s.label("γ", tc + QPointF(0.12, 0.3));
    s.label("h", at(0, tall / 2, 0) + QPointF(-0.14, 0));
    return s.describe("Dreiecksprisma mit den Dreiecksseiten a, b und c, der Höhe hc auf c, dem "
                      "Winkel γ zwischen a und b und der Prismenhöhe h");
}

// Lying, as a ditch or a dam is drawn: the trapezoid in front in its true
// shape, a below and c above, the length h receding. Which end is the top
// face is a matter of naming; the one in front is, so that an open one shows
// what is inside.
Sketch trapezoidPrism()
{
    constexpr double wide = 3.0, high = 1.3, in = 0.8, left = 0.7, length = 2.4;
    const QPointF a0(0, high), b0(wide, high), c0(wide - in, 0), d0(left, 0);
    const auto back = [](QPointF p) { return p + Sketch::oblique(0, 0, length * kSquash); };
    const QPointF a1 = back(a0), b1 = back(b0), c1 = back(c0), d1 = back(d0);
    Sketch s;
    s.line(a0, b0).line(b0, c0).line(c0, d0).line(d0, a0);
    s.top({a0, b0, c0, d0});
    // The trapezoid behind: the end the solid stands against.
    s.line(d1, c1, Sketch::Base).line(c1, b1, Sketch::Base);
    s.hidden(b1, a1, Sketch::Base | Sketch::Inside).hidden(a1, d1, Sketch::Base | Sketch::Inside);
    s.line(d0, d1).line(c0, c1).line(b0, b1).hidden(a0, a1, Sketch::Inside);
    const QPointF foot(left, high);
    s.hidden(d0, foot);
    s.label("a", middle(a0, b0) + QPointF(0, 0.2));
    s.label("c", middle(d0, c0) + QPointF(0, -0.17));
    s.label("b", middle(b0, c0) + QPointF(0.2, 0.05));
    s.label("d", middle(a0, d0) + QPointF(-0.2, 0));
    s.label("ht", middle(d0, foot) + QPointF(0.26, 0.3));
    s.label("h", middle(b0, b1) + QPointF(0.2, 0.12));
    return s.describe("Trapezprisma, liegend, mit den parallelen Seiten a und c, den Schenkeln b "
                      "und d, der Trapezhöhe ht und der Länge h");
}

Sketch generalPrism()
{
    constexpr double tall = 1.6;
    Sketch s = prism({{0, 0.2}, {1.6, 0}, {2.3, 0.9}, {1.3, 1.8}, {-0.2, 1.3}}, tall);
    s.label("G", at(1.0, tall, 0.8));
    s.label("h", at(0, tall / 2, 0.2) + QPointF(-0.14, 0));
    return s.describe("Prisma über einer beliebigen Grundfläche G mit Höhe h");
}

Sketch rectangularPyramid()
{
    constexpr double wide = 2.4, deep = 1.6, tall = 2.0; // a, b, h as drawn
    const Corner foot{wide / 2, deep / 2};
    Sketch s = pyramid({{0, 0}, {wide, 0}, {wide, deep}, {0, deep}}, foot, tall);
    const QPointF apex = at(foot.x, 0, foot.z);
    const QPointF frontMiddle = at(wide / 2, tall, 0), sideMiddle = at(wide, tall, deep / 2);
    s.line(frontMiddle, apex).line(sideMiddle, apex);
    s.hidden(at(0, tall, 0), at(wide, tall, deep));
    s.label("a", frontMiddle + QPointF(0, 0.15));
    s.label("b", sideMiddle + QPointF(0.17, 0.08));
    s.label("h", at(foot.x, tall * 0.45, foot.z) + QPointF(0.14, 0));
    s.label("ha", middle(frontMiddle, apex) + QPointF(-0.2, 0.25));
    s.label("hb", middle(sideMiddle, apex) + QPointF(0.2, 0.1));
    s.label("s", middle(at(0, tall, 0), apex) + QPointF(-0.18, -0.06));
    s.label("d", at(wide * 0.3, tall, deep * 0.3) + QPointF(-0.06, -0.14));
    return s.describe(
        "Rechteckpyramide mit den Grundkanten a und b, Höhe h, den Seitenhöhen ha und "
        "hb, der Seitenkante s und der Diagonale d");
}

Sketch generalPyramid()
{
    constexpr double tall = 2.0;
    const Corner foot{1.0, 0.9};
    Sketch s = pyramid({{0, 0.2}, {1.6, 0}, {2.3, 0.9}, {1.3, 1.8}, {-0.2, 1.3}}, foot, tall);
    s.label("G", at(0.6, tall, 0.6));
    s.label("h", at(foot.x, tall * 0.45, foot.z) + QPointF(-0.14, 0));
    return s.describe("Pyramide über einer beliebigen Grundfläche G mit Höhe h");
}

// Lying on its flat face, the length l going back: the ends are half circles
// seen face on.
Sketch halfCylinder()
{
    constexpr double length = 2.6;
    const QPointF back = at(0, 0, length);
    Sketch s;
    // The half circles as short lines: an arc would count its whole circle
    // in the room the drawing takes, the empty half under the ground too.
    const auto half = [&](QPointF centre, double from, double to, bool hidden) {
        // Longer pieces where dashed, so that the dashes keep their rhythm.
        const int steps = int(std::ceil((to - from) / (hidden ? 15 : 5)));
        for (int i = 0; i < steps; ++i) {
            const double t0 = (from + (to - from) * i / steps) * std::numbers::pi / 180;
            const double t1 = (from + (to - from) * (i + 1) / steps) * std::numbers::pi / 180;
            const QPointF p0 = centre + QPointF(std::cos(t0), -std::sin(t0));
            const QPointF p1 = centre + QPointF(std::cos(t1), -std::sin(t1));
            if (hidden)
                s.hidden(p0, p1);
            else
                s.line(p0, p1);
        }
    };
    half({0, 0}, 0, 180, false);
    half(back, 0, 135, false);
    half(back, 135, 180, true);
    // The curved face's outline, where the depth runs along it.
    const QPointF edge(-std::numbers::sqrt2 / 2, -std::numbers::sqrt2 / 2);
    s.line(edge, edge + back);
    s.line({-1, 0}, {1, 0}, Sketch::Base).line(QPointF(1, 0), QPointF(1, 0) + back, Sketch::Base);
    s.hidden(QPointF(-1, 0), QPointF(-1, 0) + back, Sketch::Base);
    s.hidden(QPointF(-1, 0) + back, QPointF(1, 0) + back, Sketch::Base);
    const QPointF rim(0.5, -std::sqrt(0.75));
    s.line({0, 0}, rim);
    s.label("r", rim / 2 + QPointF(0.14, 0.06));
    s.label("d", {0, 0.15});
    s.label("l", QPointF(1, 0) + back / 2 + QPointF(0.14, 0.08));
    return s.describe("Halbzylinder mit Radius r, Durchmesser d und Länge l, auf der ebenen "
                      "Fläche liegend");
}

// The sphere with the hollow inside it: the inner sphere hidden, the wall
// where a radius runs through it.
Sketch hollowSphere()
{
    constexpr double flat = 0.3, inner = 0.62;
    Sketch s;
    s.arc(QRectF(-1, -1, 2, 2), 0, 360);
    s.arc(QRectF(-1, -flat, 2, 2 * flat), 180, 180)
        .arc(QRectF(-1, -flat, 2, 2 * flat), 0, 180, true);
    s.arc(QRectF(-inner, -inner, 2 * inner, 2 * inner), 0, 360, true);
    const QPointF rim(std::cos(std::numbers::pi / 4), -std::sin(std::numbers::pi / 4));
    s.hidden({0, 0}, rim).hidden({0, 0}, {-inner, 0}).line({-inner, 0}, {-1, 0});
    s.label("R", rim / 2 + QPointF(-0.1, -0.1));
    s.label("r", {-inner / 2, -0.12});
    s.label("w", {-(1 + inner) / 2, -0.13});
    return s.describe("Hohlkugel mit Außenradius R, Innenradius r und Wandstärke w");
}

} // namespace

// The sketch of a body that no calculator window computes; none for an id
// without one.
Sketch listSketch(const QString& bodyId)
{
    static const struct {
        const char* id;
        Sketch (*draw)();
    } kSketches[] = {{"triangular-prism", triangularPrism},
                     {"trapezoid-prism", trapezoidPrism},
                     {"rectangular-pyramid", rectangularPyramid},
                     {"general-prism", generalPrism},
                     {"general-pyramid", generalPyramid},
                     {"half-cylinder", halfCylinder},
                     {"hollow-sphere", hollowSphere}};
    for (const auto& k : kSketches) {
        if (bodyId == QLatin1String(k.id))
            return k.draw();
    }
    return {};
}

} // namespace solids
