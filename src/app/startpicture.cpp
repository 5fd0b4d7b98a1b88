#include "app/startpicture.h"

#include <QLinearGradient>
#include <QPainter>

QPixmap StartPicture(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(36, 74, 128));
    gradient.setColorAt(1, QColor(120, 160, 210));
    painter.fillRect(picture.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("Liberation Serif"), 26, QFont::Bold);
    painter.setFont(font);
    painter.drawText(QRect(0, size.height() / 3, size.width(), 50), Qt::AlignCenter,
                     QStringLiteral("КВАРЕЛ"));
    font.setPointSize(12);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRect(0, size.height() / 3 + 50, size.width(), 30), Qt::AlignCenter,
                     QStringLiteral("теплосчетчики"));
    return picture;
}
