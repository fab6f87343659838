#pragma once

#include <QString>

// Long texts (notes, foot notes, acceptance text, contract, warranty) are stored with
// CR LF line breaks; text widgets work with LF. Convert at the widget boundary, both ways.
namespace LongText {

// The stored form of a widget's text: every line break as CR LF.
QString ToStored(const QString& widgetText);
// The widget form of a stored text: every CR LF (or lone CR) as LF.
QString ToWidget(const QString& storedText);
// What to store when a window saves: the stored text itself, byte for byte, when the
// widget still shows it unchanged, otherwise the widget's text in stored form.
QString ForSave(const QString& storedText, const QString& widgetText);
// The length of a widget text as its stored form counts it.
int StoredLength(const QString& widgetText);

} // namespace LongText
