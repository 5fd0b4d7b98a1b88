#pragma once

#include <QList>
#include <QString>

#include "card/cardsurface.h"

// A surface that remembers what was drawn. Text widths follow a fixed rule (half the font size per
// character), so expected device coordinates can be worked out by hand, odd widths included.
class RecordingSurface : public CardSurface {
public:
    struct Text {
        int x, y;
        QString text;
        int size;
    };
    struct Line {
        int x1, y1, x2, y2;
        bool operator==(const Line&) const = default;
    };
    struct Font {
        QString name;
        int charset;
        int size;
    };

    static int WidthRule(const QString& text, int size) { return static_cast<int>(text.size()) * size / 2; }

    void SetFont(const QString& name, int charset, int points) override {
        fonts.append({name, charset, points});
        size = points;
    }
    void SetFontSize(int points) override { size = points; }
    void SetPenColor(const QColor& color) override { pen = color; }
    void TextOut(int x, int y, const QString& text) override { texts.append({x, y, text, size}); }
    int TextWidth(const QString& text) override { return WidthRule(text, size); }
    void MoveTo(int x, int y) override {
        atX = x;
        atY = y;
    }
    void LineTo(int x, int y) override {
        lines.append({atX, atY, x, y});
        atX = x;
        atY = y;
    }

    // The texts drawn with this exact content, in drawing order.
    QList<Text> Find(const QString& text) const {
        QList<Text> found;
        for (const Text& t : texts) {
            if (t.text == text) {
                found.append(t);
            }
        }
        return found;
    }
    // The text drawn at this device point, or an empty text.
    QString At(int x, int y) const {
        for (const Text& t : texts) {
            if (t.x == x && t.y == y) {
                return t.text;
            }
        }
        return {};
    }
    // Every text drawn on this device row, left to right as drawn.
    QStringList Row(int y) const {
        QStringList row;
        for (const Text& t : texts) {
            if (t.y == y) {
                row.append(t.text);
            }
        }
        return row;
    }
    bool HasLine(int x1, int y1, int x2, int y2) const { return lines.contains(Line{x1, y1, x2, y2}); }

    QList<Font> fonts;
    QList<Text> texts;
    QList<Line> lines;
    QColor pen;
    int size = 0;
    int atX = 0, atY = 0;
};
