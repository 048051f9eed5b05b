// Any bytes into the date parser and the full-width folding.
#include <string_view>

#include "core/datetime.h"
#include "core/datetime_text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const core::Text folded = core::FoldFullWidth(text);
    FUZZ_CHECK(folded.size() <= size);
    FUZZ_CHECK(core::FoldFullWidth(folded) == folded);  // folding twice changes nothing

    const core::DateTime value = core::TextToDateTime(text);
    FUZZ_CHECK(value >= core::kDateTimeMin && value <= core::kDateTimeMax);
    FUZZ_CHECK(core::TextToDateTime(folded) == value);  // the parser reads the folded text
    // Whatever it reads is a whole second that its own text form reads back as.
    FUZZ_CHECK(core::TextToDateTime(core::DateTimeToText(value)) == value);
    return 0;
}
