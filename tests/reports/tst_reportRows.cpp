#include "ReportTestData.h"
#include "app/Regional.h"
#include "reports/MonthlyTotals.h"
#include "reports/ReportChartData.h"
#include "reports/ReportColumns.h"
#include "reports/ReportListModel.h"
#include "reports/ReportRange.h"
#include "reports/ReportRows.h"
#include "support/TestEnvironment.h"

using namespace ReportTestData;

Q_DECLARE_METATYPE(ReportKind)

namespace {

QStringList Cells(const ReportRow& row)
{
    QStringList out;
    for (const QString& cell : row.cells)
        out << cell;
    return out;
}

std::vector<ReportRow> Rows(const QDate& start, const QDate& end, ReportKind kind, bool summarised)
{
    return BuildReportRows(QueryMonthlyTotals(start, end), kind, summarised);
}

} // namespace

// The report's rows, columns and chart series, from the monthly totals table.
class TestReportRows : public QObject {
    Q_OBJECT

private slots:
    void init() { TestEnvironment::freshDatabase(); }

    void monthsOfTheRangeOnlyOldestFirst_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("first quarter") << QDate(2011, 1, 1) << QDate(2011, 3, 1)
                                       << QStringList{"January 2011", "February 2011", "March 2011"};
        QTest::newRow("across two years")
            << QDate(2010, 11, 1) << QDate(2011, 2, 1)
            << QStringList{"November 2010", "December 2010", "January 2011", "February 2011"};
        QTest::newRow("one month") << QDate(2010, 12, 1) << QDate(2010, 12, 1) << QStringList{"December 2010"};
        QTest::newRow("a month without totals") << QDate(2011, 5, 1) << QDate(2011, 5, 1) << QStringList{};
        QTest::newRow("years without totals") << QDate(2003, 1, 1) << QDate(2004, 12, 1) << QStringList{};
    }
    void monthsOfTheRangeOnlyOldestFirst()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QStringList, captions);
        // Stored out of order, with neighbours on both sides of every range and a month
        // of the same number in another year.
        Insert({Simple(2011, 3, 3), Simple(2010, 10, 9), Simple(2011, 1, 1), Simple(2010, 12, 8),
                Simple(2011, 4, 4), Simple(2010, 11, 7), Simple(2011, 2, 2), Simple(2012, 2, 5),
                Simple(2010, 2, 6)});
        QStringList shown;
        for (const ReportRow& row : Rows(start, end, ReportKind::SalesAndTax, true))
            shown << row.cells[ReportCol::Date];
        QCOMPARE(shown, captions);
    }

    void rowsPerKindAndForm_data()
    {
        QTest::addColumn<ReportKind>("kind");
        QTest::addColumn<bool>("summarised");
        QTest::addColumn<QList<QStringList>>("rows");
        const QString date = QStringLiteral("3/1/2011");
        const QString caption = QStringLiteral("March 2011");
        // Labor taxes 1.25, 2.5, 0.01; material 0.5, 1, 0; labor 250, material 80.25.
        QTest::newRow("sales and tax, summarised")
            << ReportKind::SalesAndTax << true
            << QList<QStringList>{{caption, "", "", "", "", "$5.26", "$330.25", date}};
        QTest::newRow("sales and tax, itemised")
            << ReportKind::SalesAndTax << false
            << QList<QStringList>{{caption, "Labor", "$1.25", "$2.50", "$0.01", "$3.76", "$250.00", date},
                                  {"", "Material", "$0.50", "$1.00", "$0.00", "$1.50", "$80.25", date}};
        QTest::newRow("sales, summarised")
            << ReportKind::Sales << true << QList<QStringList>{{caption, "", "", "", "", "", "$330.25", date}};
        QTest::newRow("sales, itemised")
            << ReportKind::Sales << false
            << QList<QStringList>{{caption, "Labor", "", "", "", "", "$250.00", date},
                                  {"", "Material", "", "", "", "", "$80.25", date}};
        QTest::newRow("tax, summarised")
            << ReportKind::Tax << true << QList<QStringList>{{caption, "", "", "", "", "", "$5.26", date}};
        QTest::newRow("tax, itemised")
            << ReportKind::Tax << false
            << QList<QStringList>{{caption, "Labor", "$1.25", "$2.50", "$0.01", "", "$3.76", date},
                                  {"", "Material", "$0.50", "$1.00", "$0.00", "", "$1.50", date}};
    }
    void rowsPerKindAndForm()
    {
        QFETCH(ReportKind, kind);
        QFETCH(bool, summarised);
        QFETCH(QList<QStringList>, rows);
        Insert({{2011, 3, {1.25, 2.5, 0.01}, {0.5, 1, 0}, 250, 80.25}});
        const std::vector<ReportRow> built = Rows(QDate(2011, 3, 1), QDate(2011, 3, 1), kind, summarised);
        QCOMPARE(int(built.size()), int(rows.size()));
        for (size_t i = 0; i < built.size(); ++i)
            QCOMPARE(Cells(built[i]), rows[qsizetype(i)]);
    }

    void itemisedMonthsKeepLaborBeforeMaterial()
    {
        InsertYears(2010, 2);
        const std::vector<ReportRow> rows = Rows(QDate(2010, 1, 1), QDate(2011, 12, 1), ReportKind::Tax, false);
        QCOMPARE(int(rows.size()), 48);
        for (size_t i = 0; i < rows.size(); i += 2) {
            QCOMPARE(rows[i].cells[ReportCol::Type], QStringLiteral("Labor"));
            QCOMPARE(rows[i + 1].cells[ReportCol::Type], QStringLiteral("Material"));
            QCOMPARE(rows[i + 1].month, rows[i].month);
            QCOMPARE(rows[i].month, QDate(2010, 1, 1).addMonths(int(i / 2)));
        }
    }

    void columnsPerKindAndForm_data()
    {
        QTest::addColumn<ReportKind>("kind");
        QTest::addColumn<bool>("summarised");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<int>>("widths");
        // A list 700 pixels wide; the tax names of the seed company.
        QTest::newRow("sales and tax, summarised")
            << ReportKind::SalesAndTax << true << QStringList{"Date", "", "", "", "", "Tax Total", "Sales Total"}
            << QList<int>{228, 0, 0, 0, 0, 228, 228, 0};
        QTest::newRow("sales and tax, itemised")
            << ReportKind::SalesAndTax << false
            << QStringList{"Date", "Type", "Local Tax", "State Tax", "Tax 3", "Tax Total", "Sales Total"}
            << QList<int>{99, 99, 99, 98, 98, 98, 98, 0};
        QTest::newRow("sales, summarised") << ReportKind::Sales << true
                                           << QStringList{"Date", "", "", "", "", "", "Sales Total"}
                                           << QList<int>{342, 0, 0, 0, 0, 0, 342, 0};
        QTest::newRow("sales, itemised") << ReportKind::Sales << false
                                         << QStringList{"Date", "Type", "", "", "", "", "Sales Total"}
                                         << QList<int>{228, 228, 0, 0, 0, 0, 228, 0};
        QTest::newRow("tax, summarised") << ReportKind::Tax << true
                                         << QStringList{"Date", "", "", "", "", "", "Tax Total"}
                                         << QList<int>{342, 0, 0, 0, 0, 0, 342, 0};
        QTest::newRow("tax, itemised")
            << ReportKind::Tax << false
            << QStringList{"Date", "Type", "Local Tax", "State Tax", "Tax 3", "", "Tax Total"}
            << QList<int>{115, 115, 115, 115, 115, 0, 115, 0};
    }
    void columnsPerKindAndForm()
    {
        QFETCH(ReportKind, kind);
        QFETCH(bool, summarised);
        QFETCH(QStringList, titles);
        QFETCH(QList<int>, widths);
        const auto taxTitles = TaxColumnTitles({QStringLiteral("Local Tax"), QStringLiteral("State Tax"), QString()});
        const ReportColumnLayout columns = ReportColumnsFor(kind, summarised, 700, taxTitles);
        QCOMPARE(columns.printedTitles(), titles);
        QCOMPARE(columns.titles[ReportCol::SortDate], QString());
        for (int column = 0; column < kReportColumnCount; ++column) {
            QCOMPARE(columns.widths[size_t(column)], widths[column]);
            QCOMPARE(columns.shown(column), widths[column] > 0);
        }
    }

    void hiddenColumnsPrintNoValues()
    {
        // Tax-only itemised: the sixth column is hidden though the layout gives it a cell.
        Insert({Simple(2011, 3, 1)});
        ReportListModel model;
        model.setReport(Rows(QDate(2011, 3, 1), QDate(2011, 3, 1), ReportKind::Tax, false),
                        ReportColumnsFor(ReportKind::Tax, false, 600, TaxColumnTitles({})));
        std::vector<ReportRow> rows = model.rows();
        rows[0].cells[ReportCol::TaxTotal] = QStringLiteral("stray");
        model.setReport(rows, model.columns());
        const std::vector<QStringList> printed = model.printedRows();
        QCOMPARE(printed.at(0),
                 (QStringList{"March 2011", "Labor", "$1.00", "$2.00", "$3.00", "", "$6.00"}));
        QCOMPARE(printed.at(1), (QStringList{"", "Material", "$0.50", "$1.00", "$1.50", "", "$3.00"}));
        QCOMPARE(model.headerData(ReportCol::SalesTotal, Qt::Horizontal).toString(), QStringLiteral("Tax Total"));
        QCOMPARE(model.headerData(ReportCol::Tax1, Qt::Horizontal).toString(), QStringLiteral("Tax 1"));
    }

    void taxTitlesFallBackPerName_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("all empty") << QStringList{"", "", ""} << QStringList{"Tax 1", "Tax 2", "Tax 3"};
        QTest::newRow("all set") << QStringList{"City", "County", "State"} << QStringList{"City", "County", "State"};
        QTest::newRow("middle empty") << QStringList{"City", "", "State"} << QStringList{"City", "Tax 2", "State"};
    }
    void taxTitlesFallBackPerName()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, titles);
        const auto result = TaxColumnTitles({names[0], names[1], names[2]});
        QCOMPARE((QStringList{result[0], result[1], result[2]}), titles);
    }

    void rangeSnapsAndCaptions_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<int>("moveStart");
        QTest::addColumn<int>("moveEnd");
        QTest::addColumn<QDate>("newStart");
        QTest::addColumn<QDate>("newEnd");
        QTest::addColumn<QString>("caption");
        QTest::newRow("range") << QDate(2011, 1, 1) << QDate(2011, 3, 1) << 0 << 0 << QDate(2011, 1, 1)
                               << QDate(2011, 3, 1) << "Report Date - From: January 2011 To: March 2011";
        QTest::newRow("one month") << QDate(2011, 3, 1) << QDate(2011, 3, 1) << 0 << 0 << QDate(2011, 3, 1)
                                   << QDate(2011, 3, 1) << "Report Date: March 2011";
        QTest::newRow("end back before the start snaps to it")
            << QDate(2011, 3, 1) << QDate(2011, 3, 1) << 0 << -1 << QDate(2011, 3, 1) << QDate(2011, 3, 1)
            << "Report Date: March 2011";
        QTest::newRow("start past the end pulls it along")
            << QDate(2011, 2, 1) << QDate(2011, 3, 1) << 2 << 0 << QDate(2011, 4, 1) << QDate(2011, 4, 1)
            << "Report Date: April 2011";
        QTest::newRow("start back over the new year")
            << QDate(2011, 1, 1) << QDate(2011, 2, 1) << -2 << 0 << QDate(2010, 11, 1) << QDate(2011, 2, 1)
            << "Report Date - From: November 2010 To: February 2011";
        QTest::newRow("end forward over the new year")
            << QDate(2010, 12, 1) << QDate(2010, 12, 1) << 0 << 1 << QDate(2010, 12, 1) << QDate(2011, 1, 1)
            << "Report Date - From: December 2010 To: January 2011";
        QTest::newRow("days are dropped") << QDate(2011, 1, 31) << QDate(2011, 3, 15) << 1 << 0
                                          << QDate(2011, 2, 1) << QDate(2011, 3, 1)
                                          << "Report Date - From: February 2011 To: March 2011";
    }
    void rangeSnapsAndCaptions()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(int, moveStart);
        QFETCH(int, moveEnd);
        QFETCH(QDate, newStart);
        QFETCH(QDate, newEnd);
        QFETCH(QString, caption);
        ReportRange range(QDate(2020, 6, 17));
        QCOMPARE(range.start(), QDate(2020, 6, 1));
        QCOMPARE(range.end(), QDate(2020, 6, 1));
        range.setMonths(start, end);
        range.moveStart(moveStart);
        range.moveEnd(moveEnd);
        QCOMPARE(range.start(), newStart);
        QCOMPARE(range.end(), newEnd);
        QCOMPARE(range.caption(), caption);
    }

    void chartFollowsTheRows_data()
    {
        QTest::addColumn<ReportKind>("kind");
        QTest::addColumn<bool>("summarised");
        QTest::addColumn<bool>("stacked");
        QTest::addColumn<QStringList>("sets");
        QTest::newRow("sales and tax, summarised")
            << ReportKind::SalesAndTax << true << false << QStringList{"Sales Total", "Tax Total"};
        QTest::newRow("sales and tax, itemised")
            << ReportKind::SalesAndTax << false << true
            << QStringList{"Labor Sales", "Material Sales", "Labor Tax", "Material Tax"};
        QTest::newRow("sales, summarised") << ReportKind::Sales << true << false << QStringList{"Sales Total"};
        QTest::newRow("sales, itemised")
            << ReportKind::Sales << false << true << QStringList{"Labor Sales", "Material Sales"};
        QTest::newRow("tax, summarised") << ReportKind::Tax << true << false << QStringList{"Tax Total"};
        QTest::newRow("tax, itemised")
            << ReportKind::Tax << false << true << QStringList{"Labor Tax", "Material Tax"};
    }
    void chartFollowsTheRows()
    {
        QFETCH(ReportKind, kind);
        QFETCH(bool, summarised);
        QFETCH(bool, stacked);
        QFETCH(QStringList, sets);
        // Amounts that round on display: the chart shows what the list shows.
        Insert({{2010, 12, {1.005, 0, 0}, {0.125, 0, 0}, 10.004, 20.006}, Simple(2011, 1, 2),
                {2011, 2, {-1, 0, 0}, {0, 0, 0}, -40, -10}});
        const std::vector<ReportRow> rows = Rows(QDate(2010, 12, 1), QDate(2011, 2, 1), kind, summarised);
        const ReportChartData chart = BuildReportChartData(rows, kind, summarised);
        QCOMPARE(chart.stacked, stacked);
        QCOMPARE(chart.categories, (QStringList{"Dec 2010", "Jan 2011", "Feb 2011"}));
        QStringList names;
        for (const auto& set : chart.sets)
            names << set.name;
        QCOMPARE(names, sets);

        // Every shown total of a month is in exactly one set of that month's bar.
        const int perMonth = summarised ? 1 : 2;
        for (int month = 0; month < 3; ++month) {
            double shown = 0;
            for (int r = 0; r < perMonth; ++r) {
                const ReportRow& row = rows[size_t(month * perMonth + r)];
                shown += row.salesTotal + row.taxTotal;
                const QString lastCell = row.cells[ReportCol::SalesTotal];
                const double last = kind == ReportKind::Tax ? row.taxTotal : row.salesTotal;
                QCOMPARE(Regional::CurrencyText(last), lastCell);
            }
            double charted = 0;
            for (const auto& set : chart.sets)
                charted += set.values[size_t(month)];
            QCOMPARE(charted, shown);
        }
        if (kind != ReportKind::Tax) {
            const auto& sales = chart.sets[0].values;
            QCOMPARE(sales[0], summarised ? 30.01 : 10.0);
        }
        QVERIFY(chart.valueRange().first < 0);
    }

    void chartOfAnEmptyListIsEmpty()
    {
        Insert({Simple(2011, 1, 1)});
        const ReportChartData chart =
            BuildReportChartData(Rows(QDate(2011, 2, 1), QDate(2011, 6, 1), ReportKind::SalesAndTax, false),
                                 ReportKind::SalesAndTax, false);
        QVERIFY(chart.empty());
        QCOMPARE(chart.valueRange(), std::make_pair(0.0, 0.0));
    }
};

VELMAR_TEST_MAIN(TestReportRows)
#include "tst_reportRows.moc"
