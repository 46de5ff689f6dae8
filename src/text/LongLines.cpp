#include "text/LongLines.h"

namespace vimla::text {

bool hasLineLongerThan(QStringView text, qsizetype limit) {
    if (text.size() <= limit)
        return false;
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    const char16_t* lineStart = begin;
    for (const char16_t* p = begin; p != end; ++p) {
        // Every line break is below U+2029 or is it; one comparison skips most characters.
        if (*p > u'\r' && *p != 0x2029)
            continue;
        if (*p == u'\n' || *p == u'\r' || *p == 0x2029) {
            if (p - lineStart > limit)
                return true;
            lineStart = p + 1;
        }
    }
    return end - lineStart > limit;
}

} // namespace vimla::text
