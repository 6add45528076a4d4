// A body of parts read from arbitrary bytes: any file is either refused with a
// German reason or read into a description that is written and read back the
// same, so that saving what was opened never changes it.
#include "fuzz_support.h"
#include "model/compositefile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    model::Description description;
    try {
        description = model::readDescription(bytes);
    } catch (const rt::Error& e) {
        fuzz::require(!e.message().isEmpty(), "a file refused without a reason");
        return 0;
    }
    fuzz::require(!description.parts.empty() && int(description.parts.size()) <= model::kMaxParts,
                  "a description read with no parts or too many");
    const QByteArray written = model::writeDescription(description);
    try {
        fuzz::require(model::readDescription(written) == description,
                      "a description read back differs");
    } catch (const rt::Error&) {
        fuzz::require(false, "a description written cannot be read back");
    }
    fuzz::require(model::writeDescription(description) == written, "writing is not deterministic");
    return 0;
}
