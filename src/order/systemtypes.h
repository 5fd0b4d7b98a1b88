#pragma once

#include <QStringView>
#include <array>

#include "order/order.h"

// The eleven system types. Systems of an order are kept grouped by type in this order, so a
// record's type follows from its position and the per-type counts.
struct TSystemType {
    const char* code;            // "o1c", ...
    const char16_t* caption;     // the label on the systems page, with its own quotation marks
    const char16_t* short_name;  // the name on the order card
    int flow_channels;
    bool one_channel;
    bool t_2_without_d_r;
    bool t_cold_used;
    bool impulse_allowed;  // impulse flow meters of other makers may be chosen
    bool low_ranges;       // flow ranges Д0 and Д1 are offered
};

extern const std::array<TSystemType, kTypeCount> kSystemTypes;

// Recovers the type of each system from the per-type counts, the way the order card names its
// rows: walking the shown systems in order, each takes the next type whose count is not used up;
// systems beyond the counts repeat the last type found, and with all counts 0 no type is found.
class TypeWalk {
public:
    explicit TypeWalk(const std::array<qint32, kTypeCount>& counts) : counts_(counts) {}

    // The type index of the next system, or -1 when none is found.
    int Next();

private:
    const std::array<qint32, kTypeCount>& counts_;
    int type_ = -1;
    qint64 remaining_ = 0;  // wide: a count read from a file may be the 32-bit minimum
};
