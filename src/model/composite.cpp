#include "composite.h"

#include <QStringList>

namespace model {

bool removes(Joint joint)
{
    switch (joint) {
    case Joint::On:
    case Joint::LyingOn:
    case Joint::Under:
        return false;
    case Joint::SunkInto:
    case Joint::BoredThrough:
    case Joint::CutLyingFrom:
    case Joint::HollowIn:
        return true;
    }
    return false;
}

QString jointCaption(Joint joint, int target)
{
    const char* text = "";
    switch (joint) {
    case Joint::On:
        text = "aufgesetzt auf Teil %1";
        break;
    case Joint::LyingOn:
        text = "liegend aufgesetzt auf Teil %1";
        break;
    case Joint::Under:
        text = "untergesetzt unter Teil %1";
        break;
    case Joint::SunkInto:
        text = "von oben eingelassen in Teil %1";
        break;
    case Joint::BoredThrough:
        text = "durchgebohrt durch Teil %1";
        break;
    case Joint::CutLyingFrom:
        text = "liegend herausgeschnitten aus Teil %1";
        break;
    case Joint::HollowIn:
        text = "innen hohl in Teil %1";
        break;
    }
    return QString::fromUtf8(text).arg(target);
}

bool lies(const Body& body)
{
    static const QStringList ids{QStringLiteral("cube"),
                                 QStringLiteral("cuboid"),
                                 QStringLiteral("prism"),
                                 QStringLiteral("triangular-prism"),
                                 QStringLiteral("trapezoid-prism"),
                                 QStringLiteral("half-cylinder")};
    return ids.contains(body.id);
}

bool allows(const Body& body, Joint joint)
{
    switch (joint) {
    case Joint::On:
    case Joint::Under:
    case Joint::SunkInto:
        return body.base.has_value();
    case Joint::LyingOn:
    case Joint::CutLyingFrom:
        return lies(body);
    case Joint::BoredThrough:
        // The same cross-section all the way through.
        return body.base && body.top && body.base->shape != Shape::Ring &&
               body.base->shape == body.top->shape && body.id != QStringLiteral("frustum") &&
               body.id != QStringLiteral("cone-frustum");
    case Joint::HollowIn:
        return true;
    }
    return false;
}

QString numbered(const QString& symbol, int part)
{
    static const char16_t digits[] = u"₀₁₂₃₄₅₆₇₈₉";
    QString suffix;
    for (const QChar c : QString::number(part))
        suffix += QChar(digits[c.digitValue()]);
    return symbol + suffix;
}

const QStringList& wholeSymbols()
{
    static const QStringList symbols{QStringLiteral("V"), QStringLiteral("O"), QStringLiteral("ρ"),
                                     QStringLiteral("m")};
    return symbols;
}

} // namespace model

// ---------------------------------------------------------------------------
// Flattening

#include "expression.h"
#include "materials.h"
#include "numbers/errors.h"
#include "units.h"
#include "variants.h"

#include <cmath>
#include <limits>

namespace model {

namespace {

const QString kVolume = QStringLiteral("V"), kSurface = QStringLiteral("O"),
              kDensity = QStringLiteral("ρ"), kMass = QStringLiteral("m");

// How high a body stands on its base, by the symbol of its own that says it.
QString heightOf(const Body& body)
{
    static const QHash<QString, QString> heights{
        {QStringLiteral("cube"), QStringLiteral("a")},
        {QStringLiteral("cuboid"), QStringLiteral("c")},
        {QStringLiteral("sphere"), QStringLiteral("d")},
        {QStringLiteral("hemisphere"), QStringLiteral("r")},
        {QStringLiteral("half-cylinder"), QStringLiteral("r")},
        {QStringLiteral("hollow-sphere"), QStringLiteral("D")},
    };
    const QString h = heights.value(body.id, QStringLiteral("h"));
    return body.quantity(h) ? h : QString();
}

// The lateral face a prism lies on: its sizes, the symbol of its length
// along the face, and how high it stands lying.
struct Lying {
    Shape shape;
    QStringList sizes;
    QString length, height;
    Term ends; // the area of each of its two ends, in its own symbols
};

std::optional<Lying> lyingOf(const Body& body)
{
    const auto s = [](const char* t) { return QString::fromUtf8(t); };
    const auto q = [](const char* t) { return Term::quantity(QString::fromUtf8(t)); };
    if (body.id == s("cube"))
        return Lying{Shape::Square, {s("a")}, s("a"), s("a"), pow(q("a"), 2)};
    if (body.id == s("cuboid"))
        return Lying{Shape::Rectangle, {s("c"), s("a")}, s("a"), s("b"), q("b") * q("c")};
    if (body.id == s("prism"))
        return Lying{Shape::Rectangle, {s("a"), s("h")}, s("h"), {}, q("G")};
    if (body.id == s("triangular-prism"))
        return Lying{Shape::Rectangle, {s("c"), s("h")}, s("h"), s("hc"), q("G")};
    if (body.id == s("trapezoid-prism"))
        return Lying{Shape::Rectangle, {s("a"), s("h")}, s("h"), s("ht"), q("G")};
    if (body.id == s("half-cylinder"))
        return Lying{Shape::Rectangle,
                     {s("d"), s("l")},
                     s("l"),
                     s("r"),
                     Term::constant(kExactPi, "π") * pow(q("r"), 2) / 2};
    return std::nullopt;
}

// "des Kegels", "der Kugel", "des Prismas": whose face it is.
QString genitive(const Body& body)
{
    if (body.gender == Gender::Feminine)
        return QStringLiteral("der ") + body.name;
    QString name = body.name;
    const qsizetype bracket = name.indexOf(u" (");
    QString rest;
    if (bracket > 0) {
        rest = name.mid(bracket);
        name = name.left(bracket);
    }
    if (!name.endsWith(u's') && !name.endsWith(u'ß') && !name.endsWith(u'x'))
        name += u's';
    return QStringLiteral("des ") + name + rest;
}

[[noreturn]] void refuse(const QString& advice, const QString& box = {})
{
    rt::Error e(rt::ErrorKind::TypeMismatch, {}, advice);
    if (!box.isEmpty())
        e.inField(box, box);
    throw e;
}

// A face of a part where it meets another, in the whole body's symbols.
struct Side {
    QString name; // "Grundfläche"
    Shape shape = Shape::Polygon;
    Term area;
    std::vector<Term> sizes;
    QStringList sizeSymbols; // as the part names them: "r"
    bool counted = true;     // part of the part's surface
};

Side sideOf(const Face& face, const char* name, bool counted, int part)
{
    const auto number = [part](const QString& s) { return numbered(s, part); };
    Side side{QString::fromUtf8(name), face.shape, face.area.renamed(number), {}, {}, counted};
    for (const Term& t : face.sizes) {
        side.sizes.push_back(t.renamed(number));
        side.sizeSymbols << t.symbols();
    }
    return side;
}

std::optional<Side> lyingSide(const Body& body, int part)
{
    const auto lying = lyingOf(body);
    if (!lying)
        return std::nullopt;
    Side side{QStringLiteral("Seitenfläche"), lying->shape, {}, {}, {}, true};
    for (const QString& s : lying->sizes) {
        side.sizes.push_back(Term::quantity(numbered(s, part)));
        side.sizeSymbols << s;
    }
    side.area = side.sizes.size() == 1 ? pow(side.sizes.front(), 2)
                                       : side.sizes.front() * side.sizes.back();
    return side;
}

// What a box holds, read: a number given, or a term in unknowns.
struct Reading {
    bool given = false;
    double typed = 0; // in the row's unit
    QString calculation;
    std::optional<Term> term; // in the row's unit, the unknowns in theirs
    QStringList unknowns;
};

Reading readBox(const Typed& t, const QLocale& locale, const QString& box)
{
    Reading r;
    const QString text = t.text.trimmed();
    try {
        if (!looksLikeExpression(text)) {
            r.given = true;
            r.typed = readValue(text, locale);
            return r;
        }
        Expression e = readExpression(text, locale, true);
        if (e.unknowns.isEmpty()) {
            r.given = true;
            bool calculation = false;
            r.typed = readValue(text, locale, &calculation);
            if (calculation)
                r.calculation = text;
            return r;
        }
        r.term = e.term;
        r.unknowns = e.unknowns;
        return r;
    } catch (rt::Error& e) {
        e.inField(box, box);
        throw;
    }
}

const Unit& unitIn(Dimension dimension, const QString& text, const QString& box)
{
    if (text.isEmpty())
        return defaultUnit(dimension);
    if (const Unit* u = unit(dimension, text))
        return *u;
    refuse(QStringLiteral("„%1“ ist keine Einheit dieser Größe.").arg(text), box);
}

// A term typed in a row's unit, in the centimetre's: its numbers are in the
// row's unit, its unknowns lengths, so that "a + 2" in metres is a + 200 cm
// and "2a" is 2a in any unit.
Term inBase(const Term& t, const Unit& unit, Dimension dimension)
{
    if (unit.pow10 == 0)
        return t;
    Term read = t;
    if (dimension.length != 0 && unit.pow10 % dimension.length == 0) {
        const double per = std::pow(10.0, unit.pow10 / dimension.length);
        const QStringList unknowns = t.quantities();
        // Each unknown read in the row's length unit.
        for (const QString& u : unknowns)
            read = read.with(u, Term::quantity(u) / Term(per));
    }
    return Term(std::pow(10.0, unit.pow10)) * read;
}

class Known final : public Environment {
public:
    explicit Known(const Values& values)
        : values_(values)
    {
    }
    rt::Real value(const QString& symbol) const override
    {
        const auto it = values_.find(symbol);
        if (it == values_.end())
            throw rt::Error(rt::ErrorKind::InvalidOperation);
        return rt::Real(*it);
    }
    rt::Real shown(const QString& symbol) const override { return value(symbol); }

private:
    const Values& values_;
};

double valueOf(const Term& t, const Values& values)
{
    try {
        return t.evaluate(Known(values)).value();
    } catch (const rt::Error&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

} // namespace

Composite flatten(const Description& d, const QLocale& locale)
{
    if (d.parts.empty() || int(d.parts.size()) > kMaxParts)
        refuse(QStringLiteral("Ein Körper hat einen bis %1 Teile.").arg(kMaxParts));
    Composite c;
    c.description = d;
    c.locale = locale;
    auto flat = std::make_shared<Body>();
    Body& b = *flat;
    b.id = QStringLiteral("composite");
    b.name = QStringLiteral("Körper");
    b.gender = Gender::Masculine;
    Task& task = c.task;

    // The unknowns first: every term reads them.
    QHash<QString, const Unit*> unknownUnits;
    const auto useUnknowns = [&](const QStringList& letters, const QString& box) {
        for (const QString& u : letters) {
            if (u == kMass)
                refuse(QStringLiteral("„m“ ist die Masse des Körpers; bitte für die Unbekannte "
                                      "einen anderen Buchstaben wählen."),
                       box);
            if (!c.unknowns.contains(u))
                c.unknowns << u;
        }
    };
    // Quantities read from terms, by symbol: where a quantity is free it is
    // read from its term; else the term is one more equation, given as a
    // ratio of 1.
    // Such an equation is named as it was typed, "m = x", so that a message
    // about it says what the user wrote.
    std::vector<Relation> equations;
    QHash<QString, QString> texts;
    const auto equation = [&](const QString& symbol, const Term& term) {
        const QString e =
            symbol + QStringLiteral(" = ") + texts.value(symbol, term.symbols()).trimmed();
        c.equations << e;
        b.quantities.push_back(
            {e, QStringLiteral("Gleichung %1").arg(c.equations.size()), Dimension{}});
        equations.push_back(Relation{e, Term::quantity(symbol) / term});
        task.typed.insert(e, 1);
    };
    const auto link = [&](const QString& symbol, const Term& term) {
        if (b.dimensions.contains(symbol)) {
            b.dimensions.removeAll(symbol);
            b.relations.push_back(Relation{symbol, term});
        } else {
            equation(symbol, term);
        }
    };

    std::vector<Side> bases, tops;
    std::vector<std::optional<Side>> lyings;
    std::vector<std::vector<Relation>> partRelations;
    QStringList surfaceMissing;

    for (size_t i = 0; i < d.parts.size(); ++i) {
        const int n = int(i) + 1;
        const PartDescription& p = d.parts[i];
        const Body* plain = bodyById(p.body);
        if (!plain)
            refuse(QStringLiteral("Teil %1: Einen Körper „%2“ gibt es nicht.").arg(n).arg(p.body));
        const bool removed = n > 1 && removes(p.joint);
        const Body& part =
            variant(*plain, {false, !removed && p.withoutTop, !removed && p.withoutBase, false});
        c.parts.push_back(&part);
        const auto number = [n](const QString& s) { return numbered(s, n); };
        const QString suffix = QStringLiteral(" Teil %1").arg(n);
        if (n > 1) {
            if (p.target < 1 || p.target >= n)
                refuse(QStringLiteral("Teil %1 kann nur mit einem Teil davor verbunden werden.")
                           .arg(n));
            if (!allows(*plain, p.joint))
                refuse(QStringLiteral("%1 lässt sich nicht %2 verbinden.")
                           .arg(definite(*plain), jointCaption(p.joint, p.target)));
        }
        if (p.count < 1 || p.count > 99)
            refuse(QStringLiteral("Die Anzahl von Teil %1 muss zwischen 1 und 99 liegen.").arg(n),
                   QStringLiteral("Anzahl") + suffix);
        for (const Quantity& q : part.quantities)
            b.quantities.push_back({number(q.symbol), q.caption + suffix, q.dimension});
        int lengths = 0, angles = 0;
        for (const QString& s : part.dimensions) {
            b.dimensions << number(s);
            const Dimension kind = part.quantity(s)->dimension;
            if (kind != Dimension::Count)
                b.samples.insert(number(s), {kind == Dimension::Angle ? angles++ : lengths++,
                                             1 / (1 + 0.37 * double(i))});
        }
        for (const QString& s : part.alwaysGiven)
            b.alwaysGiven << number(s);
        std::vector<Relation> relations;
        for (const Relation& r : part.relations)
            relations.push_back({number(r.symbol), r.formula.renamed(number)});
        partRelations.push_back(relations);
        for (const Condition& k : part.conditions)
            b.conditions.push_back({k.left.renamed(number), k.compare, k.right.renamed(number),
                                    k.reason + QStringLiteral(" (Teil %1)").arg(n)});
        for (const Shortcut& s : part.shortcuts) {
            QStringList givens;
            for (const QString& g : s.givens)
                givens << number(g);
            b.shortcuts.push_back({givens, number(s.symbol), s.formula.renamed(number)});
        }
        bases.push_back(part.base ? sideOf(*part.base, "Grundfläche", !part.withoutBase, n)
                                  : Side{});
        tops.push_back(part.top ? sideOf(*part.top, "Deckfläche", !part.withoutTop, n) : Side{});
        lyings.push_back(lyingSide(part, n));
        if (!removed || p.joint != Joint::HollowIn) {
            if (!part.quantity(kSurface))
                surfaceMissing << QString::number(n);
        }
    }

    // Typed rows: numbers are given, terms link.
    std::vector<std::pair<QString, Term>> typedLinks;
    for (size_t i = 0; i < d.parts.size(); ++i) {
        const int n = int(i) + 1;
        const Body& part = *c.parts[i];
        for (auto it = d.parts[i].rows.begin(); it != d.parts[i].rows.end(); ++it) {
            if (it->text.trimmed().isEmpty())
                continue;
            const Quantity* q = part.quantity(it.key());
            const QString box = q ? q->caption + QStringLiteral(" Teil %1").arg(n)
                                  : it.key() + QStringLiteral(" Teil %1").arg(n);
            if (!q)
                refuse(QStringLiteral("%1 hat keine Größe „%2“.").arg(definite(part), it.key()));
            const QString symbol = numbered(it.key(), n);
            const Unit& u = unitIn(q->dimension, it->unit, box);
            task.units.insert(symbol, &u);
            const Reading r = readBox(*it, locale, box);
            if (r.given) {
                task.typed.insert(symbol, r.typed);
                if (!r.calculation.isEmpty())
                    task.calculations.insert(symbol, r.calculation);
            } else {
                useUnknowns(r.unknowns, box);
                typedLinks.push_back({symbol, inBase(*r.term, u, q->dimension)});
                texts.insert(symbol, it->text);
            }
        }
    }
    // The whole body's rows.
    const bool material = !d.material.isEmpty() ||
                          !d.whole.value(kDensity).text.trimmed().isEmpty() ||
                          !d.whole.value(kMass).text.trimmed().isEmpty();
    b.quantities.push_back({kVolume, QStringLiteral("Volumen V"), Dimension::Volume});
    b.quantities.push_back({kSurface, QStringLiteral("Oberfläche O"), Dimension::Area});
    if (material) {
        b.quantities.push_back({kDensity, QStringLiteral("Dichte ρ"), Dimension::Density});
        b.quantities.push_back({kMass, QStringLiteral("Masse m"), Dimension::Mass});
        b.dimensions << kDensity;
    }
    for (auto it = d.whole.begin(); it != d.whole.end(); ++it) {
        if (it->text.trimmed().isEmpty())
            continue;
        const Quantity* q = b.quantity(it.key());
        if (!q)
            refuse(QStringLiteral("Der Körper hat keine Größe „%1“.").arg(it.key()));
        const Unit& u = unitIn(q->dimension, it->unit, q->caption);
        task.units.insert(it.key(), &u);
        const Reading r = readBox(*it, locale, q->caption);
        if (r.given) {
            task.typed.insert(it.key(), r.typed);
            if (!r.calculation.isEmpty())
                task.calculations.insert(it.key(), r.calculation);
        } else {
            useUnknowns(r.unknowns, q->caption);
            typedLinks.push_back({it.key(), inBase(*r.term, u, q->dimension)});
            texts.insert(it.key(), it->text);
        }
    }
    if (material && !task.typed.contains(kDensity) && !d.material.isEmpty()) {
        for (const Material& m : materials()) {
            if (QString::fromUtf8(m.name) == d.material) {
                task.typed.insert(kDensity, m.density);
                task.units.insert(kDensity, &defaultUnit(Dimension::Density));
            }
        }
    }

    // The unknowns: free lengths, given where their rows hold a value.
    for (const QString& u : c.unknowns) {
        b.quantities.push_back({u, u, Dimension::Length});
        b.dimensions << u;
        const Typed t = d.unknowns.value(u);
        const Unit& unit = unitIn(Dimension::Length, t.unit, u);
        task.units.insert(u, &unit);
        if (t.text.trimmed().isEmpty())
            continue;
        const Reading r = readBox(t, locale, u);
        if (!r.given)
            refuse(QStringLiteral("Eine Unbekannte wird als Zahl angegeben."), u);
        task.typed.insert(u, r.typed);
        if (!r.calculation.isEmpty())
            task.calculations.insert(u, r.calculation);
    }

    // Joints: links the program makes, and the faces that meet.
    std::vector<std::vector<Relation>> jointLinks(d.parts.size());
    for (size_t i = 1; i < d.parts.size(); ++i) {
        const int n = int(i) + 1;
        const PartDescription& p = d.parts[i];
        const int k = p.target;
        const Body& part = *c.parts[i];
        const Body& onto = *c.parts[size_t(k) - 1];
        const Side& top = tops[size_t(k) - 1];
        const Side& base = bases[size_t(k) - 1];
        const bool hasTopFace = onto.top.has_value();
        const bool hasBaseFace = onto.base.has_value();
        const QString whose = genitive(onto);
        const auto needTop = [&] {
            if (!hasTopFace)
                refuse(QStringLiteral("Teil %1 (%2) hat keine Deckfläche; Teil %3 kann nicht %4 "
                                      "verbunden werden.")
                           .arg(k)
                           .arg(onto.name)
                           .arg(n)
                           .arg(jointCaption(p.joint, k)));
        };
        // Own face at the joint: a cone or pyramid meets with its base.
        const Side own = part.top ? tops[i] : bases[i];
        const auto contact = [&](const Side& mine, const Side& theirs, bool added) {
            Contact ct;
            ct.part = n;
            ct.target = k;
            // The smaller of the two faces, whichever it is: the least of
            // two areas written with the operations a term has, so that the
            // body stays one whatever the values.
            ct.own = mine.area;
            ct.other = added ? theirs.area : mine.area;
            ct.area =
                added ? (mine.area + theirs.area - pow(pow(mine.area - theirs.area, 2), 0.5)) / 2
                      : mine.area;
            ct.times = (mine.counted ? 1 : 0) + (theirs.counted ? 1 : 0);
            ct.text = QStringLiteral("%1 %2 und das gleich große Stück der %3 %4")
                          .arg(mine.name, genitive(part), theirs.name, whose);
            ct.otherText = QStringLiteral("%1 %2 und das gleich große Stück der %3 %4")
                               .arg(theirs.name, whose, mine.name, genitive(part));
            c.contacts.push_back(ct);
            Fit f;
            f.part = n;
            f.target = k;
            f.face = QStringLiteral("Die %1 %2").arg(mine.name, genitive(part));
            f.on = QStringLiteral("die %1 %2").arg(theirs.name, whose);
            f.shape = mine.shape;
            f.onShape = theirs.shape;
            f.sizes = mine.sizes;
            f.onSizes = theirs.sizes;
            f.sizeSymbols = mine.sizeSymbols;
            f.onSizeSymbols = theirs.sizeSymbols;
            f.inside = !added;
            c.fits.push_back(f);
        };
        const QString h = heightOf(part), hk = heightOf(onto);
        switch (p.joint) {
        case Joint::On:
            needTop();
            contact(bases[i], top, true);
            break;
        case Joint::LyingOn:
            needTop();
            contact(*lyings[i], top, true);
            break;
        case Joint::Under:
            if (!hasBaseFace)
                refuse(QStringLiteral("Teil %1 (%2) hat keine Grundfläche; Teil %3 kann nicht "
                                      "darunter gesetzt werden.")
                           .arg(k)
                           .arg(onto.name)
                           .arg(n));
            contact(own, base, true);
            break;
        case Joint::SunkInto:
            needTop();
            contact(own, top, false);
            if (!h.isEmpty() && !hk.isEmpty())
                b.conditions.push_back(
                    {Term::quantity(numbered(h, n)), Compare::NotGreater,
                     Term::quantity(numbered(hk, k)),
                     QStringLiteral("Teil %1 reicht tiefer, als Teil %2 hoch ist.").arg(n).arg(k)});
            break;
        case Joint::BoredThrough:
            needTop();
            if (!hasBaseFace || hk.isEmpty())
                refuse(QStringLiteral("Durch Teil %1 (%2) lässt sich nicht bohren.")
                           .arg(k)
                           .arg(onto.name));
            contact(tops[i], top, false);
            contact(bases[i], base, false);
            jointLinks[i].push_back({numbered(h, n), Term::quantity(numbered(hk, k))});
            break;
        case Joint::CutLyingFrom: {
            needTop();
            if ((top.shape != Shape::Rectangle && top.shape != Shape::Square) || hk.isEmpty())
                refuse(QStringLiteral("Aus Teil %1 (%2) lässt sich keine Nut schneiden: Dazu "
                                      "braucht es eine rechteckige Deckfläche.")
                           .arg(k)
                           .arg(onto.name));
            const Lying lying = *lyingOf(part);
            contact(*lyings[i], top, false);
            // Its ends lie in the part's side faces: taken off them, not added.
            Contact ends;
            ends.part = n;
            ends.target = k;
            ends.area = 2 * lying.ends.renamed([n](const QString& x) { return numbered(x, n); });
            ends.times = 2;
            ends.text = QStringLiteral("Die beiden Enden %1, offen an den Seiten der Nut")
                            .arg(genitive(part));
            c.contacts.push_back(ends);
            jointLinks[i].push_back({numbered(lying.length, n), top.sizes.front()});
            if (!lying.height.isEmpty())
                b.conditions.push_back(
                    {Term::quantity(numbered(lying.height, n)), Compare::NotGreater,
                     Term::quantity(numbered(hk, k)),
                     QStringLiteral("Die Nut (Teil %1) ist tiefer, als Teil %2 hoch ist.")
                         .arg(n)
                         .arg(k)});
            break;
        }
        case Joint::HollowIn:
            if (!h.isEmpty() && !hk.isEmpty())
                b.conditions.push_back(
                    {Term::quantity(numbered(h, n)), Compare::Less, Term::quantity(numbered(hk, k)),
                     QStringLiteral("Der Hohlraum (Teil %1) ist höher als Teil %2.")
                         .arg(n)
                         .arg(k)});
            break;
        }
    }

    // Relations in the order they read each other: a part's links, which
    // read the unknowns and earlier parts, then its own relations.
    for (size_t i = 0; i < d.parts.size(); ++i) {
        for (const Relation& r : jointLinks[i])
            link(r.symbol, r.formula);
        const QString suffix = numbered(QString(), int(i) + 1);
        for (auto& [symbol, term] : typedLinks) {
            if (symbol.endsWith(suffix) && c.parts[i]->quantity(symbol.chopped(suffix.size()))) {
                // An unknown is sampled where the dimension it gives is.
                if (b.samples.contains(symbol)) {
                    for (const QString& u : term.quantities()) {
                        if (!b.samples.contains(u))
                            b.samples.insert(u, b.samples.value(symbol));
                    }
                }
                link(symbol, term);
                symbol.clear();
            }
        }
        for (const Relation& r : partRelations[i])
            b.relations.push_back(r);
    }
    // A density read from a term, before the mass reads it.
    for (auto& [symbol, term] : typedLinks) {
        if (symbol == kDensity) {
            link(symbol, term);
            symbol.clear();
        }
    }

    // The totals.
    Term volume, surface;
    bool firstV = true, firstO = true;
    for (size_t i = 0; i < d.parts.size(); ++i) {
        const int n = int(i) + 1;
        const PartDescription& p = d.parts[i];
        const bool removed = n > 1 && removes(p.joint);
        const Term count(double(p.count));
        const Term v = p.count == 1 ? Term::quantity(numbered(kVolume, n))
                                    : count * Term::quantity(numbered(kVolume, n));
        volume = firstV ? v : removed ? volume - v : volume + v;
        firstV = false;
        if (n > 1 && p.joint == Joint::HollowIn)
            continue;
        const Term o = p.count == 1 ? Term::quantity(numbered(kSurface, n))
                                    : count * Term::quantity(numbered(kSurface, n));
        surface = firstO ? o : surface + o;
        firstO = false;
    }
    c.surface = surface;
    for (const Contact& ct : c.contacts) {
        const int copies = d.parts[size_t(ct.part) - 1].count;
        const int times = ct.times * copies;
        if (times == 0)
            continue;
        surface = surface - (times == 1 ? ct.area : Term(double(times)) * ct.area);
    }
    b.relations.push_back({kVolume, volume});
    if (surfaceMissing.isEmpty())
        b.relations.push_back({kSurface, surface});
    else
        std::erase_if(b.quantities, [](const Quantity& q) { return q.symbol == kSurface; });
    if (material)
        b.relations.push_back({kMass, Term::quantity(kDensity) * Term::quantity(kVolume)});
    // Terms typed in the whole body's rows and the equations come last: they
    // read the totals.
    for (auto& [symbol, term] : typedLinks) {
        if (!symbol.isEmpty())
            equation(symbol, term);
    }
    for (const Relation& r : equations)
        b.relations.push_back(r);

    task.body = flat.get();
    c.body = flat;
    c.prepared = prepare(b, Use::Once);
    return c;
}

} // namespace model

// ---------------------------------------------------------------------------
// Solving, fitting and writing

#include "certainty.h"
#include "numbers/numbers.h"

namespace model {

namespace {

// A face's extent for fitting: a circle's radius, or a rectangle's sides.
struct Extent {
    bool known = false, round = false;
    double r = 0, w = 0, l = 0;
};

Extent extentOf(Shape shape, const std::vector<Term>& sizes, const Values& values)
{
    std::vector<double> v;
    for (const Term& t : sizes)
        v.push_back(valueOf(t, values));
    for (double x : v) {
        if (!std::isfinite(x))
            return {};
    }
    switch (shape) {
    case Shape::Circle:
    case Shape::Ring:
        if (!v.empty())
            return {true, true, v[0]};
        break;
    case Shape::Square:
        if (!v.empty())
            return {true, false, 0, v[0], v[0]};
        break;
    case Shape::Rectangle:
    case Shape::Triangle:
        if (v.size() >= 2)
            return {true, false, 0, std::min(v[0], v[1]), std::max(v[0], v[1])};
        break;
    case Shape::Trapezoid:
        if (v.size() >= 3) {
            const double wide = std::max(v[0], v[1]);
            return {true, false, 0, std::min(wide, v[2]), std::max(wide, v[2])};
        }
        break;
    case Shape::Polygon:
        break;
    }
    return {};
}

// Whether a lies within b, centred; sizes equal but for rounding fit.
bool within(const Extent& a, const Extent& b)
{
    if (!a.known || !b.known)
        return true;
    const auto le = [](double x, double y) { return x <= y * (1 + 1e-12); };
    if (a.round && b.round)
        return le(a.r, b.r);
    if (a.round)
        return le(2 * a.r, b.w);
    if (b.round)
        return le(std::hypot(a.w, a.l), 2 * b.r);
    return le(a.w, b.w) && le(a.l, b.l);
}

bool fits(const Fit& f, const Values& values)
{
    const Extent mine = extentOf(f.shape, f.sizes, values);
    const Extent theirs = extentOf(f.onShape, f.onSizes, values);
    return f.inside ? within(mine, theirs) : within(mine, theirs) || within(theirs, mine);
}

QString sizesText(const Composite& c, const std::vector<Term>& sizes, const QStringList& names,
                  const Values& values)
{
    QStringList parts;
    for (size_t i = 0; i < sizes.size() && i < size_t(names.size()); ++i) {
        const QStringList reads = sizes[i].quantities();
        const Unit& u =
            reads.size() == 1 ? c.task.unitOf(reads.front()) : defaultUnit(Dimension::Length);
        parts << names[int(i)] + QStringLiteral(" = ") +
                     withUnit(fromBase(valueOf(sizes[i], values), u), u, c.locale);
    }
    return parts.join(QStringLiteral(", "));
}

QString unfit(const Composite& c, const Fit& f, const Values& values)
{
    const QString mine = sizesText(c, f.sizes, f.sizeSymbols, values);
    const QString theirs = sizesText(c, f.onSizes, f.onSizeSymbols, values);
    return QStringLiteral("%1%2 passt nicht %3 %4%5.")
        .arg(f.face, mine.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(mine),
             f.inside ? QStringLiteral("in") : QStringLiteral("auf"), f.on,
             theirs.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(theirs));
}

} // namespace

Answer solve(const Composite& c)
{
    Answer answer = solve(c.prepared, c.task.givens());
    if (answer.status != Answer::Solved)
        return answer;
    QString reason;
    std::erase_if(answer.solutions, [&](const Solution& s) {
        for (const Fit& f : c.fits) {
            if (!fits(f, s.values)) {
                if (reason.isEmpty())
                    reason = unfit(c, f, s.values);
                return true;
            }
        }
        return false;
    });
    if (answer.solutions.empty()) {
        answer.status = Answer::NoSolid;
        answer.reason = reason;
    }
    return answer;
}

QString message(const Composite& c, const Answer& answer, const QLocale& locale)
{
    return message(c.task, answer, locale);
}

} // namespace model

namespace model {

namespace {

// The part a quantity of the whole body belongs to, counted from 1; 0 for
// the whole body's own and the unknowns.
int partOf(const Composite& c, const QString& symbol)
{
    for (size_t i = 0; i < c.parts.size(); ++i) {
        const QString suffix = numbered(QString(), int(i) + 1);
        if (symbol.endsWith(suffix) && c.parts[i]->quantity(symbol.chopped(suffix.size())))
            return int(i) + 1;
    }
    return 0;
}

QString blockSymbol(const Block& b)
{
    for (auto it = b.rbegin(); it != b.rend(); ++it) {
        if (it->role == Line::Result)
            return it->symbol;
    }
    return {};
}

// The given total (V, O or m) that the unknown is found from, written as a
// term in the unknown alone: every quantity read through its relation, the
// other dimensions by their values.
struct Equation {
    QString total;
    Term term;
};

std::optional<Equation> equationFor(const Composite& c, const QString& unknown)
{
    for (const QString& total : wholeSymbols()) {
        if (!c.task.typed.contains(total))
            continue;
        const Term* f = c.body->formula(total);
        if (!f)
            continue;
        Term t = *f;
        // Each pass reads one level of relations; a body is not deeper than this.
        for (int depth = 0; depth < 12; ++depth) {
            bool changed = false;
            for (const QString& q : t.quantities()) {
                if (const Term* g = c.body->formula(q)) {
                    t = t.with(q, g->referencing({}));
                    changed = true;
                }
            }
            if (!changed)
                break;
        }
        if (t.quantities() == QStringList{unknown})
            return Equation{total, t};
    }
    return std::nullopt;
}

// "2 · π": a coefficient as a pupil writes it, where it is a simple multiple
// of π or a number with few digits.
std::optional<QString> coefficient(double value)
{
    for (const double pi : {kExactPi, 1.0}) {
        for (const int denominator : {1, 2, 3, 4, 6, 12}) {
            const double n = value / pi * denominator;
            if (std::fabs(n - std::round(n)) > 1e-9 * std::max(1.0, std::fabs(n)) ||
                std::fabs(n) > 1e6 || std::round(n) == 0)
                continue;
            const long long whole = std::llround(n);
            QString text = denominator == 1 ? QString::number(whole)
                                            : QStringLiteral("%1/%2").arg(whole).arg(denominator);
            if (pi != 1.0)
                text = text == QStringLiteral("1") ? QStringLiteral("π")
                                                   : text + QStringLiteral(" · π");
            return text;
        }
    }
    return std::nullopt;
}

const char* power(int k)
{
    static const char* powers[] = {"", "", "²", "³", "⁴", "⁵", "⁶"};
    return powers[k];
}

const char* root(int k)
{
    static const char* roots[] = {"", "", "√", "∛", "∜", "", ""};
    return roots[k];
}

// Where the equation in the one unknown is c · x^k, it is rearranged:
// 2 · π · a³ = 54π cm³, umgestellt nach a: a = ∛27 cm.
std::optional<Block> closedForm(const Composite& c, const QString& unknown, const Values& values,
                                const QLocale& locale)
{
    const std::optional<Equation> e = equationFor(c, unknown);
    if (!e)
        return std::nullopt;
    const auto at = [&](double x) {
        Values v;
        v.insert(unknown, x);
        return valueOf(e->term, v);
    };
    const double one = at(1), two = at(2), three = at(3);
    if (!std::isfinite(one) || one <= 0)
        return std::nullopt;
    const double k = std::log2(two / one);
    const int degree = int(std::lround(k));
    if (degree < 1 || degree > 4 || std::fabs(k - degree) > 1e-9 ||
        std::fabs(three / one - std::pow(3.0, degree)) > 1e-9 * std::pow(3.0, degree))
        return std::nullopt;
    const std::optional<QString> factor = coefficient(one);
    if (!factor)
        return std::nullopt;
    const Unit& totalUnit = defaultUnit(kindOf(*c.body, e->total));
    const Unit& length = defaultUnit(Dimension::Length);
    const double total = c.task.givens().value(e->total);
    const double ratio = total / one;
    const double x = values.value(unknown);
    const QString unknownPower = unknown + QString::fromUtf8(power(degree));
    const QString given = c.task.calculations.contains(e->total)
                              ? joined(c.task.calculations.value(e->total), c.task.unitOf(e->total))
                              : withUnit(total, totalUnit, locale);
    Block b;
    b.push_back(
        {Line::Relation, e->total + QStringLiteral(" = ") + c.body->formula(e->total)->symbols()});
    b.push_back({Line::Formula, e->total + QStringLiteral(" = ") + e->term.symbols()});
    b.push_back({Line::Formula, QStringLiteral("%1 · %2 = %3").arg(*factor, unknownPower, given)});
    b.push_back({Line::Rearranged, QStringLiteral("umgestellt nach %1:").arg(unknown)});
    const QString rootText = degree == 1 ? QString() : QString::fromUtf8(root(degree));
    b.push_back({Line::Formula,
                 QStringLiteral("%1 = %2(%3 : (%4))").arg(unknown, rootText, e->total, *factor)});
    b.push_back(
        {Line::Substituted,
         QStringLiteral("%1 = %2%3 = %4")
             .arg(unknown, rootText,
                  degree == 1 ? withUnit(ratio, length, locale)
                              : QStringLiteral("(%1)").arg(withUnit(
                                    ratio, defaultUnit(Dimension{std::int8_t(degree)}), locale)),
                  withUnit(x, length, locale))});
    b.push_back(
        {Line::Result, unknown + QStringLiteral(" = ") + withUnit(x, length, locale), unknown});
    return b;
}

// The whole body's surface with the smaller face of each contact, as a
// pupil writes it, in place of the least of two areas the solver computes:
// the same value, the last line kept.
Block surfaceBlock(const Block& computed, const Term& surface, const Values& values,
                   const QLocale& locale, const Body& body)
{
    const auto valueText = [&](const QString& s) {
        return withUnit(values.value(s), defaultUnit(kindOf(body, s)), locale);
    };
    const QString start = kSurface + QStringLiteral(" = ");
    Block b{computed.front()};
    b.push_back({Line::Formula, start + surface.symbols()});
    for (const auto& [name, definition] : surface.namedParts())
        b.push_back(
            {Line::Part, QStringLiteral("mit ") + name + QStringLiteral(" = ") + definition});
    b.push_back({Line::Substituted, start + surface.substituted(valueText)});
    b.push_back(computed.back());
    return b;
}

QString partHeading(const Composite& c, int part)
{
    const PartDescription& p = c.description.parts[size_t(part) - 1];
    QString heading = QStringLiteral("Teil %1: %2").arg(part).arg(c.parts[size_t(part) - 1]->name);
    if (part > 1)
        heading += QStringLiteral(", ") + jointCaption(p.joint, p.target);
    if (p.count > 1)
        heading += QStringLiteral(", %1 Stück").arg(p.count);
    return heading;
}

} // namespace

Working working(const Composite& c, const Answer& answer, const QLocale& locale)
{
    Working w = working(c.task, answer, locale);
    w.title = QStringLiteral("Zusammengesetzter Körper");
    const auto isEquation = [&](const QString& s) { return c.equations.contains(s); };
    std::erase_if(w.given, [&](const Given& g) { return isEquation(g.symbol); });
    // A row linked by a term is given as the term.
    const auto termGiven = [&](const QString& symbol, const Typed& t) {
        if (t.text.trimmed().isEmpty() || c.task.typed.contains(symbol))
            return;
        w.given.push_back(Given{symbol, t.text.trimmed(), {}, 0, {}});
    };
    for (size_t i = 0; i < c.description.parts.size(); ++i) {
        const auto& rows = c.description.parts[i].rows;
        for (auto it = rows.begin(); it != rows.end(); ++it)
            termGiven(numbered(it.key(), int(i) + 1), *it);
    }
    for (auto it = c.description.whole.begin(); it != c.description.whole.end(); ++it)
        termGiven(it.key(), *it);
    w.sought.clear();
    for (const QString& s : wholeSymbols() + c.unknowns) {
        if (c.body->quantity(s) && !c.task.typed.contains(s))
            w.sought << s;
    }
    // The totals given: what is sought is what fixes the parts.
    if (w.sought.isEmpty()) {
        for (const QString& s : c.body->dimensions) {
            if (!c.task.typed.contains(s))
                w.sought << s;
        }
    }

    const size_t count = c.description.parts.size();
    for (size_t k = 0; k < w.solutions.size(); ++k) {
        Way& way = w.solutions[k];
        const Values values =
            k < answer.solutions.size() ? answer.solutions[k].values : answer.partial.values;
        // Each contact the smaller of its two faces, as this solution has them.
        const auto smaller = [&](const Contact& ct) {
            return valueOf(ct.other, values) < valueOf(ct.own, values);
        };
        Term surface = c.surface;
        for (const Contact& ct : c.contacts) {
            const int times = ct.times * c.description.parts[size_t(ct.part) - 1].count;
            const Term& area = smaller(ct) ? ct.other : ct.own;
            if (times > 0)
                surface = surface - (times == 1 ? area : Term(double(times)) * area);
        }
        std::vector<Block> blocks;
        for (Section& s : way.sections)
            blocks.insert(blocks.end(), s.blocks.begin(), s.blocks.end());
        Section unknowns{QStringLiteral("Unbekannte"), {}};
        std::vector<Section> parts(count);
        for (size_t i = 0; i < count; ++i)
            parts[i].heading = partHeading(c, int(i) + 1);
        Section whole{QStringLiteral("Gesamtkörper"), {}};
        Section result;
        for (Block& b : blocks) {
            std::erase_if(b, [&](const Line& l) { return isEquation(l.symbol); });
            if (b.empty())
                continue;
            if (b.front().role == Line::Heading && b.front().text == QStringLiteral("Ergebnis:")) {
                result.blocks.push_back(b);
                continue;
            }
            const QString symbol = blockSymbol(b);
            if (symbol.isEmpty() || isEquation(symbol))
                continue;
            const int part = partOf(c, symbol);
            const bool searched = std::any_of(b.begin(), b.end(), [](const Line& l) {
                return l.role == Line::Rearranged || l.role == Line::From;
            });
            if (c.unknowns.contains(symbol) && k < answer.solutions.size() &&
                std::any_of(b.begin(), b.end(),
                            [](const Line& l) { return l.role == Line::From; })) {
                if (std::optional<Block> closed = closedForm(c, symbol, values, locale)) {
                    unknowns.blocks.push_back(*closed);
                    continue;
                }
            }
            if (c.unknowns.contains(symbol) ||
                (searched && !c.task.typed.contains(symbol) && part == 0))
                unknowns.blocks.push_back(b);
            else if (part > 0)
                parts[size_t(part) - 1].blocks.push_back(b);
            else if (symbol == kSurface && b.front().role == Line::Heading)
                whole.blocks.push_back(surfaceBlock(b, surface, values, locale, *c.body));
            else
                whole.blocks.push_back(b);
        }
        // The faces hidden where parts meet, or taken away with a removed part.
        Section hidden{QStringLiteral("Verdeckte Flächen"), {}};
        const auto valueText = [&](const QString& s) {
            return withUnit(values.value(s), defaultUnit(kindOf(*c.body, s)), locale);
        };
        for (const Contact& ct : c.contacts) {
            const int copies = c.description.parts[size_t(ct.part) - 1].count;
            const int times = ct.times * copies;
            const Term& shown = smaller(ct) ? ct.other : ct.own;
            const double area = valueOf(shown, values);
            if (times == 0 || !std::isfinite(area))
                continue;
            const QString factor =
                times == 1 ? QString() : QString::number(times) + QStringLiteral(" · ");
            QString symbols = shown.symbols(), numbers = shown.substituted(valueText);
            if (!factor.isEmpty() && (symbols.contains(QStringLiteral(" + ")) ||
                                      symbols.contains(QStringLiteral(" − ")))) {
                symbols = u'(' + symbols + u')';
                numbers = u'(' + numbers + u')';
            }
            Block b;
            b.push_back(
                {Line::Relation,
                 (smaller(ct) ? ct.otherText : ct.text) +
                     QStringLiteral(" (Teil %1 und Teil %2):").arg(ct.part).arg(ct.target)});
            b.push_back({Line::Formula, factor + symbols});
            b.push_back({Line::Substituted, QStringLiteral("= ") + factor + numbers});
            b.push_back(
                {Line::Result, QStringLiteral("= ") +
                                   withUnit(times * area, defaultUnit(Dimension::Area), locale)});
            hidden.blocks.push_back(b);
        }
        for (size_t i = 1; i < count; ++i) {
            if (c.description.parts[i].joint != Joint::HollowIn)
                continue;
            const QString o = numbered(kSurface, int(i) + 1);
            if (!values.contains(o))
                continue;
            hidden.blocks.push_back(
                {{Line::Note, QStringLiteral("Der Hohlraum (Teil %1) zählt nicht zur Oberfläche; "
                                             "seine Innenfläche ist %2 = %3.")
                                  .arg(i + 1)
                                  .arg(o, valueText(o))}});
        }
        way.sections.clear();
        if (!unknowns.blocks.empty())
            way.sections.push_back(std::move(unknowns));
        for (Section& p : parts) {
            if (!p.blocks.empty())
                way.sections.push_back(std::move(p));
        }
        if (!hidden.blocks.empty())
            way.sections.push_back(std::move(hidden));
        if (!whole.blocks.empty())
            way.sections.push_back(std::move(whole));
        if (!result.blocks.empty())
            way.sections.push_back(std::move(result));
    }
    return w;
}

} // namespace model
