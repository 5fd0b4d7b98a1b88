#pragma once

#include <QSize>
#include <QString>

#include "common/linefile.h"
#include "order/order.h"

// The preview image holds the card at one card unit per screen pixel at 96 pixels per inch.
inline constexpr QSize kPreviewImageSize96{1057, 710};

// The preview image's size in device pixels at a screen scale (pixels per inch / 96).
QSize PreviewImageSize(float screenScale);

// The whole-number factors that put the card on a landscape page as large as the preview image
// allows: the page is measured in portrait, so the page height spans the image width.
struct CardPrintFactors {
    int kx = 0;
    int ky = 0;
};
CardPrintFactors ComputePrintFactors(QSize portraitPage, QSize image);

// Writes the card as a one-page landscape A4 PDF, with the factors printing would use for a preview
// at 96 pixels per inch. The file is replaced only when it was written whole.
FileResult WriteCardPdf(const TOrder& order, const QString& path);
