#pragma once

#include <QDialog>
#include <QImage>
#include <QPrinter>

#include "order/order.h"

class Dialogs;
class QLabel;
class QPushButton;

// The preview window of the order card, with printing on one landscape page.
class TPrintPreviewForm : public QDialog {
    Q_OBJECT

public:
    // The order is drawn now and again on every print, so it must outlive the window.
    TPrintPreviewForm(Dialogs& dialogs, const TOrder& order, float screenScale, QWidget* parent = nullptr);

    // Draws the card onto Image1 at the screen scale, in the screen's own pixels.
    void DrawCard();
    // The card as drawn, in device pixels.
    const QImage& CardImage() const { return image_; }

    void PrintButtonClick();
    void ExitButtonClick();

    QLabel* Image1 = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* ExitButton = nullptr;
    bool PrintAllowed = false;  // set by the opener before the window is shown

protected:
    void showEvent(QShowEvent* event) override;

private:
    Dialogs& dialogs_;
    const TOrder& order_;
    float screenScale_;
    QImage image_;
    QPrinter printer_{QPrinter::HighResolution};
};

// Opens the order card of `order` in a new preview window and waits until it is closed.
// `screenScale` is the screen's pixels per inch / 96 (the window state's screen_scale).
void ShowOrderPreview(Dialogs& dialogs, QWidget* parent, const TOrder& order, bool printAllowed,
                      float screenScale);
