// The inverse solver on arbitrary givens: any body or variant of one, any of
// its quantities, any double, in any unit. It answers within a bounded time, every solution it
// gives reproduces the givens, and every answer can be written.
#include "fuzz_support.h"
#include "model/solver.h"
#include "model/variants.h"
#include "model/writing.h"

#include <chrono>
#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const auto& bodies = model::bodies();
    // The first byte chooses the body and, by what is left of it, its check boxes.
    const unsigned options = data[0] / unsigned(bodies.size());
    const model::Body& body =
        model::variant(*bodies[data[0] % bodies.size()], {(options & 1) != 0, (options & 2) != 0,
                                                          (options & 4) != 0, (options & 8) != 0});
    model::Task task;
    task.body = &body;
    // Then for each given: a quantity, a unit and a double of 8 bytes.
    for (size_t at = 1; at + 10 <= size; at += 10) {
        const model::Quantity& q = body.quantities[data[at] % body.quantities.size()];
        const auto units = model::units(q.dimension);
        task.units.insert(q.symbol, units[data[at + 1] % units.size()]);
        double v;
        std::memcpy(&v, data + at + 2, sizeof v);
        task.typed.insert(q.symbol, v);
    }
    const model::Values givens = task.givens();
    const auto start = std::chrono::steady_clock::now();
    const model::Answer answer = model::solve(body, givens);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    fuzz::require(seconds < 1, "a solve took a second or longer");
    for (const model::Solution& s : answer.solutions) {
        for (auto it = givens.constBegin(); it != givens.constEnd(); ++it)
            fuzz::require(model::agree(s.values.value(it.key()), it.value()),
                          "a solution does not reproduce a given");
    }
    const QLocale german(QLocale::German, QLocale::Germany);
    if (answer.status == model::Answer::Solved) {
        fuzz::require(!answer.solutions.empty(), "solved without a solution");
        for (int i = 0; i < int(answer.solutions.size()); ++i)
            fuzz::require(!model::workedSolution(task, answer, i, german).isEmpty(),
                          "a solution without its worked solution");
    } else {
        fuzz::require(!model::message(task, answer, german).isEmpty(), "an answer without words");
    }
    return 0;
}
