#include "order/systemfields.h"

#include "common/decimal.h"

namespace {

constexpr SystemField Flag(const char* name, bool TSystemParams::*member) {
    return {name, FieldKind::Flag, member, nullptr, nullptr, 0};
}
constexpr SystemField Integer(const char* name, qint32 TSystemParams::*member) {
    return {name, FieldKind::Integer, nullptr, member, nullptr, 0};
}
constexpr SystemField Text(const char* name, QString TSystemParams::*member, int capacity) {
    return {name, FieldKind::Text, nullptr, nullptr, member, capacity};
}

}  // namespace

const std::array<SystemField, kSystemFieldCount> kSystemFields = {{
    Flag("filled", &TSystemParams::filled),
    Flag("one_channel", &TSystemParams::one_channel),
    Flag("t_cold_used", &TSystemParams::t_cold_used),
    Flag("t_2_without_d_r", &TSystemParams::t_2_without_d_r),
    Flag("impulse_dr", &TSystemParams::impulse_dr),
    Flag("litr_impulse_1_on", &TSystemParams::litr_impulse_1_on),
    Flag("litr_impulse_2_on", &TSystemParams::litr_impulse_2_on),
    Text("litr_impulse_1", &TSystemParams::litr_impulse_1, kImpulseTextCapacity),
    Text("litr_impulse_2", &TSystemParams::litr_impulse_2, kImpulseTextCapacity),
    Integer("diam_t_1", &TSystemParams::diam_t_1),
    Integer("diam_t_2", &TSystemParams::diam_t_2),
    Text("diap_1", &TSystemParams::diap_1, kRangeTextCapacity),
    Text("diap_2", &TSystemParams::diap_2, kRangeTextCapacity),
    Flag("another_diap_1", &TSystemParams::another_diap_1),
    Flag("another_diap_2", &TSystemParams::another_diap_2),
    Text("another_diap_min_1", &TSystemParams::another_diap_min_1, kShortTextCapacity),
    Text("another_diap_max_1", &TSystemParams::another_diap_max_1, kShortTextCapacity),
    Text("another_diap_min_2", &TSystemParams::another_diap_min_2, kShortTextCapacity),
    Text("another_diap_max_2", &TSystemParams::another_diap_max_2, kShortTextCapacity),
    Flag("is_p", &TSystemParams::is_p),
    Text("max_p", &TSystemParams::max_p, kShortTextCapacity),
    Flag("d_p_on_1", &TSystemParams::d_p_on_1),
    Flag("d_p_on_2", &TSystemParams::d_p_on_2),
    Flag("d_p_own", &TSystemParams::d_p_own),
    Integer("d_p_diap", &TSystemParams::d_p_diap),
    Text("length_term", &TSystemParams::length_term, kShortTextCapacity),
    Flag("temperature_const", &TSystemParams::temperature_const),
    Text("length_term_cold", &TSystemParams::length_term_cold, kShortTextCapacity),
    Flag("dop_channel", &TSystemParams::dop_channel),
    Integer("kind_dop_channel", &TSystemParams::kind_dop_channel),
    Flag("mass", &TSystemParams::mass),
    Text("length_term_dop", &TSystemParams::length_term_dop, kShortTextCapacity),
    Flag("impulse_d_r_dop", &TSystemParams::impulse_d_r_dop),
    Integer("litr_impulse_dop", &TSystemParams::litr_impulse_dop),
    Integer("diam_t_dop", &TSystemParams::diam_t_dop),
    Text("diap_p_dop", &TSystemParams::diap_p_dop, kRangeTextCapacity),
    Flag("another_diap_dop", &TSystemParams::another_diap_dop),
    Text("another_diap_min_dop", &TSystemParams::another_diap_min_dop, kShortTextCapacity),
    Text("another_diap_max_dop", &TSystemParams::another_diap_max_dop, kShortTextCapacity),
}};

QString FieldToText(const TSystemParams& record, const SystemField& field) {
    switch (field.kind) {
        case FieldKind::Flag:
            return record.*field.flag ? QStringLiteral("1") : QStringLiteral("0");
        case FieldKind::Integer:
            return QString::number(record.*field.integer);
        case FieldKind::Text:
            return record.*field.text;
    }
    return {};
}

void FieldFromText(TSystemParams& record, const SystemField& field, const QString& line) {
    switch (field.kind) {
        case FieldKind::Flag:
            record.*field.flag = LenientToInt(line) != 0;
            break;
        case FieldKind::Integer:
            record.*field.integer = LenientToInt(line);
            break;
        case FieldKind::Text:
            record.*field.text = FitText(line, field.capacity);
            break;
    }
}

QString FitText(const QString& text, int capacity) {
    return text.size() > capacity ? text.left(capacity) : text;
}
