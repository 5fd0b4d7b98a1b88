#include "customers/dataform.h"

#include <QCollator>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/dialogs.h"
#include "customers/addfirmform.h"
#include "customers/addnameform.h"
#include "customers/formparts.h"

using namespace Qt::Literals::StringLiterals;
using customers::MakeButton;

namespace {

QListWidgetItem* SelectedEntry(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

// Leaves the list with no entry selected and no current entry, without running its click step.
void Unselect(QListWidget* list) {
    const QSignalBlocker blocker(list);
    list->clearSelection();
    list->setCurrentRow(-1);
}

void RemoveEntry(QListWidget* list, QListWidgetItem* item) {
    const QSignalBlocker blocker(list);
    delete list->takeItem(list->row(item));
}

QListWidget* MakeList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(260, 240);
    return list;
}

QGroupBox* MakeGroup(const QString& name, const QString& caption, QListWidget* list,
                     std::initializer_list<QPushButton*> buttons, QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    auto* column = new QVBoxLayout(group);
    column->addWidget(list);
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons) {
        button->setParent(group);
        row->addWidget(button);
    }
    column->addLayout(row);
    return group;
}

}  // namespace

TDataForm::TDataForm(Dialogs& dialogs, const QString& programFolder, bool& settingsReady, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), programFolder_(programFolder), settingsReady_(settingsReady) {
    setObjectName(u"DataForm"_s);
    setWindowTitle(u"Данные"_s);

    FirmsListBox = MakeList(u"FirmsListBox"_s, this);
    AddFirmButton = MakeButton(u"AddFirmButton"_s, u"Добавить"_s, this);
    ChangeFirmButton = MakeButton(u"ChangeFirmButton"_s, u"Изменить"_s, this);
    DeleteFirmButton = MakeButton(u"DeleteFirmButton"_s, u"Удалить"_s, this);
    GroupBox1 = MakeGroup(u"GroupBox1"_s, u"Реквизиты организации заказчика"_s, FirmsListBox,
                          {AddFirmButton, ChangeFirmButton, DeleteFirmButton}, this);

    NamesListBox = MakeList(u"NamesListBox"_s, this);
    AddNameButton = MakeButton(u"AddNameButton"_s, u"Добавить"_s, this);
    ChangeNameButton = MakeButton(u"ChangeNameButton"_s, u"Изменить"_s, this);
    DeleteNameButton = MakeButton(u"DeleteNameButton"_s, u"Удалить"_s, this);
    GroupBox2 = MakeGroup(u"GroupBox2"_s, u"Контактные лица"_s, NamesListBox,
                          {AddNameButton, ChangeNameButton, DeleteNameButton}, this);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QPushButton* button :
         {ChangeFirmButton, DeleteFirmButton, AddNameButton, ChangeNameButton, DeleteNameButton}) {
        button->setEnabled(false);
    }

    // A selection changed by the keyboard or the mouse runs the click step; a click on the entry that
    // is already selected runs it too. Selections made from code block the list's signals.
    connect(FirmsListBox, &QListWidget::itemSelectionChanged, this, &TDataForm::FirmsListBoxClick);
    connect(FirmsListBox, &QListWidget::itemClicked, this, &TDataForm::FirmsListBoxClick);
    connect(NamesListBox, &QListWidget::itemSelectionChanged, this, &TDataForm::NamesListBoxClick);
    connect(NamesListBox, &QListWidget::itemClicked, this, &TDataForm::NamesListBoxClick);

    connect(AddFirmButton, &QPushButton::clicked, this, &TDataForm::AddFirmButtonClick);
    connect(ChangeFirmButton, &QPushButton::clicked, this, &TDataForm::ChangeFirmButtonClick);
    connect(DeleteFirmButton, &QPushButton::clicked, this, &TDataForm::DeleteFirmButtonClick);
    connect(AddNameButton, &QPushButton::clicked, this, &TDataForm::AddNameButtonClick);
    connect(ChangeNameButton, &QPushButton::clicked, this, &TDataForm::ChangeNameButtonClick);
    connect(DeleteNameButton, &QPushButton::clicked, this, &TDataForm::DeleteNameButtonClick);
}

void TDataForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
    }
}

void TDataForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        FormClose();
    }
}

void TDataForm::FormActivate() {
    AddMode = false;
    Lines = TSettingsFile();
    {
        const QSignalBlocker firmsBlocker(FirmsListBox);
        FirmsListBox->clear();
    }
    ClearNames();

    if (settings::Exists(programFolder_)) {
        settings::Loaded loaded = settings::Load(programFolder_);
        if (loaded.result.ok) {
            Lines = std::move(loaded.file);
        } else {
            ReportFailure(loaded.result, this);
        }
        const QSignalBlocker blocker(FirmsListBox);
        FirmsListBox->addItems(Lines.ListOrganisations());
    } else {
        // A first run: an organisation has to be entered before anything else.
        AddFirmButtonClick();
    }

    if (SelectedEntry(FirmsListBox) == nullptr) {
        for (QPushButton* button :
             {AddNameButton, DeleteFirmButton, DeleteNameButton, ChangeFirmButton, ChangeNameButton}) {
            button->setEnabled(false);
        }
    }
}

void TDataForm::FirmsListBoxClick() {
    ClearNames();
    const QListWidgetItem* entry = SelectedEntry(FirmsListBox);
    const bool selected = entry != nullptr;
    // The last remaining organisation can be changed but not deleted.
    DeleteFirmButton->setEnabled(selected && FirmsListBox->count() > 1);
    ChangeFirmButton->setEnabled(selected);
    if (selected) {
        for (const QString& name : Lines.ListContacts(entry->text())) {
            AddContactEntry(name);
        }
    }
    AddNameButton->setEnabled(selected);
    DisableNameButtons();
}

void TDataForm::NamesListBoxClick() {
    const bool selected = SelectedEntry(NamesListBox) != nullptr;
    DeleteNameButton->setEnabled(selected);
    ChangeNameButton->setEnabled(selected);
}

void TDataForm::AddFirmButtonClick() {
    AddMode = true;
    TAddFirmForm form(*this);
    dialogs_.Exec(form);
}

void TDataForm::ChangeFirmButtonClick() {
    AddMode = false;
    TAddFirmForm form(*this);
    dialogs_.Exec(form);
}

void TDataForm::AddNameButtonClick() {
    AddMode = true;
    TAddNameForm form(*this);
    dialogs_.Exec(form);
}

void TDataForm::ChangeNameButtonClick() {
    AddMode = false;
    TAddNameForm form(*this);
    dialogs_.Exec(form);
}

void TDataForm::DeleteFirmButtonClick() {
    QListWidgetItem* entry = SelectedEntry(FirmsListBox);
    if (entry == nullptr) {
        return;
    }
    TSettingsFile changed = Lines;
    changed.DeleteOrganisation(entry->text());
    if (!StoreLines(changed, this)) {
        return;
    }
    RemoveEntry(FirmsListBox, entry);
    Unselect(FirmsListBox);
    ClearNames();
    for (QPushButton* button : {DeleteFirmButton, ChangeFirmButton, AddNameButton}) {
        button->setEnabled(false);
    }
    DisableNameButtons();
}

void TDataForm::DeleteNameButtonClick() {
    QListWidgetItem* entry = SelectedEntry(NamesListBox);
    if (entry == nullptr) {
        return;
    }
    const QString org = SelectedOrganisation();
    TSettingsFile changed = Lines;
    // Only the first matching record goes, even when the organisation has two persons of that name.
    const bool found = changed.FindRecord(org, entry->text()) >= 0;
    if (found) {
        changed.DeleteContact(org, entry->text());
    }
    if (!StoreLines(changed, this)) {
        return;
    }
    if (found) {
        RemoveEntry(NamesListBox, entry);
    }
    Unselect(NamesListBox);
    DisableNameButtons();
}

void TDataForm::FormClose() {
    if (settings::Exists(programFolder_)) {
        settingsReady_ = true;
    }
}

QString TDataForm::SelectedOrganisation() const {
    const QListWidgetItem* entry = SelectedEntry(FirmsListBox);
    return entry == nullptr ? QString() : entry->text();
}

QString TDataForm::SelectedContact() const {
    const QListWidgetItem* entry = SelectedEntry(NamesListBox);
    return entry == nullptr ? QString() : entry->text();
}

void TDataForm::SelectOrganisationRow(int row) {
    const QSignalBlocker blocker(FirmsListBox);
    FirmsListBox->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void TDataForm::SelectOrganisation(const QString& org) {
    for (int row = 0; row < FirmsListBox->count(); ++row) {
        if (FirmsListBox->item(row)->text() == org) {
            SelectOrganisationRow(row);
            return;
        }
    }
}

void TDataForm::ShowOrganisationRenamed(const QString& newName) {
    if (QListWidgetItem* entry = SelectedEntry(FirmsListBox)) {
        RemoveEntry(FirmsListBox, entry);
    }
    // The new name goes last; when it is the name of another listed organisation, the two are now
    // one organisation, listed once.
    if (FirmsListBox->findItems(newName, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        const QSignalBlocker blocker(FirmsListBox);
        FirmsListBox->addItem(newName);
    }
    Unselect(FirmsListBox);
    ClearNames();
    for (QPushButton* button : {DeleteFirmButton, ChangeFirmButton, AddNameButton}) {
        button->setEnabled(false);
    }
    DisableNameButtons();
}

void TDataForm::ShowContactRenamed(const QString& oldName, const QString& newName) {
    // Every record of the organisation with the old name was renamed, so every entry of it goes.
    const QSignalBlocker blocker(NamesListBox);
    int renamed = 0;
    for (int row = NamesListBox->count() - 1; row >= 0; --row) {
        if (NamesListBox->item(row)->text() == oldName) {
            delete NamesListBox->takeItem(row);
            ++renamed;
        }
    }
    for (int i = 0; i < renamed; ++i) {
        AddContactEntry(newName);
    }
    Unselect(NamesListBox);
    DisableNameButtons();
}

bool TDataForm::StoreLines(const TSettingsFile& changed, QWidget* messageParent) {
    const FileResult result = settings::Save(programFolder_, changed);
    if (!result.ok) {
        ReportFailure(result, messageParent);
        return false;
    }
    Lines = changed;
    return true;
}

void TDataForm::ReportFailure(const FileResult& result, QWidget* messageParent) {
    ShowMessage(dialogs_, messageParent, u"Ошибка"_s, result.error, /*critical=*/true);
}

void TDataForm::AddContactEntry(const QString& name) {
    // Alphabetical in the user's language, letter case ignored; a repeated name goes after the
    // entries equal to it.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    int row = NamesListBox->count();
    while (row > 0 && collator.compare(NamesListBox->item(row - 1)->text(), name) > 0) {
        --row;
    }
    const QSignalBlocker blocker(NamesListBox);
    NamesListBox->insertItem(row, name);
}

void TDataForm::ClearNames() {
    const QSignalBlocker blocker(NamesListBox);
    NamesListBox->clear();
}

void TDataForm::DisableNameButtons() {
    DeleteNameButton->setEnabled(false);
    ChangeNameButton->setEnabled(false);
}
