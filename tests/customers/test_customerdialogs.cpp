#include <QFile>
#include <QTest>

#include "common/cp1251validator.h"
#include "customerharness.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kAlpha = u"ООО «Альфа»"_s;
const QString kBeta = u"ЗАО «Бета»"_s;
const QString kPhone = u"(000) 111-22-33"_s;
const QString kFax = u"(000) 111-22-34"_s;
const QString kEmail = u"alpha@example.ru"_s;
const QString kClosing = u"N_ORDER=3"_s;

// An organisation with its own record and one contact person, and a second organisation.
QStringList AlphaWithContact() {
    return CustomerHarness::Record(0, kAlpha, kPhone, kFax, kEmail, {}) +
           CustomerHarness::Record(1, kAlpha, kPhone, kFax, kEmail, u"Контакт А"_s) +
           CustomerHarness::Record(2, kBeta, u"(000) 444-55-66"_s, {}, {}, {}) + QStringList{kClosing};
}

// The state of an open dialog as the user sees it.
struct Seen {
    QStringList texts;  // the edits, in the dialog's order
    QString button;     // caption of the confirming button
    bool buttonEnabled = false;
    bool cancelEnabled = false;
    bool stillOpen = false;
};

}  // namespace

class TestCustomerDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void organisationButtonNeedsNameAndPhone_data();
    void organisationButtonNeedsNameAndPhone();
    void changeDialogsShowStoredValuesUntilEdited();
    void changedOrganisationKeepsEmptiedFaxAndEmail();
    void newContactGetsOrganisationsCurrentDetails();
    void contactDialogWithoutSettingsFile();
    void failedChangeKeepsDialogOpen();
    void validatorRefusesWhatTheFileCannotHold_data();
    void validatorRefusesWhatTheFileCannotHold();
    void editsRefuseCharactersOutsideCodePage();
};

void TestCustomerDialogs::organisationButtonNeedsNameAndPhone_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("fax");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("nothing") << QString() << QString() << QString() << false;
    QTest::newRow("name only") << u"ООО «Гамма»"_s << QString() << u"1"_s << false;
    QTest::newRow("phone only") << QString() << u"1"_s << QString() << false;
    QTest::newRow("name of one space") << u" "_s << u"1"_s << QString() << true;
    QTest::newRow("both") << u"ООО «Гамма»"_s << u"(000) 1"_s << QString() << true;
}

void TestCustomerDialogs::organisationButtonNeedsNameAndPhone() {
    QFETCH(QString, name);
    QFETCH(QString, phone);
    QFETCH(QString, fax);
    QFETCH(bool, enabled);

    CustomerHarness h;
    h.WriteSettings(AlphaWithContact());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    Seen seen;
    h.fake.Queue([&](QDialog& d) {
        Type(EditOf(d, u"Org_Name_Edit"_s), name);
        Type(EditOf(d, u"Phone_Edit"_s), phone);
        Type(EditOf(d, u"Fax_Edit"_s), fax);
        seen.buttonEnabled = ButtonOf(d, u"AddFirmLastButton"_s)->isEnabled();
        seen.button = ButtonOf(d, u"AddFirmLastButton"_s)->text();
        Click(ButtonOf(d, u"CancelButton1"_s));
        seen.stillOpen = d.isVisible();
        return d.result();
    });
    Click(form.AddFirmButton);

    QCOMPARE(seen.button, u"Добавить"_s);
    QCOMPARE(seen.buttonEnabled, enabled);
    QVERIFY(!seen.stillOpen);
    QCOMPARE(h.SettingsBytes(), CustomerHarness::Expected(AlphaWithContact()));  // cancelled: nothing written
}

void TestCustomerDialogs::changeDialogsShowStoredValuesUntilEdited() {
    CustomerHarness h;
    h.WriteSettings(AlphaWithContact());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    ClickEntry(form.FirmsListBox, kAlpha);
    ClickEntry(form.NamesListBox, u"Контакт А"_s);

    Seen firm;
    bool enabledAfterEdit = false;
    h.fake.Queue([&](QDialog& d) {
        for (const QString& edit : {u"Org_Name_Edit"_s, u"Phone_Edit"_s, u"Fax_Edit"_s, u"Email_Edit"_s}) {
            firm.texts.append(EditOf(d, edit)->text());
        }
        firm.button = ButtonOf(d, u"AddFirmLastButton"_s)->text();
        firm.buttonEnabled = ButtonOf(d, u"AddFirmLastButton"_s)->isEnabled();
        firm.cancelEnabled = ButtonOf(d, u"CancelButton1"_s)->isEnabled();
        Type(EditOf(d, u"Email_Edit"_s), u"x"_s);
        enabledAfterEdit = ButtonOf(d, u"AddFirmLastButton"_s)->isEnabled();
        Click(ButtonOf(d, u"CancelButton1"_s));
        return d.result();
    });
    Click(form.ChangeFirmButton);

    QCOMPARE(firm.texts, (QStringList{kAlpha, kPhone, kFax, kEmail}));
    QCOMPARE(firm.button, u"Изменить"_s);
    QVERIFY(!firm.buttonEnabled);
    QVERIFY(firm.cancelEnabled);
    QVERIFY(enabledAfterEdit);

    Seen person;
    h.fake.Queue([&](QDialog& d) {
        person.texts.append(EditOf(d, u"NameEdit"_s)->text());
        person.button = ButtonOf(d, u"AddNameLastButton"_s)->text();
        person.buttonEnabled = ButtonOf(d, u"AddNameLastButton"_s)->isEnabled();
        person.cancelEnabled = ButtonOf(d, u"CancelButton2"_s)->isEnabled();
        Type(EditOf(d, u"NameEdit"_s), u"в"_s);
        enabledAfterEdit = ButtonOf(d, u"AddNameLastButton"_s)->isEnabled();
        Click(ButtonOf(d, u"CancelButton2"_s));
        return d.result();
    });
    Click(form.ChangeNameButton);

    QCOMPARE(person.texts, QStringList{u"Контакт А"_s});
    QCOMPARE(person.button, u"Изменить"_s);
    QVERIFY(!person.buttonEnabled);
    QVERIFY(person.cancelEnabled);
    QVERIFY(enabledAfterEdit);
    QCOMPARE(h.SettingsBytes(), CustomerHarness::Expected(AlphaWithContact()));
    QCOMPARE(h.fake.shown.size(), 2);
    QCOMPARE(h.fake.shown[1].objectName, u"AddNameForm"_s);
    QCOMPARE(h.fake.shown[1].title, u"Добавление контактного лица"_s);
}

void TestCustomerDialogs::changedOrganisationKeepsEmptiedFaxAndEmail() {
    CustomerHarness h;
    h.WriteSettings(AlphaWithContact());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    ClickEntry(form.FirmsListBox, kAlpha);
    h.fake.Queue([](QDialog& d) {
        Retype(d, u"Org_Name_Edit"_s, u"ООО «Альфа-М»"_s);
        Retype(d, u"Phone_Edit"_s, u"(000) 999-00-00"_s);
        Erase(EditOf(d, u"Fax_Edit"_s));
        Erase(EditOf(d, u"Email_Edit"_s));
        Click(ButtonOf(d, u"AddFirmLastButton"_s));
        return d.result();
    });
    Click(form.ChangeFirmButton);

    QCOMPARE(h.SettingsBytes(),
             CustomerHarness::Expected(
                 CustomerHarness::Record(0, u"ООО «Альфа-М»"_s, u"(000) 999-00-00"_s, kFax, kEmail, {}) +
                 CustomerHarness::Record(1, u"ООО «Альфа-М»"_s, u"(000) 999-00-00"_s, kFax, kEmail,
                                         u"Контакт А"_s) +
                 AlphaWithContact().mid(10)));
    // The contact person followed the organisation to its new name.
    ClickEntry(form.FirmsListBox, u"ООО «Альфа-М»"_s);
    QCOMPARE(Entries(form.NamesListBox), QStringList{u"Контакт А"_s});
}

void TestCustomerDialogs::newContactGetsOrganisationsCurrentDetails() {
    CustomerHarness h;
    h.WriteSettings(AlphaWithContact());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    ClickEntry(form.FirmsListBox, kAlpha);
    h.fake.Queue([](QDialog& d) {
        Retype(d, u"Phone_Edit"_s, u"(000) 999-00-00"_s);
        Retype(d, u"Fax_Edit"_s, u"(000) 999-00-01"_s);
        Retype(d, u"Email_Edit"_s, u"new@example.ru"_s);
        Click(ButtonOf(d, u"AddFirmLastButton"_s));
        return d.result();
    });
    Click(form.ChangeFirmButton);
    ClickEntry(form.FirmsListBox, kAlpha);
    h.fake.Queue([](QDialog& d) {
        Type(EditOf(d, u"NameEdit"_s), u"Новиков"_s);
        Click(ButtonOf(d, u"AddNameLastButton"_s));
        return d.result();
    });
    Click(form.AddNameButton);

    const QStringList lines = CustomerHarness::SplitSettings(h.SettingsBytes());
    QCOMPARE(lines.mid(15, 5), CustomerHarness::Record(3, kAlpha, u"(000) 999-00-00"_s, u"(000) 999-00-01"_s,
                                                       u"new@example.ru"_s, u"Новиков"_s));
    QCOMPARE(lines.size(), 21);
    QCOMPARE(Entries(form.NamesListBox), (QStringList{u"Контакт А"_s, u"Новиков"_s}));
    QCOMPARE(SelectedEntry(form.FirmsListBox), kAlpha);
}

void TestCustomerDialogs::contactDialogWithoutSettingsFile() {
    CustomerHarness h;
    h.WriteSettings(AlphaWithContact());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    ClickEntry(form.FirmsListBox, kAlpha);
    QVERIFY(QFile::remove(h.SettingsPath()));

    Seen seen;
    bool openAfterCancel = false;
    h.fake.Queue([&](QDialog& d) {
        seen.cancelEnabled = ButtonOf(d, u"CancelButton2"_s)->isEnabled();
        Click(ButtonOf(d, u"CancelButton2"_s));
        QTest::keyClick(&d, Qt::Key_Escape);
        openAfterCancel = d.isVisible();
        Type(EditOf(d, u"NameEdit"_s), u"Петров"_s);
        Click(ButtonOf(d, u"AddNameLastButton"_s));
        seen.stillOpen = d.isVisible();
        return d.result();
    });
    Click(form.AddNameButton);

    QVERIFY(!seen.cancelEnabled);
    QVERIFY(openAfterCancel);
    QVERIFY(!seen.stillOpen);
    QVERIFY(!QFile::exists(h.SettingsPath()));
    QVERIFY(h.fake.shown.size() == 1);  // no message either
}

void TestCustomerDialogs::failedChangeKeepsDialogOpen() {
    CustomerHarness h;
    h.WriteSettings(AlphaWithContact());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    ClickEntry(form.FirmsListBox, kAlpha);
    ClickEntry(form.NamesListBox, u"Контакт А"_s);
    h.BlockSettings();

    bool firmOpen = false;
    h.fake.Queue([&](QDialog& d) {
        Retype(d, u"Phone_Edit"_s, u"2"_s);
        Click(ButtonOf(d, u"AddFirmLastButton"_s));  // the error message is shown and dismissed
        firmOpen = d.isVisible() && EditOf(d, u"Phone_Edit"_s)->text() == u"2"_s;
        Click(ButtonOf(d, u"CancelButton1"_s));
        return d.result();
    });
    Click(form.ChangeFirmButton);
    bool nameOpen = false;
    h.fake.Queue([&](QDialog& d) {
        Retype(d, u"NameEdit"_s, u"Другой"_s);
        Click(ButtonOf(d, u"AddNameLastButton"_s));
        nameOpen = d.isVisible();
        Click(ButtonOf(d, u"CancelButton2"_s));
        return d.result();
    });
    Click(form.ChangeNameButton);

    QVERIFY(firmOpen);
    QVERIFY(nameOpen);
    QStringList titles;
    for (const FakeDialogs::Shown& shown : h.fake.shown) {
        titles.append(shown.title);
    }
    QCOMPARE(titles, (QStringList{u"Добавление реквизитов организации"_s, u"Ошибка"_s,
                                  u"Добавление контактного лица"_s, u"Ошибка"_s}));
    QCOMPARE(form.Lines.Lines(), AlphaWithContact());
    QCOMPARE(Entries(form.FirmsListBox), (QStringList{kAlpha, kBeta}));
    QCOMPARE(Entries(form.NamesListBox), QStringList{u"Контакт А"_s});
}

void TestCustomerDialogs::validatorRefusesWhatTheFileCannotHold_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("empty") << QString() << true;
    QTest::newRow("Cyrillic, guillemets, dash, euro, numero") << u"ООО «Ёлка» — 5 € № 7"_s << true;
    QTest::newRow("Greek letter") << u"Ωмега"_s << false;
    QTest::newRow("Chinese") << u"漢"_s << false;
    QTest::newRow("line feed") << u"a\nb"_s << false;
    QTest::newRow("carriage return") << u"a\rb"_s << false;
}

void TestCustomerDialogs::validatorRefusesWhatTheFileCannotHold() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    Cp1251Validator validator;
    int pos = 0;
    QCOMPARE(validator.validate(text, pos) == QValidator::Acceptable, accepted);
}

void TestCustomerDialogs::editsRefuseCharactersOutsideCodePage() {
    CustomerHarness h;
    h.WriteSettings(AlphaWithContact());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    QStringList typed;
    h.fake.Queue([&](QDialog& d) {
        for (const QString& edit : {u"Org_Name_Edit"_s, u"Phone_Edit"_s, u"Fax_Edit"_s, u"Email_Edit"_s}) {
            Type(EditOf(d, edit), u"Ωмега"_s);
            typed.append(EditOf(d, edit)->text());
        }
        Click(ButtonOf(d, u"CancelButton1"_s));
        return d.result();
    });
    Click(form.AddFirmButton);
    ClickEntry(form.FirmsListBox, kAlpha);
    h.fake.Queue([&](QDialog& d) {
        Type(EditOf(d, u"NameEdit"_s), u"漢Иван"_s);
        typed.append(EditOf(d, u"NameEdit"_s)->text());
        Click(ButtonOf(d, u"CancelButton2"_s));
        return d.result();
    });
    Click(form.AddNameButton);

    QCOMPARE(typed, (QStringList{u"мега"_s, u"мега"_s, u"мега"_s, u"мега"_s, u"Иван"_s}));
}

QTEST_MAIN(TestCustomerDialogs)
#include "test_customerdialogs.moc"
