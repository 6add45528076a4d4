// A body made of parts drawn as a pupil would sketch it: each part a simple
// solid at its place, seen obliquely from the front, above and right. The
// parts are laid out in space first; each is drawn with its own hidden edges
// dashed, and then each line is dashed where a part nearer the viewer covers
// it, so that a cone on a cylinder hides the back of the cylinder's top.

#include "compositesketch.h"

#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

namespace solids {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kSquash = 0.5;                             // depth drawn at half length
constexpr double kFlat = kSquash * std::numbers::sqrt2 / 2; // a circle's height : width
constexpr double kSmallest = 0.125, kLargest = 8;           // a size against the first length known
constexpr int kMostCopies = 6;                              // more are one copy with its count
constexpr double kSize = 3;                                 // the drawing's longer side

struct P3 {
    double x, y, z; // x right, y up, z away from the viewer
};

P3 operator+(P3 a, P3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
P3 operator-(P3 a, P3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
P3 operator*(double k, P3 a)
{
    return {k * a.x, k * a.y, k * a.z};
}
double dot(P3 a, P3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
P3 cross(P3 a, P3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Where a point is drawn: the sketch's y points down.
QPointF project(P3 p)
{
    return Sketch::oblique(p.x, -p.y, p.z * kSquash);
}

// Towards the viewer, along which the drawing flattens the solid: a face
// whose outward normal has a positive part along it is seen.
constexpr P3 kTowardsViewer{kFlat, kFlat, -1};

// A solid bounded by flat faces, in its own place: centred over x = z = 0,
// standing on y = 0.
struct Poly {
    struct Face {
        std::vector<int> corners; // in order around it, either way
        bool smooth = false;      // a strip of a curved face: only its outline is drawn
        bool base = false, top = false;
    };
    std::vector<P3> points;
    std::vector<Face> faces;
};

// A round solid on its axis: a cylinder, a cone or a frustum, and the hole
// of a hollow cylinder.
struct Round {
    double bottom = 1, top = 1, inner = 0; // radii
};

// A piece of a sphere cut by a plane: a hemisphere, a cap, a whole ball with
// an optional hollow inside.
struct Dome {
    double radius = 1, height = 1, hollow = 0;
};

struct Ring {
    double radius = 1, tube = 0.3;
};

enum class Kind { Poly, Round, Dome, Ring };

struct Shape {
    Kind kind = Kind::Poly;
    Poly poly;
    Round round;
    Dome dome;
    Ring ring;
    double halfX = 0.5, halfZ = 0.5, height = 1;
    bool flipped = false; // upside down: a cone hanging point down
};

// ---- Flat-faced solids ---------------------------------------------------

// Moves the points so that the solid is centred over the axis and stands on
// y = 0; sets its extent.
void settle(Shape& s)
{
    double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300, z0 = 1e300, z1 = -1e300;
    for (const P3& p : s.poly.points) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
        z0 = std::min(z0, p.z), z1 = std::max(z1, p.z);
    }
    for (P3& p : s.poly.points)
        p = p - P3{(x0 + x1) / 2, y0, (z0 + z1) / 2};
    s.halfX = (x1 - x0) / 2, s.halfZ = (z1 - z0) / 2, s.height = y1 - y0;
}

// The solid between a polygon at the bottom and one at the top (corners seen
// from above, x and z), or a single apex: prisms, pyramids and frusta.
Shape loft(const std::vector<std::pair<double, double>>& bottom,
           const std::vector<std::pair<double, double>>& top, double height)
{
    Shape s;
    Poly& p = s.poly;
    const int n = int(bottom.size()), m = int(top.size());
    for (const auto& [x, z] : bottom)
        p.points.push_back({x, 0, z});
    for (const auto& [x, z] : top)
        p.points.push_back({x, height, z});
    Poly::Face base{.corners = {}, .base = true};
    for (int i = 0; i < n; ++i)
        base.corners.push_back(i);
    p.faces.push_back(base);
    if (m == n) {
        Poly::Face cover{.corners = {}, .top = true};
        for (int i = 0; i < n; ++i)
            cover.corners.push_back(n + i);
        p.faces.push_back(cover);
        for (int i = 0; i < n; ++i)
            p.faces.push_back({{i, (i + 1) % n, n + (i + 1) % n, n + i}});
    } else {
        for (int i = 0; i < n; ++i)
            p.faces.push_back({{i, (i + 1) % n, n}});
    }
    settle(s);
    return s;
}

Shape prismOver(const std::vector<std::pair<double, double>>& base, double height)
{
    return loft(base, base, height);
}

std::vector<std::pair<double, double>> rectangle(double a, double b)
{
    return {{-a / 2, -b / 2}, {a / 2, -b / 2}, {a / 2, b / 2}, {-a / 2, b / 2}};
}

// A regular polygon with one edge towards -y: in front when upright, below
// when lying.
std::vector<std::pair<double, double>> regular(int n, double radius)
{
    std::vector<std::pair<double, double>> corners;
    for (int k = 0; k < n; ++k) {
        const double t = -kPi / 2 - kPi / n + 2 * kPi * k / n;
        corners.push_back({radius * std::cos(t), radius * std::sin(t)});
    }
    return corners;
}

// A prism lying on a lateral face: its cross-section (x, y) in front in its
// true shape, the length going back. Its end in front counts as its top.
Shape lying(const std::vector<std::pair<double, double>>& section, double length,
            bool curved = false)
{
    Shape s;
    Poly& p = s.poly;
    const int n = int(section.size());
    for (const auto& [x, y] : section)
        p.points.push_back({x, y, -length / 2});
    for (const auto& [x, y] : section)
        p.points.push_back({x, y, length / 2});
    Poly::Face front{.corners = {}, .top = true}, back{.corners = {}, .base = true};
    for (int i = 0; i < n; ++i) {
        front.corners.push_back(i);
        back.corners.push_back(n + i);
    }
    p.faces.push_back(front);
    p.faces.push_back(back);
    // A curved section closes with its flat side, from the last corner to the first.
    for (int i = 0; i < n; ++i)
        p.faces.push_back({{i, (i + 1) % n, n + (i + 1) % n, n + i}, curved && i + 1 < n});
    settle(s);
    return s;
}

Shape octahedron(double a)
{
    Shape s;
    const double half = a / std::numbers::sqrt2;
    s.poly.points = {{-a / 2, half, -a / 2},
                     {a / 2, half, -a / 2},
                     {a / 2, half, a / 2},
                     {-a / 2, half, a / 2},
                     {0, 0, 0},
                     {0, 2 * half, 0}};
    for (int i = 0; i < 4; ++i) {
        s.poly.faces.push_back({{i, (i + 1) % 4, 4}});
        s.poly.faces.push_back({{i, (i + 1) % 4, 5}});
    }
    settle(s);
    return s;
}

// ---- Sizes ---------------------------------------------------------------

// What a part would be if nothing were known of it: as wide and deep as the
// face it joins, so that a cone on a cylinder covers its top.
struct Room {
    double halfX, halfZ, height;
};

// A part's value by its own symbol, in the drawing's units; NaN where unknown.
struct Sizes {
    const model::Values& values;
    int part;
    double unit;

    double operator()(const char* symbol) const
    {
        const double v =
            values.value(model::numbered(QString::fromUtf8(symbol), part), std::nan("")) / unit;
        if (!(v > 0)) // unknown, or nothing to draw
            return std::nan("");
        return std::clamp(v, kSmallest, kLargest);
    }
    double orElse(const char* symbol, double otherwise) const
    {
        const double v = (*this)(symbol);
        return std::isnan(v) ? std::clamp(otherwise, kSmallest, kLargest) : v;
    }
};

// The part's solid as drawn upright, or lying where it lies.
Shape shapeOf(const QString& id, const Sizes& size, Room room, bool lies)
{
    const double half = std::min(room.halfX, room.halfZ);
    const auto box = [&](double a, double b, double c) {
        return lies ? lying({{-a / 2, 0}, {a / 2, 0}, {a / 2, c}, {-a / 2, c}}, b)
                    : prismOver(rectangle(a, b), c);
    };
    if (id == u"cube") {
        const double a = size.orElse("a", 2 * half);
        return box(a, a, a);
    }
    if (id == u"cuboid" || id == u"parallelepiped") {
        const double a = size.orElse("a", 2 * room.halfX), b = size.orElse("b", 2 * room.halfZ);
        return box(a, b, size.orElse(id == u"cuboid" ? "c" : "h", room.height));
    }
    if (id == u"general-prism") {
        const double g = size("G");
        const double a = std::isnan(g) ? 2 * half : std::clamp(std::sqrt(g), kSmallest, kLargest);
        return box(a, a, size.orElse("h", room.height));
    }
    if (id == u"prism") {
        const double n = size.values.value(model::numbered(QStringLiteral("n"), size.part), 6);
        const int corners = std::isfinite(n) ? std::clamp(int(std::lround(n)), 3, 12) : 6;
        // The edge from the circumradius: a = 2 ru sin(π/n).
        const double a = size.orElse("a", 2 * half * std::sin(kPi / corners));
        const double radius = a / (2 * std::sin(kPi / corners));
        if (lies)
            return lying(regular(corners, radius), size.orElse("h", 2 * room.halfZ));
        return prismOver(regular(corners, radius), size.orElse("h", room.height));
    }
    if (id == u"triangular-prism") {
        const double c = size.orElse("c", 2 * room.halfX);
        const double a = size("a"), b = size("b");
        // Where the corner opposite c stands over c: by the two other sides
        // where known, else over c's middle.
        double foot = c / 2;
        if (!std::isnan(a) && !std::isnan(b))
            foot = std::clamp((b * b - a * a + c * c) / (2 * c), -c / 2, 1.5 * c);
        double hc = size("hc");
        if (std::isnan(hc) && !std::isnan(b) && b > std::abs(foot))
            hc = std::sqrt(b * b - foot * foot);
        if (std::isnan(hc))
            hc = lies ? room.height : 2 * room.halfZ;
        hc = std::clamp(hc, kSmallest, kLargest);
        const std::vector<std::pair<double, double>> section{{0, 0}, {c, 0}, {foot, hc}};
        if (lies)
            return lying(section, size.orElse("h", 2 * room.halfZ));
        return prismOver(section, size.orElse("h", room.height));
    }
    if (id == u"trapezoid-prism") {
        const double a = size.orElse("a", 2 * room.halfX), c = size.orElse("c", 0.6 * a);
        const double ht = size.orElse("ht", lies ? 0.4 * a : 2 * room.halfZ), d = size("d");
        const double left = std::isnan(d) || d <= ht ? (a - c) / 2 : std::sqrt(d * d - ht * ht);
        const std::vector<std::pair<double, double>> section{{0, 0},
                                                             {a, 0},
                                                             {std::clamp(left, -a, 2 * a) + c, ht},
                                                             {std::clamp(left, -a, 2 * a), ht}};
        if (lies)
            return lying(section, size.orElse("h", 2 * room.halfZ));
        return prismOver(section, size.orElse("h", room.height));
    }
    if (id == u"half-cylinder") {
        // Always lying on its flat face, as it is drawn alone.
        const double r = size.orElse("r", room.halfX);
        std::vector<std::pair<double, double>> section;
        constexpr int kSteps = 16;
        for (int i = 0; i <= kSteps; ++i) {
            const double t = kPi * i / kSteps;
            section.push_back({r * std::cos(t), r * std::sin(t)});
        }
        return lying(section, size.orElse("l", 2 * room.halfZ), true);
    }
    if (id == u"pyramid" || id == u"general-pyramid" || id == u"rectangular-pyramid") {
        double a = size("a"), b = size("b");
        if (id == u"general-pyramid") {
            const double g = size("G");
            a = b = std::isnan(g) ? 2 * half : std::clamp(std::sqrt(g), kSmallest, kLargest);
        } else if (id == u"pyramid") {
            b = a = std::isnan(a) ? 2 * half : a;
        }
        a = std::isnan(a) ? 2 * room.halfX : a;
        b = std::isnan(b) ? 2 * room.halfZ : b;
        return loft(rectangle(a, b), {{0, 0}}, size.orElse("h", room.height));
    }
    if (id == u"frustum") {
        const double a1 = size.orElse("a1", 2 * half), a2 = size.orElse("a2", 0.55 * a1);
        return loft(rectangle(a1, a1), rectangle(a2, a2), size.orElse("h", room.height));
    }
    if (id == u"tetrahedron") {
        const double a = size.orElse("a", 2 * half);
        return loft({{0, 0}, {a, 0}, {a / 2, a * std::sqrt(3.0) / 2}},
                    {{a / 2, a * std::sqrt(3.0) / 6}}, a * std::sqrt(2.0 / 3));
    }
    if (id == u"octahedron")
        return octahedron(size.orElse("a", 1.4 * half));

    Shape s;
    if (id == u"cylinder" || id == u"cone" || id == u"cone-frustum" || id == u"hollow-cylinder") {
        s.kind = Kind::Round;
        const double d = size("d");
        const bool hollow = id == u"hollow-cylinder";
        const double r = size.orElse(hollow ? "R" : "r", std::isnan(d) ? half : d / 2);
        s.round = {r, r, 0};
        if (id == u"cone")
            s.round.top = 0;
        if (id == u"cone-frustum")
            s.round.top = std::min(size.orElse("r2", 0.55 * r), kLargest);
        if (hollow)
            s.round.inner = std::min(size.orElse("r", 0.6 * r), 0.95 * r);
        s.halfX = s.halfZ = std::max(s.round.bottom, s.round.top);
        s.height = size.orElse("h", room.height);
        return s;
    }
    if (id == u"sphere" || id == u"hollow-sphere" || id == u"hemisphere" ||
        id == u"spherical-cap") {
        s.kind = Kind::Dome;
        const bool hollow = id == u"hollow-sphere";
        const double r = size.orElse(hollow ? "R" : "r", half);
        double height = 2 * r;
        if (id == u"hemisphere")
            height = r;
        if (id == u"spherical-cap")
            height = std::min(size.orElse("h", 0.6 * r), 2 * r);
        s.dome = {r, height, hollow ? std::min(size.orElse("r", 0.7 * r), 0.95 * r) : 0};
        // Wider than its base where it is more than half a ball.
        s.halfX = s.halfZ = height >= r ? r : std::sqrt(height * (2 * r - height));
        s.height = height;
        return s;
    }
    if (id == u"torus") {
        s.kind = Kind::Ring;
        const double outer = size.orElse("R", 0.7 * half);
        s.ring = {outer, std::min(size.orElse("r", 0.3 * outer), 0.9 * outer)};
        s.halfX = s.halfZ = s.ring.radius + s.ring.tube;
        s.height = 2 * s.ring.tube;
        return s;
    }
    // A body the list does not know: a block of its size.
    return prismOver(rectangle(2 * room.halfX, 2 * room.halfZ), room.height);
}

// Turned a quarter about the vertical, for a lying part whose length runs
// along the part it lies on better across than back.
void turn(Shape& s)
{
    for (P3& p : s.poly.points)
        p = {p.z, p.y, -p.x};
    std::swap(s.halfX, s.halfZ);
}

void flip(Shape& s)
{
    s.flipped = true;
    for (P3& p : s.poly.points)
        p.y = s.height - p.y;
    std::swap(s.round.bottom, s.round.top);
}

// ---- Laying out ----------------------------------------------------------

// The size of a part's face on top or at the bottom, where the next part
// joins; a point, as a cone's apex, counts as a small face.
struct Face {
    double halfX = 0, halfZ = 0;
    bool round = false;
};

bool rounds(const QString& id)
{
    static const QStringList ids{QStringLiteral("cylinder"),     QStringLiteral("cone"),
                                 QStringLiteral("cone-frustum"), QStringLiteral("hollow-cylinder"),
                                 QStringLiteral("sphere"),       QStringLiteral("hollow-sphere"),
                                 QStringLiteral("hemisphere"),   QStringLiteral("spherical-cap"),
                                 QStringLiteral("torus")};
    return ids.contains(id);
}

Face faceOf(const Shape& s, bool top)
{
    Face f;
    switch (s.kind) {
    case Kind::Poly: {
        double x0 = 1e300, x1 = -1e300, z0 = 1e300, z1 = -1e300;
        const double level = top ? s.height : 0;
        for (const P3& p : s.poly.points) {
            if (std::abs(p.y - level) <= 1e-9 * (1 + s.height)) {
                x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
                z0 = std::min(z0, p.z), z1 = std::max(z1, p.z);
            }
        }
        if (x1 >= x0)
            f = {(x1 - x0) / 2, (z1 - z0) / 2, false};
        break;
    }
    case Kind::Round:
        f.halfX = f.halfZ = top ? s.round.top : s.round.bottom;
        f.round = true;
        break;
    case Kind::Dome: {
        const bool flatSide = top == s.flipped && s.dome.height < 2 * s.dome.radius - 1e-9;
        const double h = s.dome.height, r = s.dome.radius;
        f.halfX = f.halfZ = flatSide ? std::sqrt(std::max(0.0, h * (2 * r - h))) : 0;
        f.round = true;
        break;
    }
    case Kind::Ring:
        f.halfX = f.halfZ = s.ring.radius;
        f.round = true;
        break;
    }
    f.halfX = std::max(f.halfX, 0.3 * s.halfX);
    f.halfZ = std::max(f.halfZ, 0.3 * s.halfZ);
    return f;
}

struct Box3 {
    double x0, x1, y0, y1, z0, z1;
};

// A copy of a part in its place.
struct Placed {
    int part = 0;      // counted from 1
    bool first = true; // the copy that carries the label
    int count = 1;
    bool removed = false;
    model::Joint joint = model::Joint::On;
    Shape shape;
    P3 at{}; // where the axis meets the bottom
    Box3 box{};
    Box3 target{};
    bool flatTarget = false; // its target has flat sides: a groove shows on them
    bool withoutBase = false, withoutTop = false;
};

Box3 boxOf(const Shape& s, P3 at)
{
    return {at.x - s.halfX, at.x + s.halfX, at.y, at.y + s.height, at.z - s.halfZ, at.z + s.halfZ};
}

// Where copies stand side by side: the outer ones flush with the target's
// sides where they fit, else close together about its middle.
std::vector<double> spread(int copies, double half, double middle, double room)
{
    if (copies <= 1)
        return {middle};
    std::vector<double> at;
    double from = middle - room + half, step = (2 * room - 2 * half) / (copies - 1);
    if (step < 2.3 * half) {
        step = 2.3 * half;
        from = middle - step * (copies - 1) / 2;
    }
    for (int i = 0; i < copies; ++i)
        at.push_back(from + step * i);
    return at;
}

// ---- Drawing -------------------------------------------------------------

struct Segment {
    QPointF from, to;
    bool hidden;
    unsigned parts;
    int owner; // the copy it belongs to
};

struct Curve {
    QRectF ellipse;
    double start, span;
    bool hidden;
    unsigned parts;
    int owner;
};

struct Drawing {
    std::vector<Segment> segments;
    std::vector<Curve> curves;
    std::vector<QPolygonF> outlines; // each copy's, as seen
    std::vector<QPointF> labelAt;    // each copy's
    std::vector<QPolygonF> tops;     // each copy's top face, where open
};

QPointF toward(QPointF a, QPointF b, double t)
{
    return a + t * (b - a);
}

// The smallest convex polygon round the points, a little smaller, so that
// an edge on its border counts as outside.
QPolygonF outline(std::vector<QPointF> points)
{
    std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    const auto turnsLeft = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> hull(2 * points.size() + 1);
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && turnsLeft(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, t = k + 1; i-- > 0;) {
        while (k >= t && turnsLeft(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k > 1 ? k - 1 : k);
    QPointF centre;
    for (const QPointF& p : hull)
        centre += p;
    if (!hull.empty())
        centre /= double(hull.size());
    QPolygonF shrunk;
    for (const QPointF& p : hull)
        shrunk << toward(p, centre, 0.01);
    return shrunk;
}

QRectF ellipseAt(P3 centre, double radius)
{
    const QPointF c = project(centre);
    return {c.x() - radius, c.y() - radius * kFlat, 2 * radius, 2 * radius * kFlat};
}

void sampleEllipse(const QRectF& e, std::vector<QPointF>& into)
{
    for (int i = 0; i < 48; ++i) {
        const double t = 2 * kPi * i / 48;
        into.push_back(e.center() +
                       QPointF(e.width() / 2 * std::cos(t), -e.height() / 2 * std::sin(t)));
    }
}

double degrees(double radians)
{
    return radians * 180 / kPi;
}

// Whether a line of a removed part lies on a face of its target that is
// seen: the top, and the front and the right side of a flat-sided one. There
// the hole's rim is drawn as an edge.
bool onSeenFace(const Placed& p, P3 a, P3 b)
{
    const double eps = 1e-6 * (1 + std::abs(p.target.y1));
    const auto both = [&](double u, double v, double plane) {
        return std::abs(u - plane) < eps && std::abs(v - plane) < eps;
    };
    if (both(a.y, b.y, p.target.y1))
        return true;
    return p.flatTarget && (both(a.z, b.z, p.target.z0) || both(a.x, b.x, p.target.x1));
}

void drawPoly(const Placed& p, int owner, Drawing& d)
{
    const Poly& poly = p.shape.poly;
    std::vector<P3> at;
    for (const P3& q : poly.points)
        at.push_back(q + p.at);
    P3 middle{0, 0, 0};
    for (const P3& q : at)
        middle = middle + q;
    middle = (1.0 / double(at.size())) * middle;
    std::vector<bool> seen;
    std::vector<double> facing;
    for (const Poly::Face& f : poly.faces) {
        // Newell's normal, turned outwards.
        P3 n{0, 0, 0}, centre{0, 0, 0};
        for (size_t i = 0; i < f.corners.size(); ++i) {
            const P3 a = at[f.corners[i]], b = at[f.corners[(i + 1) % f.corners.size()]];
            n = n + cross(a, b);
            centre = centre + a;
        }
        centre = (1.0 / double(f.corners.size())) * centre;
        if (dot(n, centre - middle) < 0)
            n = -1 * n;
        const double length = std::sqrt(dot(n, n));
        facing.push_back(length > 0 ? dot(n, kTowardsViewer) / length : -1);
        seen.push_back(facing.back() > 1e-9);
    }
    // Each edge with the faces beside it.
    std::map<std::pair<int, int>, std::vector<int>> edges;
    for (size_t fi = 0; fi < poly.faces.size(); ++fi) {
        const auto& c = poly.faces[fi].corners;
        for (size_t i = 0; i < c.size(); ++i) {
            const int a = c[i], b = c[(i + 1) % c.size()];
            edges[{std::min(a, b), std::max(a, b)}].push_back(int(fi));
        }
    }
    for (const auto& [ends, faces] : edges) {
        bool smooth = true, anySeen = false, allSeen = true, base = false;
        for (const int f : faces) {
            smooth = smooth && poly.faces[f].smooth;
            anySeen = anySeen || seen[f];
            allSeen = allSeen && seen[f];
            base = base || poly.faces[f].base;
        }
        const bool outline = anySeen && !allSeen;
        if (smooth && !outline && faces.size() > 1)
            continue; // a line across a curved face, not its outline
        bool hidden = !anySeen;
        if (p.removed)
            hidden = !onSeenFace(p, at[ends.first], at[ends.second]);
        unsigned parts = Sketch::Edge;
        if (base && p.withoutBase)
            parts |= Sketch::Base;
        if (hidden && p.withoutTop)
            parts |= Sketch::Inside;
        d.segments.push_back(
            {project(at[ends.first]), project(at[ends.second]), hidden, parts, owner});
    }
    std::vector<QPointF> corners;
    for (const P3& q : at)
        corners.push_back(project(q));
    d.outlines.push_back(outline(corners));
    // The label on the face most turned towards the viewer.
    size_t best = 0;
    for (size_t f = 1; f < poly.faces.size(); ++f) {
        if (facing[f] > facing[best] + 1e-9)
            best = f;
    }
    QPointF label;
    for (const int c : poly.faces[best].corners)
        label += project(at[c]);
    d.labelAt.push_back(label / double(poly.faces[best].corners.size()));
    QPolygonF top;
    for (const Poly::Face& f : poly.faces) {
        if (f.top) {
            for (const int c : f.corners)
                top << project(at[c]);
        }
    }
    d.tops.push_back(top);
}

void drawRound(const Placed& p, int owner, Drawing& d)
{
    const Round& r = p.shape.round;
    const double h = p.shape.height;
    const P3 low = p.at, high = p.at + P3{0, h, 0};
    const QRectF bottom = ellipseAt(low, r.bottom), top = ellipseAt(high, r.top);
    const QPointF cb = bottom.center(), ct = top.center();
    const auto style = [&](bool hidden, double y) {
        if (p.removed)
            return !(std::abs(y - p.target.y1) < 1e-6 * (1 + std::abs(y)));
        return hidden;
    };
    // The base is at the bottom unless the part hangs upside down.
    const unsigned bottomParts = !p.shape.flipped && p.withoutBase ? Sketch::Base : Sketch::Edge;
    const unsigned topParts = p.shape.flipped && p.withoutBase ? Sketch::Base : Sketch::Edge;
    const unsigned inside = p.withoutTop ? Sketch::Inside : Sketch::Edge;
    const auto curve = [&](const QRectF& e, double start, double span, bool hidden, unsigned parts,
                           double y) {
        if (span > 1e-9 && e.width() > 1e-9)
            d.curves.push_back({e, start, span, style(hidden, y), parts, owner});
    };
    const auto segment = [&](QPointF a, QPointF b, bool hidden) {
        d.segments.push_back({a, b, p.removed || hidden, hidden ? inside : Sketch::Edge, owner});
    };
    const double wide = std::max(r.bottom, r.top), narrow = std::min(r.bottom, r.top);
    // The top is seen whole; the bottom's front between where the sides touch it.
    curve(top, 0, 360, false, topParts, high.y);
    if (wide - narrow < 1e-9 * wide) {
        curve(bottom, 180, 180, false, bottomParts, low.y);
        curve(bottom, 0, 180, true, bottomParts | inside, low.y);
        segment(cb + QPointF(-r.bottom, 0), ct + QPointF(-r.top, 0), false);
        segment(cb + QPointF(r.bottom, 0), ct + QPointF(r.top, 0), false);
    } else {
        // The sides run through the apex of the whole cone, on the axis.
        const bool widerBelow = r.bottom > r.top;
        const QPointF wideCentre = widerBelow ? cb : ct;
        const double ry = wide * kFlat;
        const double apexFrom = h * wide / (wide - narrow); // from the wide circle
        const QPointF apex = wideCentre + QPointF(0, widerBelow ? -apexFrom : apexFrom);
        if (apexFrom > ry * 1.0001) {
            const double s = ry / apexFrom; // sine of where the sides touch
            const double c = std::sqrt(1 - s * s);
            const QPointF lean(0, widerBelow ? -ry * s : ry * s);
            for (const double side : {-1.0, 1.0}) {
                const QPointF onWide = wideCentre + QPointF(side * wide * c, 0) + lean;
                segment(onWide, toward(apex, onWide, narrow / wide), false);
            }
            const double t = degrees(std::asin(s));
            if (widerBelow) {
                curve(bottom, 180 - t, 180 + 2 * t, false, bottomParts, low.y);
                curve(bottom, t, 180 - 2 * t, true, bottomParts | inside, low.y);
            } else {
                curve(bottom, 180 + t, 180 - 2 * t, false, bottomParts, low.y);
                curve(bottom, 360 - t, 180 + 2 * t, true, bottomParts | inside, low.y);
            }
        } else {
            // So flat that the wide circle is its outline.
            curve(bottom, 0, 360, !widerBelow, bottomParts, low.y);
        }
    }
    if (r.inner > 0) {
        const QRectF innerTop = ellipseAt(high, r.inner), innerBottom = ellipseAt(low, r.inner);
        curve(innerTop, 0, 360, false, Sketch::Edge, high.y);
        curve(innerBottom, 0, 360, true, Sketch::Edge, low.y);
        segment(innerTop.center() + QPointF(-r.inner, 0),
                innerBottom.center() + QPointF(-r.inner, 0), true);
        segment(innerTop.center() + QPointF(r.inner, 0), innerBottom.center() + QPointF(r.inner, 0),
                true);
    }
    std::vector<QPointF> points;
    sampleEllipse(bottom, points);
    sampleEllipse(top, points);
    d.outlines.push_back(outline(points));
    // On its front, lower where it narrows upwards: clear of the top's rim.
    const double up = r.top < r.bottom ? 0.35 : r.top > r.bottom ? 0.65 : 0.5;
    const double there = r.bottom + (r.top - r.bottom) * up;
    d.labelAt.push_back(project(p.at + P3{0, h * up, -there * 0.6}));
    d.tops.push_back(QPolygonF());
    if (r.top > 0) {
        std::vector<QPointF> rim;
        sampleEllipse(top, rim);
        d.tops.back() = QPolygonF(QList<QPointF>(rim.begin(), rim.end()));
    }
}

void drawDome(const Placed& p, int owner, Drawing& d)
{
    const Dome& m = p.shape.dome;
    const double h = m.height, r = m.radius;
    const bool ball = h >= 2 * r - 1e-9;
    // The sphere's centre, and the flat face's height and radius.
    const double centreY = p.shape.flipped ? p.at.y + r : p.at.y + h - r;
    const double flatY = p.shape.flipped ? p.at.y + h : p.at.y;
    const double flat = std::sqrt(std::max(0.0, h * (2 * r - h)));
    const QPointF c = project({p.at.x, centreY, p.at.z});
    const QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const auto style = [&](bool hidden, double y) {
        if (p.removed)
            return !(std::abs(y - p.target.y1) < 1e-6 * (1 + std::abs(y)));
        return hidden;
    };
    const unsigned base = p.withoutBase ? Sketch::Base : Sketch::Edge;
    std::vector<QPointF> points;
    if (ball) {
        d.curves.push_back({circle, 0, 360, p.removed, Sketch::Edge, owner});
        const QRectF equator = ellipseAt({p.at.x, centreY, p.at.z}, r);
        d.curves.push_back({equator, 180, 180, p.removed, Sketch::Edge, owner});
        d.curves.push_back({equator, 0, 180, true, Sketch::Edge, owner});
        if (m.hollow > 0) {
            const QRectF inner(c.x() - m.hollow, c.y() - m.hollow, 2 * m.hollow, 2 * m.hollow);
            d.curves.push_back({inner, 0, 360, true, Sketch::Edge, owner});
        }
        sampleEllipse(circle, points);
    } else {
        const double t0 = degrees(std::asin(std::clamp((r - h) / r, -1.0, 1.0)));
        const QRectF rim = ellipseAt({p.at.x, flatY, p.at.z}, flat);
        if (p.shape.flipped) {
            d.curves.push_back({circle, 180 + t0, 180 - 2 * t0, p.removed, Sketch::Edge, owner});
            d.curves.push_back({rim, 0, 360, style(false, flatY), base, owner});
        } else {
            d.curves.push_back({circle, t0, 180 - 2 * t0, p.removed, Sketch::Edge, owner});
            d.curves.push_back({rim, 180, 180, style(false, flatY), base, owner});
            d.curves.push_back({rim, 0, 180, true, base, owner});
        }
        for (int i = 0; i <= 24; ++i) {
            const double t = (p.shape.flipped ? 180 + t0 : t0) + (180 - 2 * t0) * i / 24;
            points.push_back(c +
                             QPointF(r * std::cos(t * kPi / 180), -r * std::sin(t * kPi / 180)));
        }
        sampleEllipse(rim, points);
    }
    d.outlines.push_back(outline(points));
    d.labelAt.push_back(project({p.at.x, p.at.y + h / 2, p.at.z}));
    d.tops.push_back(QPolygonF());
}

void drawRing(const Placed& p, int owner, Drawing& d)
{
    const Ring& g = p.shape.ring;
    const double outer = g.radius + g.tube, hole = std::max(g.radius - g.tube, 0.05 * g.radius);
    const P3 middle = p.at + P3{0, g.tube, 0};
    const QRectF upper = ellipseAt(middle + P3{0, g.tube * 0.8, 0}, outer);
    const QRectF lower = ellipseAt(middle + P3{0, -g.tube * 0.8, 0}, outer);
    const bool removed = p.removed;
    d.curves.push_back({upper, 0, 180, removed, Sketch::Edge, owner});
    d.curves.push_back({lower, 180, 180, removed, Sketch::Edge, owner});
    d.segments.push_back({upper.center() + QPointF(-outer, 0), lower.center() + QPointF(-outer, 0),
                          removed, Sketch::Edge, owner});
    d.segments.push_back({upper.center() + QPointF(outer, 0), lower.center() + QPointF(outer, 0),
                          removed, Sketch::Edge, owner});
    const QRectF holeTop = ellipseAt(middle + P3{0, g.tube * 0.5, 0}, hole);
    const QRectF holeBottom = ellipseAt(middle + P3{0, g.tube * 0.1, 0}, hole);
    d.curves.push_back({holeTop, 180, 180, removed, Sketch::Edge, owner});
    d.curves.push_back({holeBottom, 0, 180, removed, Sketch::Edge, owner});
    std::vector<QPointF> points;
    sampleEllipse(upper, points);
    sampleEllipse(lower, points);
    d.outlines.push_back(outline(points));
    d.labelAt.push_back(project(middle + P3{0, 0, -g.radius}));
    d.tops.push_back(QPolygonF());
}

// Drops what of a hidden line another line drawn already covers.
void dropTwice(std::vector<Segment>& segments, std::vector<Curve>& curves)
{
    constexpr double kNear = 1e-6;
    std::vector<Segment> keptSegments;
    const auto onSegment = [&](QPointF at, const Segment& g) {
        const QPointF d = g.to - g.from;
        const double length2 = QPointF::dotProduct(d, d);
        if (length2 <= 0)
            return false;
        const double t = std::clamp(QPointF::dotProduct(at - g.from, d) / length2, 0.0, 1.0);
        const QPointF off = at - (g.from + t * d);
        return QPointF::dotProduct(off, off) < kNear * kNear * (1 + length2);
    };
    for (const Segment& g : segments) {
        if (g.hidden)
            continue;
        keptSegments.push_back(g);
    }
    for (const Segment& g : segments) {
        if (!g.hidden)
            continue;
        constexpr int kPieces = 40;
        // Only the lines along it can cover it.
        const QPointF d = g.to - g.from;
        std::vector<const Segment*> along;
        for (const Segment& k : keptSegments) {
            const QPointF e = k.to - k.from;
            const double crossed = d.x() * e.y() - d.y() * e.x();
            if (std::abs(crossed) <= 1e-6 * std::hypot(d.x(), d.y()) * std::hypot(e.x(), e.y()) &&
                (onSegment(g.from, k) || onSegment(g.to, k) || onSegment(k.from, g) ||
                 onSegment(k.to, g)))
                along.push_back(&k);
        }
        if (along.empty()) {
            keptSegments.push_back(g);
            continue;
        }
        const auto covered = [&](int i) {
            const QPointF at = toward(g.from, g.to, (i + 0.5) / kPieces);
            return std::any_of(along.begin(), along.end(),
                               [&](const Segment* k) { return onSegment(at, *k); });
        };
        std::vector<Segment> left;
        int from = 0;
        bool gone = covered(0);
        for (int i = 1; i <= kPieces; ++i) {
            const bool next = i < kPieces && covered(i);
            if (i == kPieces || next != gone) {
                if (!gone)
                    left.push_back({toward(g.from, g.to, double(from) / kPieces),
                                    toward(g.from, g.to, double(i) / kPieces), true, g.parts,
                                    g.owner});
                from = i;
                gone = next;
            }
        }
        keptSegments.insert(keptSegments.end(), left.begin(), left.end());
    }
    segments = keptSegments;

    std::vector<Curve> keptCurves;
    for (const Curve& c : curves) {
        if (!c.hidden)
            keptCurves.push_back(c);
    }
    const auto same = [](const QRectF& a, const QRectF& b) {
        const double eps = kNear * (1 + a.width());
        return std::abs(a.x() - b.x()) < eps && std::abs(a.y() - b.y()) < eps &&
               std::abs(a.width() - b.width()) < eps && std::abs(a.height() - b.height()) < eps;
    };
    const auto within = [](double angle, const Curve& c) {
        return std::fmod(std::fmod(angle - c.start, 360) + 720, 360) <= c.span || c.span >= 360;
    };
    for (const Curve& c : curves) {
        if (!c.hidden)
            continue;
        const int pieces = std::max(1, int(std::ceil(c.span)));
        const auto covered = [&](int i) {
            const double angle = c.start + c.span * (i + 0.5) / pieces;
            return std::any_of(keptCurves.begin(), keptCurves.end(), [&](const Curve& k) {
                return same(k.ellipse, c.ellipse) && within(angle, k);
            });
        };
        int from = 0;
        bool gone = covered(0);
        std::vector<Curve> left;
        for (int i = 1; i <= pieces; ++i) {
            const bool next = i < pieces && covered(i);
            if (i == pieces || next != gone) {
                if (!gone)
                    left.push_back({c.ellipse, c.start + c.span * from / pieces,
                                    c.span * (i - from) / pieces, true, c.parts, c.owner});
                from = i;
                gone = next;
            }
        }
        keptCurves.insert(keptCurves.end(), left.begin(), left.end());
    }
    curves = keptCurves;
}

// Whether copy b stands wholly between copy a and the viewer, across a
// plane: above it, right of it or in front of it. Then whatever of a is
// drawn inside b's outline is behind b.
bool inFront(const Box3& a, const Box3& b)
{
    const double eps = 1e-9 * (1 + std::abs(a.y1) + std::abs(a.x1) + std::abs(a.z0));
    return b.y0 >= a.y1 - eps || b.x0 >= a.x1 - eps || b.z1 <= a.z0 + eps;
}

} // namespace

Sketch compositeSketch(const model::Description& description, const model::Values& values)
{
    const auto& parts = description.parts;
    const int n = int(std::min<size_t>(parts.size(), 2 * model::kMaxParts));
    if (n == 0)
        return Sketch().describe("Körper ohne Teile");

    // The drawing's unit: the first length known, so that huge and tiny
    // values alike come out as a few units.
    double unit = 0;
    for (int i = 0; i < n && unit == 0; ++i) {
        const model::Body* body = model::bodyById(parts[i].body);
        if (!body)
            continue;
        for (const model::Quantity& q : body->quantities) {
            const double v = values.value(model::numbered(q.symbol, i + 1), 0);
            if (q.dimension == model::Dimension::Length && std::isfinite(v) && v > 0 && v < 1e300 &&
                v > 1e-300) {
                unit = v;
                break;
            }
        }
    }
    if (unit == 0)
        unit = 1;

    std::vector<Placed> placed;
    std::vector<Box3> whole(n); // each part's room, all copies
    std::vector<bool> flatSided(n);
    std::vector<Face> tops(n), bases(n);
    QStringList words;
    for (int i = 0; i < n; ++i) {
        const model::PartDescription& part = parts[i];
        const model::Body* body = model::bodyById(part.body);
        const int number = i + 1;
        const int target =
            i == 0 ? 0 : (part.target >= 1 && part.target < number ? part.target : i);
        // The first part joins nothing, whatever its joint says.
        model::Joint joint = i == 0 ? model::Joint::On : part.joint;
        const bool canLie = body && model::lies(*body);
        if (joint == model::Joint::LyingOn && !canLie)
            joint = model::Joint::On;
        if (joint == model::Joint::CutLyingFrom && !canLie)
            joint = model::Joint::SunkInto;
        const bool removed = i > 0 && model::removes(joint);
        const int count = std::clamp(part.count, 1, 99);
        const int copies = count <= kMostCopies ? count : 1;
        const Box3 t = i > 0 ? whole[target - 1] : Box3{-0.8, 0.8, 0, 1, -0.5, 0.5};
        const double tx = (t.x1 - t.x0) / 2, tz = (t.z1 - t.z0) / 2, th = t.y1 - t.y0;
        const double cx = (t.x0 + t.x1) / 2, cz = (t.z0 + t.z1) / 2;

        // What it would be if nothing were known of it: as wide as the face
        // it joins; a square on a circle within it as the circle is drawn.
        const bool under = joint == model::Joint::Under;
        const Face joined = i == 0  ? Face{tx, tz, false}
                            : under ? bases[target - 1]
                                    : tops[target - 1];
        const double square = joined.round && !(body && rounds(body->id)) ? 0.6 : 1;
        Room room{square * joined.halfX, square * joined.halfZ, i == 0 ? 1 : std::max(tx, tz)};
        const bool lies =
            i > 0 && (joint == model::Joint::LyingOn || joint == model::Joint::CutLyingFrom);
        if (lies)
            room = {tx, tz, 0.7 * std::max(tx, tz)};
        if (joint == model::Joint::CutLyingFrom && lies)
            room = {0.35 * tx, tz, 0.35 * th};
        if (removed && !lies) {
            const double half = (joint == model::Joint::HollowIn ? 0.5 : 0.35) * std::min(tx, tz);
            room = {half, half, 0.5 * th};
        }
        if (copies > 1) {
            room.halfX = std::min(room.halfX, 0.8 * tx / copies);
            room.halfZ = std::min(room.halfZ, room.halfX);
            if (joint == model::Joint::Under)
                room.height = std::min(room.height, 0.5 * th);
        }
        Shape shape = body ? shapeOf(body->id, Sizes{values, number, unit}, room, lies)
                           : shapeOf(QString(), Sizes{values, number, unit}, room, false);
        if (lies) {
            // Along the longer way if it fits so better.
            const auto misfit = [](double along, double across) {
                return std::abs(std::log(along / std::max(across, 1e-9)));
            };
            if (misfit(shape.halfZ, tx) + misfit(shape.halfX, tz) <
                misfit(shape.halfZ, tz) + misfit(shape.halfX, tx) - 0.2)
                turn(shape);
        }
        // A part without a top hangs and sinks point down.
        const bool pointed = body && !body->top && body->base;
        if (i > 0 && ((joint == model::Joint::Under || joint == model::Joint::SunkInto) && pointed))
            flip(shape);
        if (joint == model::Joint::CutLyingFrom && i > 0)
            flip(shape);
        if (i > 0 && joint == model::Joint::BoredThrough)
            shape.height = th, shape.round.bottom = shape.round.top;
        if (shape.kind == Kind::Poly && joint == model::Joint::BoredThrough && i > 0) {
            for (P3& q : shape.poly.points)
                q.y = q.y > 0 ? th : 0;
        }
        if (i > 0 && (joint == model::Joint::SunkInto || joint == model::Joint::CutLyingFrom) &&
            shape.height > th) {
            const double k = th / shape.height;
            for (P3& q : shape.poly.points)
                q.y *= k;
            shape.height = th;
            shape.dome.height = std::min(shape.dome.height, th);
        }

        // Its place.
        double y0 = 0;
        switch (joint) {
        case model::Joint::On:
        case model::Joint::LyingOn:
            y0 = t.y1;
            break;
        case model::Joint::Under:
            y0 = t.y0 - shape.height;
            break;
        case model::Joint::SunkInto:
        case model::Joint::CutLyingFrom:
            y0 = t.y1 - shape.height;
            break;
        case model::Joint::BoredThrough:
            y0 = t.y0;
            break;
        case model::Joint::HollowIn:
            y0 = (t.y0 + t.y1 - shape.height) / 2;
            break;
        }
        if (i == 0)
            y0 = 0;
        const bool acrossZ = lies && shape.halfZ < shape.halfX && copies > 1;
        std::vector<double> along =
            acrossZ ? spread(copies, shape.halfZ, cz, tz) : spread(copies, shape.halfX, cx, tx);
        Box3 all{1e300, -1e300, 1e300, -1e300, 1e300, -1e300};
        for (size_t k = 0; k < along.size(); ++k) {
            Placed p;
            p.part = number;
            p.first = k == 0;
            p.count = count;
            p.removed = removed;
            p.joint = joint;
            p.shape = shape;
            p.at = acrossZ ? P3{cx, y0, along[k]} : P3{along[k], y0, cz};
            p.box = boxOf(shape, p.at);
            p.target = t;
            p.flatTarget = i > 0 && flatSided[target - 1];
            p.withoutBase = !removed && body && body->base && part.withoutBase;
            p.withoutTop = !removed && body && body->top && part.withoutTop;
            all = {std::min(all.x0, p.box.x0), std::max(all.x1, p.box.x1),
                   std::min(all.y0, p.box.y0), std::max(all.y1, p.box.y1),
                   std::min(all.z0, p.box.z0), std::max(all.z1, p.box.z1)};
            placed.push_back(p);
        }
        whole[i] = all;
        flatSided[i] = shape.kind == Kind::Poly;
        tops[i] = faceOf(shape, true);
        bases[i] = faceOf(shape, false);

        // Its words.
        QString word = QStringLiteral("Teil %1 %2")
                           .arg(number)
                           .arg(body ? body->name : QStringLiteral("unbekannter Körper"));
        const bool noBase = body && body->base && part.withoutBase;
        const bool noTop = body && body->top && part.withoutTop;
        if (noTop && noBase)
            word += QStringLiteral(" oben offen und ohne Boden");
        else if (noTop)
            word += QStringLiteral(" oben offen");
        else if (noBase)
            word += QStringLiteral(" ohne Boden");
        if (count > 1)
            word += QStringLiteral(", %1 Stück").arg(count);
        if (i > 0)
            word += QStringLiteral(", ") + model::jointCaption(joint, target);
        words << word;
    }

    Drawing drawing;
    for (size_t k = 0; k < placed.size(); ++k) {
        const Placed& p = placed[k];
        switch (placed[k].shape.kind) {
        case Kind::Poly:
            drawPoly(placed[k], int(k), drawing);
            break;
        case Kind::Round:
            drawRound(placed[k], int(k), drawing);
            break;
        case Kind::Dome:
            drawDome(placed[k], int(k), drawing);
            break;
        case Kind::Ring:
            drawRing(placed[k], int(k), drawing);
            break;
        }
        // A hole is named in its opening, apart from the part it is made in.
        if (p.removed &&
            (p.joint == model::Joint::SunkInto || p.joint == model::Joint::BoredThrough))
            drawing.labelAt.back() = project({p.at.x, p.box.y1, p.at.z});
    }

    // What covers each copy: the added copies in front of it.
    std::vector<std::vector<int>> coveredBy(placed.size());
    for (size_t a = 0; a < placed.size(); ++a) {
        for (size_t b = 0; b < placed.size(); ++b) {
            if (a != b && !placed[b].removed && inFront(placed[a].box, placed[b].box))
                coveredBy[a].push_back(int(b));
        }
    }
    std::vector<QRectF> around;
    for (const QPolygonF& o : drawing.outlines)
        around.push_back(o.boundingRect());
    const auto covered = [&](int owner, QPointF at) {
        for (const int b : coveredBy[owner]) {
            if (around[b].contains(at) && drawing.outlines[b].containsPoint(at, Qt::OddEvenFill))
                return true;
        }
        return false;
    };

    // Every line cut where it passes behind another part. A hidden one is
    // cut too where an open top would show it: not behind another part.
    const auto behindOnly = [](unsigned kinds) { return kinds & ~unsigned(Sketch::Inside); };
    constexpr int kPieces = 40;
    std::vector<Segment> segments;
    for (const Segment& s : drawing.segments) {
        if ((s.hidden && !(s.parts & Sketch::Inside)) || coveredBy[s.owner].empty()) {
            segments.push_back(s);
            continue;
        }
        int from = 0;
        bool behind = covered(s.owner, toward(s.from, s.to, 0.5 / kPieces));
        for (int i = 1; i <= kPieces; ++i) {
            const bool next =
                i < kPieces && covered(s.owner, toward(s.from, s.to, (i + 0.5) / kPieces));
            if (i == kPieces || next != behind) {
                segments.push_back({toward(s.from, s.to, double(from) / kPieces),
                                    toward(s.from, s.to, double(i) / kPieces), s.hidden || behind,
                                    behind ? behindOnly(s.parts) : s.parts, s.owner});
                from = i;
                behind = next;
            }
        }
    }
    std::vector<Curve> curves;
    for (const Curve& c : drawing.curves) {
        if ((c.hidden && !(c.parts & Sketch::Inside)) || coveredBy[c.owner].empty()) {
            curves.push_back(c);
            continue;
        }
        const int pieces = std::max(4, int(std::ceil(c.span / 4)));
        const auto point = [&](double t) {
            const double a = (c.start + c.span * t) * kPi / 180;
            return c.ellipse.center() + QPointF(c.ellipse.width() / 2 * std::cos(a),
                                                -c.ellipse.height() / 2 * std::sin(a));
        };
        int from = 0;
        bool behind = covered(c.owner, point(0.5 / pieces));
        for (int i = 1; i <= pieces; ++i) {
            const bool next = i < pieces && covered(c.owner, point((i + 0.5) / pieces));
            if (i == pieces || next != behind) {
                curves.push_back({c.ellipse, c.start + c.span * from / pieces,
                                  c.span * (i - from) / pieces, c.hidden || behind,
                                  behind ? behindOnly(c.parts) : c.parts, c.owner});
                from = i;
                behind = next;
            }
        }
    }

    // Where two parts share an edge seen hidden, it is drawn once: two
    // dashed lines on one another, their dashes apart, look solid.
    dropTwice(segments, curves);

    // Scaled to a few units, as the single bodies are drawn.
    QRectF bounds;
    const auto add = [&](QPointF p) { bounds |= QRectF(p, QSizeF(1e-9, 1e-9)); };
    for (const Segment& g : segments) {
        add(g.from);
        add(g.to);
    }
    for (const Curve& c : curves)
        bounds |= c.ellipse;
    const double scale = kSize / std::max({bounds.width(), bounds.height(), 1e-9});
    const QPointF shift = bounds.center();
    const auto fit = [&](QPointF p) { return (p - shift) * scale; };
    const auto fitRect = [&](const QRectF& r) {
        return QRectF(fit(r.topLeft()), r.size() * scale);
    };

    // The note on a missing base goes under the whole drawing, where no
    // part stands; the dotted edges show whose base it is.
    Sketch s;
    bool open = false, anyBase = false;
    for (const Segment& g : segments) {
        anyBase = anyBase || (g.parts & Sketch::Base);
        if (g.hidden)
            s.hidden(fit(g.from), fit(g.to), g.parts);
        else
            s.line(fit(g.from), fit(g.to), g.parts);
    }
    for (const Curve& c : curves) {
        anyBase = anyBase || (c.parts & Sketch::Base);
        s.arc(fitRect(c.ellipse), c.start, c.span, c.hidden, c.parts);
    }
    // One open top is tinted, the first.
    for (size_t k = 0; k < placed.size() && !open; ++k) {
        if (placed[k].withoutTop && !drawing.tops[k].isEmpty()) {
            std::vector<QPointF> corners;
            for (const QPointF& p : drawing.tops[k])
                corners.push_back(fit(p));
            s.top(corners);
            open = true;
        }
    }
    s = s.opened(open, anyBase);

    // Each part's number, where no other stands; the count where fewer
    // copies are drawn.
    std::vector<QRectF> taken;
    const auto boxAt = [](QPointF at, const QString& text) {
        const QSizeF size(0.15 * double(text.size()) + 0.06, 0.27);
        return QRectF(at - QPointF(size.width() / 2, size.height() / 2), size);
    };
    for (const Sketch::Label& l : s.labels())
        taken.push_back(boxAt(l.at, l.text));
    for (size_t k = 0; k < placed.size(); ++k) {
        if (!placed[k].first)
            continue;
        const QString text =
            placed[k].count > kMostCopies
                ? QStringLiteral("%1 (%2×)").arg(placed[k].part).arg(placed[k].count)
                : QString::number(placed[k].part);
        const QPointF at = fit(drawing.labelAt[k]);
        QRectF box = boxAt(at, text);
        const double step = box.height();
        const auto free = [&] {
            return std::none_of(taken.begin(), taken.end(),
                                [&](const QRectF& r) { return r.intersects(box); });
        };
        for (int ring = 1; ring <= 4 && !free(); ++ring) {
            for (const QPointF away :
                 {QPointF(0, 1), QPointF(0, -1), QPointF(1, 0), QPointF(-1, 0), QPointF(1, 1),
                  QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)}) {
                box.moveCenter(at + away * (ring * step));
                if (free())
                    break;
            }
        }
        if (!free())
            box.moveCenter(at);
        taken.push_back(box);
        s.label(text.toUtf8().constData(), box.center());
    }

    const QString head = n == 1 ? QStringLiteral("Körper aus einem Teil: ")
                                : QStringLiteral("Körper aus %1 Teilen: ").arg(n);
    return s.describe((head + words.join(QStringLiteral(", "))).toUtf8().constData());
}

} // namespace solids
