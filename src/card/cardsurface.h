#pragma once

#include <QColor>
#include <QString>

// What the order card needs from whatever it is drawn on: a preview image, a printer page, a PDF
// page or, in tests, a recorder. All coordinates are device pixels.
class CardSurface {
public:
    virtual ~CardSurface() = default;

    // `charset` is the character set code the card asks for; surfaces that draw Unicode text may
    // ignore it. `points` are typographic points of the surface.
    virtual void SetFont(const QString& name, int charset, int points) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetPenColor(const QColor& color) = 0;

    // Draws the text with the top-left corner of its cell at (x, y).
    virtual void TextOut(int x, int y, const QString& text) = 0;
    // The width of the text in device pixels with the current font.
    virtual int TextWidth(const QString& text) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
};
