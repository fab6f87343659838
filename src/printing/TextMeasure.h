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

// The text of a one-line item as it prints in `width`: line breaks and tabs become
// blanks; text wider than the box (its trailing blanks aside) is cut and ends with an
// ellipsis, the way a cut memo ends. A cut line leaves a blank's width of its box free,
// so that it never touches the text of a neighbouring box.
QString FitLine(const QString& text, const DisplayFont& font, int width);

// The longest start of `text` that an ellipsis after it still fits in `width`, with the
// ellipsis; the ellipsis alone when no character fits, empty when not even that does.
QString CutWithEllipsis(const QString& text, const DisplayFont& font, int width);

} // namespace TextMeasure
