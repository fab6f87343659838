#pragma once

class QLineEdit;

// Limits a line edit to `maxLength` UTF-16 units, as QLineEdit::setMaxLength does, but
// never keeps half a character: the line edit cuts text at the limit by units, so an
// emoji at the limit would be stored as a lone surrogate and read back as U+FFFD. Its
// unpaired half is dropped instead. Fields with their own validator are only limited.
// The field is made wide enough to show that many characters.
void SetTextLimit(QLineEdit* edit, int maxLength);
