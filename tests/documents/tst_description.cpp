#include "documents/DescriptionText.h"
#include "documents/Totals.h"
#include "support/TestEnvironment.h"

namespace {

CompanySettings AllOptions()
{
    CompanySettings settings;
    TrecCmpnyInvData& o = settings.InvData;
    o.ShowWorkSheetInfo = o.ShowSurfacePrep = o.ShowWorkSheetAddons = o.ShowWallpaper =
        o.ShowExtraCharges = true;
    o.ShowTotalOnWorkOrder = false;
    return settings;
}

WorkSheet Kitchen()
{
    WorkSheet sheet = NewWorkSheet(1);
    sheet.WorkSheetName = QStringLiteral("Kitchen");
    sheet.AreaLength = 12;
    sheet.AreaWidth = 10;
    sheet.AreaHeight = 8;
    sheet.PaintsCoats = 2;
    sheet.Wash = FlagSet;
    sheet.Sand = FlagSet;
    return sheet;
}

PriceTable SeedLikePrices()
{
    PriceTable prices;
    prices.set(1, 0.21, 0.09);
    return prices;
}

} // namespace

class TestDescription : public QObject {
    Q_OBJECT

    QStringList Lines(CurrentDocument& document, const CompanySettings& settings = AllOptions())
    {
        ComputeTotals(document, settings);
        return DescriptionLines(document, settings);
    }

private slots:
    void kitchen()
    {
        CurrentDocument document;
        document.Header.InvName = QStringLiteral("Estimate");
        document.Prices = SeedLikePrices();
        document.WorkSheets = {Kitchen()};
        QCOMPARE(Lines(document),
                 (QStringList{"Kitchen",
                              "Interior, Area Work On - Walls and Ceiling, Number of Paint coats: 2, ",
                              "Surface Prep - Wash surface, Sand, ", "SQFT : 472", "Total : $283.20", "",
                              ""}));
    }

    void doorsAndClosetOnly()
    {
        CurrentDocument document;
        WorkSheet sheet = NewWorkSheet(1);
        sheet.NumOfDoors = 2;
        sheet.NumOfClosets = 1;
        document.WorkSheets = {sheet};
        document.Prices.set(17, 10, 0);
        document.Prices.set(23, 5, 0);
        QCOMPARE(Lines(document),
                 (QStringList{"Work Sheet 1", "Interior, ",
                              "Number of Doors to paint: 2, Number of Closets to paint: 1", "Total : $25.00",
                              "", ""}));
    }

    void everyLine()
    {
        CurrentDocument document;
        document.Header.InvName = QStringLiteral("Invoice");
        WorkSheet sheet = NewWorkSheet(2);
        sheet.IntExt = IntExt::Exterior;
        sheet.AreaWorkOn = AreaWork::WallsOnly;
        sheet.AreaLength = 10;
        sheet.AreaWidth = 10;
        sheet.AreaHeight = 10;
        sheet.PaintsCoats = 1;
        sheet.TrimCoats = 2;
        sheet.AreaMultiplier = 3;
        sheet.Prime = PrimeChoice::PrimeEntireSurface;
        sheet.Caulk = sheet.Mask = FlagSet;
        sheet.NumOfDoorFrmTrm = 1;
        sheet.NumOfWindowFrmTrm = 4;
        sheet.HngWallpaper = sheet.RmvWallpaper = sheet.HngBoarder = sheet.RmvBorder = FlagSet;
        sheet.ExtraChargesName = QStringLiteral("Haul away");
        sheet.ExtraChargesLabor = QStringLiteral("50");
        sheet.ExtraChargesMaterial = QStringLiteral("12.5");
        sheet.AraNotes = QStringLiteral("North side\r\nBehind the shed");
        document.WorkSheets = {sheet};
        document.Notes = QStringLiteral("Thank you\r\n\r\nSee you soon");
        QCOMPARE(Lines(document),
                 (QStringList{"Work Sheet 2",
                              "Exterior, Area Work On - Walls Only, Number of Paint coats: 1, "
                              "Number of Trim coats: 2, This Work Sheet is multiplied by: 3",
                              "Surface Prep - Prime entire surface, Caulk, Mask",
                              "Number of Doors Frame/Trim to paint: 1, Number of Window Frame/Trim to paint: 4",
                              "Hang Wallpaper, Remove Wallpaper, Hang Wallpaper Boarder, Remove Wallpaper Boarder, ",
                              "Haul away Extra Labor Charges: $50.00 Extra Material Charges: $12.50",
                              "North side", "Behind the shed", "SQFT : 400", "Total : $187.50", "",
                              "Thank you", "", "See you soon"}));
    }

    void printOptionsRemoveTheirLines_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("removed");
        QTest::newRow("information") << "info" << "Interior, Area Work On - Ceiling Only, ";
        QTest::newRow("surface prep") << "prep" << "Surface Prep - Spot Prime, Wash surface, ";
        QTest::newRow("add-ons") << "addons" << "Number of Doors to paint: 1";
        QTest::newRow("wallpaper") << "wallpaper" << "Hang Wallpaper, ";
        QTest::newRow("extra charges") << "extra" << "Ladder Extra Material Charges: $3.00";
    }

    void printOptionsRemoveTheirLines()
    {
        QFETCH(QString, option);
        QFETCH(QString, removed);
        CurrentDocument document;
        WorkSheet sheet = NewWorkSheet(1);
        sheet.AreaWorkOn = AreaWork::CeilingOnly;
        sheet.AreaLength = 10;
        sheet.AreaWidth = 10;
        sheet.Prime = PrimeChoice::SpotPrime;
        sheet.Wash = FlagSet;
        sheet.NumOfDoors = 1;
        sheet.HngWallpaper = FlagSet;
        sheet.ExtraChargesName = QStringLiteral("Ladder");
        sheet.ExtraChargesMaterial = QStringLiteral("3");
        document.WorkSheets = {sheet};
        const QStringList all = Lines(document);
        QVERIFY2(all.contains(removed), qPrintable(all.join('\n')));

        CompanySettings settings = AllOptions();
        TrecCmpnyInvData& o = settings.InvData;
        (option == "info" ? o.ShowWorkSheetInfo
         : option == "prep" ? o.ShowSurfacePrep
         : option == "addons" ? o.ShowWorkSheetAddons
         : option == "wallpaper" ? o.ShowWallpaper
                                 : o.ShowExtraCharges) = false;
        QStringList expected = all;
        expected.removeOne(removed);
        QCOMPARE(Lines(document, settings), expected);
        QCOMPARE(Lines(document, settings).first(), QStringLiteral("Work Sheet 1"));
    }

    void totalLines_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("showOnWorkOrder");
        QTest::addColumn<bool>("printed");
        QTest::newRow("work order, option off") << "Work Order" << false << false;
        QTest::newRow("work order, option on") << "work order" << true << true;
        QTest::newRow("estimate, option off") << "Estimate" << false << true;
        QTest::newRow("invoice, option on") << "Invoice" << true << true;
    }

    void totalLines()
    {
        QFETCH(QString, kind);
        QFETCH(bool, showOnWorkOrder);
        QFETCH(bool, printed);
        CurrentDocument document;
        document.Header.InvName = kind;
        document.Prices = SeedLikePrices();
        document.WorkSheets = {Kitchen(), Kitchen()};
        CompanySettings settings = AllOptions();
        settings.InvData.ShowTotalOnWorkOrder = showOnWorkOrder;
        const QStringList lines = Lines(document, settings);
        QCOMPARE(lines.count(QStringLiteral("Total : $283.20")), printed ? 2 : 0);
        QCOMPARE(lines.count(QStringLiteral("SQFT : 472")), 2);
    }

    void totalLineIsTheSheetTotalAsHeld()
    {
        // 2.449 less 15 percent, times 3, computes as 6.244949999999999; the sheet holds
        // 6.24495, whose currency text is $6.25 (the computed value itself would give $6.24).
        CurrentDocument document;
        document.Header.CustDiscountPercent = 15;
        WorkSheet sheet = NewWorkSheet(1);
        sheet.ExtraChargesLabor = QStringLiteral("2.449");
        sheet.AreaMultiplier = 3;
        document.WorkSheets = {sheet};
        const QStringList lines = Lines(document);
        QCOMPARE(document.WorkSheets[0].SheetTotalText(), QStringLiteral("6.24495"));
        QVERIFY(lines.contains(QStringLiteral("Total : $6.25")));
    }

    void lineConditions()
    {
        CurrentDocument document;
        WorkSheet spot = NewWorkSheet(1);
        spot.Prime = PrimeChoice::SpotPrime; // no area: no surface preparation line
        spot.TrimCoats = 2;                  // no outline: no trim coats
        spot.HngWallpaper = FlagSet;         // no area: no wallpaper
        spot.ExtraChargesName = QStringLiteral("Permit");
        spot.ExtraChargesLabor = QStringLiteral("0"); // 0: only the description
        spot.AreaMultiplier = 1;
        WorkSheet border = NewWorkSheet(2);
        border.AreaWorkOn = AreaWork::OneWallOnly;
        border.AreaLength = 10; // outline but no area (height 0)
        border.TrimCoats = 1;
        border.PaintsCoats = 3;
        border.RmvBorder = FlagSet;
        document.WorkSheets = {spot, border};
        QCOMPARE(Lines(document),
                 (QStringList{"Work Sheet 1", "Interior, ", "Permit", "Total : $0.00", "",
                              "Work Sheet 2", "Interior, Number of Trim coats: 1, ",
                              "Remove Wallpaper Boarder, ", "Total : $0.00", "", ""}));
    }

    void noSheetsGiveTheNotes()
    {
        CurrentDocument document;
        QCOMPARE(Lines(document), QStringList{QString()});
        document.Notes = QStringLiteral("Only notes");
        QCOMPARE(Lines(document), QStringList{QStringLiteral("Only notes")});
    }

    void wrap_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("wrapped");
        QTest::newRow("fitting lines are kept exactly")
            << QStringList{"Interior, ", "", "SQFT : 472"} << 10 << QStringList{"Interior, ", "", "SQFT : 472"};
        QTest::newRow("broken between words")
            << QStringList{"Surface Prep - Spot Prime, Wash surface, Sand, "} << 20
            << QStringList{"Surface Prep - Spot", "Prime, Wash surface,", "Sand, "};
        QTest::newRow("a word at the exact width")
            << QStringList{"aaaa bbbb cccc"} << 9 << QStringList{"aaaa bbbb", "cccc"};
        QTest::newRow("a word wider than the line")
            << QStringList{"ab abcdefghijkl x"} << 5 << QStringList{"ab", "abcde", "fghij", "kl x"};
        QTest::newRow("several blanks at a break")
            << QStringList{"one    two"} << 5 << QStringList{"one", "two"};
        QTest::newRow("no wrapping") << QStringList{"a b c d e f"} << 0 << QStringList{"a b c d e f"};
    }

    void wrap()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, width);
        QFETCH(QStringList, wrapped);
        QCOMPARE(WrapLines(lines, DescriptionWrap::Characters(width)), wrapped);
        // The same through a measure in other units.
        const auto measure = [](const QString& text) { return 7.5 * text.size(); };
        QCOMPARE(WrapLines(lines, DescriptionWrap::Measured(measure, 7.5 * width)), wrapped);
    }

    void buildWithAFontMeasure()
    {
        CurrentDocument document;
        document.Prices = SeedLikePrices();
        WorkSheet sheet = Kitchen();
        sheet.AreaMultiplier = 2;
        document.WorkSheets = {sheet};
        document.Description = {QStringLiteral("stale")};
        const CompanySettings settings = AllOptions();
        ComputeTotals(document, settings);
        const QFontMetricsF metrics(QFont(QStringLiteral("Arial"), 8));
        const double limit = metrics.horizontalAdvance(QStringLiteral("Interior, Area Work On - Walls"));
        BuildDescription(document, settings,
                         DescriptionWrap::Measured(
                             [&metrics](const QString& s) { return metrics.horizontalAdvance(s); }, limit));
        QVERIFY(!document.Description.contains(QStringLiteral("stale")));
        QVERIFY(document.Description.size() > DescriptionLines(document, settings).size());
        for (const QString& line : document.Description)
            QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= limit, qPrintable(line));
        QCOMPARE(document.Description.join(' ').simplified(),
                 DescriptionLines(document, settings).join(' ').simplified());
    }
};

VELMAR_TEST_MAIN(TestDescription)
#include "tst_description.moc"
