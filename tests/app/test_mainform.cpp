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

    // Without a settings file every activation disables the five buttons; the data window opens,
    // but not again on the activation that its own closing causes.
    void activationWithoutSettings() {
        FakeDialogs dialogs;
        TMainForm form(dialogs, folder_.path());
        form.show();
        form.FormActivate();
        const QList<QPushButton*> needSettings = {form.New_Zakaz_Button, form.New_Zakaz_On_Old_Button,
                                                  form.Continue_Old_Button, form.Print_View_Button,
                                                  form.EmailButton};
        for (QPushButton* button : needSettings) {
            QVERIFY(!button->isEnabled());
        }
        QVERIFY(form.Preferences_Button->isEnabled());
        QVERIFY(form.ExitBitBtn->isEnabled());
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].title, u"Данные"_s);

        form.FormActivate();  // caused by the data window closing
        QCOMPARE(dialogs.shown.size(), 1);
        form.FormActivate();  // the user comes back later
        QCOMPARE(dialogs.shown.size(), 2);

        WriteSettings(folder_.path(), {u"N_ORDER=0"_s});
        form.FormActivate();
        QCOMPARE(dialogs.shown.size(), 2);
        for (QPushButton* button : needSettings) {
            QVERIFY(button->isEnabled());
        }
        QVERIFY(form.state.settings_ready);
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
