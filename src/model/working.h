#pragma once

#include "writing.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

// A worked solution as data: the task and the way to each solution, every
// line with what it is. The text view, the clipboard and the worksheet are
// renderings of it; none of them reads the text back.
namespace model {

struct Line {
    enum Role {
        Blank,          // between paragraphs
        Title,          // "Zylinder – Lösung 1 von 2"
        Heading,        // "Gegeben:", "Gesucht:", "Volumen:", "Ergebnis:", "Lösung 1 von 2:"
        SectionHeading, // "Teil 2: Kegel, aufgesetzt auf Teil 1", "Verdeckte Flächen"
        Given,          // "h = 1,2 m = 120 cm"
        Sought,         // "O, V, M"
        Relation,       // the relation used, in symbols: "V = π · r² · h"
        Rearranged,     // "umgestellt nach h:"
        From,           // "Aus V = π · r² · h und O = 2 · π · r · (r + h):"
        Formula,        // the quantity's formula in symbols: "h = V : (π · r²)"
        Part,           // a named part of the formula: "mit w = …"
        Substituted,    // the formula with the numbers put in
        Note,           // "Die Gleichung für r hat keine geschlossene Lösung; …"
        Solutions,      // every value a search found: "Lösungen: r = …; r = …"
        Result          // "h = 6,14512914054353 cm"
    };
    Role role = Blank;
    QString text;
    // The quantity a result line gives, for a body made of parts to sort
    // its blocks by part.
    QString symbol{};

    // Set apart in bold where it is printed.
    static bool isHeading(Role role) { return role == Heading || role == SectionHeading; }
};

// A given as typed, and in the centimetre's unit where it was typed in another.
struct Given {
    QString symbol; // "h"
    QString typed;  // "1,2": the number as typed, in the locale's notation
    QString unit;   // "m", "°", or empty for a count
    double value;   // in the centimetre's unit of its kind
    QString base;   // "120 cm" where the unit is another; else empty
    // Where a calculation was typed ("54π"), its value in the row's unit.
    QString worked{};

    // "h = 1,2 m = 120 cm"; "V = 54π cm³ = 169,646003293849 cm³"
    QString text() const;
};

// Lines kept together: a step of the working, or a heading with what it heads.
using Block = std::vector<Line>;

// One part of the working. The body as a whole has one without a heading; a
// body made of parts has one for each part.
struct Section {
    QString heading; // "Teil 2: Kegel, aufgesetzt auf Teil 1"
    std::vector<Block> blocks;
};

// The way to one solution.
struct Way {
    std::vector<Section> sections;
};

struct Working {
    QString title; // the body's name: "Zylinder"
    std::vector<Given> given;
    QStringList sought;
    std::vector<Way> solutions; // one for each solution the answer has

    // "Zylinder", or "Zylinder – Lösung 2 von 3" where there are several.
    QString heading(int solution) const;
    // "Gegeben:" with the givens, a blank line, "Gesucht:" and what is sought.
    std::vector<Line> task() const;
    // The blocks of one way, each after a blank line, a section's heading
    // before its blocks.
    std::vector<Line> way(int solution) const;
    // The heading, a blank line, the task and the way.
    std::vector<Line> lines(int solution) const;
    // The lines as plain text, as the window shows it and the clipboard gets it.
    QString text(int solution) const;
};

// The Umkehraufgabe's working, every solution's way. For a Missing answer that
// fixes some quantities all the same, the way to those: its "Ergebnis:" lists
// only them. Nothing (no solution) for any other answer without a solution.
Working working(const Task& task, const Answer& answer, const QLocale& locale);

} // namespace model
