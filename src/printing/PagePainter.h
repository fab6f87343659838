#pragma once

#include "printing/DisplayList.h"

class QPainter;

// Paints one page on any device (printer, PDF, preview image) at its resolution.
// The painter's origin is the page's top-left corner.
void PaintDisplayPage(QPainter& painter, const DisplayPage& page, double devicePixelsPerInch);
