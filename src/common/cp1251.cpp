#include "common/cp1251.h"

#include <array>

namespace cp1251 {
namespace {

// Bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order and need no table.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr char16_t kCyrillicA = 0x0410;

// All 256 bytes, for decoding whole files quickly.
constexpr std::array<char16_t, 256> kDecodeTable = [] {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b) {
        table[b] = b < 0x80    ? char16_t(b)
                   : b >= 0xC0 ? char16_t(kCyrillicA + (b - 0xC0))
                               : kUpperHalf[b - 0x80];
    }
    return table;
}();

// The byte of a character, or -1 when the code page has none.
int ByteOf(char16_t c) {
    if (c < 0x80) {
        return c;
    }
    if (c >= kCyrillicA && c < kCyrillicA + 64) {
        return 0xC0 + (c - kCyrillicA);
    }
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
        if (kUpperHalf[i] == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

}  // namespace

char16_t ToUnicode(unsigned char byte) {
    return kDecodeTable[byte];
}

bool CanEncode(QChar c) {
    return ByteOf(c.unicode()) >= 0;
}

bool CanEncode(QStringView text) {
    for (QChar c : text) {
        if (!CanEncode(c)) {
            return false;
        }
    }
    return true;
}

QString Decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (char b : bytes) {
        *out++ = kDecodeTable[static_cast<unsigned char>(b)];
    }
    return text;
}

QByteArray Encode(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        // A character beyond the BMP is a surrogate pair: one character, so one '?'.
        if (text[i].isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            ++i;
        }
        const int b = ByteOf(text[i].unicode());
        *out++ = static_cast<char>(b >= 0 ? b : '?');
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

}  // namespace cp1251
