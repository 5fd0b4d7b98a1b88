#pragma once

#include "card/cardsurface.h"
#include "order/order.h"

// The order card: one landscape page summing up an order. Positions are card units (1/96 inch on
// a screen at scale 1); the card spans x 20..1020 and grows downwards with the systems.

// The vertical arrangement, computed from the order before drawing.
struct CardLayout {
    int shown = 0;        // systems listed: the leading filled records
    int rows = 0;         // rows of the systems table: one per one-channel system, two per other
    int tableBottom = 0;  // T: bottom line of the systems table
    int channelRows = 0;  // K: shown systems with an additional flow channel
    int lowerBase = 0;    // B: base of the features, notes and signature block
};

CardLayout MeasureCard(const TOrder& order);

// Draws the whole card in one pass. A card unit becomes scaleX * scale device pixels across and
// scaleY * scale down; the preview passes 1, 1 and the screen scale, printing the page ratios and 1.
void DrawOrderCard(const TOrder& order, CardSurface& surface, float scaleX, float scaleY, float scale);

// The short names the card gives the eleven additional products, in product order.
QString CardProductName(int product);
