#pragma once

#include <QDialog>
#include <QString>

#include "storage/settingsfile.h"

class Dialogs;
class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The window "Данные": the customer directory of the settings file. It lists the organisations
// (in file order) and the contact persons of the selected one (sorted, letter case ignored),
// deletes entries itself and opens TAddFirmForm and TAddNameForm to add and change them.
//
// Created by the main window for one use and shown through Dialogs::Exec. FormActivate runs when it
// is shown; FormClose runs whenever it is hidden, however it was closed.
class TDataForm : public QDialog {
    Q_OBJECT
public:
    // `settingsReady` is the main window's flag: set once the settings file exists (on closing, and
    // as soon as an organisation has been added).
    TDataForm(Dialogs& dialogs, const QString& programFolder, bool& settingsReady, QWidget* parent = nullptr);

    // Read by the add and change dialogs when they open: true = add a new entry, false = change the
    // selected one.
    bool AddMode = false;
    // The settings file as loaded by the last FormActivate; changes and deletions work on these
    // lines and then write them to the file.
    TSettingsFile Lines;
    int RecordCount() const { return Lines.RecordCount(); }

    QGroupBox* GroupBox1;
    QListWidget* FirmsListBox;
    QPushButton* AddFirmButton;
    QPushButton* ChangeFirmButton;
    QPushButton* DeleteFirmButton;
    QGroupBox* GroupBox2;
    QListWidget* NamesListBox;
    QPushButton* AddNameButton;
    QPushButton* ChangeNameButton;
    QPushButton* DeleteNameButton;

    // The steps of the window; the dialogs run FormActivate and FirmsListBoxClick to refresh it.
    void FormActivate();
    void FirmsListBoxClick();
    void NamesListBoxClick();
    void AddFirmButtonClick();
    void ChangeFirmButtonClick();
    void DeleteFirmButtonClick();
    void AddNameButtonClick();
    void ChangeNameButtonClick();
    void DeleteNameButtonClick();
    void FormClose();

    // The selected entries; empty when nothing is selected.
    QString SelectedOrganisation() const;
    QString SelectedContact() const;

    // Selecting from code runs no click step, as for the user's own selection in the lists.
    void SelectOrganisationRow(int row);
    void SelectOrganisation(const QString& org);  // the first entry with this text

    // The list updates after a change dialog wrote the file.
    void ShowOrganisationRenamed(const QString& newName);
    void ShowContactRenamed(const QString& oldName, const QString& newName);

    // Writes `changed` to the settings file and makes it the window's Lines. On failure the user is
    // told why (over `messageParent`) and Lines stay as they were.
    bool StoreLines(const TSettingsFile& changed, QWidget* messageParent);
    void ReportFailure(const FileResult& result, QWidget* messageParent);

    Dialogs& DialogsSeam() const { return dialogs_; }
    const QString& ProgramFolder() const { return programFolder_; }
    void SetSettingsReady() { settingsReady_ = true; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void AddContactEntry(const QString& name);  // at its sorted place
    void ClearNames();
    void DisableNameButtons();

    Dialogs& dialogs_;
    QString programFolder_;
    bool& settingsReady_;
};
