#pragma once

#include "app/TextCodec.h"

#include <QString>
#include <cstdint>
#include <cstring>

// A text of at most N characters stored in place: a length byte and N Windows-1252 bytes,
// the layout of the text fields in MealRows and in recipe files.
template <int N> struct FixedText {
    static_assert(N > 0 && N < 256);
    std::uint8_t length = 0;
    char chars[N] = {};

    // Cut to N characters (after encoding), as texts copied into fixed records are. Only the
    // characters that can fit are encoded, straight into the field, so a long text costs no more
    // than a short one and no row allocates.
    void assign(QStringView text) { length = static_cast<std::uint8_t>(TextCodec::encodeInto(text, chars, N)); }
    QString toString() const { return TextCodec::decode(chars, length); }
    bool equals(const char *ascii) const
    {
        const auto n = std::strlen(ascii);
        return n == length && std::memcmp(chars, ascii, n) == 0;
    }
    bool contains(char c) const { return std::memchr(chars, c, length) != nullptr; }
    bool isEmpty() const { return length == 0; }
    void clear() { length = 0; }
};
