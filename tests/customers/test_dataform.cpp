#include <QFile>
#include <QTest>
#include <functional>

#include "customerharness.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kAlpha = u"ООО «Альфа»"_s;
const QString kBeta = u"ЗАО «Бета»"_s;
const QString kAlphaPhone = u"(000) 111-22-33"_s;
const QString kAlphaFax = u"(000) 111-22-34"_s;
const QString kBetaPhone = u"(000) 444-55-66"_s;
const QString kClosing = u"N_ORDER=17"_s;

using Step = std::function<void(CustomerHarness&, TDataForm&)>;
using CloseWay = std::function<void(TDataForm&)>;

// Queues the organisation dialog's answer: the four fields as given, then the confirming button.
void AnswerFirm(FakeDialogs& fake, QString org, QString phone, QString fax, QString email) {
    fake.Queue([=](QDialog& d) {
        Retype(d, u"Org_Name_Edit"_s, org);
        Retype(d, u"Phone_Edit"_s, phone);
        Retype(d, u"Fax_Edit"_s, fax);
        Retype(d, u"Email_Edit"_s, email);
        Click(ButtonOf(d, u"AddFirmLastButton"_s));
        return d.result();
    });
}

void AnswerName(FakeDialogs& fake, QString name) {
    fake.Queue([=](QDialog& d) {
        Retype(d, u"NameEdit"_s, name);
        Click(ButtonOf(d, u"AddNameLastButton"_s));
        return d.result();
    });
}

}  // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(CloseWay)

class TestDataForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stateAfterEachAction_data();
    void stateAfterEachAction();
    void singleOrganisationCanBeChangedButNotDeleted();
    void keyboardSelectionActsAsClick();
    void clickOnAddedOrganisationOffersChanges();
    void deletedOrganisationStaysGoneOnReopen();
    void contactsSortedIgnoringCaseOrganisationsInFileOrder();
    void duplicateContactNames();
    void closingSetsSettingsReadyOnlyWithFile_data();
    void closingSetsSettingsReadyOnlyWithFile();
    void firstRunAddsFirstOrganisation();
    void firstRunCancelledLeavesWindowEmpty();
    void failedWriteKeepsLinesAndLists();
    void unreadableFileIsReported();
};

void TestDataForm::stateAfterEachAction_data() {
    QTest::addColumn<Step>("step");
    QTest::addColumn<QStringList>("firms");
    QTest::addColumn<QString>("selectedFirm");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("selectedName");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("file");

    const QStringList example = CustomerHarness::ExampleLines();
    const QStringList exampleRecords = example.mid(0, example.size() - 1);
    const QStringList allFirmButtons = {u"AddFirmButton"_s, u"ChangeFirmButton"_s, u"DeleteFirmButton"_s,
                                        u"AddNameButton"_s};
    const auto selectAlphaAndContact = [](CustomerHarness&, TDataForm& f) {
        ClickEntry(f.FirmsListBox, kAlpha);
        ClickEntry(f.NamesListBox, u"Контакт А"_s);
    };

    QTest::newRow("window shown, file present")
        << Step([](CustomerHarness&, TDataForm&) {}) << QStringList{kAlpha, kBeta} << QString()
        << QStringList() << QString() << QStringList{u"AddFirmButton"_s} << example;

    QTest::newRow("organisation selected")
        << Step([](CustomerHarness&, TDataForm& f) { ClickEntry(f.FirmsListBox, kAlpha); })
        << QStringList{kAlpha, kBeta} << kAlpha << QStringList{u"Контакт А"_s, u"Контакт Б"_s} << QString()
        << allFirmButtons << example;

    QTest::newRow("contact person selected")
        << Step([](CustomerHarness&, TDataForm& f) {
               ClickEntry(f.FirmsListBox, kAlpha);
               ClickEntry(f.NamesListBox, u"Контакт Б"_s);
           })
        << QStringList{kAlpha, kBeta} << kAlpha << QStringList{u"Контакт А"_s, u"Контакт Б"_s}
        << u"Контакт Б"_s << allFirmButtons + QStringList{u"ChangeNameButton"_s, u"DeleteNameButton"_s}
        << example;

    QTest::newRow("organisation added") << Step([=](CustomerHarness& h, TDataForm& f) {
        selectAlphaAndContact(h, f);
        AnswerFirm(h.fake, u"ИП Гамма"_s, u"(000) 777-88-99"_s, {}, u"gamma@example.ru"_s);
        Click(f.AddFirmButton);
    }) << QStringList{kAlpha, kBeta, u"ИП Гамма"_s}
                                        << u"ИП Гамма"_s << QStringList() << QString()
                                        << QStringList{u"AddFirmButton"_s, u"AddNameButton"_s}
                                        << exampleRecords +
                                               CustomerHarness::Record(4, u"ИП Гамма"_s, u"(000) 777-88-99"_s,
                                                                       {}, u"gamma@example.ru"_s, {}) +
                                               QStringList{kClosing};

    QTest::newRow("organisation changed")
        << Step([=](CustomerHarness& h, TDataForm& f) {
               selectAlphaAndContact(h, f);
               h.fake.Queue([](QDialog& d) {
                   Retype(d, u"Org_Name_Edit"_s, u"ООО «Альфа-М»"_s);
                   Click(ButtonOf(d, u"AddFirmLastButton"_s));
                   return d.result();
               });
               Click(f.ChangeFirmButton);
           })
        << QStringList{kBeta, u"ООО «Альфа-М»"_s} << QString() << QStringList() << QString()
        << QStringList{u"AddFirmButton"_s}
        << CustomerHarness::Record(0, u"ООО «Альфа-М»"_s, kAlphaPhone, kAlphaFax, {}, {}) +
               CustomerHarness::Record(1, u"ООО «Альфа-М»"_s, kAlphaPhone, kAlphaFax, {}, u"Контакт А"_s) +
               CustomerHarness::Record(2, u"ООО «Альфа-М»"_s, kAlphaPhone, kAlphaFax, {}, u"Контакт Б"_s) +
               example.mid(15);

    QTest::newRow("contact person added")
        << Step([](CustomerHarness& h, TDataForm& f) {
               ClickEntry(f.FirmsListBox, kBeta);
               AnswerName(h.fake, u"Иванов"_s);
               Click(f.AddNameButton);
           })
        << QStringList{kAlpha, kBeta} << kBeta << QStringList{u"Иванов"_s} << QString() << allFirmButtons
        << exampleRecords + CustomerHarness::Record(4, kBeta, kBetaPhone, {}, {}, u"Иванов"_s) +
               QStringList{kClosing};

    QStringList renamed = example;
    renamed[9] = u"Name1=Абрамов"_s;
    QTest::newRow("contact person changed") << Step([=](CustomerHarness& h, TDataForm& f) {
        selectAlphaAndContact(h, f);
        AnswerName(h.fake, u"Абрамов"_s);
        Click(f.ChangeNameButton);
    }) << QStringList{kAlpha, kBeta} << kAlpha
                                            << QStringList{u"Абрамов"_s, u"Контакт Б"_s} << QString()
                                            << allFirmButtons << renamed;

    QTest::newRow("organisation deleted")
        << Step([=](CustomerHarness& h, TDataForm& f) {
               selectAlphaAndContact(h, f);
               Click(f.DeleteFirmButton);
           })
        << QStringList{kBeta} << QString() << QStringList() << QString() << QStringList{u"AddFirmButton"_s}
        << CustomerHarness::Record(0, kBeta, kBetaPhone, {}, {}, {}) + QStringList{kClosing};

    QTest::newRow("contact person deleted")
        << Step([=](CustomerHarness& h, TDataForm& f) {
               selectAlphaAndContact(h, f);
               Click(f.DeleteNameButton);
           })
        << QStringList{kAlpha, kBeta} << kAlpha << QStringList{u"Контакт Б"_s} << QString() << allFirmButtons
        << CustomerHarness::Record(0, kAlpha, kAlphaPhone, kAlphaFax, {}, {}) +
               CustomerHarness::Record(1, kAlpha, kAlphaPhone, kAlphaFax, {}, u"Контакт Б"_s) +
               CustomerHarness::Record(2, kBeta, kBetaPhone, {}, {}, {}) + QStringList{kClosing};
}

void TestDataForm::stateAfterEachAction() {
    QFETCH(Step, step);
    QFETCH(QStringList, firms);
    QFETCH(QString, selectedFirm);
    QFETCH(QStringList, names);
    QFETCH(QString, selectedName);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, file);

    CustomerHarness h;
    h.WriteSettings(CustomerHarness::ExampleLines());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    step(h, form);

    QCOMPARE(Entries(form.FirmsListBox), firms);
    QCOMPARE(SelectedEntry(form.FirmsListBox), selectedFirm);
    QCOMPARE(Entries(form.NamesListBox), names);
    QCOMPARE(SelectedEntry(form.NamesListBox), selectedName);
    QCOMPARE(EnabledButtons(form), enabled);
    QCOMPARE(h.SettingsBytes(), CustomerHarness::Expected(file));
    QVERIFY(h.fake.answers.empty());
}

void TestDataForm::singleOrganisationCanBeChangedButNotDeleted() {
    CustomerHarness h;
    h.WriteSettings(CustomerHarness::Record(0, kBeta, kBetaPhone, {}, {}, {}) + QStringList{kClosing});
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();

    ClickEntry(form.FirmsListBox, kBeta);

    QCOMPARE(EnabledButtons(form),
             (QStringList{u"AddFirmButton"_s, u"ChangeFirmButton"_s, u"AddNameButton"_s}));
    QCOMPARE(Entries(form.NamesListBox), QStringList());  // its only record has no contact person
}

void TestDataForm::keyboardSelectionActsAsClick() {
    CustomerHarness h;
    h.WriteSettings(CustomerHarness::ExampleLines());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.FirmsListBox->setFocus();

    QTest::keyClick(form.FirmsListBox, Qt::Key_End);
    QCOMPARE(SelectedEntry(form.FirmsListBox), kBeta);
    QCOMPARE(Entries(form.NamesListBox), QStringList());
    QCOMPARE(EnabledButtons(form), (QStringList{u"AddFirmButton"_s, u"ChangeFirmButton"_s,
                                                u"DeleteFirmButton"_s, u"AddNameButton"_s}));
    QTest::keyClick(form.FirmsListBox, Qt::Key_Up);
    QCOMPARE(SelectedEntry(form.FirmsListBox), kAlpha);
    QCOMPARE(Entries(form.NamesListBox), (QStringList{u"Контакт А"_s, u"Контакт Б"_s}));
}

void TestDataForm::clickOnAddedOrganisationOffersChanges() {
    CustomerHarness h;
    h.WriteSettings(CustomerHarness::ExampleLines());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    AnswerFirm(h.fake, u"ИП Гамма"_s, u"1"_s, {}, {});
    Click(form.AddFirmButton);
    QCOMPARE(SelectedEntry(form.FirmsListBox), u"ИП Гамма"_s);

    // The entry selected by the dialog is clicked once more: the click step runs all the same.
    ClickEntry(form.FirmsListBox, u"ИП Гамма"_s);
    QCOMPARE(EnabledButtons(form), (QStringList{u"AddFirmButton"_s, u"ChangeFirmButton"_s,
                                                u"DeleteFirmButton"_s, u"AddNameButton"_s}));
}

void TestDataForm::deletedOrganisationStaysGoneOnReopen() {
    CustomerHarness h;
    h.WriteSettings(CustomerHarness::ExampleLines());
    {
        TDataForm form(h.fake, h.folder.path(), h.settingsReady);
        form.show();
        ClickEntry(form.FirmsListBox, kAlpha);
        Click(form.DeleteFirmButton);
        form.reject();
    }
    QVERIFY(h.settingsReady);

    TDataForm reopened(h.fake, h.folder.path(), h.settingsReady);
    reopened.show();
    QCOMPARE(Entries(reopened.FirmsListBox), QStringList{kBeta});
    ClickEntry(reopened.FirmsListBox, kBeta);
    QCOMPARE(Entries(reopened.NamesListBox), QStringList());
    QVERIFY(h.fake.shown.isEmpty());  // deleting asks nothing
}

void TestDataForm::contactsSortedIgnoringCaseOrganisationsInFileOrder() {
    const QString plant = u"Я-Завод"_s;
    const QString factory = u"А-Фабрика"_s;
    CustomerHarness h;
    QStringList lines;
    const QStringList contacts = {u"борисов"_s, u"Андреев"_s, u"виноградов"_s, {}, u"Алексеев"_s};
    for (int i = 0; i < contacts.size(); ++i) {
        lines += CustomerHarness::Record(i, plant, u"1"_s, {}, {}, contacts[i]);
    }
    lines += CustomerHarness::Record(5, factory, u"2"_s, {}, {}, {});
    lines += kClosing;
    h.WriteSettings(lines);
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();

    QCOMPARE(Entries(form.FirmsListBox), (QStringList{plant, factory}));
    ClickEntry(form.FirmsListBox, plant);
    QCOMPARE(Entries(form.NamesListBox),
             (QStringList{u"Алексеев"_s, u"Андреев"_s, u"борисов"_s, u"виноградов"_s}));

    // A renamed person moves to the sorted place of the new name.
    ClickEntry(form.NamesListBox, u"виноградов"_s);
    AnswerName(h.fake, u"аксенов"_s);
    Click(form.ChangeNameButton);
    QCOMPARE(Entries(form.NamesListBox),
             (QStringList{u"аксенов"_s, u"Алексеев"_s, u"Андреев"_s, u"борисов"_s}));
}

void TestDataForm::duplicateContactNames() {
    // Two records of one person, told apart by a phone edited by hand.
    const QStringList lines = CustomerHarness::Record(0, kAlpha, u"1"_s, {}, {}, {}) +
                              CustomerHarness::Record(1, kAlpha, u"first"_s, {}, {}, u"Петров"_s) +
                              CustomerHarness::Record(2, kAlpha, u"second"_s, {}, {}, u"Петров"_s) +
                              QStringList{kClosing};
    {
        CustomerHarness h;
        h.WriteSettings(lines);
        TDataForm form(h.fake, h.folder.path(), h.settingsReady);
        form.show();
        ClickEntry(form.FirmsListBox, kAlpha);
        QCOMPARE(Entries(form.NamesListBox), (QStringList{u"Петров"_s, u"Петров"_s}));

        form.NamesListBox->item(1)->setSelected(true);
        Click(form.DeleteNameButton);

        QCOMPARE(Entries(form.NamesListBox), QStringList{u"Петров"_s});
        QCOMPARE(h.SettingsBytes(), CustomerHarness::Expected(
                                        CustomerHarness::Record(0, kAlpha, u"1"_s, {}, {}, {}) +
                                        CustomerHarness::Record(1, kAlpha, u"second"_s, {}, {}, u"Петров"_s) +
                                        QStringList{kClosing}));
    }
    {
        CustomerHarness h;
        h.WriteSettings(lines);
        TDataForm form(h.fake, h.folder.path(), h.settingsReady);
        form.show();
        ClickEntry(form.FirmsListBox, kAlpha);
        ClickEntry(form.NamesListBox, u"Петров"_s);
        AnswerName(h.fake, u"Сидоров"_s);
        Click(form.ChangeNameButton);

        QCOMPARE(Entries(form.NamesListBox), (QStringList{u"Сидоров"_s, u"Сидоров"_s}));
        QStringList renamed = lines;
        renamed[9] = u"Name1=Сидоров"_s;
        renamed[14] = u"Name2=Сидоров"_s;
        QCOMPARE(h.SettingsBytes(), CustomerHarness::Expected(renamed));
    }
}

void TestDataForm::closingSetsSettingsReadyOnlyWithFile_data() {
    QTest::addColumn<CloseWay>("closeWindow");
    QTest::addColumn<bool>("withFile");

    const std::pair<const char*, CloseWay> ways[] = {
        {"reject", [](TDataForm& f) { f.reject(); }},
        {"accept", [](TDataForm& f) { f.accept(); }},
        {"close", [](TDataForm& f) { f.close(); }},
        {"done", [](TDataForm& f) { f.done(3); }},
        {"Escape", [](TDataForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
    };
    for (const auto& [name, way] : ways) {
        QTest::addRow("%s, file present", name) << way << true;
        QTest::addRow("%s, no file", name) << way << false;
    }
}

void TestDataForm::closingSetsSettingsReadyOnlyWithFile() {
    QFETCH(CloseWay, closeWindow);
    QFETCH(bool, withFile);

    CustomerHarness h;
    if (withFile) {
        h.WriteSettings(CustomerHarness::ExampleLines());
    }
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();  // without a file the organisation dialog opens and, unanswered, is cancelled
    QVERIFY(!h.settingsReady);

    closeWindow(form);

    QVERIFY(!form.isVisible());
    QCOMPARE(h.settingsReady, withFile);
}

void TestDataForm::firstRunAddsFirstOrganisation() {
    CustomerHarness h;
    // The organisation dialog opens by itself while the window is being shown, so its answer is
    // taken before the window's own.
    AnswerFirm(h.fake, u"ООО «Старт»"_s, u"(000) 123-45-67"_s, {}, {});
    bool readyWhileOpen = false;
    QString state;
    h.fake.Queue([&](QDialog& d) {
        auto& data = static_cast<TDataForm&>(d);
        readyWhileOpen = h.settingsReady;
        state = Entries(data.FirmsListBox).join(u'|') + u'/' + SelectedEntry(data.FirmsListBox) + u'/' +
                EnabledButtons(data).join(u' ');
        return 0;
    });
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    h.fake.Exec(form);

    QCOMPARE(h.fake.shown.size(), 2);
    QCOMPARE(h.fake.shown[0].objectName, u"DataForm"_s);
    QCOMPARE(h.fake.shown[0].title, u"Данные"_s);
    QCOMPARE(h.fake.shown[1].objectName, u"AddFirmForm"_s);
    QCOMPARE(h.fake.shown[1].title, u"Добавление реквизитов организации"_s);
    QVERIFY(readyWhileOpen);  // the start menu may be used as soon as an organisation exists
    QCOMPARE(state, u"ООО «Старт»/ООО «Старт»/AddFirmButton AddNameButton"_s);
    QCOMPARE(h.SettingsBytes(),
             CustomerHarness::Expected(
                 CustomerHarness::Record(0, u"ООО «Старт»"_s, u"(000) 123-45-67"_s, {}, {}, {}) +
                 QStringList{u"N_ORDER=0"_s}));
    QVERIFY(h.settingsReady);
}

void TestDataForm::firstRunCancelledLeavesWindowEmpty() {
    CustomerHarness h;
    h.fake.Queue([](QDialog& d) {
        Click(ButtonOf(d, u"CancelButton1"_s));
        return d.result();
    });
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();

    QCOMPARE(h.fake.shown.size(), 1);
    QCOMPARE(Entries(form.FirmsListBox), QStringList());
    QCOMPARE(EnabledButtons(form), QStringList{u"AddFirmButton"_s});
    QVERIFY(!QFile::exists(h.SettingsPath()));
    form.reject();
    QVERIFY(!h.settingsReady);
}

void TestDataForm::failedWriteKeepsLinesAndLists() {
    CustomerHarness h;
    h.WriteSettings(CustomerHarness::ExampleLines());
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();
    ClickEntry(form.FirmsListBox, kAlpha);
    ClickEntry(form.NamesListBox, u"Контакт А"_s);
    const TSettingsFile before = form.Lines;
    h.BlockSettings();

    Click(form.DeleteNameButton);
    Click(form.DeleteFirmButton);

    QCOMPARE(h.fake.shown.size(), 2);
    for (const FakeDialogs::Shown& shown : h.fake.shown) {
        QCOMPARE(shown.className, u"QMessageBox"_s);
        QCOMPARE(shown.title, u"Ошибка"_s);
        QVERIFY2(shown.text.contains(TSettingsFile::kFileName), qPrintable(shown.text));
    }
    QCOMPARE(form.Lines.Lines(), before.Lines());
    QCOMPARE(Entries(form.FirmsListBox), (QStringList{kAlpha, kBeta}));
    QCOMPARE(SelectedEntry(form.FirmsListBox), kAlpha);
    QCOMPARE(Entries(form.NamesListBox), (QStringList{u"Контакт А"_s, u"Контакт Б"_s}));
    QCOMPARE(SelectedEntry(form.NamesListBox), u"Контакт А"_s);
}

void TestDataForm::unreadableFileIsReported() {
    CustomerHarness h;
    h.BlockSettings();
    TDataForm form(h.fake, h.folder.path(), h.settingsReady);
    form.show();

    QCOMPARE(h.fake.shown.size(), 1);
    QCOMPARE(h.fake.shown[0].title, u"Ошибка"_s);
    QCOMPARE(Entries(form.FirmsListBox), QStringList());
    QCOMPARE(EnabledButtons(form), QStringList{u"AddFirmButton"_s});
}

QTEST_MAIN(TestDataForm)
#include "test_dataform.moc"
