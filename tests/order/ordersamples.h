#pragma once

#include <QtTest/qtestcase.h>
#include <QString>
#include <QStringList>

#include "order/order.h"
#include "order/systemfields.h"

// A system record in which every field differs from the reset state and from the same field of
// records made with another seed, with texts that fit their fields.
inline TSystemParams SampleSystem(int seed) {
    TSystemParams record;
    for (int f = 0; f < kSystemFieldCount; ++f) {
        const SystemField& field = kSystemFields[f];
        switch (field.kind) {
            case FieldKind::Flag:
                record.*field.flag = true;
                break;
            case FieldKind::Integer:
                record.*field.integer = seed * 100 + f;
                break;
            case FieldKind::Text:
                record.*field.text =
                    (QStringLiteral("Д") + QString::number(seed * 100 + f)).left(field.capacity);
                break;
        }
    }
    return record;
}

// An order with every part filled: customer, counts adding up to `systems`, products, features,
// a comment and `notes` note lines.
inline TOrder SampleOrder(int systems, int notes) {
    TOrder order;
    order.number = 42;
    order.date = QStringLiteral("01.02.2024");
    order.customer = {QStringLiteral("Объект, ул. Ленина 1"), QStringLiteral("ООО «Альфа»"),
                      QStringLiteral("(000) 111-22-33"),      QStringLiteral("(000) 111-22-34"),
                      QStringLiteral("a=b@example.ru"),       QStringLiteral("Контакт А")};
    order.extras.system_counts[0] = systems;
    for (int k = 0; k < kProductCount; ++k) {
        order.extras.product_counts[k] = k + 1;
    }
    order.extras.air_temperature = true;
    order.extras.modem_support = true;
    order.notes.comment = QStringLiteral("срочно");
    for (int i = 0; i < notes; ++i) {
        order.notes.lines[i] = QStringLiteral("Примечание %1").arg(i + 1);
    }
    for (int s = 0; s < systems; ++s) {
        order.systems[s] = SampleSystem(s + 1);
    }
    return order;
}

// Failure messages name every field of a record.
inline char* toString(const TSystemParams& record) {
    QStringList fields;
    for (const SystemField& field : kSystemFields) {
        fields << QString::fromLatin1(field.name) + u'=' + FieldToText(record, field);
    }
    return QTest::toString(fields.join(u' '));
}
