#pragma once

#include "chartcards.h"

class QPainter;

namespace tutor::assets {

// The extra figure of a letter-shape chart (keys A, B, J, L and M), drawn in a
// row of the card, showing how a Tamlo letter's variants or parts combine.
void drawFigure(QPainter &painter, QChar key, const QRectF &row, const ChartInputs &in);

// The small brush-written "Tamlo" of the T chart.
void drawBrushTamlo(QPainter &painter, const QRectF &area, const DrawingFonts &fonts);

} // namespace tutor::assets
