// Any bytes into text to integer.
#include <string_view>

#include "core/convert.h"
#include "core/datetime_text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int32_t value = core::TextToInt(text);
    FUZZ_CHECK(core::TextToInt(core::FoldFullWidth(text)) == value);
    // A plain decimal number reads back as itself.
    FUZZ_CHECK(core::TextToInt(core::IntToText(value)) == value);
    return 0;
}
