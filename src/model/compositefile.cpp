#include "compositefile.h"

#include "materials.h"
#include "numbers/errors.h"
#include "units.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <functional>
#include <optional>

namespace model {

namespace {

const QString kFormat = QStringLiteral("solvanto-koerper");

// The joints by names of their own, so that reordering the enum never changes
// what an old file means.
struct JointName {
    Joint joint;
    const char* name;
};
constexpr JointName kJointNames[] = {{Joint::On, "aufgesetzt"},
                                     {Joint::LyingOn, "liegend-aufgesetzt"},
                                     {Joint::Under, "untergesetzt"},
                                     {Joint::SunkInto, "eingelassen"},
                                     {Joint::BoredThrough, "durchgebohrt"},
                                     {Joint::CutLyingFrom, "liegend-herausgeschnitten"},
                                     {Joint::HollowIn, "innen-hohl"}};

QString jointName(Joint joint)
{
    for (const JointName& j : kJointNames) {
        if (j.joint == joint)
            return QString::fromUtf8(j.name);
    }
    return QString::fromUtf8(kJointNames[0].name);
}

const JointName* jointNamed(const QString& name)
{
    for (const JointName& j : kJointNames) {
        if (name == QString::fromUtf8(j.name))
            return &j;
    }
    return nullptr;
}

QJsonObject rowsObject(const QMap<QString, Typed>& rows)
{
    QJsonObject out;
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it)
        out.insert(it.key(), QJsonObject{{QStringLiteral("text"), it.value().text},
                                         {QStringLiteral("unit"), it.value().unit}});
    return out;
}

[[noreturn]] void fail(const QString& advice)
{
    throw rt::Error(rt::ErrorKind::TypeMismatch, {}, advice);
}

[[noreturn]] void damaged(const QString& what)
{
    fail(QStringLiteral("Die Datei ist beschädigt: %1").arg(what));
}

// A name read from the file, quoted where it is short and plainly printable;
// anything else is not repeated in a message.
QString named(const QString& text)
{
    constexpr qsizetype kShown = 12;
    if (text.isEmpty() || text.size() > kShown)
        return {};
    for (const QChar c : text) {
        if (!c.isPrint())
            return {};
    }
    return QStringLiteral(" „%1“").arg(text);
}

// A whole number within the bounds, or nothing: JSON knows only doubles.
std::optional<int> whole(const QJsonValue& value, int least, int most)
{
    if (!value.isDouble())
        return std::nullopt;
    const double v = value.toDouble();
    if (!(v >= least && v <= most) || v != std::floor(v))
        return std::nullopt;
    return int(v);
}

// Where in the file rows stand and what they may hold, for reading them.
struct Rows {
    QString where; // "Bei Teil 2"
    // The dimension of a symbol's quantity, or nothing where it has none here.
    std::function<std::optional<Dimension>(const QString&)> dimension;
    QString foreign; // "keine Größe für den Zylinder"
};

// An unknown has no dimension of its own: marked so, as no quantity can be.
constexpr Dimension kAnyDimension{0, 0, 0, true, true};

bool isUnitOfAnyDimension(const QString& text)
{
    static const Dimension all[] = {Dimension::Length, Dimension::Area,  Dimension::Volume,
                                    Dimension::Angle,  Dimension::Count, Dimension::Mass,
                                    Dimension::Density};
    for (const Dimension& d : all) {
        if (unit(d, text))
            return true;
    }
    return false;
}

QMap<QString, Typed> readRows(const QJsonValue& value, const Rows& rows)
{
    QMap<QString, Typed> out;
    if (value.isUndefined())
        return out;
    if (!value.isObject())
        damaged(QStringLiteral("%1 sind die Angaben nicht lesbar.").arg(rows.where));
    const QJsonObject object = value.toObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QString symbol = it.key();
        const std::optional<Dimension> dimension = rows.dimension(symbol);
        if (!dimension) {
            const QString shown = named(symbol);
            damaged(QStringLiteral("%1 ist%2 %3.")
                        .arg(rows.where, shown.isEmpty() ? QStringLiteral(" eine Angabe") : shown,
                             rows.foreign));
        }
        if (!it.value().isObject())
            damaged(
                QStringLiteral("%1 ist die Angabe für %2 nicht lesbar.").arg(rows.where, symbol));
        const QJsonObject row = it.value().toObject();
        const QJsonValue text = row.value(QStringLiteral("text"));
        const QJsonValue unitText = row.value(QStringLiteral("unit"));
        if (!text.isString() || !(unitText.isString() || unitText.isUndefined()))
            damaged(
                QStringLiteral("%1 ist die Angabe für %2 nicht lesbar.").arg(rows.where, symbol));
        Typed typed{text.toString(), unitText.toString()};
        // Half a character pair would not survive being written again.
        if (!QStringView(typed.text).isValidUtf16())
            damaged(QStringLiteral("%1 ist der Text für %2 nicht lesbar.").arg(rows.where, symbol));
        if (typed.text.size() > kMaxTextLength)
            damaged(QStringLiteral("%1 ist der Text für %2 länger als %3 Zeichen.")
                        .arg(rows.where, symbol)
                        .arg(kMaxTextLength));
        // An empty unit is the base unit; an unknown's unit is any there is.
        const bool known = typed.unit.isEmpty() ||
                           (*dimension == kAnyDimension ? isUnitOfAnyDimension(typed.unit)
                                                        : unit(*dimension, typed.unit) != nullptr);
        if (!known) {
            const QString shown = named(typed.unit);
            damaged(
                shown.isEmpty()
                    ? QStringLiteral("%1 passt die Einheit nicht zu %2.").arg(rows.where, symbol)
                    : QStringLiteral("%1 ist%2 keine Einheit für %3.")
                          .arg(rows.where, shown, symbol));
        }
        out.insert(symbol, typed);
    }
    return out;
}

bool isUnknownName(const QString& name)
{
    if (name.size() < 1 || name.size() > 2)
        return false;
    if (name[0] < u'a' || name[0] > u'z')
        return false;
    return name.size() == 1 || (name[1] >= u'0' && name[1] <= u'9');
}

PartDescription readPart(const QJsonValue& value, int number)
{
    const QString where = QStringLiteral("Bei Teil %1").arg(number);
    if (!value.isObject())
        damaged(QStringLiteral("Teil %1 ist nicht lesbar.").arg(number));
    const QJsonObject object = value.toObject();
    PartDescription part;

    const QJsonValue body = object.value(QStringLiteral("body"));
    if (!body.isString())
        damaged(QStringLiteral("%1 fehlt der Körper.").arg(where));
    part.body = body.toString();
    const Body* b = bodyById(part.body);
    if (!b)
        damaged(QStringLiteral("Teil %1 ist ein Körper, den Solvanto nicht kennt.").arg(number));

    // The first part is joined to nothing: what it says of a joint is kept as
    // it was written where it can be read, and otherwise left as it is.
    const QJsonValue joint = object.value(QStringLiteral("joint"));
    const QJsonValue target = object.value(QStringLiteral("target"));
    if (number == 1) {
        if (const JointName* j = jointNamed(joint.toString()))
            part.joint = j->joint;
        if (const std::optional<int> t = whole(target, 0, kMaxParts))
            part.target = *t;
    } else {
        if (!joint.isString())
            damaged(QStringLiteral("%1 fehlt, wie es angesetzt ist.").arg(where));
        const JointName* j = jointNamed(joint.toString());
        if (!j)
            damaged(QStringLiteral("Teil %1 ist auf eine Art angesetzt, die Solvanto nicht kennt.")
                        .arg(number));
        part.joint = j->joint;
        if (!target.isDouble())
            damaged(QStringLiteral("%1 fehlt, an welches Teil es angesetzt ist.").arg(where));
        const std::optional<int> t = whole(target, 1, number - 1);
        if (!t)
            damaged(QStringLiteral("Teil %1 ist an kein früheres Teil angesetzt.").arg(number));
        part.target = *t;
    }

    const QJsonValue count = object.value(QStringLiteral("count"));
    if (!count.isUndefined()) {
        if (!count.isDouble())
            damaged(QStringLiteral("%1 ist die Anzahl nicht lesbar.").arg(where));
        const std::optional<int> c = whole(count, 1, kMaxCount);
        if (!c)
            damaged(QStringLiteral("%1 ist die Anzahl nicht zwischen 1 und %2.")
                        .arg(where)
                        .arg(kMaxCount));
        part.count = *c;
    }
    const auto flag = [&](const char* key, const char* caption, bool& into) {
        const QJsonValue v = object.value(QString::fromUtf8(key));
        if (v.isUndefined())
            return;
        if (!v.isBool())
            damaged(
                QStringLiteral("%1 ist „%2“ nicht lesbar.").arg(where, QString::fromUtf8(caption)));
        into = v.toBool();
    };
    flag("withoutBase", "ohne Grundfläche", part.withoutBase);
    flag("withoutTop", "ohne Deckfläche", part.withoutTop);

    part.rows =
        readRows(object.value(QStringLiteral("rows")),
                 {where,
                  [b](const QString& symbol) -> std::optional<Dimension> {
                      if (const Quantity* q = b->quantity(symbol))
                          return q->dimension;
                      return std::nullopt;
                  },
                  QStringLiteral("keine Größe für %1").arg(definite(*b, Case::Accusative))});
    return part;
}

} // namespace

QByteArray writeDescription(const Description& description)
{
    QJsonArray parts;
    for (const PartDescription& p : description.parts) {
        parts.append(QJsonObject{{QStringLiteral("body"), p.body},
                                 {QStringLiteral("joint"), jointName(p.joint)},
                                 {QStringLiteral("target"), p.target},
                                 {QStringLiteral("count"), p.count},
                                 {QStringLiteral("withoutBase"), p.withoutBase},
                                 {QStringLiteral("withoutTop"), p.withoutTop},
                                 {QStringLiteral("rows"), rowsObject(p.rows)}});
    }
    const QJsonObject root{{QStringLiteral("format"), kFormat},
                           {QStringLiteral("version"), kFileVersion},
                           {QStringLiteral("parts"), parts},
                           {QStringLiteral("whole"), rowsObject(description.whole)},
                           {QStringLiteral("unknowns"), rowsObject(description.unknowns)},
                           {QStringLiteral("material"), description.material}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Description readDescription(const QByteArray& bytes)
{
    if (bytes.size() > kMaxFileBytes)
        fail(QStringLiteral("Die Datei ist zu groß für einen Körper."));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QString notADescription = QStringLiteral("Die Datei ist keine Körperbeschreibung.");
    if (error.error != QJsonParseError::NoError || !document.isObject())
        fail(notADescription);
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != kFormat)
        fail(notADescription);

    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble())
        damaged(QStringLiteral("Die Versionsnummer fehlt."));
    if (version.toDouble() > kFileVersion)
        fail(QStringLiteral("Die Datei stammt aus einer neueren Version von Solvanto und lässt "
                            "sich mit dieser nicht öffnen. Bitte verwenden Sie die neuere "
                            "Version."));
    if (!whole(version, 1, kFileVersion))
        damaged(QStringLiteral("Die Versionsnummer ist nicht lesbar."));

    Description description;
    const QJsonValue parts = root.value(QStringLiteral("parts"));
    if (!parts.isArray())
        damaged(QStringLiteral("Die Teile fehlen."));
    const QJsonArray array = parts.toArray();
    if (array.isEmpty())
        damaged(QStringLiteral("Sie enthält keine Teile."));
    if (array.size() > kMaxParts)
        fail(QStringLiteral("Die Datei enthält %1 Teile; ein Körper hat höchstens %2.")
                 .arg(array.size())
                 .arg(kMaxParts));
    for (qsizetype i = 0; i < array.size(); ++i)
        description.parts.push_back(readPart(array.at(i), int(i) + 1));

    description.whole =
        readRows(root.value(QStringLiteral("whole")),
                 {QStringLiteral("Bei den Angaben zum ganzen Körper"),
                  [](const QString& symbol) -> std::optional<Dimension> {
                      static const Dimension dimensions[] = {Dimension::Volume, Dimension::Area,
                                                             Dimension::Density, Dimension::Mass};
                      const qsizetype at = wholeSymbols().indexOf(symbol);
                      if (at < 0)
                          return std::nullopt;
                      return dimensions[at];
                  },
                  QStringLiteral("keine der Größen V, O, ρ und m")});
    description.unknowns =
        readRows(root.value(QStringLiteral("unknowns")),
                 {QStringLiteral("Bei den Unbekannten"),
                  [](const QString& name) -> std::optional<Dimension> {
                      if (!isUnknownName(name))
                          return std::nullopt;
                      return kAnyDimension;
                  },
                  QStringLiteral("kein Name für eine Unbekannte (ein kleiner Buchstabe, auch mit "
                                 "einer Ziffer)")});

    const QJsonValue material = root.value(QStringLiteral("material"));
    if (!material.isUndefined()) {
        if (!material.isString())
            damaged(QStringLiteral("Das Material ist nicht lesbar."));
        description.material = material.toString();
        bool known = description.material.isEmpty();
        for (const Material& m : materials())
            known = known || description.material == QString::fromUtf8(m.name);
        if (!known)
            damaged(QStringLiteral("Das Material ist keines, das Solvanto kennt."));
    }
    return description;
}

} // namespace model
