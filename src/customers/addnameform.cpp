#include "customers/addnameform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "customers/dataform.h"
#include "customers/formparts.h"

using namespace Qt::Literals::StringLiterals;
using customers::MakeButton;
using customers::MakeEdit;
using customers::MakeLabel;

TAddNameForm::TAddNameForm(TDataForm& dataForm) : QDialog(&dataForm), data_(dataForm) {
    customers::MakeClosedByButtonsOnly(*this, u"AddNameForm"_s, u"Добавление контактного лица"_s);

    Label1 = MakeLabel(u"Label1"_s, u"Контактное лицо"_s, this);
    NameEdit = MakeEdit(u"NameEdit"_s, this);
    Label2 = MakeLabel(u"Label2"_s, u"ФИО"_s, this);
    AddNameLastButton = MakeButton(u"AddNameLastButton"_s, u"Добавить"_s, this);
    CancelButton2 = MakeButton(u"CancelButton2"_s, u"Отмена"_s, this);
    AddNameLastButton->setDefault(true);
    Label1->setBuddy(NameEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(NameEdit);
    layout->addWidget(Label2);
    customers::AddButtonRow(*layout, AddNameLastButton, CancelButton2);

    connect(NameEdit, &QLineEdit::textChanged, this, &TAddNameForm::NameEditChange);
    connect(AddNameLastButton, &QPushButton::clicked, this, [this] {
        if (addMode_) {
            AddNameLastButtonClick();
        } else {
            AddNameLastButtonClickChange();
        }
    });
    connect(CancelButton2, &QPushButton::clicked, this, &TAddNameForm::CancelButton2Click);
}

void TAddNameForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
    }
}

void TAddNameForm::FormActivate() {
    AddNameLastButton->setEnabled(false);
    CancelButton2->setEnabled(settings::Exists(data_.ProgramFolder()));
    addMode_ = data_.AddMode;
    changeRuleOn_ = false;
    if (addMode_) {
        AddNameLastButton->setText(u"Добавить"_s);
        NameEdit->clear();
    } else {
        AddNameLastButton->setText(u"Изменить"_s);
        const QString name = data_.SelectedContact();
        RecordIndex = data_.Lines.FindRecord(data_.SelectedOrganisation(), name);
        NameEdit->setText(name);
    }
    changeRuleOn_ = true;
}

void TAddNameForm::NameEditChange() {
    if (changeRuleOn_) {
        AddNameLastButton->setEnabled(!NameEdit->text().isEmpty());
    }
}

void TAddNameForm::AddNameLastButtonClick() {
    if (!settings::Exists(data_.ProgramFolder())) {
        accept();  // a contact person needs an organisation on file
        return;
    }
    const QString org = data_.SelectedOrganisation();
    const FileResult result = settings::AddContact(data_.ProgramFolder(), org, NameEdit->text());
    if (!result.ok) {
        data_.ReportFailure(result, this);  // the dialog stays open with what was typed
        return;
    }
    data_.FormActivate();
    data_.SelectOrganisation(org);
    data_.FirmsListBoxClick();
    accept();
}

void TAddNameForm::AddNameLastButtonClickChange() {
    if (RecordIndex < 0) {
        accept();  // the person is no longer in the lines: nothing to change
        return;
    }
    const QString org = data_.Lines.RecordValue(RecordIndex, TSettingsFile::OrgName);
    const QString oldName = data_.Lines.RecordValue(RecordIndex, TSettingsFile::Name);
    TSettingsFile changed = data_.Lines;
    changed.ChangeContact(org, oldName, NameEdit->text());
    if (!data_.StoreLines(changed, this)) {
        return;
    }
    data_.ShowContactRenamed(oldName, NameEdit->text());
    accept();
}

void TAddNameForm::CancelButton2Click() {
    reject();
}

void TAddNameForm::reject() {
    // Escape and the system's close request act as "Отмена", and only while it is available: with
    // no settings file the dialog can only be left through its confirming button.
    if (CancelButton2->isEnabled()) {
        QDialog::reject();
    }
}
