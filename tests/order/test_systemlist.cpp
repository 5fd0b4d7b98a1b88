#include <QTest>

#include "order/order.h"
#include "ordersamples.h"

namespace {

// Every record filled and different, so that any move shows.
TOrder FullList() {
    TOrder order;
    for (int s = 0; s < kMaxSystems; ++s) {
        order.systems[s] = SampleSystem(s + 1);
    }
    return order;
}

}  // namespace

class TestSystemList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void resetSystems_data();
    void resetSystems();
    void insertSystem_data();
    void insertSystem();
    void removeSystem_data();
    void removeSystem();
};

void TestSystemList::resetSystems_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("end");

    QTest::newRow("all") << 0 << kMaxSystems;
    QTest::newRow("one") << 4 << 5;
    QTest::newRow("empty range") << 3 << 3;
}

void TestSystemList::resetSystems() {
    QFETCH(int, first);
    QFETCH(int, end);
    const TOrder before = FullList();
    TOrder order = before;
    ResetSystems(order, first, end);
    for (int s = 0; s < kMaxSystems; ++s) {
        const bool reset = s >= first && s < end;
        QCOMPARE(order.systems[s], reset ? TSystemParams{} : before.systems[s]);
    }
}

void TestSystemList::insertSystem_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("total");

    QTest::newRow("into an empty list") << 0 << 0;
    QTest::newRow("in the middle") << 3 << 7;
    QTest::newRow("at the end") << 7 << 7;
    QTest::newRow("first of 14") << 0 << 14;
    QTest::newRow("last of 14") << 14 << 14;
}

void TestSystemList::insertSystem() {
    QFETCH(int, position);
    QFETCH(int, total);
    const TOrder before = FullList();
    TOrder order = before;
    InsertSystem(order, position, total);
    for (int s = 0; s < kMaxSystems; ++s) {
        if (s < position || s > total) {
            QCOMPARE(order.systems[s], before.systems[s]);
        } else if (s == position) {
            QCOMPARE(order.systems[s], TSystemParams{});
        } else {
            QCOMPARE(order.systems[s], before.systems[s - 1]);
        }
    }
}

void TestSystemList::removeSystem_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("total");

    QTest::newRow("first of 15") << 0 << 15;
    QTest::newRow("middle of 15") << 6 << 15;
    QTest::newRow("last of 15") << 14 << 15;
    QTest::newRow("middle of 7") << 3 << 7;
    QTest::newRow("the only one") << 0 << 1;
}

void TestSystemList::removeSystem() {
    QFETCH(int, position);
    QFETCH(int, total);
    const TOrder before = FullList();
    TOrder order = before;
    RemoveSystem(order, position, total);
    for (int s = 0; s < kMaxSystems; ++s) {
        if (s < position || s >= total) {
            QCOMPARE(order.systems[s], before.systems[s]);
        } else if (s == total - 1) {
            QCOMPARE(order.systems[s], TSystemParams{});
        } else {
            QCOMPARE(order.systems[s], before.systems[s + 1]);
        }
    }
}

QTEST_APPLESS_MAIN(TestSystemList)
#include "test_systemlist.moc"
