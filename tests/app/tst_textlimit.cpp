#include "app/gui/TextLimit.h"
#include "catalogs/gui/PlainTextLimit.h"
#include "support/TestEnvironment.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>

namespace {

const QString kSmile = QString::fromUtf8("\xF0\x9F\x98\x80"); // U+1F600, two UTF-16 units

bool hasLoneSurrogate(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return true;
    }
    return false;
}

} // namespace

// Length limits count UTF-16 units but never keep half a character.
class TestTextLimit : public QObject {
    Q_OBJECT

private slots:
    void lineEditKeepsWholeCharacters_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("after");
        QTest::newRow("emoji with one unit left is not taken")
            << QStringLiteral("abcd") << kSmile << QStringLiteral("abcd");
        QTest::newRow("emoji with two units left fits") << QStringLiteral("abc") << kSmile
                                                        << QStringLiteral("abc") + kSmile;
        QTest::newRow("paste cut inside an emoji") << QStringLiteral("ab")
                                                   << QStringLiteral("bc") + kSmile + QStringLiteral("de")
                                                   << QStringLiteral("abbc");
        QTest::newRow("plain text cut at the limit") << QString() << QStringLiteral("abcdefgh")
                                                     << QStringLiteral("abcde");
        QTest::newRow("accents and quotes as typed") << QString() << QStringLiteral("O'B\"é")
                                                     << QStringLiteral("O'B\"é");
    }
    void lineEditKeepsWholeCharacters()
    {
        QFETCH(QString, before);
        QFETCH(QString, inserted);
        QFETCH(QString, after);
        QLineEdit edit;
        SetTextLimit(&edit, 5);
        QCOMPARE(edit.maxLength(), 5);
        edit.setText(before);
        edit.end(false);
        edit.insert(inserted);
        QCOMPARE(edit.text(), after);
        QVERIFY(!hasLoneSurrogate(edit.text()));
        // Enter still works as in a field without a validator.
        QSignalSpy returned(&edit, &QLineEdit::returnPressed);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(returned.count(), 1);
    }

    void aLongTextSetAtOnceIsCutBetweenCharacters()
    {
        QLineEdit edit;
        SetTextLimit(&edit, 5);
        edit.setText(QStringLiteral("abcd") + kSmile);
        QCOMPARE(edit.text(), QStringLiteral("abcd"));
    }

    void aFieldsOwnValidatorStays()
    {
        QLineEdit edit;
        auto* digits = new QIntValidator(0, 999, &edit);
        edit.setValidator(digits);
        SetTextLimit(&edit, 3);
        QCOMPARE(edit.validator(), digits);
        QCOMPARE(edit.maxLength(), 3);
    }

    void multiLineLimitTakesBackAWholeEmoji()
    {
        QPlainTextEdit field;
        auto* limit = new PlainTextLimit(&field, 5, 0);
        limit->setText(QStringLiteral("abcd"));
        field.moveCursor(QTextCursor::End);
        field.insertPlainText(kSmile);
        QCOMPARE(field.toPlainText(), QStringLiteral("abcd"));
        // With room for both halves it is taken whole.
        QTextCursor cursor(field.document());
        cursor.deleteChar();
        cursor.deleteChar();
        field.moveCursor(QTextCursor::End);
        field.insertPlainText(kSmile);
        QCOMPARE(field.toPlainText(), QStringLiteral("cd") + kSmile);
        QVERIFY(!hasLoneSurrogate(field.toPlainText()));
    }
};

VELMAR_TEST_MAIN(TestTextLimit)
#include "tst_textlimit.moc"
