// Every calculator fed with arbitrary texts either writes results that read
// back as finite numbers, in its order, or raises one of the runtime's errors;
// it never shows "inf" or "nan".
#include "fuzz_support.h"
#include "solids/cone.h"
#include "solids/cube.h"
#include "solids/cuboid.h"
#include "solids/cylinder.h"
#include "solids/pyramid.h"
#include "solids/sphere.h"
#include "textsheet.h"

#include <cmath>

namespace {

const solids::Calculator* const kCalculators[] = {&solids::kCube,    &solids::kCuboid,
                                                  &solids::kPyramid, &solids::kCylinder,
                                                  &solids::kCone,    &solids::kSphere};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return -1;
    // The first byte picks the options that are set; the rest are the texts of
    // the boxes, one per line.
    const uint8_t choice = data[0];
    const QStringList fields = fuzz::text(data + 1, size - 1).split(u'\n');
    for (const QLocale& locale : fuzz::kLocales) {
        for (const solids::Calculator* calculator : kCalculators) {
            QMap<QString, QString> texts;
            qsizetype next = 0;
            for (const solids::Check& check : calculator->checks)
                texts[QString::fromUtf8(check.box)] = fields.value(next++);
            test::TextSheet sheet(texts, locale);
            if (choice & 1)
                sheet.options << QStringLiteral("oppyramide");
            if (choice & 2)
                sheet.options << QStringLiteral("opstumpf");
            QStringList order;
            for (const solids::Variant& v : calculator->variants) {
                if (!v.option || sheet.options.contains(QString::fromUtf8(v.option))) {
                    for (const solids::Result& r : v.results)
                        order << QString::fromUtf8(r.label);
                    break;
                }
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
