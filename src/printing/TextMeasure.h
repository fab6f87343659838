#pragma once

#include "printing/DisplayList.h"

#include <QFont>
#include <QStringList>

// Text is measured against one fixed reference (fonts sized in 1/1000 inch, no
// hinting), so the printer, the PDF and the preview break lines alike.
namespace TextMeasure {

DisplayFont ToDisplayFont(const ReportFont& font);
QFont ToQFont(const DisplayFont& font);

// Width of one line of text, in 1/1000 inch.
int TextWidth(const DisplayFont& font, const QString& text);
// Distance between two lines of text, in 1/1000 inch.
int LineHeight(const DisplayFont& font);

// Breaks text into lines no wider than `width`: at line breaks, between words, and
// inside a word only when the word alone is wider than the line.
QStringList WrapText(const QString& text, const DisplayFont& font, int width);

} // namespace TextMeasure
