#include "order/order.h"

#include <algorithm>

void ResetCustomer(TOrder& order) {
    order.customer = {};
}

void ResetExtras(TOrder& order) {
    order.extras = {};
}

void ResetNotes(TOrder& order) {
    order.notes = {};
}

void ClearPageChecks(TWindowState& state) {
    state.page_checks = {};
}

void ResetSystems(TOrder& order, int first, int end) {
    first = std::clamp(first, 0, kMaxSystems);
    end = std::clamp(end, first, kMaxSystems);
    std::fill(order.systems.begin() + first, order.systems.begin() + end, TSystemParams{});
}

void InsertSystem(TOrder& order, int position, int total) {
    Q_ASSERT(total <= kMaxSystems - 1 && position >= 0 && position <= total);
    if (total > kMaxSystems - 1 || position < 0 || position > total) {
        return;  // a release build must not write outside the 15 records either
    }
    auto& systems = order.systems;
    std::move_backward(systems.begin() + position, systems.begin() + total, systems.begin() + total + 1);
    systems[position] = {};
}

void RemoveSystem(TOrder& order, int position, int total) {
    Q_ASSERT(position >= 0 && position < total && total <= kMaxSystems);
    if (position < 0 || position >= total || total > kMaxSystems) {
        return;
    }
    auto& systems = order.systems;
    std::move(systems.begin() + position + 1, systems.begin() + total, systems.begin() + position);
    systems[total - 1] = {};
}

int NoteLineCount(const TOrderNotes& notes) {
    const auto firstEmpty = std::find_if(notes.lines.begin(), notes.lines.end(),
                                         [](const QString& line) { return line.isEmpty(); });
    return static_cast<int>(firstEmpty - notes.lines.begin());
}

qint64 SystemCountSum(const TExtras& extras) {
    qint64 sum = 0;
    for (qint32 count : extras.system_counts) {
        sum += count;
    }
    return sum;
}

int UsedSystemCount(const TExtras& extras) {
    return static_cast<int>(std::clamp<qint64>(SystemCountSum(extras), 0, kMaxSystems));
}
