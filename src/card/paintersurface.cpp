#include "card/paintersurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

using namespace Qt::StringLiterals;

void InstallCardFontSubstitution() {
    const QString family = u"Times New Roman"_s;
    const QString substitute = u"Liberation Serif"_s;
    if (!QFont::substitutes(family).contains(substitute)) {
        QFont::insertSubstitution(family, substitute);
    }
}

PainterSurface::PainterSurface(QPainter& painter) : painter_(painter) {
    InstallCardFontSubstitution();
    // A pen one device pixel wide, whatever the device's resolution.
    QPen pen(Qt::black, 0);
    painter_.setPen(pen);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void PainterSurface::SetFont(const QString& name, int, int points) {
    // The charset code is not needed: texts are Unicode, so Cyrillic is always right.
    font_ = QFont(name);
    font_.setStyleHint(QFont::Serif);
    font_.setKerning(false);  // text advances as the card's widths were planned, pair by pair unchanged
    SetFontSize(points);
}

void PainterSurface::SetFontSize(int points) {
    font_.setPointSize(points);
    painter_.setFont(font_);
}

void PainterSurface::SetPenColor(const QColor& color) {
    QPen pen = painter_.pen();
    pen.setColor(color);
    painter_.setPen(pen);
}

void PainterSurface::TextOut(int x, int y, const QString& text) {
    // The point is the top-left corner of the text cell; QPainter places the baseline.
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), text);
}

int PainterSurface::TextWidth(const QString& text) {
    return painter_.fontMetrics().horizontalAdvance(text);
}

void PainterSurface::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void PainterSurface::LineTo(int x, int y) {
    const QPoint to(x, y);
    painter_.drawLine(position_, to);
    position_ = to;
}
