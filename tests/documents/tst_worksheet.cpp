#include "documents/DocumentStorage.h"
#include "documents/WorkSheet.h"
#include "support/TestEnvironment.h"

Q_DECLARE_METATYPE(WorkSheet)

namespace {

WorkSheet Sheet(int intExt, int areaWorkOn, int length, int width, int height, int coats = 0,
                int trimCoats = 0)
{
    WorkSheet sheet = NewWorkSheet(1);
    sheet.IntExt = intExt;
    sheet.AreaWorkOn = areaWorkOn;
    sheet.AreaLength = length;
    sheet.AreaWidth = width;
    sheet.AreaHeight = height;
    sheet.PaintsCoats = coats;
    sheet.TrimCoats = trimCoats;
    return sheet;
}

WorkSheet AllPrep(WorkSheet sheet)
{
    sheet.Prime = PrimeChoice::PrimeEntireSurface;
    sheet.Wash = sheet.Sand = sheet.Caulk = sheet.Mask = FlagSet;
    sheet.NumOfDoors = sheet.NumOfDoorFrmTrm = sheet.NumOfWindowFrmTrm = 1;
    return sheet;
}

WorkSheet ClosetsAndWallpaper(WorkSheet sheet)
{
    sheet.NumOfClosets = 2;
    sheet.HngWallpaper = sheet.RmvWallpaper = sheet.HngBoarder = sheet.RmvBorder = FlagSet;
    return sheet;
}

} // namespace

class TestWorkSheet : public QObject {
    Q_OBJECT

    PriceTable seedPrices;

private slots:
    void initTestCase()
    {
        TestEnvironment::freshDatabase();
        LoadPriceTable(seedPrices, true, 0);
    }

    void pricing_data()
    {
        QTest::addColumn<WorkSheet>("sheet");
        QTest::addColumn<qint64>("squareFeet");
        QTest::addColumn<qint64>("linearFeet");
        QTest::addColumn<double>("labor");
        QTest::addColumn<double>("material");

        QTest::newRow("interior walls and ceiling 12x10x8, 2 coats")
            << Sheet(0, AreaWork::WallsAndCeiling, 12, 10, 8, 2) << qint64(472) << qint64(44)
            << 198.24 << 84.96;
        QTest::newRow("walls only") << Sheet(0, AreaWork::WallsOnly, 12, 10, 8, 1) << qint64(352)
                                    << qint64(44) << 352 * 0.21 << 352 * 0.09;
        QTest::newRow("ceiling only, 1 coat, 1 trim coat")
            << Sheet(0, AreaWork::CeilingOnly, 12, 10, 8, 1, 1) << qint64(120) << qint64(44)
            << 120 * 0.21 + 44 * 0.95 << 120 * 0.09 + 44 * 0.24;
        QTest::newRow("floor only prices like ceiling only")
            << Sheet(0, AreaWork::FloorOnly, 12, 10, 8, 1, 1) << qint64(120) << qint64(44)
            << 120 * 0.21 + 44 * 0.95 << 120 * 0.09 + 44 * 0.24;
        QTest::newRow("1 wall only ignores the width")
            << Sheet(0, AreaWork::OneWallOnly, 10, 7, 8, 1, 1) << qint64(80) << qint64(10)
            << 80 * 0.21 + 10 * 0.95 << 80 * 0.09 + 10 * 0.24;
        {
            WorkSheet unknown = Sheet(0, 7, 12, 10, 8, 2, 2);
            unknown.NumOfDoors = 1;
            QTest::newRow("unknown surface: no area, doors still priced")
                << unknown << qint64(0) << qint64(0) << 28.35 << 6.55;
        }
        QTest::newRow("interior preparation and add-ons take the odd items")
            << AllPrep(Sheet(0, AreaWork::CeilingOnly, 10, 10, 0)) << qint64(100) << qint64(40)
            << 100 * (0.17 + 0.11 + 0.18 + 0.07 + 0.18) + 28.35 + 26.40 + 28.95
            << 100 * (0.07 + 0.02 + 0.03 + 0.03 + 0.04) + 6.55 + 4.22 + 6.95;
        QTest::newRow("exterior preparation and add-ons take the even items")
            << AllPrep(Sheet(1, AreaWork::CeilingOnly, 10, 10, 0)) << qint64(100) << qint64(40)
            << 100 * (0.18 + 0.09 + 0.25 + 0.08 + 0.20) + 32.85 + 18.85 + 27.80
            << 100 * (0.06 + 0.03 + 0.06 + 0.04 + 0.03) + 8.25 + 4.25 + 6.88;
        QTest::newRow("interior closets, wallpaper and border")
            << ClosetsAndWallpaper(Sheet(0, AreaWork::WallsAndCeiling, 12, 10, 8))
            << qint64(472) << qint64(44)
            << 2 * 85.60 + 472 * 1.25 + 472 * 3.25 + 44 * 4.63 + 44 * 6.68
            << 2 * 23.55 + 472 * 1.66 + 472 * 1.21 + 44 * 2.25 + 44 * 1.33;
        QTest::newRow("exterior prices neither closets nor wallpaper")
            << ClosetsAndWallpaper(Sheet(1, AreaWork::WallsAndCeiling, 12, 10, 8, 1))
            << qint64(472) << qint64(44) << 472 * 0.22 << 472 * 0.12;
        QTest::newRow("any non-zero interior/exterior value is exterior")
            << Sheet(5, AreaWork::WallsAndCeiling, 12, 10, 8, 1) << qint64(472) << qint64(44)
            << 472 * 0.22 << 472 * 0.12;
        {
            WorkSheet prime0 = Sheet(0, AreaWork::CeilingOnly, 10, 10, 0);
            prime0.Prime = PrimeChoice::NoPrime;
            prime0.NumOfDoors = 1;
            WorkSheet prime3 = prime0;
            prime3.Prime = 3;
            WorkSheet spot = prime0;
            spot.Prime = PrimeChoice::SpotPrime;
            QTest::newRow("prime 0 adds nothing") << prime0 << qint64(100) << qint64(40) << 28.35 << 6.55;
            QTest::newRow("prime 3 adds nothing") << prime3 << qint64(100) << qint64(40) << 28.35 << 6.55;
            QTest::newRow("spot prime") << spot << qint64(100) << qint64(40) << 28.35 + 100 * 0.09
                                        << 6.55 + 100 * 0.05;
        }
        {
            WorkSheet flags = Sheet(0, AreaWork::CeilingOnly, 10, 10, 0);
            flags.Wash = 1; // any non-zero value counts as set
            flags.Sand = 0;
            QTest::newRow("flag 1 counts as set") << flags << qint64(100) << qint64(40)
                                                  << 100 * 0.11 << 100 * 0.02;
        }
        {
            WorkSheet extras = Sheet(0, AreaWork::WallsAndCeiling, 0, 0, 0);
            extras.ExtraChargesLabor = QStringLiteral("50");
            extras.ExtraChargesMaterial = QStringLiteral("12.25");
            extras.AreaMultiplier = 3;
            QTest::newRow("extra labour 50 with multiplier 3")
                << extras << qint64(0) << qint64(0) << 150.0 << 36.75;
        }
    }

    void pricing()
    {
        QFETCH(WorkSheet, sheet);
        QFETCH(qint64, squareFeet);
        QFETCH(qint64, linearFeet);
        QFETCH(double, labor);
        QFETCH(double, material);

        const SheetPrice price = PriceWorkSheet(sheet, seedPrices, 0);
        QCOMPARE(price.SquareFeet, double(squareFeet));
        QCOMPARE(price.LinearFeet, double(linearFeet));
        QCOMPARE(price.Labor, labor);
        QCOMPARE(price.Material, material);
        QCOMPARE(price.Total, price.Labor + price.Material);
        QCOMPARE(sheet.SquareFeet, double(squareFeet));
        QCOMPARE(sheet.SheetTotal, price.Total);
        QCOMPARE(price.Discount(), 0.0);
    }

    void largeStoredDimensionsDoNotOverflow_data()
    {
        QTest::addColumn<int>("areaWork");
        QTest::addColumn<QString>("squareFeet");
        // R = 8e9, R x H = 1.6e19: beyond 64-bit whole numbers.
        QTest::newRow("walls and ceiling") << int(AreaWork::WallsAndCeiling) << "20000000000000000000";
        QTest::newRow("walls only") << int(AreaWork::WallsOnly) << "16000000000000000000";
        QTest::newRow("one wall") << int(AreaWork::OneWallOnly) << "4000000000000000000";
    }

    void largeStoredDimensionsDoNotOverflow()
    {
        QFETCH(int, areaWork);
        QFETCH(QString, squareFeet);
        WorkSheet sheet = Sheet(0, areaWork, 2000000000, 2000000000, 2000000000, 1);
        const SheetPrice price = PriceWorkSheet(sheet, seedPrices, 0);
        QCOMPARE(sheet.SquareFeetText(), squareFeet);
        QVERIFY(price.SquareFeet > 0);
        QVERIFY(price.Labor > 0);
        QVERIFY(price.Total > 0);
    }

    void kitchenSheetTotalText()
    {
        WorkSheet sheet = Sheet(0, AreaWork::WallsAndCeiling, 12, 10, 8, 2);
        PriceWorkSheet(sheet, seedPrices, 0);
        QCOMPARE(sheet.SquareFeetText(), QStringLiteral("472"));
        QCOMPARE(sheet.SheetTotalText(), QStringLiteral("283.2"));
    }

    void paintingLineIsCoatsTimesSquareFeetTimesPrice()
    {
        // 3 x (472 x 0.21) and (3 x 472) x 0.21 differ in the last bit.
        QVERIFY(3.0 * (472.0 * 0.21) != (3.0 * 472.0) * 0.21);
        WorkSheet sheet = Sheet(0, AreaWork::WallsAndCeiling, 12, 10, 8, 3, 3);
        const SheetPrice price = ComputeSheetPrice(sheet, seedPrices, 0);
        QVERIFY(price.Labor == 3.0 * (472.0 * 0.21) + 3.0 * (44.0 * 0.95));
        QVERIFY(price.Material == 3.0 * (472.0 * 0.09) + 3.0 * (44.0 * 0.24));
    }

    void discountBeforeMultiplier()
    {
        WorkSheet sheet = Sheet(0, AreaWork::WallsAndCeiling, 0, 0, 0);
        sheet.ExtraChargesLabor = QStringLiteral("100");
        sheet.ExtraChargesMaterial = QStringLiteral("40");
        sheet.AreaMultiplier = 2;
        const SheetPrice price = ComputeSheetPrice(sheet, seedPrices, 10);
        QCOMPARE(price.LaborDiscount, 10.0);
        QCOMPARE(price.MaterialDiscount, 4.0);
        QCOMPARE(price.Labor, 180.0);
        QCOMPARE(price.Material, 72.0);
        QCOMPARE(price.Total, 252.0);
    }

    void extraChargeText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << "en_US" << "" << 0.0 << true;
        QTest::newRow("whole") << "en_US" << "50" << 50.0 << true;
        QTest::newRow("point") << "en_US" << "12.5" << 12.5 << true;
        QTest::newRow("comma locale") << "de_DE" << "12,5" << 12.5 << true;
        QTest::newRow("lone separator counts as 0") << "en_US" << "." << 0.0 << false;
        QTest::newRow("words count as 0") << "en_US" << "abc" << 0.0 << false;
        QTest::newRow("leading minus") << "en_US" << "-7.25" << -7.25 << true;
        QTest::newRow("trailing separator") << "en_US" << "5." << 5.0 << true;
        QTest::newRow("leading separator") << "en_US" << ".5" << 0.5 << true;
        QTest::newRow("lone minus counts as 0") << "en_US" << "-" << 0.0 << false;
        QTest::newRow("minus inside counts as 0") << "en_US" << "5-1" << 0.0 << false;
        QTest::newRow("two separators count as 0") << "en_US" << "1.2.3" << 0.0 << false;
        QTest::newRow("plus sign counts as 0") << "en_US" << "+5" << 0.0 << false;
        QTest::newRow("inf counts as 0") << "en_US" << "inf" << 0.0 << false;
        QTest::newRow("nan counts as 0") << "en_US" << "nan" << 0.0 << false;
        QTest::newRow("exponent counts as 0") << "en_US" << "1e3" << 0.0 << false;
        QTest::newRow("hexadecimal counts as 0") << "en_US" << "0x10" << 0.0 << false;
        QTest::newRow("group separator counts as 0") << "en_US" << "1,000" << 0.0 << false;
        QTest::newRow("point in a comma locale counts as 0") << "de_DE" << "12.5" << 0.0 << false;
        QTest::newRow("digits beyond a double count as 0")
            << "en_US" << QString(400, QLatin1Char('9')) << 0.0 << false;
    }

    void extraChargeText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, valid);
        QLocale::setDefault(QLocale(locale));
        const double read = ExtraChargeValue(text);
        const bool isValid = ExtraChargeIsValid(text);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(read, value);
        QCOMPARE(isValid, valid);

        WorkSheet sheet = Sheet(0, AreaWork::WallsAndCeiling, 0, 0, 0);
        sheet.ExtraChargesLabor = text;
        QLocale::setDefault(QLocale(locale));
        const SheetPrice price = ComputeSheetPrice(sheet, seedPrices, 0);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(price.Labor, value);
    }

    void completeness_data()
    {
        QTest::addColumn<int>("surface");
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("needs"); // letters of the dimensions needed

        const QList<QPair<int, QStringList>> table{
            // surface: needs for paint, prep, prime, trim, wallpaper, border
            {AreaWork::WallsAndCeiling, {"LWH", "LWH", "LWH", "LWH", "LWH", "LW"}},
            {AreaWork::WallsOnly, {"LWH", "LWH", "LWH", "LWH", "LWH", "LW"}},
            {AreaWork::CeilingOnly, {"LW", "LW", "LW", "LW", "LW", "LW"}},
            {AreaWork::OneWallOnly, {"LH", "LH", "LH", "LH", "LH", "L"}},
            {AreaWork::FloorOnly, {"LW", "LW", "LW", "LW", "", ""}},
        };
        const QStringList works{"paint", "prep", "prime", "trim", "wallpaper", "border"};
        for (const auto& [surface, needs] : table) {
            for (int i = 0; i < works.size(); ++i)
                QTest::addRow("surface %d, %s", surface, qPrintable(works[i]))
                    << surface << works[i] << needs[i];
            QTest::addRow("surface %d, doors", surface) << surface << "doors" << "";
            QTest::addRow("surface %d, closets", surface) << surface << "closets" << "";
            QTest::addRow("surface %d, extra", surface) << surface << "extra" << "";
            QTest::addRow("surface %d, nothing", surface) << surface << "nothing" << "";
        }
    }

    void completeness()
    {
        QFETCH(int, surface);
        QFETCH(QString, work);
        QFETCH(QString, needs);

        WorkSheet sheet = Sheet(0, surface, 0, 0, 0);
        if (work == "paint")
            sheet.PaintsCoats = 2;
        else if (work == "prep")
            sheet.Mask = FlagSet;
        else if (work == "prime")
            sheet.Prime = PrimeChoice::SpotPrime;
        else if (work == "trim")
            sheet.TrimCoats = 1;
        else if (work == "wallpaper")
            sheet.RmvWallpaper = FlagSet;
        else if (work == "border")
            sheet.HngBoarder = FlagSet;
        else if (work == "doors")
            sheet.NumOfDoors = 1;
        else if (work == "closets")
            sheet.NumOfClosets = 1;
        else if (work == "extra")
            sheet.ExtraChargesMaterial = QStringLiteral("5");
        const bool areaWork = work != "nothing";

        const SheetCompleteness none = CheckSheetCompleteness(sheet);
        QCOMPARE(none.AreaWorkPresent, areaWork);
        QCOMPARE(none.AreaWorkMissing(), !areaWork);
        QCOMPARE(none.NeedsLength, needs.contains('L'));
        QCOMPARE(none.NeedsWidth, needs.contains('W'));
        QCOMPARE(none.NeedsHeight, needs.contains('H'));
        QCOMPARE(none.LengthMissing, needs.contains('L'));
        QCOMPARE(none.WidthMissing, needs.contains('W'));
        QCOMPARE(none.HeightMissing, needs.contains('H'));
        QCOMPARE(none.Complete, areaWork && needs.isEmpty());

        // Each needed dimension alone missing keeps the sheet incomplete.
        for (const QChar missing : needs) {
            WorkSheet partial = sheet;
            partial.AreaLength = missing == 'L' ? 0 : 10;
            partial.AreaWidth = missing == 'W' ? 0 : 10;
            partial.AreaHeight = missing == 'H' ? 0 : 10;
            const SheetCompleteness c = CheckSheetCompleteness(partial);
            QVERIFY2(!c.Complete, qPrintable(QString(missing)));
            QVERIFY(c.DimensionsMissing());
        }

        sheet.AreaLength = sheet.AreaWidth = sheet.AreaHeight = 10;
        const SheetCompleteness all = CheckSheetCompleteness(sheet);
        QCOMPARE(all.Complete, areaWork);
        QVERIFY(!all.DimensionsMissing());
    }

    void invariants()
    {
        WorkSheet exterior = ClosetsAndWallpaper(Sheet(1, AreaWork::WallsAndCeiling, 12, 10, 8));
        ApplyWorkSheetInvariants(exterior);
        QCOMPARE(exterior.NumOfClosets, 0);
        QCOMPARE(exterior.HngWallpaper + exterior.RmvWallpaper + exterior.HngBoarder + exterior.RmvBorder, 0);

        WorkSheet ceiling = Sheet(0, AreaWork::CeilingOnly, 12, 10, 8);
        ApplyWorkSheetInvariants(ceiling);
        QCOMPARE(ceiling.AreaHeight, 0);
        WorkSheet wall = Sheet(0, AreaWork::OneWallOnly, 12, 10, 8);
        ApplyWorkSheetInvariants(wall);
        QCOMPARE(wall.AreaWidth, 0);
        QCOMPARE(wall.AreaHeight, 8);
        WorkSheet floor = ClosetsAndWallpaper(Sheet(0, AreaWork::FloorOnly, 12, 10, 8));
        ApplyWorkSheetInvariants(floor);
        QCOMPARE(floor.AreaHeight, 0);
        QCOMPARE(floor.NumOfClosets, 2);
        QCOMPARE(floor.HngWallpaper + floor.RmvWallpaper + floor.HngBoarder + floor.RmvBorder, 0);
    }

    void newSheet()
    {
        const WorkSheet sheet = NewWorkSheet(3);
        QCOMPARE(sheet.WorkSheetName, QStringLiteral("Work Sheet 3"));
        QCOMPARE(sheet.AreaMultiplier, 1);
        QCOMPARE(sheet.SheetTotalText(), QStringLiteral("0"));
        QCOMPARE(MaxWorkSheets, 70);
    }
};

VELMAR_TEST_MAIN(TestWorkSheet)
#include "tst_worksheet.moc"
