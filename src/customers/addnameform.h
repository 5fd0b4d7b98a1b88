#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TDataForm;

// "Добавление контактного лица": adds a contact person to the selected organisation or renames the
// selected one, as the data window's AddMode says when the dialog opens. Writes the settings file
// itself and updates the data window. Closed only by its two buttons.
class TAddNameForm : public QDialog {
    Q_OBJECT
public:
    explicit TAddNameForm(TDataForm& dataForm);

    // In change mode: the first record of the selected organisation and contact person.
    int RecordIndex = -1;

    QLabel* Label1;
    QLineEdit* NameEdit;
    QLabel* Label2;
    QPushButton* AddNameLastButton;
    QPushButton* CancelButton2;

    void FormActivate();
    void NameEditChange();
    void AddNameLastButtonClick();
    void AddNameLastButtonClickChange();
    void CancelButton2Click();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDataForm& data_;
    bool addMode_ = true;
    bool changeRuleOn_ = true;
};
