// The core's translation hook and the placeholders of its texts.
#include "Translate.h"

#include <atomic>

namespace velmora {

namespace {
std::atomic<TranslateFunction> installed{nullptr};
} // namespace

void setTranslateFunction(TranslateFunction translate) {
    installed.store(translate);
}

Text coreTranslate(const char* context, const char* source, const char* disambiguation, int n) {
    if (const TranslateFunction translate = installed.load())
        return translate(context, source, disambiguation, n);
    return withCount(fromUtf8(source), n);
}

Text withCount(Text text, int n) {
    if (n < 0)
        return text;
    const Text digits = decimalText(n);
    for (std::size_t at = text.find(u"%n"); at != Text::npos; at = text.find(u"%n", at)) {
        text.replace(at, 2, digits);
        at += digits.size();
    }
    return text;
}

Text withArguments(TextView text, std::initializer_list<TextView> arguments) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1] >= u'1' && text[i + 1] <= u'9') {
            const std::size_t index = static_cast<std::size_t>(text[i + 1] - u'1');
            if (index < arguments.size()) {
                out += *(arguments.begin() + index);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace velmora
