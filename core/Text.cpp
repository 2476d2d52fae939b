// Text helpers of the core: UTF-16 to and from UTF-8, trimming, digits.
#include "Text.h"

namespace velmora {

std::string toUtf8(TextView text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

Text fromUtf8(std::string_view utf8) {
    Text out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        char32_t c = 0xFFFD;
        std::size_t len = 1;
        auto cont = [&](std::size_t k) {
            return i + k < utf8.size() && (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
        };
        auto bits = [&](std::size_t k) {
            return static_cast<char32_t>(static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        };
        if (b0 < 0x80) {
            c = b0;
        } else if (b0 >= 0xC2 && b0 < 0xE0 && cont(1)) {
            c = ((b0 & 0x1Fu) << 6) | bits(1);
            len = 2;
        } else if (b0 >= 0xE0 && b0 < 0xF0 && cont(1) && cont(2)) {
            const char32_t v = ((b0 & 0x0Fu) << 12) | (bits(1) << 6) | bits(2);
            if (v >= 0x800 && (v < 0xD800 || v > 0xDFFF)) {
                c = v;
                len = 3;
            }
        } else if (b0 >= 0xF0 && b0 < 0xF5 && cont(1) && cont(2) && cont(3)) {
            const char32_t v = ((b0 & 0x07u) << 18) | (bits(1) << 12) | (bits(2) << 6) | bits(3);
            if (v >= 0x10000 && v <= 0x10FFFF) {
                c = v;
                len = 4;
            }
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += len;
    }
    return out;
}

TextView trimControls(TextView text) {
    return trimWhere(text, [](char16_t c) { return c <= u' '; });
}

Text decimalText(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

} // namespace velmora
