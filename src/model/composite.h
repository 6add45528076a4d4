#pragma once

#include "solver.h"
#include "working.h"
#include "writing.h"

#include <QLocale>
#include <QMap>
#include <QString>
#include <memory>
#include <vector>

// A body made of parts: a silo of a cylinder and a cone, a block with a bore.
// The parts are bodies of the list, joined to earlier parts; the whole is
// flattened into one ordinary body, each part's quantities numbered (r₂, V₂),
// so that the solver finds any of them, the totals and the unknowns typed in
// the boxes without knowing that it has parts.
namespace model {

inline constexpr int kMaxParts = 8;

// How a part joins an earlier part k.
enum class Joint {
    On,           // "aufgesetzt auf Teil k": its base on k's top
    LyingOn,      // "liegend aufgesetzt auf Teil k": a prism on a lateral face
    Under,        // "untergesetzt unter Teil k": its top (a cone's base) against k's base
    SunkInto,     // "von oben eingelassen in Teil k": a blind hole from k's top
    BoredThrough, // "durchgebohrt durch Teil k": from k's top to k's base
    CutLyingFrom, // "liegend herausgeschnitten aus Teil k": a groove along k's top
    HollowIn      // "innen hohl in Teil k": a cavity touching no face of k
};
inline constexpr Joint kJoints[] = {Joint::On,       Joint::LyingOn,      Joint::Under,
                                    Joint::SunkInto, Joint::BoredThrough, Joint::CutLyingFrom,
                                    Joint::HollowIn};

// Whether the part is taken away from its part k rather than added.
bool removes(Joint joint);
// "aufgesetzt auf Teil 1"
QString jointCaption(Joint joint, int target);
// Whether a body of the list can be joined so: lying needs a face to lie on,
// a bore a height, a groove a prism.
bool allows(const Body& body, Joint joint);
// Whether it has a lateral face to lie on: a prism, a cuboid, a Halbzylinder.
bool lies(const Body& body);

// A row as the user typed it: the text ("3,5", "54π", "2a") and the unit it
// was chosen in ("cm"; empty for the base unit, an angle or a count).
struct Typed {
    QString text;
    QString unit;

    friend bool operator==(const Typed&, const Typed&) = default;
};

struct PartDescription {
    QString body;             // a body's id: "cylinder"
    Joint joint = Joint::On;  // not read for the first part
    int target = 1;           // the earlier part it joins, counted from 1
    int count = 1;            // identical copies joined the same way
    bool withoutBase = false; // a face not counted in the surface
    bool withoutTop = false;
    QMap<QString, Typed> rows{}; // by the body's own symbols: "r", "h"

    friend bool operator==(const PartDescription&, const PartDescription&) = default;
};

// What the window holds, all of it text as typed: what a file keeps.
struct Description {
    std::vector<PartDescription> parts;
    QMap<QString, Typed> whole{};    // "V", "O", "ρ", "m"
    QMap<QString, Typed> unknowns{}; // "a", "x", "h2"
    QString material{};              // a material's name; empty for a density of one's own

    friend bool operator==(const Description&, const Description&) = default;
};

// "r₂": a part's quantity in the whole body.
QString numbered(const QString& symbol, int part);
// The symbols of the whole body's own rows, in their order: V, O, ρ, m.
const QStringList& wholeSymbols();

// A face hidden by a joint, or taken away from a part, with its area.
struct Contact {
    int part = 0;   // counted from 1
    int target = 0; // counted from 1
    // "Grundfläche des Kegels und das gleich große Stück der Deckfläche des
    // Zylinders"; the other way round where the other face is the smaller.
    QString text, otherText;
    Term area; // in the whole body's symbols: the smaller of own and other
    // The part's own face and the one it meets.
    Term own, other;
    int times = 2; // how often it is taken off the surface: on each part counted
};

// A face that must fit on or in another, for the message when it does not.
struct Fit {
    int part = 0, target = 0;
    QString face, on;        // "Die Grundfläche des Kegels", "die Deckfläche des Würfels"
    Shape shape, onShape;    // what each face is
    std::vector<Term> sizes; // in the whole body's symbols
    std::vector<Term> onSizes;
    QStringList sizeSymbols, onSizeSymbols; // "r", "a": as the message names them
    bool inside = false;                    // a removed part: it must fit in, not only on
};

// The whole body: the flattened body, what was given, and what the working
// and the messages need to speak of parts.
struct Composite {
    std::shared_ptr<const Body> body;
    Prepared prepared;
    Task task; // the flattened body's task: units, values and calculations typed
    QLocale locale;
    std::vector<const Body*> parts; // each part's body as its check boxes make it
    Description description;
    std::vector<Contact> contacts;
    std::vector<Fit> fits;
    QStringList unknowns;
    // Terms typed where no free quantity takes them, each an equation of its
    // own, named as typed: "m = x".
    QStringList equations;
    // The surface before the contact areas are taken off: O₁ + O₂ + 4 · O₃.
    Term surface;
};

// The description read into a body. Raises rt::Error whose advice names the
// box and says in German what is wrong: a term that cannot be read, a letter
// where no unknown may stand, an unknown letter that names the mass.
Composite flatten(const Description& description, const QLocale& locale);

// Solves it; a joint that does not fit, in any solution, makes no solid.
Answer solve(const Composite& composite);

// "Zu wenige Angaben: …", "Die Angaben widersprechen sich: …", "Keine Lösung: …",
// the faces that do not fit named with their sizes; empty where solved.
QString message(const Composite& composite, const Answer& answer, const QLocale& locale);

// The worked solution: a section for each part, the hidden faces, the totals
// and the equation for the unknowns.
Working working(const Composite& composite, const Answer& answer, const QLocale& locale);

} // namespace model
