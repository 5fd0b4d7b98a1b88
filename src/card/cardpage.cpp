#include "card/cardpage.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>

#include "card/drawordercard.h"
#include "card/paintersurface.h"

using namespace Qt::StringLiterals;

QSize PreviewImageSize(float screenScale) {
    auto scaled = [screenScale](int pixels) {
        return static_cast<int>(std::trunc(static_cast<long double>(pixels) * screenScale));
    };
    return {scaled(kPreviewImageSize96.width()), scaled(kPreviewImageSize96.height())};
}

CardPrintFactors ComputePrintFactors(QSize portraitPage, QSize image) {
    CardPrintFactors factors;
    if (image.height() > 0) {
        factors.kx = portraitPage.width() / image.height();
    }
    if (image.width() > 0) {
        factors.ky = portraitPage.height() / image.width();
    }
    return factors;
}

FileResult WriteCardPdf(const TOrder& order, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return FileResult::Failure(u"Не удалось записать файл «%1»: %2"_s.arg(path, file.errorString()));
    }
    QPdfWriter writer(&file);
    writer.setCreator(u"KvarelOrder"_s);
    writer.setTitle(u"Заказ № %1"_s.arg(order.number));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    const QSize portrait = writer.pageLayout().paintRectPixels(writer.resolution()).size();
    const CardPrintFactors factors = ComputePrintFactors(portrait, kPreviewImageSize96);
    writer.setPageOrientation(QPageLayout::Landscape);

    QPainter painter;
    if (!painter.begin(&writer)) {
        file.cancelWriting();
        return FileResult::Failure(u"Не удалось записать файл «%1»"_s.arg(path));
    }
    PainterSurface surface(painter);
    DrawOrderCard(order, surface, static_cast<float>(factors.kx), static_cast<float>(factors.ky), 1.0f);
    painter.end();
    if (!file.commit()) {
        return FileResult::Failure(u"Не удалось записать файл «%1»: %2"_s.arg(path, file.errorString()));
    }
    return {};
}
