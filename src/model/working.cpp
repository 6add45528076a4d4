#include "working.h"

#include "certainty.h"
#include "numbers/errors.h"
#include "numbers/numbers.h"
#include "variants.h"

#include <limits>

namespace model {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

QStringList givenSymbols(const Task& task)
{
    QStringList given;
    for (const Quantity& q : task.body->quantities) {
        if (task.typed.contains(q.symbol))
            given << q.symbol;
    }
    return given;
}

// The way to one solution, or to what a partial answer fixes: `others` are
// every solution found, for what a search found in each.
Way wayTo(const Task& task, const Solution& solution, const std::vector<Solution>& others,
          const QLocale& locale)
{
    const Body& body = *task.body;
    const Values base = task.givens();
    const QStringList given = givenSymbols(task);
    const auto placesOf = [&](const Solution& s) { return certainPlaces(body, s.values, given); };
    const QHash<QString, int> places = placesOf(solution);
    const auto place = [&](const QString& symbol) { return places.value(symbol, rt::kAllDigits); };

    Section section;
    const auto block = [&]() -> Block& { return section.blocks.emplace_back(); };

    // Values as the steps computed them, in the formulas' units.
    Values stepValues = base;
    // A given as typed, anything computed to its certain digits.
    const auto text = [&](const QString& s) {
        const Unit& u = defaultUnit(kindOf(body, s));
        return task.typed.contains(s) ? exactly(base.value(s), u, locale)
                                      : certainWithUnit(stepValues.value(s), u, place(s), locale);
    };
    const auto formulaOf = [&](const QString& symbol) {
        const Term* f = body.formula(symbol);
        for (const Chart& c : body.charts) {
            if (solution.chart != c.note)
                continue;
            for (const Relation& r : c.relations) {
                if (r.symbol == symbol)
                    f = &r.formula;
            }
        }
        return f;
    };
    // An open container's surface says which faces it leaves out.
    const auto noted = [&](const QString& symbol, const QString& line) {
        const QString note = symbol == QStringLiteral("O") ? openNote(body) : QString();
        return note.isEmpty() ? line : line + u' ' + note;
    };
    const auto relationLine = [&](const QString& symbol) {
        const Term* f = formulaOf(symbol);
        return f ? noted(symbol, symbol + QStringLiteral(" = ") + f->symbols()) : symbol;
    };
    // A mass or a density found in grams is said once more in the unit of its
    // row: "= 9 420 g = 9,42 kg".
    const auto resultLine = [&](const QString& symbol) {
        QString line = symbol + QStringLiteral(" = ") + text(symbol);
        const Dimension kind = kindOf(body, symbol);
        const Unit& u = task.unitOf(symbol);
        if ((kind == Dimension::Mass || kind == Dimension::Density) && &u != &defaultUnit(kind) &&
            !task.typed.contains(symbol))
            line += QStringLiteral(" = ") + certainWithUnit(fromBase(stepValues.value(symbol), u),
                                                            u, place(symbol), locale);
        return line;
    };
    if (!solution.chart.isEmpty())
        block().push_back({Line::Note, QStringLiteral("Rechnung %1:").arg(solution.chart)});

    for (const Step& step : solution.steps) {
        // What a helper quantity gives back is written; the rest follows below.
        if (step.kind == Step::Computed &&
            (!body.isDimension(step.symbol) || task.typed.contains(step.symbol))) {
            stepValues.insert(step.symbol, solution.found.value(step.symbol));
            continue;
        }
        Block& lines = block();
        const QString start = step.symbol + QStringLiteral(" = ");
        if (step.kind == Step::Numeric) {
            QStringList equations;
            for (const QString& e : step.equations)
                equations << relationLine(e);
            lines.push_back({Line::From, QStringLiteral("Aus %1:").arg(listed(equations))});
            // A named part (the Spat's w) is said where it is first used.
            QStringList parts;
            for (const QString& e : step.equations) {
                if (const Term* f = formulaOf(e)) {
                    for (const auto& [name, definition] : f->namedParts()) {
                        const QString line =
                            QStringLiteral("mit ") + name + QStringLiteral(" = ") + definition;
                        if (!parts.contains(line))
                            parts << line;
                    }
                }
            }
            for (const QString& p : parts)
                lines.push_back({Line::Part, p});
            lines.push_back({Line::Note, QStringLiteral("Die Gleichung für %1 hat keine "
                                                        "geschlossene Lösung; sie wurde "
                                                        "numerisch gelöst.")
                                             .arg(step.symbol)});
            // Every value the search found for it, one for each solution.
            QStringList found;
            for (const Solution& other : others) {
                const QString v = certainWithUnit(
                    other.found.value(step.symbol, kNaN), defaultUnit(kindOf(body, step.symbol)),
                    placesOf(other).value(step.symbol, rt::kAllDigits), locale);
                if (other.found.contains(step.symbol) && !found.contains(v))
                    found << v;
            }
            if (found.size() > 1)
                lines.push_back(
                    {Line::Solutions,
                     QStringLiteral("Lösungen: ") + step.symbol + QStringLiteral(" = ") +
                         found.join(QStringLiteral("; ") + step.symbol + QStringLiteral(" = "))});
        } else {
            if (step.kind == Step::Shortcut) {
                QStringList used;
                for (const QString& s : step.formula.quantities())
                    used << relationLine(s);
                lines.push_back({Line::From, QStringLiteral("Aus %1:").arg(listed(used))});
            } else if (step.kind == Step::Computed) {
                lines.push_back({Line::Heading, caption(body, step.symbol) + u':'});
            } else {
                lines.push_back({Line::Relation, relationLine(step.relation)});
                // Read through another quantity it holds as a part: said so,
                // "mit G = a · b: V = G · c", so that c = V : G follows.
                const Term* used = formulaOf(step.relation);
                const QStringList reads = used ? used->quantities() : QStringList();
                for (const Relation& r : body.relations) {
                    if (!used || r.symbol == step.relation || reads.contains(r.symbol) ||
                        !step.formula.quantities().contains(r.symbol))
                        continue;
                    if (const std::optional<Term> through = used->reading(r.formula, r.symbol))
                        lines.push_back({Line::Part, QStringLiteral("mit %1 = %2: %3 = %4")
                                                         .arg(r.symbol, r.formula.symbols(),
                                                              step.relation, through->symbols())});
                }
                lines.push_back(
                    {Line::Rearranged, QStringLiteral("umgestellt nach %1:").arg(step.symbol)});
            }
            lines.push_back({Line::Formula, noted(step.symbol, start + step.formula.symbols())});
            lines.push_back({Line::Substituted, start + step.formula.substituted(text)});
        }
        // A dimension as the solution has it, polished to its last digit.
        stepValues.insert(step.symbol, body.isDimension(step.symbol)
                                           ? solution.values.value(step.symbol)
                                           : solution.found.value(step.symbol));
        lines.push_back({Line::Result, resultLine(step.symbol), step.symbol});
    }

    // The dimensions fix the solid; every other quantity as the calculator
    // computes it, as far as the givens fix it.
    for (const QString& d : body.dimensions) {
        if (solution.values.contains(d))
            stepValues.insert(d, solution.values.value(d));
    }
    for (const Relation& r : body.relations) {
        if (task.typed.contains(r.symbol) || !solution.values.contains(r.symbol))
            continue;
        Block& lines = block();
        lines.push_back({Line::Heading, caption(body, r.symbol) + u':'});
        const QString start = r.symbol + QStringLiteral(" = ");
        lines.push_back({Line::Formula, noted(r.symbol, start + r.formula.symbols())});
        for (const auto& [name, definition] : r.formula.namedParts())
            lines.push_back(
                {Line::Part, QStringLiteral("mit ") + name + QStringLiteral(" = ") + definition});
        lines.push_back({Line::Substituted, start + r.formula.substituted(text)});
        stepValues.insert(r.symbol, solution.values.value(r.symbol));
        lines.push_back({Line::Result, resultLine(r.symbol), r.symbol});
    }

    // Everything once more in the rows' units, volumes also in litres.
    Block& result = block();
    result.push_back({Line::Heading, QStringLiteral("Ergebnis:")});
    const Unit& litre = *unit(Dimension::Volume, QStringLiteral("l"));
    for (const Quantity& q : body.quantities) {
        const bool typed = task.typed.contains(q.symbol);
        if (!typed && !solution.values.contains(q.symbol))
            continue;
        const Unit& u = task.unitOf(q.symbol);
        const QString start = q.symbol + QStringLiteral(" = ");
        const QString number = typed ? rt::toText(task.typed.value(q.symbol), locale)
                                     : certainNumber(fromBase(solution.values.value(q.symbol), u),
                                                     u, place(q.symbol), locale);
        QString line = start + joined(number, u);
        // In litres the digits shown, the point moved: 4188,78706424094 cm³ is
        // 4,18878706424094 l, whatever the double's last binary digits say.
        if (q.dimension == Dimension::Volume && &u != &litre) {
            double decimal =
                task.typed.value(q.symbol, fromBase(solution.values.value(q.symbol), u));
            try {
                decimal = rt::toNumber(number, locale);
            } catch (const rt::Error&) {
                // Too small for the reading to take back (1E-308): the double as it is.
            }
            line += QStringLiteral(" = ") +
                    withUnit(fromBase(toBase(decimal, u), litre), litre, locale);
        }
        result.push_back({Line::Result, line, q.symbol});
    }
    Way way;
    way.sections.push_back(std::move(section));
    return way;
}

} // namespace

QString Given::text() const
{
    const auto withUnit = [&](const QString& number) {
        if (unit.isEmpty())
            return number;
        return number + (unit == QStringLiteral("°") ? unit : u' ' + unit);
    };
    QString line = symbol + QStringLiteral(" = ") + withUnit(typed);
    if (!worked.isEmpty())
        line += QStringLiteral(" = ") + withUnit(worked);
    if (!base.isEmpty())
        line += QStringLiteral(" = ") + base;
    return line;
}

QString Working::heading(int solution) const
{
    if (solutions.size() < 2)
        return title;
    return title + QStringLiteral(" – Lösung %1 von %2").arg(solution + 1).arg(solutions.size());
}

std::vector<Line> Working::task() const
{
    std::vector<Line> lines{{Line::Heading, QStringLiteral("Gegeben:")}};
    for (const Given& g : given)
        lines.push_back({Line::Given, g.text()});
    lines.push_back({Line::Blank, {}});
    lines.push_back({Line::Heading, QStringLiteral("Gesucht:")});
    lines.push_back({Line::Sought, sought.join(QStringLiteral(", "))});
    return lines;
}

std::vector<Line> Working::way(int solution) const
{
    std::vector<Line> lines;
    if (solution < 0 || solution >= int(solutions.size()))
        return lines;
    for (const Section& s : solutions[size_t(solution)].sections) {
        if (!s.heading.isEmpty()) {
            lines.push_back({Line::Blank, {}});
            lines.push_back({Line::SectionHeading, s.heading});
        }
        for (const Block& b : s.blocks) {
            lines.push_back({Line::Blank, {}});
            lines.insert(lines.end(), b.begin(), b.end());
        }
    }
    return lines;
}

std::vector<Line> Working::lines(int solution) const
{
    std::vector<Line> all{{Line::Title, heading(solution)}, {Line::Blank, {}}};
    for (const std::vector<Line>& part : {task(), way(solution)})
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

QString Working::text(int solution) const
{
    QStringList out;
    for (const Line& l : lines(solution))
        out << l.text;
    return out.join(u'\n');
}

Working working(const Task& task, const Answer& answer, const QLocale& locale)
{
    const Body& body = *task.body;
    Working w;
    w.title = body.name;
    const Values base = task.givens();
    for (const Quantity& q : body.quantities) {
        if (!task.typed.contains(q.symbol)) {
            w.sought << q.symbol;
            continue;
        }
        const Unit& u = task.unitOf(q.symbol);
        const QString calculation = task.calculations.value(q.symbol);
        Given g{q.symbol,
                calculation.isEmpty() ? rt::toExactText(task.typed.value(q.symbol), locale)
                                      : calculation.trimmed(),
                QString::fromUtf8(u.text),
                base.value(q.symbol),
                {}};
        if (!calculation.isEmpty())
            g.worked = rt::toText(task.typed.value(q.symbol), locale);
        if (u.pow10 != 0)
            g.base = exactly(base.value(q.symbol), defaultUnit(q.dimension), locale);
        w.given.push_back(g);
    }
    if (answer.status == Answer::Missing) {
        if (!answer.partial.values.isEmpty())
            w.solutions.push_back(wayTo(task, answer.partial, {answer.partial}, locale));
        return w;
    }
    for (const Solution& s : answer.solutions)
        w.solutions.push_back(wayTo(task, s, answer.solutions, locale));
    return w;
}

} // namespace model
