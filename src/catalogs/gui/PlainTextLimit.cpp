#include "catalogs/gui/PlainTextLimit.h"

#include "data/LongText.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

PlainTextLimit::PlainTextLimit(QPlainTextEdit* field, int maxChars, int maxLines)
    : QObject(field), m_field(field), m_maxChars(maxChars), m_maxLines(maxLines),
      m_accepted(field->toPlainText())
{
    connect(field, &QPlainTextEdit::textChanged, this, &PlainTextLimit::onChange);
    connect(field, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (!m_restoring)
            m_acceptedCursor = m_field->textCursor().position();
    });
}

bool PlainTextLimit::fits(const QString& text, int maxChars, int maxLines)
{
    if (maxChars > 0 && LongText::StoredLength(text) > maxChars)
        return false;
    if (maxLines > 0 && text.count(QLatin1Char('\n')) + 1 > maxLines)
        return false;
    return true;
}

void PlainTextLimit::setText(const QString& storedText)
{
    const QString text = LongText::ToWidget(storedText);
    m_stored = storedText;
    m_restoring = true;
    m_field->setPlainText(text);
    m_accepted = text;
    m_acceptedCursor = 0;
    m_restoring = false;
    emit changed();
}

QString PlainTextLimit::storedText() const
{
    return LongText::ForSave(m_stored, m_field->toPlainText());
}

void PlainTextLimit::onChange()
{
    if (m_restoring)
        return;
    const QString text = m_field->toPlainText();
    // Shortening a text that came in too long is always allowed.
    const bool shorter = LongText::StoredLength(text) < LongText::StoredLength(m_accepted)
        && !fits(m_accepted, m_maxChars, m_maxLines);
    if (shorter || fits(text, m_maxChars, m_maxLines)) {
        m_accepted = text;
        if (m_keepsNoUndo)
            m_field->document()->clearUndoRedoStacks();
        emit changed();
        return;
    }
    m_restoring = true;
    m_field->setPlainText(m_accepted);
    QTextCursor cursor = m_field->textCursor();
    cursor.setPosition(qMin(m_acceptedCursor, int(m_accepted.size())));
    m_field->setTextCursor(cursor);
    m_restoring = false;
    emit changed();
}
