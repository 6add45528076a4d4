// Every calculator fed with arbitrary texts either writes results that read
// back as finite numbers, in its order, or raises one of the runtime's errors;
// it never shows "inf" or "nan".
#include "fuzz_support.h"
#include "solids/catalogue.h"
#include "textsheet.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return -1;
    // The first byte picks the options that are set (bit k: the k-th variant's);
    // the rest are the texts of the boxes, one per line.
    const uint8_t choice = data[0];
    const QStringList fields = fuzz::text(data + 1, size - 1).split(u'\n');
    for (const QLocale& locale : fuzz::kLocales) {
        for (const solids::Solid* solid : solids::catalogue()) {
            const solids::Calculator* calculator = &solid->calculator;
            QMap<QString, QString> texts;
            qsizetype next = 0;
            for (const solids::Dimension& d : calculator->dimensions)
                texts[QString::fromUtf8(d.box)] = fields.value(next++);
            test::TextSheet sheet(texts, locale);
            for (std::size_t k = 0; k < calculator->variants.size() && k < 8; ++k) {
                if (const char* option = calculator->variants[k].option; option && choice >> k & 1)
                    sheet.options << QString::fromUtf8(option);
            }
            QStringList order;
            if (const solids::Variant* v = solids::chosen(*calculator, sheet)) {
                for (const solids::Result& r : v->results)
                    order << QString::fromUtf8(r.label);
            }
            try {
                solids::calculate(*calculator, sheet);
            } catch (const rt::Error& e) {
                fuzz::require(!e.message().isEmpty(), "error without a message");
            }
            fuzz::require(order.mid(0, sheet.writes.size()) == sheet.writes,
                          "results written out of order");
            for (const QString& label : sheet.writes) {
                const QString shown = sheet.texts[label];
                fuzz::require(!shown.contains(QStringLiteral("inf"), Qt::CaseInsensitive) &&
                                  !shown.contains(QStringLiteral("nan"), Qt::CaseInsensitive),
                              "a result shows inf or nan");
                if (shown.isEmpty())
                    continue; // cleared: the calculation did not reach it
                try {
                    fuzz::require(rt::toText(rt::toNumber(shown, locale), locale) == shown,
                                  "a result does not read back as itself");
                } catch (const rt::Error&) {
                    fuzz::require(false, "a result does not read back as a number");
                }
            }
        }
    }
    return 0;
}
