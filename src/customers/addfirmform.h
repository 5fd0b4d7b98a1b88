#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TDataForm;

// "Добавление реквизитов организации": adds an organisation or changes the selected one, as the
// data window's AddMode says when the dialog opens. Writes the settings file itself and updates
// the data window. Closed only by its two buttons.
class TAddFirmForm : public QDialog {
    Q_OBJECT
public:
    explicit TAddFirmForm(TDataForm& dataForm);

    // In change mode: the first record of the selected organisation, whose values are shown.
    int RecordIndex = -1;

    QLabel* Label1;
    QLineEdit* Org_Name_Edit;
    QLabel* Label2;
    QLineEdit* Phone_Edit;
    QLabel* Label3;
    QLineEdit* Fax_Edit;
    QLabel* Label4;
    QLineEdit* Email_Edit;
    QLabel* Label9;
    QPushButton* AddFirmLastButton;
    QPushButton* CancelButton1;

    void FormActivate();
    void EditChange();
    void AddFirmLastButtonClick();
    void AddFirmLastButtonClickChange();
    void CancelButton1Click();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDataForm& data_;
    bool addMode_ = true;
    bool changeRuleOn_ = true;
};
