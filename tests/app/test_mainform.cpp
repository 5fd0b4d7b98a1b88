#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/mainform.h"
#include "common/linefile.h"
#include "fakedialogs.h"
#include "order/orderfile.h"
#include "storage/orderstore.h"
#include "storage/settingsfile.h"

using namespace Qt::StringLiterals;

namespace {

const QString kBase = u"Заказ для «КВАРЕЛ-ПРИБОР» версия 1.0  "_s;
// Cyrillic Ze, Latin A K A, Cyrillic Ze.
const QString kNumberMark = u"::\u0417AKA\u0417 \u2116 "_s;

void WriteSettings(const QString& folder, const QStringList& lines) {
    QVERIFY(WriteLineFile(settings::PathIn(folder), lines).ok);
}

const QStringList kTwoOrganisations = {u"Org_Name0=ООО «Альфа»"_s,
                                       u"Phone0=(000) 111-22-33"_s,
                                       u"Fax0=(000) 111-22-34"_s,
                                       u"E-mail0="_s,
                                       u"Name0="_s,
                                       u"Org_Name1=ООО «Альфа»"_s,
                                       u"Phone1=(000) 111-22-33"_s,
                                       u"Fax1=(000) 111-22-34"_s,
                                       u"E-mail1="_s,
                                       u"Name1=Контакт А"_s,
                                       u"Org_Name2=ЗАО «Бета»"_s,
                                       u"Phone2=(000) 444-55-66"_s,
                                       u"Fax2="_s,
                                       u"E-mail2="_s,
                                       u"Name2="_s,
                                       u"N_ORDER=17"_s};

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QVERIFY(folder_.isValid());
        QDir(folder_.path()).removeRecursively();
        QDir().mkpath(folder_.path());
    }

    void startMenuAsDesigned() {
        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        QCOMPARE(form.windowTitle(), kBase);
        QCOMPARE(form.size(), QSize(800, 600));
        QCOMPARE(form.Pages->currentWidget(), form.Panel1);
        QCOMPARE(form.Pages->count(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(form.Pages->widget(i)->objectName(), u"Panel%1"_s.arg(i + 1));
        }
        const QList<std::pair<const char*, QString>> buttons = {
            {"New_Zakaz_Button", u"Новый заказ"_s},
            {"New_Zakaz_On_Old_Button", u"Новый заказ на основе составленного ранее"_s},
            {"Continue_Old_Button", u"Продолжить неоконченный заказ"_s},
            {"Print_View_Button", u"Просмотр и печать карты заказа"_s},
            {"EmailButton", u"Отправить заказ по E-Mail"_s},
            {"Preferences_Button", u"Настройки"_s},
            {"ExitBitBtn", u"Выход"_s}};
        for (const auto& [name, label] : buttons) {
            auto* button = form.findChild<QPushButton*>(QLatin1StringView(name));
            QVERIFY2(button, name);
            QCOMPARE(button->size(), QSize(65, 49));
            QVERIFY(button->text().isEmpty());
            auto* buddy = form.findChild<QLabel*>(QLatin1StringView(name) + u"_Label"_s);
            QVERIFY2(buddy, name);
            QCOMPARE(buddy->text(), label);
        }
        const QStringList intro = form.Memo3->toPlainText().split(u'\n');
        QCOMPARE(intro.size(), 5);
        QCOMPARE(intro[0],
                 u"Теплосчетчики \"Кварел\" обладают большим числом характеристик и каждый теплосчетчик "_s);
        QCOMPARE(intro[4], u"каждого объекта учета тепла. "_s);
        QVERIFY(form.Memo3->isReadOnly());
    }

    // Without a settings file every activation disables the five buttons and opens the data window
    // (which at once offers a first organisation), but not on the activation its own closing causes.
    void activationWithoutSettings() {
        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        form.show();
        const auto dataWindows = [&dialogs] {
            return std::count_if(dialogs.shown.begin(), dialogs.shown.end(),
                                 [](const FakeDialogs::Shown& s) { return s.title == u"Данные"_s; });
        };
        form.FormActivate();
        const QList<QPushButton*> needSettings = {form.New_Zakaz_Button, form.New_Zakaz_On_Old_Button,
                                                  form.Continue_Old_Button, form.Print_View_Button,
                                                  form.EmailButton};
        for (QPushButton* button : needSettings) {
            QVERIFY(!button->isEnabled());
        }
        QVERIFY(form.Preferences_Button->isEnabled());
        QVERIFY(form.ExitBitBtn->isEnabled());
        QCOMPARE(dataWindows(), 1);
        QCOMPARE(dialogs.shown.constLast().title, u"Добавление реквизитов организации"_s);

        form.FormActivate();  // caused by the data window closing
        QCOMPARE(dataWindows(), 1);
        form.FormActivate();  // the user comes back later
        QCOMPARE(dataWindows(), 2);
        QVERIFY(!form.state.settings_ready);

        WriteSettings(folder_.path(), {u"N_ORDER=0"_s});
        form.FormActivate();
        QCOMPARE(dataWindows(), 2);
        for (QPushButton* button : needSettings) {
            QVERIFY(button->isEnabled());
        }
        QVERIFY(form.state.settings_ready);
    }

    // First run: the organisation entered in the data window makes the start menu usable.
    void firstOrganisationEnablesStartMenu() {
        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        form.show();
        // The organisation dialog opens while the data window is being shown, so it answers first.
        dialogs.Queue([](QDialog& addFirm) {
            addFirm.findChild<QLineEdit*>(u"Org_Name_Edit"_s)->insert(u"ООО «Гамма»"_s);
            QTest::keyClicks(addFirm.findChild<QLineEdit*>(u"Phone_Edit"_s), u"123"_s);
            QTest::mouseClick(addFirm.findChild<QPushButton*>(u"AddFirmLastButton"_s), Qt::LeftButton);
            return addFirm.result();
        });
        dialogs.Queue([](QDialog& data) {
            data.accept();
            return data.result();
        });
        form.FormActivate();
        QVERIFY(form.state.settings_ready);
        QVERIFY(form.New_Zakaz_Button->isEnabled());
        QVERIFY(form.EmailButton->isEnabled());
        QVERIFY(settings::Exists(folder_.path()));

        QTest::mouseClick(form.New_Zakaz_Button, Qt::LeftButton);
        QCOMPARE(form.OrgNamesComboBox->count(), 1);
        QCOMPARE(form.OrgNamesComboBox->itemText(0), u"ООО «Гамма»"_s);
        QCOMPARE(form.n_order_Edit->text(), u"1"_s);
    }

    void newOrder_data() {
        QTest::addColumn<bool>("withSettings");
        QTest::addColumn<int>("proposed");
        QTest::addColumn<QStringList>("organisations");
        QTest::newRow("no settings file") << false << 1 << QStringList();
        QTest::newRow("N_ORDER=17") << true << 18 << QStringList{u"ООО «Альфа»"_s, u"ЗАО «Бета»"_s};
    }
    void newOrder() {
        QFETCH(bool, withSettings);
        QFETCH(int, proposed);
        QFETCH(QStringList, organisations);
        if (withSettings) {
            WriteSettings(folder_.path(), kTwoOrganisations);
        }
        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        // Leftovers of an earlier run must not survive a new order.
        form.order.systems[3].filled = true;
        form.order.notes.comment = u"old"_s;
        form.ObjectNameEdit->setText(u"old object"_s);
        form.type_count_edits[2]->setText(u"4"_s);
        form.product_edits[6]->setText(u"25"_s);
        form.feature_boxes[1]->setChecked(true);
        form.PSMemo->setPlainText(u"note"_s);
        form.state.page_checks[2][1] = 5;
        form.state.from_draft = true;

        QTest::mouseClick(form.New_Zakaz_Button, Qt::LeftButton);

        QCOMPARE(form.Pages->currentWidget(), form.Panel2);
        QCOMPARE(form.windowTitle(), kBase + kNumberMark + QString::number(proposed));
        QCOMPARE(form.state.proposed_order_number, proposed);
        QCOMPARE(form.n_order_Edit->text(), QString::number(proposed));
        QCOMPARE(form.order, TOrder{});
        QVERIFY(form.ObjectNameEdit->text().isEmpty());
        QCOMPARE(form.type_count_edits[2]->text(), u"0"_s);
        QCOMPARE(form.product_edits[6]->text(), u"0"_s);
        QVERIFY(!form.feature_boxes[1]->isChecked());
        QVERIFY(form.PSMemo->toPlainText().isEmpty());
        QCOMPARE(form.state.page_checks[2][1], 0);
        QVERIFY(!form.state.from_draft);
        QStringList items;
        for (int i = 0; i < form.OrgNamesComboBox->count(); ++i) {
            items << form.OrgNamesComboBox->itemText(i);
        }
        QCOMPARE(items, organisations);
        QCOMPARE(form.OrgNamesComboBox->currentIndex(), -1);
        QCOMPARE(form.NamesComboBox->count(), 0);

        // Leaving the wizard restores the caption exactly and keeps the order.
        form.order.number = 5;
        form.ShowStartMenu(form.Panel2);
        QCOMPARE(form.windowTitle(), kBase);
        QCOMPARE(form.Pages->currentWidget(), form.Panel1);
        QCOMPARE(form.order.number, 5);
    }

    // Which folder and filter the open dialog gets, and what a missing folder tells the user.
    void openDialogSettings_data() {
        QTest::addColumn<bool>("fromDraft");
        QTest::addColumn<bool>("viewAny");
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("initialFolder");  // empty: the program file's path
        QTest::addColumn<QString>("filter");
        const QString complete = u"Файлы заказов КВАРЕЛ (*.kvo) |*.kvo"_s;
        const QString drafts = u"Файлы не полных заказов КВАРЕЛ (*.kvn) |*.kvn"_s;
        const QString any = u"Файлы заказов КВАРЕЛ (*.kvo, *.kvn) |*.kvo; *.kvn"_s;
        QTest::newRow("orders") << false << false << true << QString() << u"Заказы"_s << complete;
        QTest::newRow("orders missing")
            << false << false << false << u"Не обнаружено файлов заказов"_s << QString() << complete;
        QTest::newRow("drafts") << true << false << true << QString() << u"Черновики"_s << drafts;
        QTest::newRow("drafts missing")
            << true << false << false << u"Не обнаружено черновиков заказов"_s << QString() << drafts;
        QTest::newRow("view, orders missing")
            << false << true << false << u"Не обнаружено файлов заказов"_s << QString() << any;
        QTest::newRow("view, orders present") << false << true << true << QString() << QString() << any;
    }
    void openDialogSettings() {
        QFETCH(bool, fromDraft);
        QFETCH(bool, viewAny);
        QFETCH(bool, folderExists);
        QFETCH(QString, message);
        QFETCH(QString, initialFolder);
        QFETCH(QString, filter);
        const QDir folder(folder_.path());
        if (folderExists) {
            folder.mkpath(fromDraft ? u"Черновики"_s : u"Заказы"_s);
        }
        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        form.state.from_draft = fromDraft;
        form.state.view_any_order = viewAny;
        form.order.number = 99;
        form.state.opened_order_file = u"earlier"_s;

        QVERIFY(!form.OpenOrderFile());  // cancelled

        QCOMPARE(dialogs.shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(dialogs.shown[0].text, message);
        }
        QCOMPARE(dialogs.opened.size(), 1);
        const QString expected =
            initialFolder.isEmpty()
                ? folder.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName())
                : folder.filePath(initialFolder);
        QCOMPARE(dialogs.opened[0].initialPath, expected);
        QCOMPARE(dialogs.opened[0].filter, filter);
        QCOMPARE(form.order.number, 99);  // a cancelled open leaves the order alone
        QVERIFY(form.state.opened_order_file.isEmpty());
    }

    // The kind of the chosen file decides `from_draft`, by its exact lower-case extension.
    void openSetsDraftFlagFromExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("kvo") << u"a.kvo"_s << true << false;
        QTest::newRow("kvn") << u"a.kvn"_s << false << true;
        QTest::newRow("KVN keeps true") << u"a.KVN"_s << true << true;
        QTest::newRow("KVN keeps false") << u"a.KVN"_s << false << false;
    }
    void openSetsDraftFlagFromExtension() {
        QFETCH(QString, name);
        QFETCH(bool, before);
        QFETCH(bool, after);
        TOrder saved;
        saved.number = 12;
        const QString path = QDir(folder_.path()).filePath(name);
        QVERIFY(SaveOrderFile(path, saved).ok);
        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        form.state.from_draft = before;
        dialogs.AnswerOpen(path);
        QVERIFY(form.OpenOrderFile());
        QCOMPARE(form.state.from_draft, after);
        QCOMPARE(form.state.opened_order_file, path);
        QCOMPARE(form.order.number, 12);
    }

    void unreadableFileKeepsOrder() {
        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        form.order.number = 7;
        dialogs.AnswerOpen(QDir(folder_.path()).filePath(u"Заказы/нет такого.kvo"_s));
        QTest::mouseClick(form.New_Zakaz_On_Old_Button, Qt::LeftButton);
        QCOMPARE(form.order.number, 7);
        QCOMPARE(form.Pages->currentWidget(), form.Panel1);
        QCOMPARE(dialogs.shown.size(), 2);  // the missing folder, then the read error
        QVERIFY(dialogs.shown[1].text.contains(u"нет такого.kvo"_s));
    }

    // A draft continued: the pages show the file, the number is the newly proposed one.
    void continueDraft() {
        WriteSettings(folder_.path(), kTwoOrganisations + QStringList{});
        TOrder draft;
        draft.number = 12;
        draft.customer.object_name = u"Школа №5"_s;
        draft.customer.org_name = u"ООО «Альфа»"_s;
        draft.customer.contact_name = u"Контакт А"_s;
        draft.extras.system_counts[0] = 2;
        draft.extras.product_counts[6] = 25;
        draft.extras.modem_support = true;
        draft.notes.comment = u"к зиме"_s;
        draft.notes.lines[0] = u"первая"_s;
        draft.notes.lines[1] = u"вторая"_s;
        QDir(folder_.path()).mkpath(u"Черновики"_s);
        const QString path = QDir(folder_.path()).filePath(u"Черновики/10.12.2006_12_.kvn"_s);
        QVERIFY(SaveOrderFile(path, draft).ok);

        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        form.state.page_checks[0][0] = 4;
        dialogs.AnswerOpen(path);
        QTest::mouseClick(form.Continue_Old_Button, Qt::LeftButton);

        QCOMPARE(form.Pages->currentWidget(), form.Panel2);
        QCOMPARE(form.n_order_Edit->text(), u"18"_s);
        QCOMPARE(form.windowTitle(), kBase + kNumberMark + u"18"_s);
        QVERIFY(form.state.from_draft);
        QCOMPARE(form.state.page_checks[0][0], 0);
        QCOMPARE(form.state.opened_order_file, path);
        QCOMPARE(form.ObjectNameEdit->text(), draft.customer.object_name);
        QCOMPARE(form.type_count_edits[0]->text(), u"2"_s);
        QCOMPARE(form.product_edits[6]->text(), u"25"_s);
        QVERIFY(form.feature_boxes[2]->isChecked());
        QCOMPARE(form.OrgNamesComboBox->currentText(), draft.customer.org_name);
        QCOMPARE(form.NamesComboBox->currentText(), draft.customer.contact_name);
        QCOMPARE(form.CommentEdit->text(), draft.notes.comment);
        QCOMPARE(form.PSMemo->toPlainText(), u"первая\nвторая"_s);

        // Collecting the pages gives back what was read.
        form.CollectExtras();
        form.CollectNotes();
        form.CollectCustomer();
        QCOMPARE(form.order.extras, draft.extras);
        QCOMPARE(form.order.notes, draft.notes);
        QCOMPARE(form.order.customer.phone, u"(000) 111-22-33"_s);
        QCOMPARE(form.order.customer.contact_name, draft.customer.contact_name);
    }

    // Any saved file can be viewed; only a complete order can be printed from there.
    void printViewShowsCard_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("printAllowed");
        QTest::newRow("complete order") << u"Заказы/10.12.2006_17_Школа.kvo"_s << true;
        QTest::newRow("draft") << u"Черновики/10.12.2006_17_.kvn"_s << false;
    }
    void printViewShowsCard() {
        QFETCH(QString, name);
        QFETCH(bool, printAllowed);
        const QDir folder(folder_.path());
        folder.mkpath(u"Заказы"_s);
        folder.mkpath(u"Черновики"_s);
        TOrder saved;
        saved.number = 17;
        QVERIFY(SaveOrderFile(folder.filePath(name), saved).ok);

        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        dialogs.AnswerOpen(folder.filePath(name));
        bool printEnabled = !printAllowed;
        dialogs.Queue([&](QDialog& preview) {
            printEnabled = preview.findChild<QPushButton*>(u"PrintButton"_s)->isEnabled();
            return QDialog::Rejected;
        });
        QTest::mouseClick(form.Print_View_Button, Qt::LeftButton);

        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].title, u"Предварительный просмотр карты заказа."_s);
        QCOMPARE(printEnabled, printAllowed);
        QCOMPARE(form.order.number, 17);  // the viewed order stays in memory
        QCOMPARE(form.Pages->currentWidget(), form.Panel1);
        QVERIFY(!form.state.view_any_order);
    }

    void exitClosesWindow() {
        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        form.show();
        QVERIFY(form.isVisible());
        QTest::mouseClick(form.ExitBitBtn, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QVERIFY(dialogs.shown.isEmpty());
    }

private:
    QTemporaryDir folder_;
};

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
