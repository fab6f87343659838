#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/Totals.h"
#include "support/TestEnvironment.h"

#include <sqlite3.h>

namespace {

qint64 Count(const QString& sql, std::initializer_list<QVariant> values = {})
{
    Connection db = OpenDatabase();
    return db.exec(sql, values).columnInt(0);
}

QStringList SheetNames(int number)
{
    Connection db = OpenDatabase();
    Statement& rows = db.prepare(QStringLiteral(
        "SELECT strWorkSheetName FROM tblInvData WHERE intInvNumber = ? ORDER BY intInvDataID;"));
    rows.bind(1, number);
    QStringList names;
    while (rows.next())
        names << rows.columnText(0);
    return names;
}

// Every stored value of the document's rows, as text, for before/after comparisons.
QStringList Dump(const QString& table)
{
    Connection db = OpenDatabase();
    Statement& rows = db.prepare(QStringLiteral("SELECT * FROM %1;").arg(table));
    QStringList dump;
    while (rows.next()) {
        QStringList row;
        // The select is the only statement of the connection.
        for (int c = 0; c < sqlite3_column_count(sqlite3_next_stmt(db.handle(), nullptr)); ++c)
            row << rows.columnText(c);
        dump << row.join(QLatin1Char('|'));
    }
    return dump;
}

WorkSheet Room(const QString& name, int coats = 2)
{
    WorkSheet sheet = NewWorkSheet(1);
    sheet.WorkSheetName = name;
    sheet.AreaLength = 12;
    sheet.AreaWidth = 10;
    sheet.AreaHeight = 8;
    sheet.PaintsCoats = coats;
    return sheet;
}

} // namespace

class TestStorage : public QObject {
    Q_OBJECT

    AppState state;

    CurrentDocument& NewDocument(const QString& kind = QStringLiteral("Invoice"))
    {
        CurrentDocument& document = state.currentDocument;
        document.Header.IsNew = true;
        LoadDocument(document, state.companySettings);
        document.Header.InvName = kind;
        document.Header.InvDate = QStringLiteral("3/14/2011");
        return document;
    }

    CurrentDocument Load(int number)
    {
        CurrentDocument document;
        document.Header.IsNew = false;
        document.Header.InvNumber = number;
        LoadDocument(document, state.companySettings);
        return document;
    }

private slots:
    void init()
    {
        state = AppState();
        TestEnvironment::freshDatabase(state);
    }

    void newDocumentValues()
    {
        CurrentDocument& document = state.currentDocument;
        document.Header.InvName = QStringLiteral("Invoice");
        document.Header.CustFullName = QStringLiteral("Old");
        document.Header.PrintContract = true;
        document.Notes = QStringLiteral("old notes");
        document.WorkSheets = {Room("Old")};
        document.PrintData.Total = QStringLiteral("$1.00");
        document.SavedData.PaidInFull = true;
        document.Description = {QStringLiteral("old")};
        document.Header.IsNew = true;
        LoadDocument(document, state.companySettings);

        const TrecInvHeader& h = document.Header;
        QVERIFY(h.IsNew);
        QCOMPARE(h.InvNumber, 500);
        QVERIFY(h.InvName.isEmpty());
        QVERIFY(h.CustFullName.isEmpty());
        QVERIFY(!h.PrintContract);
        QCOMPARE(h.TaxRate1, 0.0123);
        QCOMPARE(h.TaxRate2, 0.05);
        QCOMPARE(h.TaxRate3, 0.0);
        QVERIFY(document.Notes.isEmpty());
        QVERIFY(document.WorkSheets.empty());
        QVERIFY(document.PrintData.Total.isEmpty());
        QVERIFY(!document.SavedData.PaidInFull);
        QVERIFY(document.Description.isEmpty());
        QCOMPARE(document.Prices.labor(1), 0.21);
        QCOMPARE(document.Prices.material(27), 1.33);
    }

    void firstNumberAndCounter()
    {
        QCOMPARE(ReadDocumentCounter(), 500);
        CurrentDocument& document = NewDocument();
        document.WorkSheets = {Room("Kitchen")};
        ComputeTotals(document, state.companySettings);
        QStringList captions;
        SaveDocument(document, {[&captions](const QString& c) { captions << c; }});
        QCOMPARE(captions, QStringList{QStringLiteral("Saving Invoice 500...")});
        QVERIFY(!document.Header.IsNew);
        QCOMPARE(ReadDocumentCounter(), 501);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader WHERE intInvNumber = 500;")), 1);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblSavedPrices WHERE intPrcItemInvNum = 500;")), 27);

        // Saving again updates the same row and leaves the counter alone.
        TakeSnapshot(document);
        document.Header.CustFullName = QStringLiteral("Jane Doe");
        SaveDocument(document);
        QCOMPARE(ReadDocumentCounter(), 501);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")), 1);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvData;")), 1);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblSavedPrices;")), 27);
        QCOMPARE(Load(500).Header.CustFullName, QStringLiteral("Jane Doe"));

        AdvanceDocumentCounter();
        QCOMPARE(ReadDocumentCounter(), 502);
    }

    void blankFormSavesWithoutProgress()
    {
        CurrentDocument& document = NewDocument();
        document.Header.BlankForm = true;
        int shown = 0;
        SaveDocument(document, {[&shown](const QString&) { ++shown; }});
        QCOMPARE(shown, 0);
        // No work sheets: no frozen prices.
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblSavedPrices;")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")), 1);
    }

    void everyValueComesBackAsSaved_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("double quotes") << "He said \"paint it\" twice\"";
        QTest::newRow("apostrophes") << "O'Brien's \u2019place\u2019";
        QTest::newRow("line breaks") << "first line\r\nsecond line\r\n\r\nfourth";
        QTest::newRow("non-Latin") << "Пётр Łódź 東京 ελληνικά العربية 🎨";
        QTest::newRow("column name") << "strCustCity";
        QTest::newRow("SQL") << "\"); DROP TABLE tblInvHeader; --";
        QTest::newRow("percent and backslash") << "100% \\ done \\n";
        QTest::newRow("empty") << "";
    }

    void everyValueComesBackAsSaved()
    {
        QFETCH(QString, text);
        CurrentDocument& document = NewDocument(QStringLiteral("Estimate"));
        TrecInvHeader& h = document.Header;
        const auto t = [&text](const char* field) { return QString::fromLatin1(field) + text; };
        h.InvDate = QStringLiteral("3/14/2011");
        h.FromInvNameNumber = t("from ");
        h.Recurring = true;
        h.InvFootNotes = 2;
        h.CustCmpnyName = t("company ");
        h.CustFullName = t("name ");
        h.CustAddress = t("address ");
        h.CustCtyStZp = t("city ");
        h.CustMainPhone = t("phone ");
        h.CustExtraPhone1 = t("phone1 ");
        h.CustExtraPhone2 = t("phone2 ");
        h.CustPymntTerms = t("terms ");
        h.CustPONumber = t("po ");
        h.CustTaxExemptNum = t("exempt ");
        h.CustDiscountPercent = 15;
        h.CustNotes = t("cust notes ");
        h.CustTaxExempt = true;
        h.UseTax1 = false;
        h.UseTax2 = true;
        h.UseTax3 = true;
        h.TaxRate1 = 0.0123;
        h.TaxRate2 = 0.0825;
        h.TaxRate3 = 0.1;
        h.PaidAmount = 12.34;
        h.DepositAmount = 250.5;
        document.Notes = t("notes ");

        WorkSheet sheet = Room(text.left(20), 3);
        sheet.IntExt = 1;
        sheet.AreaWorkOn = AreaWork::WallsOnly;
        sheet.TrimCoats = 2;
        sheet.AreaMultiplier = 4;
        sheet.Prime = PrimeChoice::SpotPrime;
        sheet.Wash = FlagSet;
        sheet.Caulk = FlagSet;
        sheet.NumOfDoors = 3;
        sheet.NumOfDoorFrmTrm = 4;
        sheet.NumOfWindowFrmTrm = 5;
        sheet.ExtraChargesName = t("extra ");
        sheet.ExtraChargesLabor = QStringLiteral("12.5");
        sheet.ExtraChargesMaterial = QStringLiteral("7");
        sheet.AraNotes = t("area notes ");
        WorkSheet second = Room(QStringLiteral("Second"), 1);
        second.RmvWallpaper = FlagSet;
        second.HngBoarder = FlagSet;
        second.NumOfClosets = 2;
        document.WorkSheets = {sheet, second};
        ComputeTotals(document, state.companySettings);
        const CurrentDocument saved = document;
        SaveDocument(document);

        const CurrentDocument loaded = Load(saved.Header.InvNumber);
        const TrecInvHeader& l = loaded.Header;
        QVERIFY(!l.IsNew);
        QCOMPARE(l.InvName, h.InvName);
        QCOMPARE(l.InvNumber, h.InvNumber);
        QCOMPARE(l.InvDate, h.InvDate);
        QCOMPARE(l.FromInvNameNumber, h.FromInvNameNumber);
        QCOMPARE(l.Recurring, true);
        QCOMPARE(l.PaidInFull, false);
        QCOMPARE(l.InvFootNotes, 2);
        QCOMPARE(l.CustCmpnyName, h.CustCmpnyName);
        QCOMPARE(l.CustFullName, h.CustFullName);
        QCOMPARE(l.CustAddress, h.CustAddress);
        QCOMPARE(l.CustCtyStZp, h.CustCtyStZp);
        QCOMPARE(l.CustMainPhone, h.CustMainPhone);
        QCOMPARE(l.CustExtraPhone1, h.CustExtraPhone1);
        QCOMPARE(l.CustExtraPhone2, h.CustExtraPhone2);
        QCOMPARE(l.CustPymntTerms, h.CustPymntTerms);
        QCOMPARE(l.CustPONumber, h.CustPONumber);
        QCOMPARE(l.CustTaxExemptNum, h.CustTaxExemptNum);
        QCOMPARE(l.CustDiscountPercent, 15);
        QCOMPARE(l.CustNotes, h.CustNotes);
        QCOMPARE(l.CustTaxExempt, true);
        QCOMPARE(l.UseTax1, false);
        QCOMPARE(l.UseTax2, true);
        QCOMPARE(l.UseTax3, true);
        QVERIFY(l.TaxRate1 == 0.0123 && l.TaxRate2 == 0.0825 && l.TaxRate3 == 0.1);
        QVERIFY(l.PaidAmount == 12.34 && l.DepositAmount == 250.5);
        QCOMPARE(l.InvTotal, saved.Header.InvTotal);
        QCOMPARE(loaded.Notes, saved.Notes);
        QCOMPARE(loaded.WorkSheets.size(), std::size_t(2));
        const WorkSheet& s = loaded.WorkSheets[0];
        const WorkSheet& o = saved.WorkSheets[0];
        QCOMPARE(s.WorkSheetName, o.WorkSheetName);
        QVERIFY(s.IntExt == 1 && s.AreaWorkOn == 1 && s.PaintsCoats == 3 && s.TrimCoats == 2);
        QVERIFY(s.AreaLength == 12 && s.AreaWidth == 10 && s.AreaHeight == 8 && s.AreaMultiplier == 4);
        QVERIFY(s.Prime == 1 && s.Wash == -1 && s.Sand == 0 && s.Caulk == -1 && s.Mask == 0);
        QVERIFY(s.NumOfDoors == 3 && s.NumOfDoorFrmTrm == 4 && s.NumOfWindowFrmTrm == 5);
        QCOMPARE(s.ExtraChargesName, o.ExtraChargesName);
        QCOMPARE(s.ExtraChargesLabor, QStringLiteral("12.5"));
        QCOMPARE(s.ExtraChargesMaterial, QStringLiteral("7"));
        QCOMPARE(s.AraNotes, o.AraNotes);
        const WorkSheet& s2 = loaded.WorkSheets[1];
        QVERIFY(s2.NumOfClosets == 2 && s2.RmvWallpaper == -1 && s2.HngBoarder == -1 && s2.HngWallpaper == 0);
        // The load recomputed the same figures and took its snapshot.
        QCOMPARE(s.SheetTotal, o.SheetTotal);
        QCOMPARE(loaded.Header.TotalAmount, saved.Header.TotalAmount);
        QCOMPARE(loaded.PrintData.Total, saved.PrintData.Total);
        QCOMPARE(loaded.SavedData.InvName, QStringLiteral("Estimate"));
        QCOMPARE(loaded.SavedData.Amounts, MonthlyAmounts::From(loaded.Totals));
    }

    void storedForms()
    {
        CurrentDocument& document = NewDocument();
        document.Header.PaidInFull = true;
        document.Header.InvFootNotes = 1;
        document.WorkSheets = {Room("Kitchen")};
        document.WorkSheets[0].Mask = FlagSet;
        ComputeTotals(document, state.companySettings);
        SaveDocument(document);

        Connection db = OpenDatabase();
        Statement& header = db.exec(QStringLiteral(
            "SELECT strRecurring, typeof(strRecurring), strPaidInFull, strInvTotal, typeof(dbTaxRate1),"
            " typeof(intInvFootNotes), dbTaxRate2 FROM tblInvHeader;"));
        QCOMPARE(header.columnText(0), QStringLiteral("0"));
        QCOMPARE(header.columnText(1), QStringLiteral("text"));
        QCOMPARE(header.columnText(2), QStringLiteral("-1"));
        QCOMPARE(header.columnText(3), QStringLiteral("$387.04")); // 283.20 + mask 472 x 0.22
        QCOMPARE(header.columnText(4), QStringLiteral("real"));
        QCOMPARE(header.columnText(5), QStringLiteral("integer"));
        QCOMPARE(header.columnReal(6), 0.05);
        Statement& sheet = db.exec(QStringLiteral(
            "SELECT intMask, typeof(intMask), intWash, typeof(strExtraChargesLabor) FROM tblInvData;"));
        QCOMPARE(sheet.columnInt(0), -1);
        QCOMPARE(sheet.columnText(1), QStringLiteral("integer"));
        QCOMPARE(sheet.columnInt(2), 0);
        QCOMPARE(sheet.columnText(3), QStringLiteral("text"));
        // The queries of other windows find it by the flag texts.
        QCOMPARE(db.exec(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader WHERE strPaidInFull = 0;")).columnInt(0), 0);
        QCOMPARE(db.exec(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader WHERE strRecurring = 0;")).columnInt(0), 1);
    }

    void threeOfFourSheetsAfterARemoval()
    {
        CurrentDocument& document = NewDocument();
        document.WorkSheets = {Room("Kitchen"), Room("Hall"), Room("Bath"), Room("Den")};
        ComputeTotals(document, state.companySettings);
        SaveDocument(document);
        QCOMPARE(SheetNames(500), (QStringList{"Kitchen", "Hall", "Bath", "Den"}));
        TakeSnapshot(document);
        document.WorkSheets.erase(document.WorkSheets.begin() + 1);
        ComputeTotals(document, state.companySettings);
        SaveDocument(document);
        QCOMPARE(SheetNames(500), (QStringList{"Kitchen", "Bath", "Den"}));
        const CurrentDocument loaded = Load(500);
        QStringList names;
        for (const WorkSheet& s : loaded.WorkSheets)
            names << s.WorkSheetName;
        QCOMPARE(names, (QStringList{"Kitchen", "Bath", "Den"}));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblSavedPrices;")), 27);
    }

    void savedPricesWinOverThePriceSheet()
    {
        CurrentDocument& document = NewDocument();
        document.WorkSheets = {Room("Kitchen")};
        ComputeTotals(document, state.companySettings);
        SaveDocument(document);
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblPrices SET dbLbrPrc = 1.5, dbMatPrc = 1 WHERE intPrcItemNumID = 1;"));
        }
        const CurrentDocument loaded = Load(500);
        QCOMPARE(loaded.Prices.labor(1), 0.21);
        QCOMPARE(loaded.WorkSheets[0].SheetTotalText(), QStringLiteral("283.2"));

        CurrentDocument fresh;
        LoadDocument(fresh, state.companySettings);
        QCOMPARE(fresh.Prices.labor(1), 1.5);
        QCOMPARE(fresh.Prices.material(1), 1.0);

        // Changed frozen prices are what the document is priced with next time.
        PriceTable prices = loaded.Prices;
        prices.set(1, 0.5, 0.25);
        SavePriceTable(prices, 500);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblSavedPrices;")), 27);
        QCOMPARE(Load(500).WorkSheets[0].SheetTotal, 2 * (472 * 0.5) + 2 * (472 * 0.25));
    }

    void priceRowsOutsideTheItemsAreIgnored()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("INSERT INTO tblSavedPrices VALUES (0, 700, 9, 9), (28, 700, 9, 9), (3, 700, 4.5, 2);"));
        }
        PriceTable prices;
        prices.set(1, 7, 7);
        LoadPriceTable(prices, false, 700);
        QCOMPARE(prices.labor(3), 4.5);
        QCOMPARE(prices.material(3), 2.0);
        QCOMPARE(prices.labor(1), 7.0); // no row: kept
        QCOMPARE(prices.labor(27), 0.0);
    }

    void loadedDocumentIsTaxExemptOnlyWhenStoredSo()
    {
        CurrentDocument& document = NewDocument();
        document.Header.UseTax1 = true;
        document.WorkSheets = {Room("Kitchen")};
        ComputeTotals(document, state.companySettings);
        SaveDocument(document);
        CurrentDocument loaded = Load(500);
        QVERIFY(!loaded.Header.CustTaxExempt);
        QVERIFY(loaded.Totals.TaxTotal() > 0);
        loaded.Header.CustTaxExempt = true;
        SaveDocument(loaded);
        loaded = Load(500);
        QVERIFY(loaded.Header.CustTaxExempt);
        QCOMPARE(loaded.Totals.TaxTotal(), 0.0);
    }

    void deletedNumberIsNeverReused()
    {
        CurrentDocument& document = NewDocument();
        document.WorkSheets = {Room("Kitchen")};
        ComputeTotals(document, state.companySettings);
        SaveDocument(document);
        DeleteDocument(document);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvData;")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblSavedPrices;")), 27);
        QCOMPARE(NewDocument().Header.InvNumber, 501);
    }

    void aSavedNumberIsNeverGivenToASecondDocument_data()
    {
        QTest::addColumn<bool>("counterSetBack");
        // Two editors started the same number before either saved.
        QTest::newRow("same number started twice") << false;
        // A counter below the numbers already saved.
        QTest::newRow("counter set back") << true;
    }

    void aSavedNumberIsNeverGivenToASecondDocument()
    {
        QFETCH(bool, counterSetBack);
        CurrentDocument first = NewDocument();
        CurrentDocument second = NewDocument();
        first.Header.PaidInFull = second.Header.PaidInFull = true;
        first.WorkSheets = {Room("Kitchen")};
        second.WorkSheets = {Room("Porch"), Room("Deck")};
        ComputeTotals(first, state.companySettings);
        ComputeTotals(second, state.companySettings);
        SaveDocument(first);
        if (counterSetBack) {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblCompanyInvData SET intInvNumber = 500;"));
            second = NewDocument();
            second.Header.PaidInFull = true;
            second.WorkSheets = {Room("Porch"), Room("Deck")};
            ComputeTotals(second, state.companySettings);
        }
        QCOMPARE(second.Header.InvNumber, 500);
        const QStringList tables{"tblInvHeader", "tblInvData", "tblReport", "tblSavedPrices", "tblCompanyInvData"};
        QMap<QString, QStringList> before;
        for (const QString& table : tables)
            before[table] = Dump(table);

        try {
            SaveDocument(second);
            QFAIL("a second document numbered 500 must not be saved");
        } catch (const VelmarError& error) {
            QCOMPARE(error.text(), QStringLiteral("Document number 500 is already used by a saved document; "
                                                  "this document was not saved"));
        }
        // Nothing of it was stored: not its sheets, not its amounts in the monthly totals.
        for (const QString& table : tables)
            QCOMPARE(Dump(table), before[table]);
        QCOMPARE(SheetNames(500), QStringList{"Kitchen"});
        QVERIFY(second.Header.IsNew);
        QVERIFY(second.Header.PaidInFull);
    }

    void unsavedDocumentUsesNoNumber()
    {
        QCOMPARE(NewDocument().Header.InvNumber, 500);
        QCOMPARE(NewDocument().Header.InvNumber, 500);
        QCOMPARE(ReadDocumentCounter(), 500);
    }

    void loadingAMissingNumberFails()
    {
        CurrentDocument document;
        document.Header.IsNew = false;
        document.Header.InvNumber = 999;
        document.Header.CustFullName = QStringLiteral("kept");
        try {
            LoadDocument(document, state.companySettings);
            QFAIL("a missing document must not load");
        } catch (const ConversionError& error) {
            QCOMPARE(error.text(), QStringLiteral("'' is not a valid boolean value"));
        }
        QCOMPARE(document.Header.CustFullName, QStringLiteral("kept"));
    }

    void loadingAnUnreadableSheetValueFails()
    {
        CurrentDocument& document = NewDocument();
        document.WorkSheets = {Room("Kitchen")};
        SaveDocument(document);
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblInvData SET intPaintsCoats = 'two';"));
        }
        try {
            Load(500);
            QFAIL("a sheet value that is not a whole number must not load");
        } catch (const ConversionError& error) {
            QCOMPARE(error.text(), QStringLiteral("'two' is not a valid integer value"));
        }
    }

    void failedSaveLeavesEverythingAsBefore_data()
    {
        QTest::addColumn<bool>("saveFirst");
        QTest::newRow("re-save of a saved paid invoice") << true;
        QTest::newRow("first save of a new paid invoice") << false;
    }

    void failedSaveLeavesEverythingAsBefore()
    {
        QFETCH(bool, saveFirst);
        CurrentDocument& document = NewDocument();
        document.Header.PaidInFull = true;
        document.Header.UseTax1 = true;
        document.WorkSheets = {Room("Kitchen"), Room("Hall")};
        ComputeTotals(document, state.companySettings);
        if (saveFirst) {
            SaveDocument(document);
            TakeSnapshot(document);
            // A change the failed save would have written everywhere.
            document.Header.InvDate = QStringLiteral("4/1/2011");
            document.Header.CustFullName = QStringLiteral("Changed");
            document.Prices.set(1, 9, 9);
        }
        document.WorkSheets.push_back(Room(QStringLiteral("Boom")));
        ComputeTotals(document, state.companySettings);
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral(
                "CREATE TRIGGER tstAbort BEFORE INSERT ON tblInvData WHEN NEW.strWorkSheetName = 'Boom' "
                "BEGIN SELECT RAISE(ABORT, 'no Boom'); END;"));
        }
        const QStringList tables{"tblInvHeader", "tblInvData", "tblReport", "tblSavedPrices", "tblCompanyInvData"};
        QMap<QString, QStringList> before;
        for (const QString& table : tables)
            before[table] = Dump(table);
        const TrecInvHeader headerBefore = document.Header;

        try {
            SaveDocument(document);
            QFAIL("the trigger must abort the save");
        } catch (const DatabaseError& error) {
            QVERIFY2(error.text().contains(QStringLiteral("no Boom")), qPrintable(error.text()));
        }
        for (const QString& table : tables)
            QCOMPARE(Dump(table), before[table]);
        QCOMPARE(document.Header.IsNew, headerBefore.IsNew);
        QCOMPARE(document.Header.PaidInFull, true);

        // Without the trigger the same save goes through whole.
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("DROP TRIGGER tstAbort;"));
        }
        SaveDocument(document);
        QCOMPARE(SheetNames(500), (QStringList{"Kitchen", "Hall", "Boom"}));
        QCOMPARE(ReadDocumentCounter(), 501);
    }

    void failedCreditSaveKeepsPaidInFullInMemory()
    {
        CurrentDocument& document = NewDocument(QStringLiteral("Credit"));
        document.Header.PaidInFull = true;
        document.Header.InvDate = QStringLiteral("not a date");
        try {
            SaveDocument(document);
            QFAIL("an unreadable date must stop the save");
        } catch (const ConversionError& error) {
            QCOMPARE(error.text(), QStringLiteral("'not a date' is not a valid date"));
        }
        QVERIFY(document.Header.PaidInFull);
        QVERIFY(document.Header.IsNew);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")), 0);
        QCOMPARE(ReadDocumentCounter(), 500);
    }
};

VELMAR_TEST_MAIN(TestStorage)
#include "tst_storage.moc"
