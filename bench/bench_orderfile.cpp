// Writing and reading the lines of a full order: fifteen systems, ten note lines.
#include <benchmark/benchmark.h>

#include "order/orderfile.h"
#include "order/systemfields.h"

namespace {

TOrder FullOrder() {
    TOrder order;
    order.number = 1234;
    order.date = QStringLiteral("01.02.2024");
    order.customer = {QStringLiteral("Объект"),          QStringLiteral("ООО «Альфа»"),
                      QStringLiteral("(000) 111-22-33"), QStringLiteral("(000) 111-22-34"),
                      QStringLiteral("info@example.ru"), QStringLiteral("Контакт А")};
    order.extras.system_counts = {2, 2, 1, 1, 2, 1, 1, 1, 1, 1, 2};
    order.notes.comment = QStringLiteral("срочно");
    for (QString& line : order.notes.lines) {
        line = QStringLiteral("Примечание к заказу");
    }
    for (TSystemParams& record : order.systems) {
        for (const SystemField& field : kSystemFields) {
            switch (field.kind) {
                case FieldKind::Flag:
                    record.*field.flag = true;
                    break;
                case FieldKind::Integer:
                    record.*field.integer = 100;
                    break;
                case FieldKind::Text:
                    record.*field.text = QStringLiteral("Д1   0.02  -   6").left(field.capacity);
                    break;
            }
        }
    }
    return order;
}

void BM_WriteOrderLines(benchmark::State& state) {
    const TOrder order = FullOrder();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteOrderLines(order));
    }
}
BENCHMARK(BM_WriteOrderLines)->Unit(benchmark::kMicrosecond);

void BM_ReadOrderLines(benchmark::State& state) {
    const QStringList lines = WriteOrderLines(FullOrder());
    TOrder order;
    for (auto _ : state) {
        ReadOrderLines(order, lines);
        benchmark::DoNotOptimize(order);
    }
}
BENCHMARK(BM_ReadOrderLines)->Unit(benchmark::kMicrosecond);

}  // namespace
