#pragma once

#include <QWidget>
#include <array>

#include "order/order.h"
#include "storage/settingsfile.h"

class Dialogs;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

// The one window of the program: the start menu and the pages of the order wizard. It owns the
// order and the window state kept beside it.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    static const QString base_caption;

    TMainForm(Dialogs& dialogs, QString programFolder, QWidget* parent = nullptr);

    TOrder order;
    TWindowState state;

    // Leaves the wizard: base caption, start menu shown, `page` hidden. The order is kept.
    void ShowStartMenu(QWidget* page);
    void SetOrderCaption(qint32 number);

    // The settings check made on every activation of the window.
    void FormActivate();

    // Shows the open dialog for the current kind of file and reads the chosen file into the order.
    bool OpenOrderFile();

    // Copy steps between the order and the page controls.
    void CollectExtras();
    void ShowExtras();
    void ClearExtrasControls();
    void CollectCustomer();
    void ShowCustomer();
    void CollectNotes();
    void ShowNotes();

    const QString& ProgramFolder() const { return program_folder_; }

    // Start menu handlers.
    void New_Zakaz_ButtonClick();
    void New_Zakaz_On_Old_ButtonClick();
    void Continue_Old_ButtonClick();
    void Print_View_ButtonClick();
    void Preferences_ButtonClick();
    void ExitBitBtnClick();

    // Pages.
    QStackedWidget* Pages = nullptr;
    std::array<QWidget*, 7> panels{};
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    QWidget* Panel4 = nullptr;
    QWidget* Panel5 = nullptr;
    QWidget* Panel6 = nullptr;
    QWidget* Panel7 = nullptr;

    // Start menu.
    QLabel* Image7 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPushButton* New_Zakaz_Button = nullptr;
    QPushButton* New_Zakaz_On_Old_Button = nullptr;
    QPushButton* Continue_Old_Button = nullptr;
    QPushButton* Print_View_Button = nullptr;
    QPushButton* EmailButton = nullptr;
    QPushButton* Preferences_Button = nullptr;
    QPushButton* ExitBitBtn = nullptr;

    // Systems page.
    QLabel* Image1 = nullptr;
    QLineEdit* ObjectNameEdit = nullptr;
    QPushButton* CancelButton1 = nullptr;
    std::array<QLineEdit*, kTypeCount> type_count_edits{};
    std::array<QLabel*, kTypeCount> type_labels{};

    // Features and products pages.
    std::array<QCheckBox*, 3> feature_boxes{};
    std::array<QLineEdit*, kProductCount> product_edits{};

    // Final page.
    QLabel* Image8 = nullptr;
    QLineEdit* n_order_Edit = nullptr;
    QComboBox* OrgNamesComboBox = nullptr;
    QComboBox* NamesComboBox = nullptr;
    QLineEdit* CommentEdit = nullptr;
    QPlainTextEdit* PSMemo = nullptr;

protected:
    bool event(QEvent* event) override;

private:
    void Init();
    void BuildStartMenu();
    void BuildSystemsPage();
    void BuildFeaturesPage();
    void BuildProductsPage();
    void BuildFinalPage();
    void ShowPage(QWidget* page);
    void StartWizardFromFile(bool fromDraft);
    void ShowFileError(const QString& text);
    // The settings file as it is now; a read error is reported and reads as no records.
    settings::Loaded LoadSettings();
    std::array<QPushButton*, 5> SettingsButtons() const;

    Dialogs& dialogs_;
    const QString program_folder_;
    bool activating_ = false;
    bool shown_once_ = false;
    // Closing the data window activates this window again; that activation must not reopen the
    // data window, or a user with nothing to enter could never reach "Выход".
    bool skip_data_window_once_ = false;
};
