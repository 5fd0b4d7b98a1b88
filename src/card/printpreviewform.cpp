#include "card/printpreviewform.h"

#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "card/cardpage.h"
#include "card/drawordercard.h"
#include "card/paintersurface.h"
#include "common/dialogs.h"

using namespace Qt::StringLiterals;

namespace {

const QColor kBackground(211, 213, 220);
constexpr double kMetresPerInch = 0.0254;

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

TPrintPreviewForm::TPrintPreviewForm(Dialogs& dialogs, const TOrder& order, float screenScale,
                                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      dialogs_(dialogs),
      order_(order),
      screenScale_(screenScale) {
    setObjectName(u"PrintPreviewForm"_s);
    setWindowTitle(u"Предварительный просмотр карты заказа."_s);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setBackgroundRole(QPalette::Window);
    auto* canvas = new QWidget;
    Image1 = new QLabel(canvas);
    Image1->setObjectName(u"Image1"_s);
    Image1->move(0, 0);
    // The buttons lie over the image's top-left corner.
    PrintButton = MakeButton(canvas, u"PrintButton"_s, u"Печать"_s, QRect(8, 8, 74, 25));
    ExitButton = MakeButton(canvas, u"ExitButton"_s, u"Выход"_s, QRect(102, 8, 74, 25));
    scroll->setWidget(canvas);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    connect(PrintButton, &QPushButton::clicked, this, &TPrintPreviewForm::PrintButtonClick);
    connect(ExitButton, &QPushButton::clicked, this, &TPrintPreviewForm::ExitButtonClick);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TPrintPreviewForm::DrawCard() {
    image_ = QImage(PreviewImageSize(screenScale_), QImage::Format_RGB32);
    image_.fill(Qt::white);
    // Font points on the image measure as on a screen of this many pixels per inch.
    const int dotsPerMeter = static_cast<int>(std::lround(96.0 * screenScale_ / kMetresPerInch));
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image_);
        PainterSurface surface(painter);
        DrawOrderCard(order_, surface, 1.0f, 1.0f, screenScale_);
    }
    // Shown pixel for pixel: the label takes the image's size in the screen's logical pixels.
    QImage shown = image_;
    shown.setDevicePixelRatio(devicePixelRatioF());
    Image1->setPixmap(QPixmap::fromImage(shown));
    const QSize logical = shown.deviceIndependentSize().toSize();
    Image1->resize(logical);
    Image1->parentWidget()->resize(logical);
}

void TPrintPreviewForm::showEvent(QShowEvent* event) {
    PrintButton->setEnabled(PrintAllowed);
    QDialog::showEvent(event);
}

void TPrintPreviewForm::PrintButtonClick() {
    QPrintDialog dialog(&printer_, this);
    if (dialogs_.Exec(dialog) != QDialog::Accepted) {
        return;
    }
    // Measured in portrait every time: a printer left in landscape by the last print would
    // otherwise give distorted factors.
    printer_.setPageOrientation(QPageLayout::Portrait);
    const QSize portrait = printer_.pageLayout().paintRectPixels(printer_.resolution()).size();
    const CardPrintFactors factors = ComputePrintFactors(portrait, image_.size());
    printer_.setPageOrientation(QPageLayout::Landscape);

    QPainter painter;
    if (!painter.begin(&printer_)) {
        ShowMessage(dialogs_, this, windowTitle(), u"Не удалось начать печать."_s, true);
        return;
    }
    PainterSurface surface(painter);
    DrawOrderCard(order_, surface, static_cast<float>(factors.kx), static_cast<float>(factors.ky), 1.0f);
    painter.end();
}

void TPrintPreviewForm::ExitButtonClick() {
    close();
}

void ShowOrderPreview(Dialogs& dialogs, QWidget* parent, const TOrder& order, bool printAllowed,
                      float screenScale) {
    TPrintPreviewForm form(dialogs, order, screenScale, parent);
    form.PrintAllowed = printAllowed;
    form.DrawCard();
    dialogs.Exec(form);
}
