#include "app/Regional.h"
#include "support/TestEnvironment.h"

#include <limits>

// Amounts far beyond 64-bit cents: a price field takes ten characters, so a user can
// reach them, and the text must still be the amount.
class TestCurrencyText : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void everyFiniteAmount_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("9.2e14, past the old 64-bit overflow")
            << "en_US" << 9.2e14 << "$920,000,000,000,000.00";
        QTest::newRow("negative 9.2e14") << "en_US" << -9.2e14 << "($920,000,000,000,000.00)";
        QTest::newRow("cents kept above 9e13") << "en_US" << 12345678901234.5 << "$12,345,678,901,234.50";
        // 1e14 + 0.25 is held exactly; scaling it by 10000 in doubles would give .26.
        QTest::newRow("cents exact where the scaled amount is not")
            << "en_US" << 100000000000000.25 << "$100,000,000,000,000.25";
        QTest::newRow("negative cents above 9e13")
            << "en_US" << -100000000000000.75 << "($100,000,000,000,000.75)";
        QTest::newRow("beyond 64 bits") << "en_US" << 1e20 << "$100,000,000,000,000,000,000.00";
        QTest::newRow("a ten-character price") << "en_US" << 9999999999.0 << "$9,999,999,999.00";
        QTest::newRow("past 64-bit ten-thousandths")
            << "en_US" << 92233720368547758.0 << "$92,233,720,368,547,760.00";
        QTest::newRow("other locale, large") << "de_DE" << 1e20 << QString::fromUtf8("100.000.000.000.000.000.000,00\u00a0€");
        QTest::newRow("other locale, cents") << "de_DE" << -1234.5 << QString::fromUtf8("-1.234,50\u00a0€");
    }

    void everyFiniteAmount()
    {
        QFETCH(QString, locale);
        QFETCH(double, amount);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(Regional::CurrencyText(amount), text);
    }

    void theLargestDoubleIsWrittenDigitForDigit()
    {
        const double largest = std::numeric_limits<double>::max();
        const QString text = Regional::CurrencyText(largest);
        QVERIFY2(text.startsWith(QStringLiteral("$179,769,313,486,231,570,814,527,423,731,704")), qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral(".00")));
        // 309 digits in groups of three.
        QCOMPARE(text.count(QLatin1Char(',')), 102);
        const QString negative = Regional::CurrencyText(-largest);
        QCOMPARE(negative, QStringLiteral("(") + text + QStringLiteral(")"));
    }

    void wholeCentsSaturateInsteadOfOverflowing_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<qint64>("cents");
        const qint64 most = std::numeric_limits<qint64>::max();
        QTest::newRow("9.2e14") << 9.2e14 << qint64(92000000000000000);
        QTest::newRow("1e300") << 1e300 << most / 100;
        QTest::newRow("-1e300") << -1e300 << -(most / 100);
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
    }

    void wholeCentsSaturateInsteadOfOverflowing()
    {
        QFETCH(double, amount);
        QFETCH(qint64, cents);
        QCOMPARE(Regional::ToCents(amount), cents);
    }

    // Stored totals are currency texts; reading one back must give its cents or nothing,
    // never a misread amount.
    void currencyTextReadsBack_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<qint64>("cents");
        QTest::newRow("grouped") << "en_US" << "$1,234.50" << true << qint64(123450);
        QTest::newRow("cents only") << "en_US" << "$0.05" << true << qint64(5);
        QTest::newRow("negative in brackets") << "en_US" << "($5.00)" << true << qint64(-500);
        QTest::newRow("minus sign") << "en_US" << "-$5.00" << true << qint64(-500);
        QTest::newRow("surrounding blanks") << "en_US" << " $12.00 " << true << qint64(1200);
        QTest::newRow("other locale") << "de_DE" << QString::fromUtf8("-1.234,50 €") << true << qint64(-123450);
        QTest::newRow("de_DE text under en_US") << "en_US" << QString::fromUtf8("12,50 €") << false << qint64(0);
        QTest::newRow("swapped separators") << "en_US" << "$1.234,50" << false << qint64(0);
        QTest::newRow("three decimals") << "en_US" << "$12.345" << false << qint64(0);
        QTest::newRow("misplaced group") << "en_US" << "$12,34.00" << false << qint64(0);
        QTest::newRow("words") << "en_US" << "Paid In Full" << false << qint64(0);
        QTest::newRow("empty") << "en_US" << "" << false << qint64(0);
        QTest::newRow("symbol alone") << "en_US" << "$" << false << qint64(0);
        QTest::newRow("beyond 64 bits") << "en_US" << "$100,000,000,000,000,000,000.00" << false << qint64(0);
    }
    void currencyTextReadsBack()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, readable);
        QFETCH(qint64, cents);
        QLocale::setDefault(QLocale(locale));
        const std::optional<qint64> read = Regional::ParseCurrencyCents(text);
        QCOMPARE(read.has_value(), readable);
        if (readable)
            QCOMPARE(*read, cents);
    }

    void writtenAmountsReadBackToTheirCents_data()
    {
        QTest::addColumn<double>("amount");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("ties up at the third decimal") << 2.675;
        QTest::newRow("negative") << -1234.5;
        QTest::newRow("millions") << 9876543.21;
    }
    void writtenAmountsReadBackToTheirCents()
    {
        QFETCH(double, amount);
        const std::optional<qint64> read = Regional::ParseCurrencyCents(Regional::CurrencyText(amount));
        QVERIFY(read.has_value());
        QCOMPARE(*read, Regional::ToCents(amount));
    }
};

VELMAR_TEST_MAIN(TestCurrencyText)
#include "tst_currencytext.moc"
