#include <cstddef>
#include <cstdint>

#include "common/linefile.h"
#include "order/orderfile.h"

// Any bytes, read as an order file, then written and read again: no crash, no undefined behaviour,
// and the second reading gives the order the first one did.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = SplitLines(QByteArrayView(data, static_cast<qsizetype>(size)));
    TOrder order;
    ReadOrderLines(order, lines);
    TOrder again;
    ReadOrderLines(again, WriteOrderLines(order));
    // Records beyond the counts are not written, so compare what the file carries.
    const int used = UsedSystemCount(order.extras);
    for (int s = used; s < kMaxSystems; ++s) {
        order.systems[s] = {};
    }
    if (used == 0) {
        again.systems[0] = {};
    }
    if (!(order.customer == again.customer && order.extras == again.extras &&
          order.systems == again.systems)) {
        __builtin_trap();
    }
    return 0;
}
