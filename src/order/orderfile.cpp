#include "order/orderfile.h"

#include <algorithm>

#include "common/decimal.h"
#include "order/systemfields.h"

namespace {

// Positions relative to N, the number of note lines.
constexpr qint64 kFirstNoteLine = 4;
constexpr qint64 kCustomerLine = 4;     // + N
constexpr qint64 kCountsLine = 10;      // + N
constexpr qint64 kFirstBlockLine = 35;  // + N

// The lines of a file, where a position outside the file (negative included) is an empty line.
class LineReader {
public:
    explicit LineReader(const QStringList& lines) : lines_(lines) {}

    qint64 size() const { return lines_.size(); }
    QString Text(qint64 i) const {
        return i >= 0 && i < size() ? lines_[static_cast<qsizetype>(i)] : QString();
    }
    qint32 Value(qint64 i) const { return LenientToInt(Text(i)); }
    bool Flag(qint64 i) const { return Value(i) != 0; }

private:
    const QStringList& lines_;
};

// The customer fields in file order: the contact person comes right after the organisation.
constexpr std::array kCustomerFileOrder = {&TCustomerInfo::object_name,  &TCustomerInfo::org_name,
                                           &TCustomerInfo::contact_name, &TCustomerInfo::phone,
                                           &TCustomerInfo::fax,          &TCustomerInfo::email};

constexpr std::array kFeatures = {&TExtras::air_temperature, &TExtras::printer_support,
                                  &TExtras::modem_support};

}  // namespace

QStringList WriteOrderLines(const TOrder& order) {
    QStringList lines;
    const int noteCount = NoteLineCount(order.notes);
    lines << QString::number(order.number) << order.date << QString::number(noteCount) << order.notes.comment;
    for (int i = 0; i < noteCount; ++i) {
        lines << order.notes.lines[i];
    }
    for (auto field : kCustomerFileOrder) {
        lines << order.customer.*field;
    }
    for (qint32 count : order.extras.system_counts) {
        lines << QString::number(count);
    }
    for (qint32 count : order.extras.product_counts) {
        lines << QString::number(count);
    }
    for (auto feature : kFeatures) {
        lines << (order.extras.*feature ? QStringLiteral("1") : QStringLiteral("0"));
    }
    // Counts typed or read from elsewhere may add up beyond the 15 records; only records exist.
    const int systems = UsedSystemCount(order.extras);
    for (int s = 0; s < systems; ++s) {
        for (const SystemField& field : kSystemFields) {
            lines << FieldToText(order.systems[s], field);
        }
    }
    return lines;
}

void ReadOrderLines(TOrder& order, const QStringList& fileLines) {
    const LineReader line(fileLines);
    const qint64 n = line.Value(2);  // may be anything in a foreign file: positions are 64-bit

    order.number = line.Value(0);
    order.date = line.Text(1);
    ResetSystems(order, 0, kMaxSystems);
    ResetCustomer(order);
    ResetExtras(order);
    ResetNotes(order);

    order.notes.comment = line.Text(3);
    const qint64 noteCount = std::clamp<qint64>(n, 0, kMaxNoteLines);
    for (qint64 i = 0; i < noteCount; ++i) {
        order.notes.lines[i] = line.Text(kFirstNoteLine + i);
    }

    for (std::size_t i = 0; i < kCustomerFileOrder.size(); ++i) {
        order.customer.*kCustomerFileOrder[i] = line.Text(kCustomerLine + n + static_cast<qint64>(i));
    }

    // Counts and features: only the lines the file has; the rest stay 0.
    const qint64 countsStart = kCountsLine + n;
    for (int k = 0; k < kTypeCount; ++k) {
        order.extras.system_counts[k] = line.Value(countsStart + k);
    }
    for (int k = 0; k < kProductCount; ++k) {
        order.extras.product_counts[k] = line.Value(countsStart + kTypeCount + k);
    }
    for (std::size_t k = 0; k < kFeatures.size(); ++k) {
        order.extras.*kFeatures[k] = line.Flag(countsStart + 2 * kTypeCount + static_cast<qint64>(k));
    }

    // Systems: as many blocks as the file's length holds (at least one), never beyond record 14.
    qint64 block = kFirstBlockLine + n;
    for (int s = 0; s < kMaxSystems; ++s) {
        for (int f = 0; f < kSystemFieldCount; ++f) {
            FieldFromText(order.systems[s], kSystemFields[f], line.Text(block + f));
        }
        block += kSystemFieldCount;
        if (block >= line.size() - 1) {
            break;
        }
    }
}
