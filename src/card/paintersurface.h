#pragma once

#include <QFont>
#include <QPoint>

#include "card/cardsurface.h"

class QPainter;

// The card drawn with a QPainter: on the preview image, a printer page or a PDF page. Font sizes are
// points of the painter's device, so the device's resolution decides their size in pixels.
class PainterSurface : public CardSurface {
public:
    explicit PainterSurface(QPainter& painter);

    void SetFont(const QString& name, int charset, int points) override;
    void SetFontSize(int points) override;
    void SetPenColor(const QColor& color) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

private:
    QPainter& painter_;
    QFont font_;
    QPoint position_;
};

// Makes "Times New Roman" fall back to Liberation Serif, which has its metrics, where it is missing.
void InstallCardFontSubstitution();
