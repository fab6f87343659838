#include "data/CompanySettings.h"
#include "data/Database.h"
#include "support/TestEnvironment.h"

class TestCompanySettings : public QObject {
    Q_OBJECT

private slots:
    void init() { TestEnvironment::freshDatabase(); }

    void seededValues()
    {
        CompanySettings settings;
        LoadCompanySettings(settings);
        const TrecCompanyData& company = settings.CompanyData;
        QCOMPARE(company.CompName, QStringLiteral("My Company Name"));
        QCOMPARE(company.CompZip, QStringLiteral("Zip 123456"));
        QCOMPARE(company.CompExtraPhone1Name, QStringLiteral("Cell"));
        // The select reads licence number before name; the record must not swap them.
        QCOMPARE(company.CompLicNum1, QStringLiteral("123 My State License"));
        QCOMPARE(company.CompLicName1, QStringLiteral("My State License Name"));
        QCOMPARE(company.CompLicNum2, QStringLiteral("456 My City License"));
        QCOMPARE(company.CompLicName3, QString());
        QVERIFY(company.CompEmail.contains(QLatin1Char('@')));
        QVERIFY(!company.CompWebSite.isEmpty());

        const TrecCmpnyInvData& inv = settings.InvData;
        QCOMPARE(inv.TaxRates[0], 0.0123);
        QCOMPARE(inv.TaxRates[1], 0.05);
        QCOMPARE(inv.TaxRates[2], 0.0);
        QCOMPARE(inv.TaxNames[0], QStringLiteral("Local Tax"));
        QCOMPARE(inv.TaxNames[1], QStringLiteral("State Tax"));
        QCOMPARE(inv.TaxNames[2], QString());
        QCOMPARE(inv.TaxOn, 0);
        QCOMPARE(inv.PaymentTerms[0], QStringLiteral("Due on day of completion"));
        QCOMPARE(inv.PaymentTerms[3], QStringLiteral("Net Due on the 20th"));
        for (int i = 4; i < 10; ++i)
            QCOMPARE(inv.PaymentTerms[i], QString());
        QCOMPARE(inv.FootNotes[0], QString());
        QCOMPARE(inv.FootNotes[3], QStringLiteral("Foot Note 3 Here!!"));
        QCOMPARE(inv.AcceptanceColor, ColorValue(236 + 255 * 256 + 236 * 65536));
        QCOMPARE(inv.EstimateValidDays, 30);
        QCOMPARE(inv.DepositPercent, 25);
        QVERIFY(inv.LargeLogo);
        QVERIFY(!inv.ShowTotalOnWorkOrder);
        for (bool flag : {inv.ShowQuantity, inv.ShowPriceEach, inv.ShowTotal, inv.ShowWorkSheetInfo,
                          inv.ShowSurfacePrep, inv.ShowWorkSheetAddons, inv.ShowWallpaper, inv.ShowExtraCharges})
            QVERIFY(flag);

        for (ColorValue color : settings.DocumentColors)
            QCOMPARE(color, ColorValue(0 + 115 * 256 + 225 * 65536));
        QCOMPARE(settings.PlannerHeaderColor, kSystemButtonFace);
        QCOMPARE(settings.PlannerActivityColor, CombineColor(255, 255, 0));
        QCOMPARE(settings.PlannerWeekendColor, CombineColor(215, 228, 242));
        QCOMPARE(settings.PlannerPriorityColor, CombineColor(255, 98, 98));
        QCOMPARE(settings.PlannerRemoveActivity, 2);
        QCOMPARE(settings.PlannerDefaultView, 0);
    }

    void selectOrderDiffersFromRecordOrder()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblCompanyInfo SET strCompEmail = ?, strCompWebSite = ? WHERE intCompInfoID = 1;"),
                    {QStringLiteral("mail@x.example"), QStringLiteral("web.example")});
            db.exec(QStringLiteral("UPDATE tblCompanyInvData SET intTaxOn = 2, strShowTotalonWO = ?, strShowWallpaper = ? "
                                   "WHERE intCompInvDataID = 1;"),
                    {FlagText(true), FlagText(false)});
        }
        CompanySettings settings;
        LoadCompanySettings(settings);
        QCOMPARE(settings.CompanyData.CompEmail, QStringLiteral("mail@x.example"));
        QCOMPARE(settings.CompanyData.CompWebSite, QStringLiteral("web.example"));
        QCOMPARE(settings.InvData.TaxOn, 2);
        QVERIFY(settings.InvData.ShowTotalOnWorkOrder);
        QVERIFY(!settings.InvData.ShowWallpaper);
        QVERIFY(settings.InvData.ShowExtraCharges);
    }

    void colorComponentsKeepTheirLowByte()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblCompColorData SET intInvColorRed = 300, intInvColorGreen = 0, "
                                   "intInvColorBlue = 256 WHERE intColorID = 1;"));
        }
        CompanySettings settings;
        LoadCompanySettings(settings);
        QCOMPARE(settings.DocumentColors[3], ColorValue(44));
        QCOMPARE(ColorRed(settings.DocumentColors[3]), 44);
        QCOMPARE(settings.DocumentColors[2], CombineColor(0, 115, 225));
    }

    void aBrokenFlagStopsTheLoadWithTheConversionError()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblCompanyInvData SET strShowQuantity = ?, strTaxName1 = ? WHERE intCompInvDataID = 1;"),
                    {QString(), QStringLiteral("City Tax")});
        }
        CompanySettings settings;
        try {
            LoadCompanySettings(settings);
            QFAIL("the empty flag must not load");
        } catch (const ConversionError& error) {
            QCOMPARE(error.text(), QStringLiteral("'' is not a valid boolean value"));
        }
        // What was read before the error stays read.
        QCOMPARE(settings.CompanyData.CompName, QStringLiteral("My Company Name"));
        QCOMPARE(settings.InvData.TaxNames[0], QStringLiteral("City Tax"));
    }
};

VELMAR_TEST_MAIN(TestCompanySettings)
#include "tst_companysettings.moc"
