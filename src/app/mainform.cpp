#include "app/mainform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "app/startpicture.h"
#include "card/printpreviewform.h"
#include "common/cp1251validator.h"
#include "common/decimal.h"
#include "common/dialogs.h"
#include "common/programfolder.h"
#include "customers/dataform.h"
#include "order/systemtypes.h"
#include "storage/orderstore.h"
#include "storage/settingsfile.h"

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
const QSize kPictureSize(230, 560);

// The start-menu buttons with the labels beside them, top to bottom.
struct StartMenuEntry {
    QPushButton* TMainForm::*button;
    const char* name;
    const char16_t* label;
    QStyle::StandardPixmap icon;
};
const std::array<StartMenuEntry, 7> kStartMenu = {{
    {&TMainForm::New_Zakaz_Button, "New_Zakaz_Button", u"Новый заказ", QStyle::SP_FileIcon},
    {&TMainForm::New_Zakaz_On_Old_Button, "New_Zakaz_On_Old_Button",
     u"Новый заказ на основе составленного ранее", QStyle::SP_FileDialogNewFolder},
    {&TMainForm::Continue_Old_Button, "Continue_Old_Button", u"Продолжить неоконченный заказ",
     QStyle::SP_DialogOpenButton},
    {&TMainForm::Print_View_Button, "Print_View_Button", u"Просмотр и печать карты заказа",
     QStyle::SP_FileDialogContentsView},
    {&TMainForm::EmailButton, "EmailButton", u"Отправить заказ по E-Mail", QStyle::SP_ArrowRight},
    {&TMainForm::Preferences_Button, "Preferences_Button", u"Настройки", QStyle::SP_FileDialogDetailedView},
    {&TMainForm::ExitBitBtn, "ExitBitBtn", u"Выход", QStyle::SP_DialogCloseButton},
}};

const std::array<const char16_t*, 5> kIntroduction = {
    u"Теплосчетчики \"Кварел\" обладают большим числом характеристик и каждый теплосчетчик ",
    u"предназначен для работы с системами учета тепла разных конфигураций. Данная ",
    u"программа поможет Вам составить заказ, на основе которого будет подобран ",
    u"соответствующий теплосчетчик(теплосчетчики). Заказ составляется отдельно для ",
    u"каждого объекта учета тепла. ",
};

const std::array<const char16_t*, 3> kFeatureCaptions = {
    u"Измерение температуры воздуха",
    u"Поддержка работы с принтером (поддерживается любой матричный принтер)",
    u"Поддержка работы с модемом",
};

// How each open step finds its files.
struct OpenKind {
    const QString& folderName;
    const char16_t* missingMessage;
    const char16_t* filter;
};
const OpenKind kOpenDraft{kDraftsFolderName, u"Не обнаружено черновиков заказов",
                          u"Файлы не полных заказов КВАРЕЛ (*.kvn) |*.kvn"};
const OpenKind kOpenComplete{kOrdersFolderName, u"Не обнаружено файлов заказов",
                             u"Файлы заказов КВАРЕЛ (*.kvo) |*.kvo"};
const char16_t* const kOpenAnyFilter = u"Файлы заказов КВАРЕЛ (*.kvo, *.kvn) |*.kvo; *.kvn";

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

QLabel* PictureLabel(const char* name, QWidget* parent) {
    auto* label = Named(new QLabel(parent), name);
    label->setFixedSize(kPictureSize);
    return label;
}

}  // namespace

const QString TMainForm::base_caption = QStringLiteral("Заказ для «КВАРЕЛ-ПРИБОР» версия 1.0  ");

TMainForm::TMainForm(Dialogs& dialogs, QString programFolder, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), program_folder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(base_caption);
    Pages = Named(new QStackedWidget(this), "Pages");
    for (int i = 0; i < 7; ++i) {
        panels[i] = new QWidget;
        panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        Pages->addWidget(panels[i]);
    }
    Panel1 = panels[0];
    Panel2 = panels[1];
    Panel3 = panels[2];
    Panel4 = panels[3];
    Panel5 = panels[4];
    Panel6 = panels[5];
    Panel7 = panels[6];
    BuildStartMenu();
    BuildSystemsPage();
    BuildFeaturesPage();
    BuildProductsPage();
    BuildFinalPage();
    Init();
}

void TMainForm::Init() {
    state.from_draft = false;
    state.order_saved = false;
    state.view_any_order = false;
    ClearPageChecks(state);

    // Widget sizes are already in device-independent pixels: the window is 800 x 600 of them, which
    // the platform scales with the screen. The scale is kept for the order card's preview.
    const QScreen* screen = QGuiApplication::primaryScreen();
    state.screen_scale =
        screen ? static_cast<float>(screen->logicalDotsPerInch() * screen->devicePixelRatio() / 96.0) : 1.0f;
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(kWindowWidth, kWindowHeight);
    if (screen) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Pages->setGeometry(0, 0, width() - 2, height() - 2);

    state.type_count = kTypeCount;
    // Whatever is typed must fit the Windows-1251 order file.
    auto* validator = new Cp1251Validator(this);
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->setValidator(validator);
    }
    PSMemo->clear();
    Pages->setCurrentWidget(Panel1);
}

void TMainForm::BuildStartMenu() {
    Image7 = PictureLabel("Image7", Panel1);
    Image7->setPixmap(StartPicture(kPictureSize));

    Memo3 = Named(new QPlainTextEdit(Panel1), "Memo3");
    Memo3->setReadOnly(true);
    Memo3->setFrameShape(QFrame::NoFrame);
    // Five lines of a paragraph, each shown whole.
    Memo3->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo3->viewport()->setAutoFillBackground(false);
    QFont memoFont = Memo3->font();
    memoFont.setPointSizeF(memoFont.pointSizeF() * 0.85);
    Memo3->setFont(memoFont);
    for (const char16_t* line : kIntroduction) {
        Memo3->appendPlainText(QString::fromUtf16(line));
    }
    Memo3->setFixedHeight(QFontMetrics(memoFont).lineSpacing() * 6);

    auto* buttons = new QGridLayout;
    buttons->setVerticalSpacing(8);
    for (int row = 0; row < static_cast<int>(kStartMenu.size()); ++row) {
        const StartMenuEntry& entry = kStartMenu[row];
        auto* button = Named(new QPushButton(Panel1), entry.name);
        button->setFixedSize(65, 49);
        button->setIcon(style()->standardIcon(entry.icon));
        button->setIconSize(QSize(32, 32));
        auto* label = new QLabel(QString::fromUtf16(entry.label), Panel1);
        label->setObjectName(QLatin1StringView(entry.name) + QStringLiteral("_Label"));
        label->setBuddy(button);
        this->*entry.button = button;
        buttons->addWidget(button, row, 0);
        buttons->addWidget(label, row, 1);
    }
    buttons->setColumnStretch(1, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(Memo3);
    right->addLayout(buttons);
    right->addStretch();
    auto* layout = new QHBoxLayout(Panel1);
    layout->addWidget(Image7, 0, Qt::AlignTop);
    layout->addLayout(right, 1);

    connect(New_Zakaz_Button, &QPushButton::clicked, this, &TMainForm::New_Zakaz_ButtonClick);
    connect(New_Zakaz_On_Old_Button, &QPushButton::clicked, this, &TMainForm::New_Zakaz_On_Old_ButtonClick);
    connect(Continue_Old_Button, &QPushButton::clicked, this, &TMainForm::Continue_Old_ButtonClick);
    connect(Print_View_Button, &QPushButton::clicked, this, &TMainForm::Print_View_ButtonClick);
    connect(Preferences_Button, &QPushButton::clicked, this, &TMainForm::Preferences_ButtonClick);
    connect(ExitBitBtn, &QPushButton::clicked, this, &TMainForm::ExitBitBtnClick);
}

void TMainForm::BuildSystemsPage() {
    Image1 = PictureLabel("Image1", Panel2);
    auto* objectLabel =
        Named(new QLabel(QStringLiteral("Укажите объект   (наименование, адрес)"), Panel2), "Label106");
    ObjectNameEdit = Named(new QLineEdit(Panel2), "ObjectNameEdit");
    auto* countsLabel = Named(
        new QLabel(
            QStringLiteral("Укажите (стрелочками) количество, присутствующих на объекте, систем учета тепла "
                           "каждого типа, в  которых необходимо производить измерения."),
            Panel2),
        "Label79");
    countsLabel->setWordWrap(true);
    auto* counts = new QGridLayout;
    for (int k = 0; k < kTypeCount; ++k) {
        const TSystemType& type = kSystemTypes[k];
        const QString code = QLatin1StringView(type.code);
        type_labels[k] = new QLabel(QString::fromUtf16(type.caption), Panel2);
        type_labels[k]->setObjectName(code + QStringLiteral("Label"));
        type_labels[k]->setWordWrap(true);
        type_count_edits[k] = new QLineEdit(QStringLiteral("0"), Panel2);
        type_count_edits[k]->setObjectName(code + QStringLiteral("Edit"));
        type_count_edits[k]->setFixedWidth(40);
        counts->addWidget(type_labels[k], k, 0);
        counts->addWidget(type_count_edits[k], k, 1);
        counts->addWidget(new QLabel(QStringLiteral("шт."), Panel2), k, 2);
    }
    counts->setColumnStretch(0, 1);
    CancelButton1 = Named(new QPushButton(QStringLiteral("Отмена"), Panel2), "CancelButton1");
    connect(CancelButton1, &QPushButton::clicked, this, [this] { ShowStartMenu(Panel2); });

    auto* right = new QVBoxLayout;
    right->addWidget(objectLabel);
    right->addWidget(ObjectNameEdit);
    right->addWidget(countsLabel);
    right->addLayout(counts);
    right->addStretch();
    right->addWidget(CancelButton1, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(Panel2);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    layout->addLayout(right, 1);
}

void TMainForm::BuildFeaturesPage() {
    auto* layout = new QVBoxLayout(Panel5);
    layout->addWidget(Named(
        new QLabel(QStringLiteral("Укажите нужные Вам дополнительные возможности теплосчетчика:"), Panel5),
        "Label84"));
    for (int i = 0; i < static_cast<int>(feature_boxes.size()); ++i) {
        feature_boxes[i] = new QCheckBox(QString::fromUtf16(kFeatureCaptions[i]), Panel5);
        feature_boxes[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        layout->addWidget(feature_boxes[i]);
    }
    layout->addStretch();
}

void TMainForm::BuildProductsPage() {
    auto* layout = new QFormLayout(Panel6);
    layout->addRow(
        Named(new QLabel(QStringLiteral("Укажите какие изделия необходимо дополнительно включить в поставку"),
                         Panel6),
              "Label80"));
    for (int i = 0; i < kProductCount; ++i) {
        product_edits[i] = new QLineEdit(QStringLiteral("0"), Panel6);
        product_edits[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        product_edits[i]->setFixedWidth(50);
        layout->addRow(QString::number(i + 1), product_edits[i]);
    }
}

void TMainForm::BuildFinalPage() {
    Image8 = PictureLabel("Image8", Panel7);
    n_order_Edit = Named(new QLineEdit(Panel7), "n_order_Edit");
    OrgNamesComboBox = Named(new QComboBox(Panel7), "OrgNamesComboBox");
    NamesComboBox = Named(new QComboBox(Panel7), "NamesComboBox");
    CommentEdit = Named(new QLineEdit(Panel7), "CommentEdit");
    PSMemo = Named(new QPlainTextEdit(Panel7), "PSMemo");
    PSMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Присвоить заказу №"), n_order_Edit);
    form->addRow(QStringLiteral("Название организации"), OrgNamesComboBox);
    form->addRow(QStringLiteral("Контактное лицо"), NamesComboBox);
    form->addRow(
        new QLabel(QStringLiteral("Комментарий(используется только для имени файла заказа):"), Panel7));
    form->addRow(CommentEdit);
    form->addRow(new QLabel(QStringLiteral("Примечания(то что не удалось указать в программе):"), Panel7));
    form->addRow(PSMemo);
    auto* layout = new QHBoxLayout(Panel7);
    layout->addWidget(Image8, 0, Qt::AlignTop);
    layout->addLayout(form, 1);
}

bool TMainForm::event(QEvent* event) {
    // The first check runs right after start, also where the window system activates nothing.
    const bool firstShow = event->type() == QEvent::Show && !shown_once_;
    if (firstShow) {
        shown_once_ = true;
    }
    if (event->type() == QEvent::WindowActivate || firstShow) {
        // Run the check after the activation has been delivered, not inside it: it may open a
        // modal window.
        QTimer::singleShot(0, this, &TMainForm::FormActivate);
    }
    return QWidget::event(event);
}

std::array<QPushButton*, 5> TMainForm::SettingsButtons() const {
    return {New_Zakaz_Button, New_Zakaz_On_Old_Button, Continue_Old_Button, Print_View_Button, EmailButton};
}

void TMainForm::FormActivate() {
    if (activating_) {
        return;
    }
    activating_ = true;
    if (!settings::Exists(program_folder_)) {
        state.settings_ready = false;
        for (QPushButton* button : SettingsButtons()) {
            button->setEnabled(false);
        }
        if (skip_data_window_once_) {
            skip_data_window_once_ = false;
        } else {
            Preferences_ButtonClick();
            skip_data_window_once_ = isVisible();
        }
    }
    if (state.settings_ready || settings::Exists(program_folder_)) {
        state.settings_ready = true;
        for (QPushButton* button : SettingsButtons()) {
            button->setEnabled(true);
        }
    }
    activating_ = false;
}

void TMainForm::ShowPage(QWidget* page) {
    Pages->setCurrentWidget(page);
}

void TMainForm::ShowStartMenu(QWidget* page) {
    setWindowTitle(base_caption);
    Q_UNUSED(page);  // the stack hides the page that was shown
    ShowPage(Panel1);
}

void TMainForm::SetOrderCaption(qint32 number) {
    // "ЗAKAЗ": Cyrillic Ze, Latin A, K, A, Cyrillic Ze.
    setWindowTitle(base_caption + QStringLiteral("::\u0417AKA\u0417 \u2116 ") + QString::number(number));
}

void TMainForm::ShowFileError(const QString& text) {
    ShowMessage(dialogs_, this, QStringLiteral("Ошибка"), text, true);
}

settings::Loaded TMainForm::LoadSettings() {
    settings::Loaded loaded = settings::Load(program_folder_);
    if (!loaded.result.ok) {
        ShowFileError(loaded.result.error);
    }
    return loaded;
}

void TMainForm::New_Zakaz_ButtonClick() {
    state.order_saved = false;
    ObjectNameEdit->clear();
    ResetSystems(order, 0, kMaxSystems);
    ResetExtras(order);
    ResetNotes(order);
    ResetCustomer(order);
    ClearExtrasControls();
    ClearPageChecks(state);

    CommentEdit->clear();
    PSMemo->clear();
    OrgNamesComboBox->clear();
    NamesComboBox->clear();
    const settings::Loaded loaded = LoadSettings();
    OrgNamesComboBox->addItems(loaded.file.ListOrganisations());
    OrgNamesComboBox->setCurrentIndex(-1);

    state.proposed_order_number = loaded.exists ? loaded.file.NextOrderNumber() : 1;
    n_order_Edit->setText(QString::number(state.proposed_order_number));
    SetOrderCaption(state.proposed_order_number);
    state.from_draft = false;

    Image1->setPixmap(Image7->pixmap());
    ShowPage(Panel2);
}

bool TMainForm::OpenOrderFile() {
    const OpenKind& kind = state.from_draft ? kOpenDraft : kOpenComplete;
    // Where the program keeps its files; the dialog opens there when the expected folder is missing.
    const QString programFile = QDir(program_folder_).filePath(QFileInfo(ExecutablePath()).fileName());
    const QString folder = QDir(program_folder_).filePath(kind.folderName);
    QString initialPath = folder;
    if (!QFileInfo(folder).isDir()) {
        ShowMessage(dialogs_, this, QApplication::applicationName(), QString::fromUtf16(kind.missingMessage));
        initialPath = programFile;
    }
    QString filter = QString::fromUtf16(kind.filter);
    if (state.view_any_order) {
        initialPath = programFile;
        filter = QString::fromUtf16(kOpenAnyFilter);
    }

    const QString path = dialogs_.OpenFileName(this, initialPath, filter);
    state.opened_order_file = path;
    if (path.endsWith(QStringLiteral("kvo"))) {
        state.from_draft = false;
    } else if (path.endsWith(QStringLiteral("kvn"))) {
        state.from_draft = true;
    }
    if (path.isEmpty()) {
        return false;
    }
    const FileResult result = LoadOrderFile(path, order);
    if (!result.ok) {
        ShowFileError(result.error);
        return false;
    }
    return true;
}

void TMainForm::StartWizardFromFile(bool fromDraft) {
    state.from_draft = fromDraft;
    state.order_saved = false;
    ClearPageChecks(state);
    const settings::Loaded loaded = settings::Load(program_folder_);
    if (loaded.exists && loaded.result.ok) {
        state.proposed_order_number = loaded.file.NextOrderNumber();
    }
    if (!OpenOrderFile()) {
        return;
    }
    ShowExtras();
    ShowCustomer();
    ShowNotes();
    n_order_Edit->setText(QString::number(state.proposed_order_number));
    SetOrderCaption(state.proposed_order_number);
    Image1->setPixmap(Image7->pixmap());
    ShowPage(Panel2);
}

void TMainForm::New_Zakaz_On_Old_ButtonClick() {
    StartWizardFromFile(false);
}

void TMainForm::Continue_Old_ButtonClick() {
    StartWizardFromFile(true);
}

void TMainForm::Print_View_ButtonClick() {
    state.view_any_order = true;
    if (OpenOrderFile()) {
        // Only complete orders may be printed; a draft is shown for a look.
        ShowOrderPreview(dialogs_, this, order, !state.from_draft, state.screen_scale);
    }
    state.view_any_order = false;
}

void TMainForm::Preferences_ButtonClick() {
    TDataForm data(dialogs_, program_folder_, state.settings_ready, this);
    dialogs_.Exec(data);
}

void TMainForm::ExitBitBtnClick() {
    close();
}

void TMainForm::CollectExtras() {
    for (int k = 0; k < kTypeCount; ++k) {
        order.extras.system_counts[k] = LenientToInt(type_count_edits[k]->text());
    }
    for (int k = 0; k < kProductCount; ++k) {
        order.extras.product_counts[k] = LenientToInt(product_edits[k]->text());
    }
    order.extras.air_temperature = feature_boxes[0]->isChecked();
    order.extras.printer_support = feature_boxes[1]->isChecked();
    order.extras.modem_support = feature_boxes[2]->isChecked();
}

void TMainForm::ShowExtras() {
    for (int k = 0; k < kTypeCount; ++k) {
        type_count_edits[k]->setText(QString::number(order.extras.system_counts[k]));
    }
    for (int k = 0; k < kProductCount; ++k) {
        product_edits[k]->setText(QString::number(order.extras.product_counts[k]));
    }
    feature_boxes[0]->setChecked(order.extras.air_temperature);
    feature_boxes[1]->setChecked(order.extras.printer_support);
    feature_boxes[2]->setChecked(order.extras.modem_support);
}

void TMainForm::ClearExtrasControls() {
    for (QLineEdit* edit : type_count_edits) {
        edit->setText(QStringLiteral("0"));
    }
    for (QLineEdit* edit : product_edits) {
        edit->setText(QStringLiteral("0"));
    }
    for (QCheckBox* box : feature_boxes) {
        box->setChecked(false);
    }
}

void TMainForm::CollectCustomer() {
    order.customer.org_name = OrgNamesComboBox->currentText();
    order.customer.contact_name = NamesComboBox->currentText();
    order.customer.object_name = ObjectNameEdit->text();
    const settings::Loaded loaded = LoadSettings();
    if (!loaded.result.ok) {
        return;
    }
    if (loaded.exists) {
        const TContactDetails details = loaded.file.FindContactDetails(order.customer.org_name);
        order.customer.phone = details.phone;
        order.customer.fax = details.fax;
        order.customer.email = details.email;
    }
}

namespace {
// Selects the last item equal to the text, or none.
void SelectLastEqual(QComboBox* box, const QString& text) {
    int found = -1;
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i) == text) {
            found = i;
        }
    }
    box->setCurrentIndex(found);
}
}  // namespace

void TMainForm::ShowCustomer() {
    NamesComboBox->clear();
    ObjectNameEdit->setText(order.customer.object_name);
    const settings::Loaded loaded = LoadSettings();
    for (const QString& org : loaded.file.ListOrganisations()) {
        if (OrgNamesComboBox->findText(org, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
            OrgNamesComboBox->addItem(org);
        }
    }
    SelectLastEqual(OrgNamesComboBox, order.customer.org_name);
    NamesComboBox->addItems(loaded.file.ListContacts(OrgNamesComboBox->currentText()));
    SelectLastEqual(NamesComboBox, order.customer.contact_name);
}

void TMainForm::CollectNotes() {
    order.notes.comment = CommentEdit->text();
    const QStringList memo = PSMemo->toPlainText().split(u'\n');
    const bool emptyMemo = PSMemo->document()->isEmpty();
    for (int i = 0; i < kMaxNoteLines; ++i) {
        order.notes.lines[i] = !emptyMemo && i < memo.size() ? memo[i] : QString();
    }
}

void TMainForm::ShowNotes() {
    CommentEdit->setText(order.notes.comment);
    PSMemo->clear();
    const int count = NoteLineCount(order.notes);
    for (int i = 0; i < count; ++i) {
        PSMemo->appendPlainText(order.notes.lines[i]);
    }
}
