#include <QtTest>

#include "card/drawordercard.h"
#include "recordingsurface.h"

using namespace Qt::StringLiterals;

namespace {

RecordingSurface Draw(const TOrder& order, float scaleX = 1, float scaleY = 1, float scale = 1) {
    RecordingSurface surface;
    DrawOrderCard(order, surface, scaleX, scaleY, scale);
    return surface;
}

// A heating system with one flow channel and a return pipe, as the pages store it.
TSystemParams OneChannelHeating() {
    TSystemParams s;
    s.filled = s.one_channel = s.t_2_without_d_r = true;
    s.diam_t_1 = 50;
    s.diap_1 = u"Д2   0.12  -  36"_s;
    s.max_p = u"16"_s;
    s.length_term = u"80"_s;
    s.temperature_const = true;
    return s;
}

// A closed two-channel heating system.
TSystemParams TwoChannelHeating() {
    TSystemParams s;
    s.filled = true;
    s.diam_t_1 = 80;
    s.diap_1 = u"Д3   0.32  -  96"_s;
    s.diam_t_2 = 65;
    s.diap_2 = u"Д3   0.2  -  60"_s;
    s.max_p = u"16"_s;
    s.length_term = u"100"_s;
    s.temperature_const = true;
    return s;
}

TSystemParams ColdWater() {
    TSystemParams s;
    s.filled = s.one_channel = true;
    s.diam_t_1 = 25;
    s.diap_1 = u"Д1   0.02  -   6"_s;
    s.length_term = u"60"_s;
    return s;
}

constexpr int kNoSystemsBase = 320;  // B with no systems: T = 230, plus 90

}  // namespace

class TestDrawOrderCard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithTheCardFont() {
        TOrder order;
        order.customer.contact_name = u"Иванов"_s;
        const RecordingSurface surface = Draw(order);
        QCOMPARE(surface.fonts.size(), 1);  // set once, then only resized
        QCOMPARE(surface.fonts[0].name, u"Times New Roman"_s);
        QCOMPARE(surface.fonts[0].charset, 214);
        QCOMPARE(surface.fonts[0].size, 14);
        QCOMPARE(surface.pen, QColor(Qt::black));
        QCOMPARE(surface.size, 10);  // the contact name comes last
    }

    void title_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<float>("scaleX");
        QTest::addColumn<float>("scaleY");
        QTest::addColumn<float>("scale");
        QTest::addColumn<QPoint>("label");
        QTest::addColumn<QPoint>("numberAt");  // (-1, -1): nothing after the label
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("date");
        // Widths at size 14: "Заказ №" 49, "от " 21.
        QTest::newRow("number 17") << 17 << 1.f << 1.f << 1.f << QPoint(370, 105) << QPoint(429, 105)
                                   << QPoint(520, 105) << QPoint(551, 103);
        QTest::newRow("number 0") << 0 << 1.f << 1.f << 1.f << QPoint(370, 105) << QPoint(-1, -1)
                                  << QPoint(520, 105) << QPoint(551, 103);
        // 462.5 and 131.25 are cut towards zero, never rounded.
        QTest::newRow("screen 1.25") << 17 << 1.f << 1.f << 1.25f << QPoint(462, 131) << QPoint(524, 131)
                                     << QPoint(650, 131) << QPoint(683, 128);
        QTest::newRow("printer 6 x 5") << 17 << 6.f << 5.f << 1.f << QPoint(2220, 525) << QPoint(2329, 525)
                                       << QPoint(3120, 525) << QPoint(3201, 515);
    }
    void title() {
        QFETCH(int, number);
        QFETCH(float, scaleX);
        QFETCH(float, scaleY);
        QFETCH(float, scale);
        QFETCH(QPoint, label);
        QFETCH(QPoint, numberAt);
        QFETCH(QPoint, from);
        QFETCH(QPoint, date);
        TOrder order;
        order.number = number;
        order.date = u"05.03.2024"_s;
        const RecordingSurface s = Draw(order, scaleX, scaleY, scale);

        QCOMPARE(s.At(label.x(), label.y()), u"Заказ №"_s);
        QCOMPARE(s.Find(u"Заказ №"_s)[0].size, 14);
        if (numberAt.x() < 0) {
            QCOMPARE(s.Row(label.y()), QStringList({u"Заказ №"_s, u"от __________"_s}));
        } else {
            QCOMPARE(s.At(numberAt.x(), numberAt.y()), QString::number(number));
        }
        QCOMPARE(s.At(from.x(), from.y()), u"от __________"_s);
        QCOMPARE(s.At(date.x(), date.y()), u"05.03.2024"_s);
        QCOMPARE(s.Find(u"05.03.2024"_s)[0].size, 12);
    }

    void customerBlock_data() {
        QTest::addColumn<float>("scale");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QPoint>("labelAt");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QPoint>("valueAt");
        // The value starts 5 units after the label's x plus the label's width at size 10 (5 per character).
        QTest::newRow("object") << 1.f << u"Название объекта:"_s << QPoint(50, 125) << u"Дом 1"_s
                                << QPoint(55 + 85, 125);
        QTest::newRow("organisation") << 1.f << u"Название организации:"_s << QPoint(50, 140)
                                      << u"ООО Тепло"_s << QPoint(55 + 105, 140);
        QTest::newRow("phone") << 1.f << u"Телефон:"_s << QPoint(50, 155) << u"123"_s << QPoint(55 + 40, 155);
        QTest::newRow("fax") << 1.f << u"Факс:"_s << QPoint(200, 155) << u"456"_s << QPoint(205 + 25, 155);
        QTest::newRow("e-mail") << 1.f << u"E_mail:"_s << QPoint(370, 155) << u"a@b.ru"_s
                                << QPoint(375 + 35, 155);
        // trunc(55 * 1.25 + 85) = trunc(153.75); the gap grows with the scale, the width does not.
        QTest::newRow("object at 1.25")
            << 1.25f << u"Название объекта:"_s << QPoint(62, 156) << u"Дом 1"_s << QPoint(153, 156);
    }
    void customerBlock() {
        QFETCH(float, scale);
        QFETCH(QString, label);
        QFETCH(QPoint, labelAt);
        QFETCH(QString, value);
        QFETCH(QPoint, valueAt);
        TOrder order;
        order.customer = {u"Дом 1"_s, u"ООО Тепло"_s, u"123"_s, u"456"_s, u"a@b.ru"_s, QString()};
        const RecordingSurface s = Draw(order, 1, 1, scale);
        QCOMPARE(s.At(labelAt.x(), labelAt.y()), label);
        QCOMPARE(s.Find(label)[0].size, 10);
        QCOMPARE(s.At(valueAt.x(), valueAt.y()), value);
    }

    void emptyCustomerKeepsLabelsAndInvoiceFields() {
        const RecordingSurface s = Draw(TOrder{});
        QCOMPARE(s.Row(125), QStringList{u"Название объекта:"_s});
        QCOMPARE(s.Row(155), QStringList({u"Телефон:"_s, u"Факс:"_s, u"E_mail:"_s}));
        QCOMPARE(s.At(748, 115), u"Счет №"_s);
        QCOMPARE(s.At(777, 140), u"от"_s);
        QVERIFY(s.HasLine(795, 127, 940, 127));
        QVERIFY(s.HasLine(795, 152, 940, 152));
    }

    void layout_data() {
        QTest::addColumn<QList<int>>(
            "kinds");  // per record: 0 not filled, 1 one row, 2 two rows, +10 channel
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("channels");
        QTest::newRow("no system") << QList<int>{} << 0 << 0 << 0;
        QTest::newRow("draft stops at the first unfilled record") << QList<int>{1, 2, 1, 0, 2} << 3 << 4 << 0;
        QTest::newRow("channels") << QList<int>{11, 2, 12} << 3 << 5 << 2;
        QTest::newRow("fifteen two-row systems") << QList<int>(15, 2) << 15 << 30 << 0;
    }
    void layout() {
        QFETCH(QList<int>, kinds);
        QFETCH(int, shown);
        QFETCH(int, rows);
        QFETCH(int, channels);
        TOrder order;
        for (int i = 0; i < kinds.size(); ++i) {
            TSystemParams& s = order.systems[static_cast<size_t>(i)];
            s.filled = kinds[i] % 10 != 0;
            s.one_channel = kinds[i] % 10 == 1;
            s.dop_channel = kinds[i] >= 10;
        }
        const CardLayout layout = MeasureCard(order);
        QCOMPARE(layout.shown, shown);
        QCOMPARE(layout.rows, rows);
        QCOMPARE(layout.tableBottom, 230 + 20 * rows);
        QCOMPARE(layout.channelRows, channels);
        QCOMPARE(layout.lowerBase, 230 + 20 * rows + 90 + 20 * channels);
        // The lower block follows B whether or not the channel table is drawn.
        const RecordingSurface s = Draw(order);
        QCOMPARE(s.At(50, layout.lowerBase + 10), u"Дополнительные возможности:"_s);
        QCOMPARE(s.Find(u"Дополнительный канал расхода"_s).size(), channels > 0 ? 1 : 0);
    }

    void systemsHeader() {
        const RecordingSurface s = Draw(TOrder{});
        QCOMPARE(s.At(65, 198), u"Тип системы учета тепла"_s);
        QCOMPARE(s.At(481, 210), u"Р(max)"_s);
        QCOMPARE(s.Find(u"холодная вода"_s)[0].size, 7);
        QCOMPARE(s.Find(u"длина"_s)[0].size, 7);
        QCOMPARE(s.Find(u"расхода"_s)[0].size, 8);
        QVERIFY(s.HasLine(20, 180, 940, 180));
        QVERIFY(s.HasLine(720, 215, 870, 215));
        QVERIFY(s.HasLine(20, 230, 940, 230));
    }

    void oneRowSystem() {
        TOrder order;
        order.extras.system_counts[0] = 1;
        order.systems[0] = OneChannelHeating();
        order.systems[0].is_p = order.systems[0].d_p_on_1 = order.systems[0].d_p_on_2 = true;
        const RecordingSurface s = Draw(order);
        QCOMPARE(s.At(25, 235), u"1"_s);
        QCOMPARE(s.At(45, 235), u"Отопление однок."_s);
        QCOMPARE(s.At(235, 235), u"э/м"_s);
        QCOMPARE(s.At(285, 235), u"50"_s);
        QCOMPARE(s.At(335, 235), u"Д2   0.12  -  36"_s);
        QCOMPARE(s.At(490, 235), u"16"_s);
        QCOMPARE(s.At(520, 235), u"Да"_s);
        QCOMPARE(s.At(528, 235), u",Да"_s);  // right after "Да" (8 pixels at size 8)
        QCOMPARE(s.At(680, 235), u"80"_s);
        QCOMPARE(s.Find(u"1"_s)[0].size, 8);
        for (int x : {20, 40, 220, 270, 320, 420, 475, 516, 566, 670, 720, 770, 820, 870, 940}) {
            QVERIFY2(s.HasLine(x, 230, x, 250), qPrintable(QString::number(x)));
        }
        QVERIFY(s.HasLine(270, 250, 870, 250));
        QVERIFY(s.HasLine(20, 250, 270, 250));
        QVERIFY(s.HasLine(870, 250, 940, 250));
        QCOMPARE(s.Row(255), QStringList{});  // nothing below the one row
    }

    void returnPipeMark_data() {
        QTest::addColumn<bool>("oneChannel");
        QTest::addColumn<bool>("supplySensor");
        QTest::addColumn<bool>("returnSensor");
        QTest::addColumn<float>("scale");
        QTest::addColumn<int>("yesX");    // -1: no "Да"
        QTest::addColumn<int>("commaX");  // -1: no ",Да"
        QTest::newRow("both pipes") << true << true << true << 1.f << 520 << 528;
        QTest::newRow("return pipe only keeps its place") << true << false << true << 1.f << -1 << 528;
        QTest::newRow("supply pipe only") << true << true << false << 1.f << 520 << -1;
        QTest::newRow("both at 1.25") << true << true << true << 1.25f << 650 << 658;
        QTest::newRow("two-channel: a mark per row") << false << true << true << 1.f << 520 << -1;
    }
    void returnPipeMark() {
        QFETCH(bool, oneChannel);
        QFETCH(bool, supplySensor);
        QFETCH(bool, returnSensor);
        QFETCH(float, scale);
        QFETCH(int, yesX);
        QFETCH(int, commaX);
        TOrder order;
        order.systems[0] = oneChannel ? OneChannelHeating() : TwoChannelHeating();
        order.systems[0].is_p = true;
        order.systems[0].d_p_on_1 = supplySensor;
        order.systems[0].d_p_on_2 = returnSensor;
        const RecordingSurface s = Draw(order, 1, 1, scale);
        const int lowerY = static_cast<int>((oneChannel ? 235 : 255) * scale);
        QCOMPARE(s.At(yesX, lowerY), yesX < 0 ? QString() : u"Да"_s);
        QCOMPARE(s.Find(u",Да"_s).size(), commaX < 0 ? 0 : 1);
        if (commaX >= 0) {
            QCOMPARE(s.At(commaX, lowerY), u",Да"_s);
        }
        if (!oneChannel) {
            QCOMPARE(s.At(520, 235), u"Да"_s);  // the return pipe's own row
        }
    }

    void twoRowSystem() {
        TOrder order;
        order.extras.system_counts[2] = 1;  // open heating: uses the cold-water temperature
        TSystemParams system = TwoChannelHeating();
        system.t_cold_used = true;
        system.temperature_const = false;
        system.length_term_cold = u"60"_s;
        system.diap_2 = u"другой"_s;
        system.another_diap_2 = true;
        system.another_diap_min_2 = u"0.5"_s;
        system.another_diap_max_2 = u"90"_s;
        system.is_p = system.d_p_on_1 = system.d_p_on_2 = true;
        system.dop_channel = true;
        order.systems[0] = system;
        const RecordingSurface s = Draw(order);

        // Upper row: the return pipe.
        QCOMPARE(s.Row(235), QStringList({u"65"_s, u"0.5"_s, u"-"_s, u"90"_s, u"16"_s, u"Да"_s, u"100"_s,
                                          u"Да"_s, u"60"_s}));
        QCOMPARE(s.At(285, 235), u"65"_s);
        QCOMPARE(s.At(368, 235), u"-"_s);
        QCOMPARE(s.At(390, 235), u"90"_s);
        QCOMPARE(s.At(780, 235), u"Да"_s);
        QCOMPARE(s.At(830, 235), u"60"_s);
        // Lower row: number, type, sensor kind, the supply pipe and the channel mark.
        QCOMPARE(s.At(25, 255), u"1"_s);
        QCOMPARE(s.At(45, 255), u"Отопление двухк. откр."_s);
        QCOMPARE(s.At(235, 255), u"э/м"_s);
        QCOMPARE(s.At(285, 255), u"80"_s);
        QCOMPARE(s.At(335, 255), u"Д3   0.32  -  96"_s);
        QCOMPARE(s.At(520, 255), u"Да"_s);
        QCOMPARE(s.At(780, 255), u"Да"_s);
        QCOMPARE(s.At(890, 255), u"Да"_s);
        QVERIFY(s.Find(u",Да"_s).isEmpty());
        // The number, type, sensor and channel cells span both rows.
        QVERIFY(s.HasLine(270, 250, 870, 250));
        QVERIFY(!s.HasLine(20, 250, 270, 250));
        QVERIFY(!s.HasLine(870, 250, 940, 250));
        QVERIFY(s.HasLine(20, 270, 270, 270));
        QVERIFY(s.HasLine(870, 270, 940, 270));
    }

    void impulseRowsAndSignalRanges() {
        TOrder order;
        TSystemParams system = TwoChannelHeating();
        system.impulse_dr = system.litr_impulse_1_on = system.litr_impulse_2_on = true;
        system.diam_t_1 = system.diam_t_2 = 0;
        system.diap_1.clear();
        system.diap_2.clear();
        system.litr_impulse_1 = u"10"_s;
        system.litr_impulse_2 = u"25"_s;
        system.is_p = system.d_p_own = true;
        system.d_p_diap = 3;
        order.systems[0] = system;
        TSystemParams unknownRange = system;
        unknownRange.d_p_diap = 7;
        order.systems[1] = unknownRange;
        TSystemParams noDiameter = ColdWater();
        noDiameter.diam_t_1 = 0;
        order.systems[2] = noDiameter;
        const RecordingSurface s = Draw(order);

        QCOMPARE(s.At(430, 255), u"10"_s);
        QCOMPARE(s.At(430, 235), u"25"_s);
        QCOMPARE(s.At(235, 255), u"имп."_s);
        for (int y : {235, 255}) {
            QCOMPARE(s.At(285, y), QString());
            QCOMPARE(s.At(335, y), QString());
            QCOMPARE(s.At(610, y), u"0-20"_s);
            QCOMPARE(s.At(610, y + 40), QString());  // code 7 names no range
        }
        QCOMPARE(s.At(285, 315), u"0"_s);  // an electromagnetic system without a diameter
    }

    void typeWalk_data() {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QStringList>("names");
        QList<int> counts(kTypeCount, 0);
        counts[0] = 2;
        counts[10] = 1;
        QTest::newRow("2 o1c + 1 cw")
            << counts << 3 << QStringList{u"Отопление однок."_s, u"Отопление однок."_s, u"Холодная вода"_s};
        QTest::newRow("counts short of the shown systems")
            << counts << 5
            << QStringList{u"Отопление однок."_s, u"Отопление однок."_s, u"Холодная вода"_s,
                           u"Холодная вода"_s, u"Холодная вода"_s};
        QTest::newRow("all counts 0") << QList<int>(kTypeCount, 0) << 2 << QStringList{QString(), QString()};
    }
    void typeWalk() {
        QFETCH(QList<int>, counts);
        QFETCH(int, shown);
        QFETCH(QStringList, names);
        TOrder order;
        for (int k = 0; k < kTypeCount; ++k) {
            order.extras.system_counts[static_cast<size_t>(k)] = counts[k];
        }
        for (int i = 0; i < shown; ++i) {
            order.systems[static_cast<size_t>(i)] = ColdWater();
        }
        const RecordingSurface s = Draw(order);
        for (int i = 0; i < shown; ++i) {
            QCOMPARE(s.At(45, 235 + 20 * i), names[i]);
        }
    }

    void channelTable() {
        TOrder order;
        order.systems[0] = OneChannelHeating();
        order.systems[1] = OneChannelHeating();
        order.systems[2] = ColdWater();
        order.systems[2].dop_channel = true;
        order.systems[2].kind_dop_channel = 2;
        order.systems[2].diam_t_dop = 25;
        order.systems[2].another_diap_dop = true;
        order.systems[2].another_diap_min_dop = u"1"_s;
        order.systems[2].another_diap_max_dop = u"9"_s;
        order.systems[3] = OneChannelHeating();
        order.systems[3].dop_channel = true;
        order.systems[3].kind_dop_channel = 1;
        order.systems[3].impulse_d_r_dop = true;
        order.systems[3].litr_impulse_dop = 100;
        order.systems[3].mass = true;
        order.systems[3].length_term_dop = u"60"_s;
        order.systems[4] = ColdWater();
        order.systems[4].dop_channel = true;
        order.systems[4].kind_dop_channel = 4;  // no such kind
        order.systems[4].diam_t_dop = 15;
        order.systems[4].diap_p_dop = u"Д0   0.01  -   3"_s;
        const RecordingSurface s = Draw(order);
        const int t = 330;  // five one-row systems

        QCOMPARE(s.At(270, t + 25), u"Дополнительный канал расхода"_s);
        QCOMPARE(s.At(22, t + 60), u"системы"_s);
        QVERIFY(s.HasLine(20, t + 20, 670, t + 20));
        QVERIFY(s.HasLine(70, t + 40, 70, t + 90));
        // The first row belongs to the third system and says so; own range, volume.
        QCOMPARE(s.Row(t + 95),
                 QStringList({u"3"_s, u"ГВС"_s, u"э/м"_s, u"25"_s, u"1"_s, u"-"_s, u"9"_s, u"Да"_s}));
        QCOMPARE(s.At(25, t + 95), u"3"_s);
        QCOMPARE(s.At(175, t + 95), u"25"_s);
        QCOMPARE(s.At(268, t + 95), u"-"_s);
        QCOMPARE(s.At(290, t + 95), u"9"_s);
        QCOMPARE(s.At(430, t + 95), u"Да"_s);
        // Impulse meter counting mass.
        QCOMPARE(s.Row(t + 115), QStringList({u"4"_s, u"Подпитка"_s, u"имп."_s, u"100"_s, u"Да"_s, u"60"_s}));
        QCOMPARE(s.At(335, t + 115), u"100"_s);
        QCOMPARE(s.At(480, t + 115), u"Да"_s);
        QCOMPARE(s.At(590, t + 115), u"60"_s);
        // An unknown kind draws no kind; a catalogue range.
        QCOMPARE(s.At(73, t + 135), QString());
        QCOMPARE(s.At(235, t + 135), u"Д0   0.01  -   3"_s);
        for (int x : {20, 70, 120, 170, 220, 320, 420, 470, 520, 670}) {
            QVERIFY(s.HasLine(x, t + 110, x, t + 130));
        }
        QVERIFY(s.HasLine(20, t + 130, 670, t + 130));
        // B = T + 90 + 20 * 3.
        QCOMPARE(s.At(50, t + 160), u"Дополнительные возможности:"_s);
    }

    void products_data() {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QStringList>("rows");  // "name|count", one per listed product
        QList<int> cable(kProductCount, 0);
        cable[6] = 25;
        QTest::newRow("only the cable") << cable << QStringList{u"Кабель КПВ 3 х 0,5+(2 х 0,35)Э.|25"_s};
        QList<int> mixed(kProductCount, 0);
        mixed[0] = -3;
        mixed[10] = 2;
        QTest::newRow("negative count, last product")
            << mixed << QStringList{u"Переносной архиватор «КВАРЕЛ-АРХИВ»|-3"_s, u"Epson LX-300+|2"_s};
        QTest::newRow("none") << QList<int>(kProductCount, 0) << QStringList{};
    }
    void products() {
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, rows);
        TOrder order;
        for (int p = 0; p < kProductCount; ++p) {
            order.extras.product_counts[static_cast<size_t>(p)] = counts[p];
        }
        const RecordingSurface s = Draw(order);
        const int t = 230;
        QCOMPARE(s.Find(u"Дополнительно включить в поставку."_s).size(), rows.isEmpty() ? 0 : 1);
        if (rows.isEmpty()) {
            QVERIFY(!s.HasLine(720, t + 20, 1020, t + 20));
            return;
        }
        QCOMPARE(s.At(790, t + 22), u"Дополнительно включить в поставку."_s);
        QCOMPARE(s.At(974, t + 42), u"кол-во"_s);
        QVERIFY(s.HasLine(970, t + 40, 970, t + 60));
        for (int m = 1; m <= rows.size(); ++m) {
            const QStringList row = rows[m - 1].split(u'|');
            QCOMPARE(s.At(722, t + 41 + 20 * m), row[0]);
            QCOMPARE(s.At(972, t + 41 + 20 * m), row[1]);
            QVERIFY(s.HasLine(720, t + 60 + 20 * m, 1020, t + 60 + 20 * m));
            QVERIFY(s.HasLine(970, t + 40 + 20 * m, 970, t + 60 + 20 * m));
        }
        QCOMPARE(s.Row(t + 41 + 20 * (rows.size() + 1)).size(), 0);  // no empty rows for the others
    }

    void features_data() {
        QTest::addColumn<bool>("air");
        QTest::addColumn<bool>("printer");
        QTest::addColumn<bool>("modem");
        QTest::addColumn<QString>("value");
        QTest::newRow("none") << false << false << false << QString();
        QTest::newRow("printer") << false << true << false << u"Поддержка принтера, "_s;
        QTest::newRow("all") << true << true << true
                             << u"Измерение температуры воздуха, Поддержка принтера, Поддержка модема"_s;
    }
    void features() {
        QFETCH(bool, air);
        QFETCH(bool, printer);
        QFETCH(bool, modem);
        QFETCH(QString, value);
        TOrder order;
        order.extras.air_temperature = air;
        order.extras.printer_support = printer;
        order.extras.modem_support = modem;
        const RecordingSurface s = Draw(order);
        const int y = kNoSystemsBase + 10;
        QCOMPARE(s.At(50, y), u"Дополнительные возможности:"_s);
        QCOMPARE(s.At(55 + 108, y), value);  // the label is 27 characters at size 8
        QCOMPARE(s.Row(y).size(), value.isEmpty() ? 1 : 2);
    }

    void notes_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("drawn");
        QTest::addColumn<int>("contactY");  // relative to B
        QTest::newRow("none") << QStringList{} << QStringList{} << 70;
        QTest::newRow("a, empty, b") << QStringList{u"a"_s, QString(), u"b"_s} << QStringList{u"a"_s} << 70;
        QTest::newRow("three") << QStringList{u"a"_s, u"b"_s, u"c"_s} << QStringList{u"a"_s, u"b"_s, u"c"_s}
                               << 100;
        QTest::newRow("ten") << QStringList(10, u"n"_s) << QStringList(10, u"n"_s) << 70 + 15 * 9;
    }
    void notes() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, drawn);
        QFETCH(int, contactY);
        TOrder order;
        for (int j = 0; j < lines.size(); ++j) {
            order.notes.lines[static_cast<size_t>(j)] = lines[j];
        }
        const RecordingSurface s = Draw(order);
        const int b = kNoSystemsBase;
        QCOMPARE(s.At(50, b + 30), u"Примечания:"_s);
        for (int j = 0; j < drawn.size(); ++j) {
            QCOMPARE(s.At(50, b + 45 + 15 * j), drawn[j]);
        }
        QCOMPARE(s.At(50, b + 45 + 15 * static_cast<int>(drawn.size())), QString());
        QVERIFY(s.Find(u"b"_s).size() == drawn.count(u"b"_s));
        QCOMPARE(s.At(50, b + contactY), u"Контактное лицо:"_s);
    }

    void contactAndSignature_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<float>("scale");
        QTest::addColumn<QPoint>("nameAt");
        // "Иванов И." is 45 pixels wide at size 10: 45 div 2 = 22, so 402 - 22.
        QTest::newRow("centred on 402") << u"Иванов И."_s << 1.f << QPoint(380, kNoSystemsBase + 68);
        // trunc(502.5 - 22) = 480; y = trunc(388 * 1.25) = 485.
        QTest::newRow("at 1.25") << u"Иванов И."_s << 1.25f << QPoint(480, 485);
        QTest::newRow("empty") << QString() << 1.f << QPoint(-1, -1);
    }
    void contactAndSignature() {
        QFETCH(QString, name);
        QFETCH(float, scale);
        QFETCH(QPoint, nameAt);
        TOrder order;
        order.customer.contact_name = name;
        const RecordingSurface s = Draw(order, 1, 1, scale);
        if (nameAt.x() < 0) {
            QCOMPARE(s.Row(kNoSystemsBase + 68), QStringList{});
        } else {
            QCOMPARE(s.At(nameAt.x(), nameAt.y()), name);
            QCOMPARE(s.Find(name)[0].size, 10);
        }
        if (scale == 1.f) {
            const int b = kNoSystemsBase;
            QCOMPARE(s.At(170, b + 87), u"подпись"_s);
            QCOMPARE(s.At(390, b + 87), u"ФИО"_s);
            QCOMPARE(s.Find(u"ФИО"_s)[0].size, 8);
            QVERIFY(s.HasLine(140, b + 85, 245, b + 85));
            QVERIFY(s.HasLine(300, b + 85, 505, b + 85));
        }
    }
};

QTEST_APPLESS_MAIN(TestDrawOrderCard)
#include "test_drawordercard.moc"
