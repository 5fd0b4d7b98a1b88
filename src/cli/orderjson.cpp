#include "cli/orderjson.h"

#include <QJsonArray>

#include "order/systemfields.h"
#include "order/systemtypes.h"

using namespace Qt::StringLiterals;

namespace {

template <size_t N>
QJsonArray Numbers(const std::array<qint32, N>& values) {
    QJsonArray array;
    for (qint32 value : values) {
        array.append(value);
    }
    return array;
}

QJsonObject SystemToJson(const TSystemParams& system, int type) {
    QJsonObject object;
    object.insert(u"type"_s, type >= 0
                                 ? QJsonValue(QLatin1StringView(kSystemTypes[static_cast<size_t>(type)].code))
                                 : QJsonValue(QJsonValue::Null));
    for (const SystemField& field : kSystemFields) {
        const QLatin1StringView name(field.name);
        switch (field.kind) {
            case FieldKind::Flag:
                object.insert(name, system.*field.flag);
                break;
            case FieldKind::Integer:
                object.insert(name, system.*field.integer);
                break;
            case FieldKind::Text:
                object.insert(name, system.*field.text);
                break;
        }
    }
    return object;
}

}  // namespace

QJsonObject OrderToJson(const TOrder& order) {
    const TCustomerInfo& customer = order.customer;
    const QJsonObject customerObject{
        {u"object_name"_s, customer.object_name},
        {u"org_name"_s, customer.org_name},
        {u"phone"_s, customer.phone},
        {u"fax"_s, customer.fax},
        {u"email"_s, customer.email},
        {u"contact_name"_s, customer.contact_name},
    };

    QJsonArray lines;
    for (int j = 0; j < NoteLineCount(order.notes); ++j) {
        lines.append(order.notes.lines[static_cast<size_t>(j)]);
    }
    const QJsonObject notes{{u"comment"_s, order.notes.comment}, {u"lines"_s, lines}};

    const TExtras& extras = order.extras;
    const QJsonObject extrasObject{
        {u"system_counts"_s, Numbers(extras.system_counts)},
        {u"product_counts"_s, Numbers(extras.product_counts)},
        {u"air_temperature"_s, extras.air_temperature},
        {u"printer_support"_s, extras.printer_support},
        {u"modem_support"_s, extras.modem_support},
    };

    // Types follow from the positions and the counts, found the way the order card finds them.
    QJsonArray systems;
    TypeWalk walk(extras.system_counts);
    for (int i = 0; i < UsedSystemCount(extras); ++i) {
        systems.append(SystemToJson(order.systems[static_cast<size_t>(i)], walk.Next()));
    }

    return QJsonObject{
        {u"number"_s, order.number}, {u"date"_s, order.date},     {u"customer"_s, customerObject},
        {u"notes"_s, notes},         {u"extras"_s, extrasObject}, {u"systems"_s, systems},
    };
}
