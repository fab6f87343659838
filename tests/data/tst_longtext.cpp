#include "data/LongText.h"
#include "support/TestEnvironment.h"

// Long texts are stored with CR LF; text widgets work with LF.
class TestLongText : public QObject {
    Q_OBJECT

private slots:
    void conversions_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shownAgain");
        QTest::newRow("no line break") << "One line" << "One line" << "One line";
        QTest::newRow("LF") << "a\nb" << "a\r\nb" << "a\nb";
        QTest::newRow("CR LF kept, not doubled") << "a\r\nb" << "a\r\nb" << "a\nb";
        QTest::newRow("lone CR") << "a\rb" << "a\r\nb" << "a\nb";
        QTest::newRow("empty lines") << "\n\na\n" << "\r\n\r\na\r\n" << "\n\na\n";
        QTest::newRow("CR CR LF") << "a\r\r\nb" << "a\r\n\r\nb" << "a\n\nb";
        QTest::newRow("paragraph separator") << QString::fromUtf8("a\u2029b") << "a\r\nb" << "a\nb";
        QTest::newRow("line separator") << QString::fromUtf8("a\u2028b") << "a\r\nb" << "a\nb";
        QTest::newRow("empty") << "" << "" << "";
    }

    void conversions()
    {
        QFETCH(QString, widget);
        QFETCH(QString, stored);
        QFETCH(QString, shownAgain);
        QCOMPARE(LongText::ToStored(widget), stored);
        QCOMPARE(LongText::StoredLength(widget), int(stored.size()));
        QCOMPARE(LongText::ToWidget(stored), shownAgain);
        // Stored, shown and stored again gives the same stored text.
        QCOMPARE(LongText::ToStored(LongText::ToWidget(stored)), stored);
    }

    void anUntouchedTextIsSavedByteForByte_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("saved");
        // Texts written elsewhere with LF or a lone CR stay as they were until edited.
        QTest::newRow("LF, untouched") << "a\nb" << "a\nb" << "a\nb";
        QTest::newRow("lone CR, untouched") << "a\rb" << "a\nb" << "a\rb";
        QTest::newRow("CR LF, untouched") << "a\r\nb" << "a\nb" << "a\r\nb";
        QTest::newRow("LF, edited") << "a\nb" << "a\nbc" << "a\r\nbc";
        QTest::newRow("CR LF, edited") << "a\r\nb" << "a\nb\nc" << "a\r\nb\r\nc";
        QTest::newRow("new text") << "" << "x\ny" << "x\r\ny";
    }

    void anUntouchedTextIsSavedByteForByte()
    {
        QFETCH(QString, stored);
        QFETCH(QString, widget);
        QFETCH(QString, saved);
        QCOMPARE(LongText::ForSave(stored, widget), saved);
    }
};

VELMAR_TEST_MAIN(TestLongText)
#include "tst_longtext.moc"
