#include "customerharness.h"

#include <QDir>
#include <QFile>

#include "common/cp1251.h"
#include "storage/settingsfile.h"

using namespace Qt::Literals::StringLiterals;

QStringList CustomerHarness::Record(int record, const QString& org, const QString& phone, const QString& fax,
                                    const QString& email, const QString& name) {
    const QString n = QString::number(record);
    return {u"Org_Name"_s + n + u'=' + org, u"Phone"_s + n + u'=' + phone, u"Fax"_s + n + u'=' + fax,
            u"E-mail"_s + n + u'=' + email, u"Name"_s + n + u'=' + name};
}

QStringList CustomerHarness::ExampleLines() {
    return Record(0, u"ООО «Альфа»"_s, u"(000) 111-22-33"_s, u"(000) 111-22-34"_s, {}, {}) +
           Record(1, u"ООО «Альфа»"_s, u"(000) 111-22-33"_s, u"(000) 111-22-34"_s, {}, u"Контакт А"_s) +
           Record(2, u"ООО «Альфа»"_s, u"(000) 111-22-33"_s, u"(000) 111-22-34"_s, {}, u"Контакт Б"_s) +
           Record(3, u"ЗАО «Бета»"_s, u"(000) 444-55-66"_s, {}, {}, {}) + QStringList{u"N_ORDER=17"_s};
}

QString CustomerHarness::SettingsPath() const {
    return settings::PathIn(folder.path());
}

void CustomerHarness::WriteSettings(const QStringList& lines) const {
    QFile file(SettingsPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(Expected(lines)) < 0) {
        qFatal("cannot write the settings file of the test");
    }
}

QByteArray CustomerHarness::SettingsBytes() const {
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray CustomerHarness::Expected(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += cp1251::Encode(line) + "\r\n";
    }
    return bytes;
}

QStringList CustomerHarness::SplitSettings(const QByteArray& bytes) {
    QStringList lines;
    for (const QByteArray& line : bytes.split('\n')) {
        lines.append(cp1251::Decode(line.chopped(line.isEmpty() ? 0 : 1)));
        if (!line.isEmpty() && !line.endsWith('\r')) {
            qFatal("settings line without CR LF");
        }
    }
    if (lines.isEmpty() || !lines.constLast().isEmpty()) {
        qFatal("settings file without CR LF at its end");
    }
    lines.removeLast();
    return lines;
}

void CustomerHarness::BlockSettings() const {
    QFile::remove(SettingsPath());
    QDir(folder.path()).mkdir(TSettingsFile::kFileName);
}

void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Erase(QLineEdit* edit) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
}

void Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void ClickEntry(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty()) {
        qFatal("no list entry %s", qPrintable(text));
    }
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.constFirst()).center());
}

QStringList Entries(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts.append(list->item(row)->text());
    }
    return texts;
}

QString SelectedEntry(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

QStringList EnabledButtons(const TDataForm& form) {
    QStringList names;
    for (const QPushButton* button : {form.AddFirmButton, form.ChangeFirmButton, form.DeleteFirmButton,
                                      form.AddNameButton, form.ChangeNameButton, form.DeleteNameButton}) {
        if (button->isEnabled()) {
            names.append(button->objectName());
        }
    }
    return names;
}

namespace {

template <class T>
T* ChildOf(QDialog& dialog, const QString& name) {
    T* child = dialog.findChild<T*>(name);
    if (child == nullptr) {
        qFatal("%s has no control %s", qPrintable(dialog.objectName()), qPrintable(name));
    }
    return child;
}

}  // namespace

QLineEdit* EditOf(QDialog& dialog, const QString& name) {
    return ChildOf<QLineEdit>(dialog, name);
}

QPushButton* ButtonOf(QDialog& dialog, const QString& name) {
    return ChildOf<QPushButton>(dialog, name);
}

void Retype(QDialog& dialog, const QString& editName, const QString& text) {
    QLineEdit* edit = EditOf(dialog, editName);
    Erase(edit);
    Type(edit, text);
}
