#pragma once

#include <QObject>
#include <QString>

class QPlainTextEdit;

// Holds a multi-line field to at most a number of characters and of lines: a change
// that goes past either limit is taken back at once, and the field's undo memory is
// cleared so Undo cannot bring it back. A limit of 0 means no limit.
class PlainTextLimit : public QObject {
    Q_OBJECT
public:
    PlainTextLimit(QPlainTextEdit* field, int maxChars, int maxLines);

    // Shows a stored text as it is, even one beyond the limits: only typing is held to them,
    // so a longer text read from the database is never cut.
    void setText(const QString& text);

    // Whether a text keeps within the limits.
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
    int m_acceptedCursor = 0;
    bool m_restoring = false;
    bool m_keepsNoUndo = false;
};
