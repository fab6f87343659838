#pragma once

#include <QObject>
#include <QString>

class QPlainTextEdit;

// Holds a multi-line field to at most a number of characters and of lines: a change
// that goes past either limit is taken back at once, and the field's undo memory is
// cleared so Undo cannot bring it back. A limit of 0 means no limit. The field shows a
// long text whose stored form has CR LF line breaks; characters count as stored.
class PlainTextLimit : public QObject {
    Q_OBJECT
public:
    PlainTextLimit(QPlainTextEdit* field, int maxChars, int maxLines);

    // Shows a stored text, even one beyond the limits: only typing is held to them, so a
    // longer text read from the database is never cut.
    void setText(const QString& storedText);
    // What to store: the stored text byte for byte while the field still shows it,
    // otherwise the field's text with CR LF line breaks.
    QString storedText() const;

    // Whether a field's text keeps within the limits, its line breaks counted as CR LF.
    static bool fits(const QString& text, int maxChars, int maxLines);

    // Every change is final: the undo memory is cleared after each one, kept or not.
    void setKeepsNoUndo(bool on) { m_keepsNoUndo = on; }

signals:
    // After every change that was kept or taken back.
    void changed();

private:
    void onChange();

    QPlainTextEdit* m_field;
    int m_maxChars;
    int m_maxLines;
    QString m_accepted;
    QString m_stored;
    int m_acceptedCursor = 0;
    bool m_restoring = false;
    bool m_keepsNoUndo = false;
};
