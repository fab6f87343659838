#pragma once

#include <QValidator>

// Amount fields take digits and at most one decimal separator (the locale's), nothing
// else: no sign, no blank, no letter. Works on the whole text, so pasting is held to the
// same rule as typing. Attach with QLineEdit::setValidator.
class AllowNumDecimalOnly : public QValidator {
    Q_OBJECT
public:
    explicit AllowNumDecimalOnly(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    // The rule itself, for a text as a whole.
    static bool accepts(const QString& text, QChar separator);

private:
    QChar m_separator;
};
