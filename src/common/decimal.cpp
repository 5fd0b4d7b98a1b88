#include "common/decimal.h"

#include <algorithm>
#include <limits>

qint32 LenientToInt(QStringView text) {
    constexpr qint64 kMaxMagnitude = qint64{std::numeric_limits<qint32>::max()} + 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace()) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    qint64 magnitude = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        // Stop growing once past the limit so that a text of any length cannot overflow.
        if (magnitude <= kMaxMagnitude) {
            magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        }
    }
    if (negative) {
        return static_cast<qint32>(-std::min(magnitude, kMaxMagnitude));
    }
    return static_cast<qint32>(std::min(magnitude, kMaxMagnitude - 1));
}
