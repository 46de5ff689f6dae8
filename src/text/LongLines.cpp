#include "text/LongLines.h"

namespace vimla::text {

bool hasLineLongerThan(QStringView text, qsizetype limit) {
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\n' || c == u'\r' || c == 0x2029) {
            if (i - lineStart > limit)
                return true;
            lineStart = i + 1;
        }
    }
    return text.size() - lineStart > limit;
}

} // namespace vimla::text
