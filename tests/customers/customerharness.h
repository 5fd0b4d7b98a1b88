#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "customers/addfirmform.h"
#include "customers/addnameform.h"
#include "customers/dataform.h"
#include "fakedialogs.h"

// A program folder of its own, the scripted dialogs and the main window's settings_ready flag, with
// the user's gestures on the customer windows.
struct CustomerHarness {
    QTemporaryDir folder;
    FakeDialogs fake;
    bool settingsReady = false;

    // Two organisations, the first with two contact persons.
    static QStringList ExampleLines();
    // The record lines of one organisation or contact person, numbered `record`.
    static QStringList Record(int record, const QString& org, const QString& phone, const QString& fax,
                              const QString& email, const QString& name);

    QString SettingsPath() const;
    void WriteSettings(const QStringList& lines) const;  // Windows-1251, CR LF
    QByteArray SettingsBytes() const;
    // The bytes the program must have written for these lines.
    static QByteArray Expected(const QStringList& lines);
    // The lines of a file's bytes; fails the test run unless every line ends with CR LF.
    static QStringList SplitSettings(const QByteArray& bytes);

    // The settings file made unwritable and unreadable: a folder takes its name.
    void BlockSettings() const;
};

// Types as a person would, one character at a time (QTest::keyClicks drops all but Latin-1).
void Type(QWidget* widget, const QString& text);
// Selects the whole text and erases it.
void Erase(QLineEdit* edit);
void Click(QPushButton* button);
// Clicks the first entry with this text, as the user does.
void ClickEntry(QListWidget* list, const QString& text);

QStringList Entries(const QListWidget* list);
QString SelectedEntry(const QListWidget* list);
// The objectNames of the enabled buttons of the data window, in the window's order.
QStringList EnabledButtons(const TDataForm& form);

// A control of an open dialog, found by its objectName as a user's script would.
QLineEdit* EditOf(QDialog& dialog, const QString& name);
QPushButton* ButtonOf(QDialog& dialog, const QString& name);
// Replaces the text of an edit the way a person does.
void Retype(QDialog& dialog, const QString& editName, const QString& text);
