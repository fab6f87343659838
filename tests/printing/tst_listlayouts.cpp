#include "data/Database.h"
#include "data/DatabaseError.h"
#include "printing/ListFeeds.h"
#include "printing/ReportCatalog.h"
#include "printing/PrintTestSupport.h"
#include "support/TestEnvironment.h"

using PrintTest::FindText;
using PrintTest::TopOf;

namespace {

void InsertCustomer(qint64 id, const QString& first, const QString& last, const QString& company,
                    const QString& city, const QString& state, const QString& zip, const QString& phone1Name,
                    const QString& phone1, const QString& taxExempt, const QString& taxNumber)
{
    Connection db = OpenDatabase();
    db.exec(QStringLiteral(
                "INSERT INTO tblCustomers (intCustomerID, strCustFirstName, strCustLastName, strCustCompany, "
                "strCustAddress, strCustCity, strCustState, strCustZipCode, strCustMainPhone, strCustExtraPhone1, "
                "strCustExtraPhone2, strCustExtraPhone1Name, strCustExtraPhone2Name, intCustDiscount, "
                "strCustTaxExmpt, strCustTaxExmpNmbr, strCustPmtTerms, strCustNotes) "
                "VALUES (?, ?, ?, ?, '1 Main St', ?, ?, ?, '217-555-0100', ?, '', ?, '', 10, ?, ?, 'Net 30', 'Side door');"),
            {id, first, last, company, city, state, zip, phone1, phone1Name, taxExempt, taxNumber});
}

qint64 InsertActivity(const QString& start, const QString& end, const QString& activity, const QString& note)
{
    Connection db = OpenDatabase();
    db.exec(QStringLiteral("INSERT INTO tblPlanner (intActMasterID, intActYear, intActDayOfYear, strActStartDateTime, "
                           "strActEndDateTime, strActivity, strActPriority, strActNote) VALUES (0, 2011, 73, ?, ?, ?, '0', ?);"),
            {start, end, activity, note});
    return db.lastInsertId();
}

TableFeed Rows(const QString& feedName, int count)
{
    std::vector<QStringList> rows;
    const int columns = FeedColumnNames(feedName).size();
    for (int i = 1; i <= count; ++i) {
        QStringList row;
        for (int c = 0; c < columns; ++c)
            row << QStringLiteral("R%1C%2").arg(i).arg(c + 1);
        rows.push_back(row);
    }
    return TableFeed(FeedColumnNames(feedName), rows);
}

} // namespace

class TestListLayouts : public QObject {
    Q_OBJECT

    AppState state;

private slots:
    void init()
    {
        TestEnvironment::freshDatabase(state);
        state.listFeed = nullptr;
    }

    void previewCaption_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::newRow("estimate") << 1 << "Preview Estimate 7";
        QTest::newRow("price sheet") << 2 << "Preview Price Sheet List";
        QTest::newRow("customers") << 3 << "Preview Customer List";
        QTest::newRow("planner") << 4 << "Preview Planner Activities";
        QTest::newRow("contract") << 5 << "Preview Contract";
        QTest::newRow("warranty") << 6 << "Preview Warranty";
        QTest::newRow("sales and tax") << 7 << "Sales and Tax Report";
        QTest::newRow("document list") << 8 << "Preview Invoice List";
    }
    void previewCaption()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        state.currentDocument.Header.InvName = QStringLiteral("Estimate");
        state.currentDocument.Header.InvNumber = 7;
        QCOMPARE(PreviewCaption(state, mode), caption);
        QCOMPARE(BuildPrintRequest(state, mode).previewCaption, caption);
    }

    void unknownModeGivesAnEmptyJob()
    {
        QVERIFY(BuildPrintRequest(state, 0).empty());
        QVERIFY(BuildPrintRequest(state, 9).empty());
        QVERIFY(PrintTest::Run(state, 9).pages.empty());
    }

    void priceListOf22ItemsTakesTwoPages()
    {
        TableFeed feed = Rows(FeedNames::PriceSheet, 22);
        state.listFeed = &feed;
        const DisplayDocument pages = PrintTest::Run(state, 2);
        QCOMPARE(int(pages.pages.size()), 2);
        for (int p = 0; p < 2; ++p) {
            QCOMPARE(TopOf(pages, p, QStringLiteral("Price Sheet List")), 300);
            QCOMPARE(TopOf(pages, p, QStringLiteral("Price Item Description")), 800);
            QCOMPARE(TopOf(pages, p, QStringLiteral("Price")), 800);
            QVERIFY(FindText(pages, p, PageNumberText(p + 1, 2)));
            QCOMPARE(pages.pageTexts(p).count(QStringLiteral("Labor:")), p == 0 ? 15 : 7);
        }
        QCOMPARE(TopOf(pages, 1, QStringLiteral("R16C1")), 1000 + 200);
        QCOMPARE(TopOf(pages, 1, QStringLiteral("R16C3")), 1000 + 400);
        QCOMPARE(FindText(pages, 1, QStringLiteral("R16C2"))->box.left(), 300 + 6700);
        const DisplayText* caption = FindText(pages, 0, QStringLiteral("Material:"));
        QCOMPARE(caption->alignment, Qt::Alignment(Qt::AlignRight));
        QCOMPARE(caption->box.left() + caption->box.width(), 300 + 6600);
        const auto dotted = PrintTest::All<DisplayLine>(pages, 1);
        QCOMPARE(int(dotted.size()), 7);
        QCOMPARE(dotted[0].style, LineStyle::Dotted);
        QCOMPARE(dotted[0].from, QPoint(300, 1100));
        QCOMPARE(dotted[0].to, QPoint(8200, 1100));
    }

    void customerListReadsEachListedCustomer()
    {
        InsertCustomer(901, QStringLiteral("Ann"), QStringLiteral("Carter"), QStringLiteral("Lakeside Dental"),
                       QStringLiteral("Springfield"), QStringLiteral("IL"), QStringLiteral("62701"),
                       QStringLiteral("Cell"), QStringLiteral("217-555-0123"), QStringLiteral("-1"), QStringLiteral("12-345"));
        InsertCustomer(902, QStringLiteral("Bob"), QStringLiteral("Harper"), QString(), QStringLiteral("Peoria"),
                       QStringLiteral("IL"), QStringLiteral("61602"), QString(), QString(), QStringLiteral("0"), QString());
        InsertCustomer(903, QStringLiteral("Cy"), QStringLiteral("Dunn"), QString(), QStringLiteral("Normal"),
                       QStringLiteral("IL"), QStringLiteral("61761"), QString(), QString(), QStringLiteral("0"), QString());
        InsertCustomer(904, QStringLiteral("Dee"), QStringLiteral("Eliot"), QString(), QStringLiteral("Urbana"),
                       QStringLiteral("IL"), QStringLiteral("61801"), QString(), QString(), QStringLiteral("0"), QString());
        // The window shows three of them, in its own order.
        CustomerListFeed feed({903, 901, 902});
        state.listFeed = &feed;
        const DisplayDocument pages = PrintTest::Run(state, 3);
        QCOMPARE(int(pages.pages.size()), 1);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Customer List")), 300);
        QCOMPARE(pages.pageTexts(0).count(QStringLiteral("Customer Number:")), 3);
        // Entries of 1.6 inch from 0.7: Cy Dunn first, then Ann Carter, then Bob Harper.
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Cy Dunn")), 700 + 600);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Ann Carter")), 2300 + 600);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Bob Harper")), 3900 + 600);
        QVERIFY(!FindText(pages, 0, QStringLiteral("Dee Eliot")));
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Springfield,IL 62701")), 2300 + 1000);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Tax Exempt, Tax Number: 12-345")), 2300 + 1200);
        QCOMPARE(FindText(pages, 0, QStringLiteral("Cell:"))->box.left(), 300 + 3500);
        QCOMPARE(pages.pageTexts(0).count(QStringLiteral("Discount Percent: 10")), 3);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Side door")), 700 + 1400);
        // Without extra phones the label cells stay empty.
        QVERIFY(!pages.pageTexts(0).contains(QStringLiteral(":")));
    }

    void customerTaxLine_data()
    {
        QTest::addColumn<bool>("exempt");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("line");
        QTest::newRow("exempt with number") << true << "12-345" << "Tax Exempt, Tax Number: 12-345";
        QTest::newRow("exempt without number") << true << "" << "Tax Exempt";
        QTest::newRow("number only") << false << "12-345" << "Tax Number: 12-345";
        QTest::newRow("neither") << false << "" << "";
    }
    void customerTaxLine()
    {
        QFETCH(bool, exempt);
        QFETCH(QString, number);
        QFETCH(QString, line);
        QCOMPARE(CustomerTaxLine(exempt, number), line);
    }

    void customerWithUnreadableTaxFlagEndsTheRun()
    {
        InsertCustomer(905, QStringLiteral("Eve"), QStringLiteral("Fox"), QString(), QStringLiteral("Peoria"),
                       QStringLiteral("IL"), QStringLiteral("61602"), QString(), QString(), QString(), QString());
        CustomerListFeed feed({905});
        state.listFeed = &feed;
        QVERIFY_THROWS_EXCEPTION(ConversionError, PrintTest::Run(state, 3));
    }

    void plannerFillsTheSetOfItsView_data()
    {
        QTest::addColumn<bool>("dayView");
        QTest::newRow("day") << true;
        QTest::newRow("week") << false;
    }
    void plannerFillsTheSetOfItsView()
    {
        QFETCH(bool, dayView);
        const qint64 id = InsertActivity(QStringLiteral("3/14/2011 8:00:00 AM"), QStringLiteral("3/14/2011 5:00:00 PM"),
                                         QStringLiteral("Paint the lobby"), QStringLiteral("Bring drop cloths"));
        PlannerListFeed feed({{id, QStringLiteral("3/14/2011")}}, dayView);
        state.listFeed = &feed;
        const PlannerPrintInfo info{dayView ? QStringLiteral("Day Planner List") : QStringLiteral("Week Planner List"),
                                    QStringLiteral("3/13/2011 - 3/19/2011"), dayView};
        const DisplayDocument pages = PrintTest::Run(state, 4, info);
        QVERIFY(FindText(pages, 0, info.viewText + QStringLiteral(" of Activities for:")));
        QCOMPARE(TopOf(pages, 0, QStringLiteral("3/13/2011 - 3/19/2011")), 500);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Bring drop cloths")), 1300 + 400);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Activity Notes:")), 1300 + 400);
        const DisplayText* activityHeading = FindText(pages, 0, QStringLiteral("Activity"));
        const DisplayText* activity = FindText(pages, 0, QStringLiteral("Paint the lobby"));
        const DisplayText* start = FindText(pages, 0, QStringLiteral("3/14/2011 8:00:00 AM"));
        QVERIFY(activityHeading && activity && start);
        if (dayView) {
            QCOMPARE(activityHeading->box.left(), 4100);
            QCOMPARE(activity->box.left(), 300 + 3800);
            QCOMPARE(start->box.left(), 300);
            QVERIFY(!FindText(pages, 0, QStringLiteral("Activity Date")));
            QVERIFY(!FindText(pages, 0, QStringLiteral("3/14/2011")));
        } else {
            QCOMPARE(activityHeading->box.left(), 4800);
            QCOMPARE(activity->box.left(), 300 + 4500);
            QCOMPARE(start->box.left(), 300 + 1300);
            QCOMPARE(TopOf(pages, 0, QStringLiteral("Activity Date")), 1100);
            QCOMPARE(FindText(pages, 0, QStringLiteral("3/14/2011"))->box.left(), 300);
        }
        QCOMPARE(pages.pageTexts(0).count(QStringLiteral("Start Date")), 1);
    }

    void salesReportHeadingsFollowTheWindowColumns()
    {
        TableFeed feed = Rows(FeedNames::Reports, 2);
        state.listFeed = &feed;
        // A summarised report hides the tax columns of the window: their captions are empty.
        const TaxSalesPrintInfo info{2, QStringLiteral("Report from 1/1/2011 to 3/31/2011"),
                                     {QStringLiteral("Date"), QStringLiteral("Type"), QString(), QString(), QString(),
                                      QString(), QStringLiteral("Sales Total")}};
        const DisplayDocument pages = PrintTest::Run(state, 7, {}, info);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Sales Report")), 300);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Report from 1/1/2011 to 3/31/2011")), 600);
        QCOMPARE(FindText(pages, 0, QStringLiteral("Sales Total"))->box.left(), 300 + 6 * 1100);
        QCOMPARE(FindText(pages, 0, QStringLiteral("Type"))->box.left(), 1400);
        int headings = 0;
        for (const DisplayText& text : PrintTest::All<DisplayText>(pages, 0))
            headings += text.box.top() == 1100 ? 1 : 0;
        QCOMPARE(headings, 3);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("R1C1")), 1300);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("R2C7")), 1500);
        QCOMPARE(FindText(pages, 0, QStringLiteral("R2C7"))->box.left(), 300 + 6600);
    }

    void salesReportTitleByKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("1") << 1 << "Sales and Tax Report";
        QTest::newRow("2") << 2 << "Sales Report";
        QTest::newRow("3") << 3 << "Tax Report";
    }
    void salesReportTitleByKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        ReportLayout layout = LoadReportLayout(ReportNames::TaxSales);
        SetTaxSalesData(layout, {kind, QString(), {}});
        QCOMPARE(layout.parameter(QStringLiteral("rvstrTaxSalesTitle")), title);
    }

    void documentListColumns()
    {
        TableFeed feed = Rows(FeedNames::InvMaintenance, 1);
        state.listFeed = &feed;
        const DisplayDocument pages = PrintTest::Run(state, 8);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Invoice List")), 300);
        const QList<int> lefts = {300, 1300, 2500, 4300, 6000, 7200};
        const QStringList headings = {"Number", "Type", "Customer", "Company", "Total", "Info"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(FindText(pages, 0, headings[i])->box.left(), lefts[i]);
            const DisplayText* cell = FindText(pages, 0, QStringLiteral("R1C%1").arg(i + 1));
            QCOMPARE(cell->box.left(), lefts[i]);
            QCOMPARE(cell->box.top(), 1200);
        }
    }

    void longCellsAreCutInsideTheirColumns_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("feed");
        QTest::addColumn<bool>("dayView");
        QTest::addColumn<bool>("oneWord");
        const struct {
            const char* name;
            int mode;
            QString feed;
            bool dayView;
        } lists[] = {
            {"price sheet", 2, FeedNames::PriceSheet, true},    {"customer list", 3, FeedNames::CustomerList, true},
            {"planner day", 4, FeedNames::Planner, true},       {"planner week", 4, FeedNames::Planner, false},
            {"sales and tax", 7, FeedNames::Reports, true},     {"document list", 8, FeedNames::InvMaintenance, true},
        };
        for (const auto& list : lists) {
            QTest::newRow(qPrintable(QLatin1String(list.name) + QStringLiteral(", words")))
                << list.mode << list.feed << list.dayView << false;
            QTest::newRow(qPrintable(QLatin1String(list.name) + QStringLiteral(", one word")))
                << list.mode << list.feed << list.dayView << true;
        }
    }
    void longCellsAreCutInsideTheirColumns()
    {
        QFETCH(int, mode);
        QFETCH(QString, feed);
        QFETCH(bool, dayView);
        QFETCH(bool, oneWord);
        // 120 characters ending in a mark that must not print; each column's value starts
        // with its own number.
        const QString body = oneWord ? QStringLiteral("Kxmplqrstv").repeated(12)
                                     : QStringLiteral(" Orchard Hill Builders of Springfield") +
                                           QStringLiteral(" and more").repeated(12);
        auto longText = [&](const QString& start) { return (start + body).left(114) + QStringLiteral("ZZTAIL"); };
        const QStringList columns = FeedColumnNames(feed);
        // The planner feed fills the columns of one view only.
        const QStringList otherView = dayView
            ? QStringList{"rvstrActDateWkMnth", "rvstrActStartWkMnth", "rvstrActEndWkMnth", "rvstrActivityWkMnth"}
            : QStringList{"rvstrActStartDay", "rvstrActEndDay", "rvstrActivityDay"};
        QStringList row;
        QStringList starts;
        for (int c = 0; c < columns.size(); ++c) {
            const QString start = QStringLiteral("c%1").arg(c, 2, 10, QLatin1Char('0'));
            const bool empty = feed == FeedNames::Planner && otherView.contains(columns[c]);
            row << (empty ? QString() : longText(start));
            if (!empty)
                starts << start;
        }
        TableFeed rows(columns, {row, row});
        state.listFeed = &rows;
        const PlannerPrintInfo planner{QStringLiteral("Week Planner List"), longText(QStringLiteral("dates")), dayView};
        TaxSalesPrintInfo taxSales{1, longText(QStringLiteral("caption")), {}};
        for (int c = 0; c < 7; ++c)
            taxSales.columnCaptions << longText(QStringLiteral("h%1").arg(c));
        const DisplayDocument pages = PrintTest::Run(state, mode, planner, taxSales);
        QCOMPARE(int(pages.pages.size()), 1);
        const QString fault = PrintTest::TextFault(pages.pages[0]);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        const QStringList texts = pages.pageTexts(0);
        for (const QString& text : texts)
            QVERIFY2(!text.contains(QLatin1String("ZZTAIL")), qPrintable(text));
        // Every cell prints, shortened, in both rows.
        for (const QString& start : starts) {
            int cut = 0;
            for (const QString& text : texts)
                cut += text.startsWith(start) && text.endsWith(QChar(0x2026)) ? 1 : 0;
            QVERIFY2(cut == 2, qPrintable(start));
        }
    }

    void contractAndWarrantyPrintTheStoredTexts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body");
        QTest::newRow("contract") << 5 << "Our Contract" << "Work starts on the agreed day.";
        QTest::newRow("warranty") << 6 << "Our Warranty" << "Two years on all labour.";
    }
    void contractAndWarrantyPrintTheStoredTexts()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QString, body);
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblContractWarranty SET strContractName = ?, strContract = ?, "
                                   "strWarrantyName = ?, strWarranty = ? WHERE intContractWarrantyID = 1;"),
                    {QStringLiteral("Our Contract"), QStringLiteral("Work starts on the agreed day."),
                     QStringLiteral("Our Warranty"), QStringLiteral("Two years on all labour.")});
        }
        const DisplayDocument pages = PrintTest::Run(state, mode);
        QCOMPARE(pages.pageTexts(0), (QStringList{title, PageNumberText(1, 1), body}));
        QCOMPARE(TopOf(pages, 0, body), 800);
    }
};

VELMAR_TEST_MAIN(TestListLayouts)
#include "tst_listlayouts.moc"
