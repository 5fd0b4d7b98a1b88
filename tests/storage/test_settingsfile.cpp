#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "common/cp1251.h"
#include "storage/settingsfile.h"

using namespace Qt::StringLiterals;

namespace {

const QString kAlpha = u"ООО «Альфа»"_s;
const QString kBeta = u"ЗАО «Бета»"_s;

// The five lines of record i.
QStringList Record(int i, const QString& org, const QString& phone, const QString& fax, const QString& email,
                   const QString& name) {
    const QString n = QString::number(i);
    return {u"Org_Name"_s + n + u'=' + org, u"Phone"_s + n + u'=' + phone, u"Fax"_s + n + u'=' + fax,
            u"E-mail"_s + n + u'=' + email, u"Name"_s + n + u'=' + name};
}

// Two organisations, the first with two contact persons, the second with none.
QStringList Example() {
    return Record(0, kAlpha, u"(000) 111-22-33"_s, u"(000) 111-22-34"_s, QString(), QString()) +
           Record(1, kAlpha, u"(000) 111-22-33"_s, u"(000) 111-22-34"_s, QString(), u"Контакт А"_s) +
           Record(2, kAlpha, u"(000) 111-22-33"_s, u"(000) 111-22-34"_s, QString(), u"Контакт Б"_s) +
           Record(3, kBeta, u"(000) 444-55-66"_s, QString(), QString(), QString()) +
           QStringList{u"N_ORDER=17"_s};
}

// The file as the program writes it: Windows-1251, every line ended by CR LF.
QByteArray FileBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += cp1251::Encode(line) + "\r\n";
    }
    return bytes;
}

}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void deleteOrganisationLeavesTheOtherRenumbered();
    void deleteOrganisationRemovesAllItsRecords_data();
    void deleteOrganisationRemovesAllItsRecords();
    void addFirstOrganisationCreatesTheFile();
    void addOrganisationGoesBeforeTheOrderNumber();
    void changeOrganisationKeepsAnEmptiedFax();
    void keyLookup_data();
    void keyLookup();
    void listOrganisationsAndContacts();
    void findContactDetails_data();
    void findContactDetails();
    void nextOrderNumber_data();
    void nextOrderNumber();
    void storeOrderNumber_data();
    void storeOrderNumber();
    void storeOrderNumberWithoutFileCreatesNothing();
    void addContactCopiesTheOrganisationDetails();
    void addContactWithoutFileCreatesNothing();
    void deleteContactDeletesOnlyTheFirstOfEqualNames();
    void lookupsFollowEveryChange();
    void changeContactRenamesEveryEqualName();

private:
    void WriteSettings(const QStringList& lines) const;
    QByteArray SettingsBytes() const;
    TSettingsFile LoadSettings() const;
    void SaveSettings(const TSettingsFile& file) const;

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestSettingsFile::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestSettingsFile::WriteSettings(const QStringList& lines) const {
    QFile file(settings::PathIn(dir_->path()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(FileBytes(lines));
}

QByteArray TestSettingsFile::SettingsBytes() const {
    QFile file(settings::PathIn(dir_->path()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TSettingsFile TestSettingsFile::LoadSettings() const {
    const settings::Loaded loaded = settings::Load(dir_->path());
    if (!loaded.result.ok) {
        qWarning() << loaded.result.error;
    }
    return loaded.file;
}

void TestSettingsFile::SaveSettings(const TSettingsFile& file) const {
    const FileResult result = settings::Save(dir_->path(), file);
    QVERIFY2(result.ok, qPrintable(result.error));
}

void TestSettingsFile::deleteOrganisationLeavesTheOtherRenumbered() {
    WriteSettings(Example());
    TSettingsFile file = LoadSettings();
    file.DeleteOrganisation(kAlpha);
    SaveSettings(file);
    QCOMPARE(SettingsBytes(),
             "Org_Name0=\xC7\xC0\xCE \xAB\xC1\xE5\xF2\xE0\xBB\r\n"
             "Phone0=(000) 444-55-66\r\n"
             "Fax0=\r\n"
             "E-mail0=\r\n"
             "Name0=\r\n"
             "N_ORDER=17\r\n"_ba);
}

void TestSettingsFile::deleteOrganisationRemovesAllItsRecords_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("remaining");

    const QString a = u"А"_s, b = u"Б"_s, c = u"В"_s;
    QTest::newRow("three contact persons in the middle")
        << Record(0, a, u"1"_s, QString(), QString(), QString()) +
               Record(1, b, u"2"_s, QString(), QString(), QString()) +
               Record(2, b, u"2"_s, QString(), QString(), u"К1"_s) +
               Record(3, b, u"2"_s, QString(), QString(), u"К2"_s) +
               Record(4, b, u"2"_s, QString(), QString(), u"К3"_s) +
               Record(5, c, u"3"_s, u"f"_s, u"e"_s, QString()) + QStringList{u"N_ORDER=5"_s}
        << Record(0, a, u"1"_s, QString(), QString(), QString()) +
               Record(1, c, u"3"_s, u"f"_s, u"e"_s, QString()) + QStringList{u"N_ORDER=5"_s};
    QTest::newRow("records not next to each other")
        << Record(0, b, u"2"_s, QString(), QString(), QString()) +
               Record(1, a, u"1"_s, QString(), QString(), u"x"_s) +
               Record(2, b, u"2"_s, QString(), QString(), u"К1"_s) +
               Record(3, c, u"3"_s, QString(), QString(), QString()) +
               Record(4, b, u"2"_s, QString(), QString(), u"К2"_s) + QStringList{u"N_ORDER=0"_s}
        << Record(0, a, u"1"_s, QString(), QString(), u"x"_s) +
               Record(1, c, u"3"_s, QString(), QString(), QString()) + QStringList{u"N_ORDER=0"_s};
    // Values go by position: the lines of a record written in another order take the keys of
    // their positions when the records are numbered anew.
    QTest::newRow("lines out of order")
        << Record(0, b, u"2"_s, QString(), QString(), QString()) +
               QStringList{u"phone1=1"_s, u"org_name1=А"_s, u"Fax1="_s, u"E-mail1="_s, u"name1=x"_s} +
               Record(2, b, u"2"_s, QString(), QString(), QString()) + QStringList{u"N_ORDER=0"_s}
        << Record(0, u"1"_s, a, QString(), QString(), u"x"_s) + QStringList{u"N_ORDER=0"_s};
    QTest::newRow("name differing in letter case stays")
        << Record(0, u"б"_s, u"2"_s, QString(), QString(), QString()) +
               Record(1, b, u"2"_s, QString(), QString(), QString()) + QStringList{u"N_ORDER=0"_s}
        << Record(0, u"б"_s, u"2"_s, QString(), QString(), QString()) + QStringList{u"N_ORDER=0"_s};
}

void TestSettingsFile::deleteOrganisationRemovesAllItsRecords() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, remaining);
    WriteSettings(lines);
    TSettingsFile file = LoadSettings();
    file.DeleteOrganisation(u"Б"_s);
    SaveSettings(file);
    QCOMPARE(SettingsBytes(), FileBytes(remaining));
}

void TestSettingsFile::addFirstOrganisationCreatesTheFile() {
    const FileResult result =
        settings::AddOrganisation(dir_->path(), kAlpha, u"(000) 111-22-33"_s, QString(), u"a@b.ru"_s);
    QVERIFY(result.ok);
    QCOMPARE(SettingsBytes(),
             FileBytes(Record(0, kAlpha, u"(000) 111-22-33"_s, QString(), u"a@b.ru"_s, QString()) +
                       QStringList{u"N_ORDER=0"_s}));
}

void TestSettingsFile::addOrganisationGoesBeforeTheOrderNumber() {
    WriteSettings(Example());
    QVERIFY(settings::AddOrganisation(dir_->path(), kAlpha, u"1"_s, u"2"_s, u"3"_s).ok);
    QStringList expected = Example();
    expected.removeLast();
    expected += Record(4, kAlpha, u"1"_s, u"2"_s, u"3"_s, QString()) + QStringList{u"N_ORDER=17"_s};
    QCOMPARE(SettingsBytes(), FileBytes(expected));
    QCOMPARE(LoadSettings().ListOrganisations(), (QStringList{kAlpha, kBeta}));
}

void TestSettingsFile::changeOrganisationKeepsAnEmptiedFax() {
    WriteSettings(Example());
    TSettingsFile file = LoadSettings();
    file.ChangeOrganisation(kAlpha, u"ООО «Альфа-2»"_s, u"(000) 999-99-99"_s, QString(), u"mail@alfa.ru"_s);
    SaveSettings(file);

    const QString renamed = u"ООО «Альфа-2»"_s;
    QCOMPARE(SettingsBytes(),
             FileBytes(Record(0, renamed, u"(000) 999-99-99"_s, u"(000) 111-22-34"_s, u"mail@alfa.ru"_s,
                              QString()) +
                       Record(1, renamed, u"(000) 999-99-99"_s, u"(000) 111-22-34"_s, u"mail@alfa.ru"_s,
                              u"Контакт А"_s) +
                       Record(2, renamed, u"(000) 999-99-99"_s, u"(000) 111-22-34"_s, u"mail@alfa.ru"_s,
                              u"Контакт Б"_s) +
                       Record(3, kBeta, u"(000) 444-55-66"_s, QString(), QString(), QString()) +
                       QStringList{u"N_ORDER=17"_s}));
}

void TestSettingsFile::keyLookup_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("letter case of the key ignored") << Example() << u"org_name3"_s << kBeta;
    QTest::newRow("letter case in the file ignored")
        << QStringList{u"oRG_nAME0=x"_s} << u"Org_Name0"_s << u"x"_s;
    QTest::newRow("value with equals signs") << QStringList{u"E-mail0=a=b=c"_s} << u"E-mail0"_s << u"a=b=c"_s;
    QTest::newRow("first line wins") << QStringList{u"Fax0=1"_s, u"FAX0=2"_s} << u"fax0"_s << u"1"_s;
    QTest::newRow("line without equals sign")
        << QStringList{u"Name0"_s, u"Name0=y"_s} << u"Name0"_s << u"y"_s;
    QTest::newRow("missing key") << Example() << u"Name4"_s << QString();
    QTest::newRow("no prefix match") << QStringList{u"Name10=z"_s} << u"Name1"_s << QString();
}

void TestSettingsFile::keyLookup() {
    QFETCH(QStringList, lines);
    QFETCH(QString, key);
    QFETCH(QString, value);
    WriteSettings(lines);
    QCOMPARE(LoadSettings().Value(key), value);
}

void TestSettingsFile::listOrganisationsAndContacts() {
    const QString lower = u"ооо «альфа»"_s;
    WriteSettings(Example() + Record(4, QString(), u"1"_s, QString(), QString(), u"Ничей"_s) +
                  Record(5, lower, u"1"_s, QString(), QString(), QString()) +
                  Record(6, kAlpha, u"1"_s, QString(), QString(), u"Контакт А"_s) +
                  QStringList{u"N_ORDER=0"_s});
    const TSettingsFile file = LoadSettings();
    QCOMPARE(file.ListOrganisations(), (QStringList{kAlpha, kBeta, lower}));
    QCOMPARE(file.ListContacts(kAlpha), (QStringList{u"Контакт А"_s, u"Контакт Б"_s, u"Контакт А"_s}));
    QCOMPARE(file.ListContacts(kBeta), QStringList{});
    QCOMPARE(file.ListContacts(lower), QStringList{});
}

void TestSettingsFile::findContactDetails_data() {
    QTest::addColumn<QString>("org");
    QTest::addColumn<TContactDetails>("details");

    QTest::newRow("first organisation")
        << kAlpha << TContactDetails{u"(000) 111-22-33"_s, u"(000) 111-22-34"_s, {}};
    QTest::newRow("last organisation") << kBeta << TContactDetails{u"(000) 444-55-66"_s, {}, {}};
    // Never another organisation's details (record 0's), so an order never gets a stranger's phone.
    QTest::newRow("unknown organisation") << u"ООО «Гамма»"_s << TContactDetails{};
    QTest::newRow("empty name") << QString() << TContactDetails{};
    QTest::newRow("other letter case") << u"ооо «альфа»"_s << TContactDetails{};
}

void TestSettingsFile::findContactDetails() {
    QFETCH(QString, org);
    QFETCH(TContactDetails, details);
    WriteSettings(Example());
    QCOMPARE(LoadSettings().FindContactDetails(org), details);
}

void TestSettingsFile::nextOrderNumber_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<qint32>("next");

    QTest::newRow("only the order number") << true << QStringList{u"N_ORDER=5"_s} << 6;
    QTest::newRow("example") << true << Example() << 18;
    QTest::newRow("lenient value") << true << QStringList{u"n_order= 7x"_s} << 8;
    QTest::newRow("no order number line") << true << Example().mid(0, 20) << 1;
    QTest::newRow("empty file") << true << QStringList{} << 1;
    QTest::newRow("no file") << false << QStringList{} << 1;
}

void TestSettingsFile::nextOrderNumber() {
    QFETCH(bool, exists);
    QFETCH(QStringList, lines);
    QFETCH(qint32, next);
    if (exists) {
        WriteSettings(lines);
    }
    QCOMPARE(LoadSettings().NextOrderNumber(), next);
}

void TestSettingsFile::storeOrderNumber_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("stored");

    QStringList example12 = Example();
    example12.last() = u"N_ORDER=12"_s;
    QTest::newRow("leading zeros") << Example() << u"0012"_s << example12;
    QTest::newRow("not a number") << QStringList{u"N_ORDER=5"_s} << u"abc"_s << QStringList{u"N_ORDER=0"_s};
    QTest::newRow("empty") << QStringList{u"N_ORDER=5"_s} << QString() << QStringList{u"N_ORDER=0"_s};
    QTest::newRow("replaced in place") << QStringList{u"n_order=5"_s, u"Org_Name0=x"_s} << u"6"_s
                                       << QStringList{u"N_ORDER=6"_s, u"Org_Name0=x"_s};
    QTest::newRow("appended when missing")
        << Example().mid(0, 20) << u"3"_s << Example().mid(0, 20) + QStringList{u"N_ORDER=3"_s};
}

void TestSettingsFile::storeOrderNumber() {
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    QFETCH(QStringList, stored);
    WriteSettings(lines);
    QVERIFY(settings::StoreOrderNumber(dir_->path(), text).ok);
    QCOMPARE(SettingsBytes(), FileBytes(stored));
}

void TestSettingsFile::storeOrderNumberWithoutFileCreatesNothing() {
    QVERIFY(settings::StoreOrderNumber(dir_->path(), u"12"_s).ok);
    QVERIFY(!settings::Exists(dir_->path()));
}

void TestSettingsFile::addContactCopiesTheOrganisationDetails() {
    WriteSettings(Example());
    QVERIFY(settings::AddContact(dir_->path(), kBeta, u"Контакт В"_s).ok);
    QStringList expected = Example();
    expected.removeLast();
    expected += Record(4, kBeta, u"(000) 444-55-66"_s, QString(), QString(), u"Контакт В"_s) +
                QStringList{u"N_ORDER=17"_s};
    QCOMPARE(SettingsBytes(), FileBytes(expected));
}

void TestSettingsFile::addContactWithoutFileCreatesNothing() {
    QVERIFY(settings::AddContact(dir_->path(), kAlpha, u"Контакт В"_s).ok);
    QVERIFY(!settings::Exists(dir_->path()));
}

void TestSettingsFile::deleteContactDeletesOnlyTheFirstOfEqualNames() {
    WriteSettings(Record(0, kAlpha, u"1"_s, QString(), QString(), QString()) +
                  Record(1, kAlpha, u"1"_s, QString(), u"first"_s, u"Иван"_s) +
                  Record(2, kAlpha, u"1"_s, QString(), u"second"_s, u"Иван"_s) + QStringList{u"N_ORDER=3"_s});
    TSettingsFile file = LoadSettings();
    file.DeleteContact(kAlpha, u"Иван"_s);
    SaveSettings(file);
    QCOMPARE(SettingsBytes(), FileBytes(Record(0, kAlpha, u"1"_s, QString(), QString(), QString()) +
                                        Record(1, kAlpha, u"1"_s, QString(), u"second"_s, u"Иван"_s) +
                                        QStringList{u"N_ORDER=3"_s}));
}

// The customer window changes the lines it loaded several times before it loads them again.
void TestSettingsFile::lookupsFollowEveryChange() {
    TSettingsFile file(Record(0, kAlpha, u"1"_s, QString(), QString(), QString()) +
                       Record(1, kBeta, u"2"_s, u"f"_s, QString(), u"Иван"_s) +
                       QStringList{u"N_ORDER=5"_s, u"Extra=x"_s});
    file.DeleteOrganisation(kAlpha);
    QCOMPARE(file.ListOrganisations(), QStringList{kBeta});
    QCOMPARE(file.ListContacts(kBeta), QStringList{u"Иван"_s});
    QCOMPARE(file.NextOrderNumber(), 6);
    QCOMPARE(file.Value(u"extra"_s), u"x"_s);

    // The last line is held aside, whatever it is.
    file.AddOrganisation(u"Гамма"_s, u"3"_s, QString(), QString());
    QCOMPARE(file.Lines().last(), u"Extra=x"_s);
    QCOMPARE(file.ListOrganisations(), (QStringList{kBeta, u"Гамма"_s}));

    file.AddContact(u"Гамма"_s, u"Пётр"_s);
    file.ChangeOrganisation(u"Гамма"_s, u"Дельта"_s, u"4"_s, QString(), u"e"_s);
    QCOMPARE(file.FindContactDetails(u"Дельта"_s), (TContactDetails{u"4"_s, QString(), u"e"_s}));
    QCOMPARE(file.ListContacts(u"Дельта"_s), QStringList{u"Пётр"_s});

    file.ChangeContact(kBeta, u"Иван"_s, u"Иван И."_s);
    file.DeleteContact(u"Дельта"_s, u"Пётр"_s);
    QCOMPARE(file.ListContacts(kBeta), QStringList{u"Иван И."_s});
    QCOMPARE(file.ListContacts(u"Дельта"_s), QStringList{});

    file.SetOrderNumber(u"9"_s);
    QCOMPARE(file.NextOrderNumber(), 10);
    QCOMPARE(file.Value(u"N_ORDER"_s), u"9"_s);
}

void TestSettingsFile::changeContactRenamesEveryEqualName() {
    WriteSettings(Record(0, kAlpha, u"1"_s, QString(), QString(), u"Иван"_s) +
                  Record(1, kBeta, u"2"_s, QString(), QString(), u"Иван"_s) +
                  Record(2, kAlpha, u"1"_s, QString(), QString(), u"Иван"_s) + QStringList{u"N_ORDER=3"_s});
    TSettingsFile file = LoadSettings();
    file.ChangeContact(kAlpha, u"Иван"_s, u"Иван Петрович"_s);
    SaveSettings(file);
    QCOMPARE(SettingsBytes(), FileBytes(Record(0, kAlpha, u"1"_s, QString(), QString(), u"Иван Петрович"_s) +
                                        Record(1, kBeta, u"2"_s, QString(), QString(), u"Иван"_s) +
                                        Record(2, kAlpha, u"1"_s, QString(), QString(), u"Иван Петрович"_s) +
                                        QStringList{u"N_ORDER=3"_s}));
}

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
