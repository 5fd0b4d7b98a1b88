#include "customers/addfirmform.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "customers/dataform.h"
#include "customers/formparts.h"

using namespace Qt::Literals::StringLiterals;
using customers::MakeButton;
using customers::MakeEdit;
using customers::MakeLabel;

TAddFirmForm::TAddFirmForm(TDataForm& dataForm) : QDialog(&dataForm), data_(dataForm) {
    customers::MakeClosedByButtonsOnly(*this, u"AddFirmForm"_s, u"Добавление реквизитов организации"_s);

    Label1 = MakeLabel(u"Label1"_s, u"Название организации заказчика*"_s, this);
    Org_Name_Edit = MakeEdit(u"Org_Name_Edit"_s, this);
    Label2 = MakeLabel(u"Label2"_s, u"Телефон*"_s, this);
    Phone_Edit = MakeEdit(u"Phone_Edit"_s, this);
    Label3 = MakeLabel(u"Label3"_s, u"Факс"_s, this);
    Fax_Edit = MakeEdit(u"Fax_Edit"_s, this);
    Label4 = MakeLabel(u"Label4"_s, u"Адрес электронной почты (e-mail)"_s, this);
    Email_Edit = MakeEdit(u"Email_Edit"_s, this);
    Label9 = MakeLabel(u"Label9"_s, u"*Поля отмеченные звездочкой обязательны для заполнения"_s, this);
    AddFirmLastButton = MakeButton(u"AddFirmLastButton"_s, u"Добавить"_s, this);
    CancelButton1 = MakeButton(u"CancelButton1"_s, u"Отмена"_s, this);
    AddFirmLastButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    const std::pair<QLabel*, QLineEdit*> rows[] = {
        {Label1, Org_Name_Edit}, {Label2, Phone_Edit}, {Label3, Fax_Edit}, {Label4, Email_Edit}};
    for (const auto& [label, edit] : rows) {
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        connect(edit, &QLineEdit::textChanged, this, &TAddFirmForm::EditChange);
    }
    layout->addWidget(Label9);
    customers::AddButtonRow(*layout, AddFirmLastButton, CancelButton1);

    connect(AddFirmLastButton, &QPushButton::clicked, this, [this] {
        if (addMode_) {
            AddFirmLastButtonClick();
        } else {
            AddFirmLastButtonClickChange();
        }
    });
    connect(CancelButton1, &QPushButton::clicked, this, &TAddFirmForm::CancelButton1Click);
}

void TAddFirmForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
    }
}

void TAddFirmForm::FormActivate() {
    AddFirmLastButton->setEnabled(false);
    CancelButton1->setEnabled(true);
    addMode_ = data_.AddMode;
    // Filling the edits is not an edit of the user's: the button stays disabled until one is made.
    changeRuleOn_ = false;
    if (addMode_) {
        AddFirmLastButton->setText(u"Добавить"_s);
        for (QLineEdit* edit : {Org_Name_Edit, Phone_Edit, Fax_Edit, Email_Edit}) {
            edit->clear();
        }
    } else {
        AddFirmLastButton->setText(u"Изменить"_s);
        const QString org = data_.SelectedOrganisation();
        RecordIndex = data_.Lines.FindRecord(org);
        Org_Name_Edit->setText(org);
        Phone_Edit->setText(data_.Lines.RecordValue(RecordIndex, TSettingsFile::Phone));
        Fax_Edit->setText(data_.Lines.RecordValue(RecordIndex, TSettingsFile::Fax));
        Email_Edit->setText(data_.Lines.RecordValue(RecordIndex, TSettingsFile::Email));
    }
    changeRuleOn_ = true;
}

void TAddFirmForm::EditChange() {
    if (changeRuleOn_) {
        AddFirmLastButton->setEnabled(!Org_Name_Edit->text().isEmpty() && !Phone_Edit->text().isEmpty());
    }
}

void TAddFirmForm::AddFirmLastButtonClick() {
    const FileResult result =
        settings::AddOrganisation(data_.ProgramFolder(), Org_Name_Edit->text(), Phone_Edit->text(),
                                  Fax_Edit->text(), Email_Edit->text());
    if (!result.ok) {
        data_.ReportFailure(result, this);  // the dialog stays open with what was typed
        return;
    }
    data_.FormActivate();
    if (data_.FirmsListBox->count() > 0) {
        data_.SelectOrganisationRow(data_.FirmsListBox->count() - 1);
        data_.AddNameButton->setEnabled(true);
    }
    data_.SetSettingsReady();
    accept();
}

void TAddFirmForm::AddFirmLastButtonClickChange() {
    if (RecordIndex < 0) {
        accept();  // the organisation is no longer in the lines: nothing to change
        return;
    }
    const QString oldName = data_.Lines.RecordValue(RecordIndex, TSettingsFile::OrgName);
    TSettingsFile changed = data_.Lines;
    changed.ChangeOrganisation(oldName, Org_Name_Edit->text(), Phone_Edit->text(), Fax_Edit->text(),
                               Email_Edit->text());
    if (!data_.StoreLines(changed, this)) {
        return;
    }
    data_.ShowOrganisationRenamed(Org_Name_Edit->text());
    accept();
}

void TAddFirmForm::CancelButton1Click() {
    reject();
}

void TAddFirmForm::reject() {
    // Escape and the system's close request act as "Отмена", and only while it is available.
    if (CancelButton1->isEnabled()) {
        QDialog::reject();
    }
}
