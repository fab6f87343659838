#include "app/Clock.h"
#include "app/Regional.h"
#include "support/TestEnvironment.h"

class TestRegional : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void datesAndTimes()
    {
        QCOMPARE(Regional::ShortDateFormat(), QStringLiteral("M/d/yyyy"));
        QCOMPARE(Regional::LongTimeFormat(), QStringLiteral("h:mm:ss AP"));
        QCOMPARE(Regional::FormatShortDate(QDate(2011, 3, 14)), QStringLiteral("3/14/2011"));
        QCOMPARE(Regional::FormatLongTime(QTime(17, 0)), QStringLiteral("5:00:00 PM"));
        QCOMPARE(Regional::FormatDateTime(QDateTime(QDate(2011, 3, 14), QTime(8, 30))),
                 QStringLiteral("3/14/2011 8:30:00 AM"));
        QCOMPARE(Regional::FormatActivityDateTime(QDateTime(QDate(2011, 3, 14), QTime(0, 0))),
                 QStringLiteral("3/14/2011"));
        QCOMPARE(Regional::ParseShortDate(QStringLiteral("3/14/2011")), QDate(2011, 3, 14));
        QVERIFY(!Regional::ParseShortDate(QStringLiteral("14.3.2011")).isValid());
        QCOMPARE(Regional::ParseDateTime(QStringLiteral("3/14/2011 5:00:00 PM")),
                 Regional::WallClock(QDate(2011, 3, 14), QTime(17, 0)));
        QCOMPARE(Regional::ParseDateTime(QStringLiteral("3/14/2011")), Regional::WallClock(QDate(2011, 3, 14)));
    }

    void theCLocaleReadsAsUnitedStates()
    {
        QLocale::setDefault(QLocale::c());
        QCOMPARE(Regional::ShortDateFormat(), QStringLiteral("M/d/yyyy"));
        QCOMPARE(Regional::CurrencyText(1234.5), QStringLiteral("$1,234.50"));
        QCOMPARE(Regional::DecimalSeparator(), QLatin1Char('.'));
    }

    void otherLocalesKeepTheirOwnForms()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Regional::FormatShortDate(QDate(2011, 3, 14)), QStringLiteral("14.03.2011"));
        QCOMPARE(Regional::DecimalSeparator(), QLatin1Char(','));
        QVERIFY(!Regional::LongTimeFormat().contains(QLatin1Char('t')));
    }

    void currencyRounding_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("third decimal 5 rounds up") << 0.125 << "$0.13";
        QTest::newRow("0.135") << 0.135 << "$0.14";
        // 2.675 is stored just below; the four-decimal step brings it back to the tie.
        QTest::newRow("2.675") << 2.675 << "$2.68";
        QTest::newRow("negative tie away from zero") << -0.005 << "($0.01)";
        QTest::newRow("four-decimal tie to even, down") << 0.00125 << "$0.00";
        QTest::newRow("four-decimal tie to even, up") << 0.00375 << "$0.00";
        QTest::newRow("four-decimal tie below the half cent") << 0.00485 << "$0.00";
        QTest::newRow("just over a four-decimal tie reaches the half cent") << 0.00495 << "$0.01";
        QTest::newRow("four-decimal tie to even at the half cent") << 0.00505 << "$0.01";
        QTest::newRow("thousands") << 1234567.891 << "$1,234,567.89";
        QTest::newRow("zero") << 0.0 << "$0.00";
        QTest::newRow("tiny negative is zero") << -0.001 << "$0.00";
    }

    void currencyRounding()
    {
        QFETCH(double, amount);
        QFETCH(QString, text);
        QCOMPARE(Regional::CurrencyText(amount), text);
    }

    void theClockCanBeFixed()
    {
        const QDateTime fixed(QDate(2027, 1, 5), QTime(9, 15));
        SetClockForTesting(fixed);
        QCOMPARE(Today(), QDate(2027, 1, 5));
        QCOMPARE(Now(), fixed);
        SetClockForTesting(QDateTime());
        QCOMPARE(Today(), QDate::currentDate());
    }
};

VELMAR_TEST_MAIN(TestRegional)
#include "tst_regional.moc"
