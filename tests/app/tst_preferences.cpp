#include "app/Preferences.h"
#include "data/Database.h"
#include "support/TestEnvironment.h"

namespace {
QStringList storedRow()
{
    Connection db = OpenDatabase();
    Statement& s = db.exec(QStringLiteral("SELECT * FROM tblAppPreferences;"));
    QStringList values;
    for (int column = 1; column <= 13; ++column)
        values << s.columnText(column);
    return values;
}
} // namespace

class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    void init() { TestEnvironment::freshDatabase(); }

    void freshDatabaseOpensMaximized()
    {
        Preferences preferences;
        LoadPreferences(preferences);
        QVERIFY(preferences[PrefFrmMainMaximized]);
        QVERIFY(preferences[PrefFrmInvoiceMaximized]);
        QVERIFY(preferences[PrefPlannerShow]);
        QVERIFY(preferences[PrefFrmPrintPreviewMaximized]);
        for (int i = PrefFrmMainRibbonMinimized; i < PreferenceCount; ++i)
            QVERIFY(!preferences.values[i]);
    }

    void eachColumnLandsInItsPosition()
    {
        // Column order of the table: id, then positions 0..12 in record order.
        for (int position = 0; position < PreferenceCount; ++position) {
            Preferences preferences;
            preferences.values[position] = true;
            SavePreferences(preferences);
            QStringList expected;
            for (int i = 0; i < PreferenceCount; ++i)
                expected << (i == position ? QStringLiteral("-1") : QStringLiteral("0"));
            QCOMPARE(storedRow(), expected);
            Preferences loaded;
            LoadPreferences(loaded);
            QCOMPARE(loaded.values, preferences.values);
        }
    }

    void keptValuesSurviveASave()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblAppPreferences SET strFrmCompanyInfoRibbonMinimized = ?, "
                                   "strFrmReportRibbonMinimized = ?, strFrmInvoiceMaximized = ?;"),
                    {FlagText(true), FlagText(true), FlagText(false)});
        }
        Preferences preferences;
        LoadPreferences(preferences);
        preferences[PrefPlannerShow] = false;
        preferences[PrefFrmMainMaximized] = true;
        SavePreferences(preferences);
        QCOMPARE(storedRow(), QStringList({"-1", "0", "0", "-1", "0", "-1", "0", "0", "0", "0", "-1", "0", "0"}));
    }

    void aBrokenValueRaisesTheConversionError()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblAppPreferences SET strPlannerShow = ?;"), {QStringLiteral("maybe")});
        }
        Preferences preferences;
        try {
            LoadPreferences(preferences);
            QFAIL("conversion error expected");
        } catch (const ConversionError& error) {
            QCOMPARE(error.text(), QStringLiteral("'maybe' is not a valid boolean value"));
        }
    }
};

VELMAR_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
