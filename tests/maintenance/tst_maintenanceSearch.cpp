#include "maintenance/MaintenanceActions.h"
#include "maintenance/MaintenanceSearch.h"
#include "support/TestEnvironment.h"
#include "MaintenanceFixtures.h"

using namespace MaintenanceFixture;

namespace {

QList<int> Numbers(const std::vector<Maintenance::Row>& rows)
{
    QList<int> numbers;
    for (const auto& row : rows)
        numbers << row.Number;
    return numbers;
}

QList<int> Found(int type, int search, const QString& text = QString())
{
    return Numbers(Maintenance::QuerySavedInvoices(type, search, text));
}

} // namespace

class TestMaintenanceSearch : public QObject {
    Q_OBJECT

    AppState state;

    // One document of every sort a list must tell apart.
    void saveMixedDocuments()
    {
        Save(state, {QStringLiteral("Estimate"), 500});
        Save(state, {QStringLiteral("Work Order"), 501});
        Save(state, {QStringLiteral("Change Order"), 502});
        Save(state, {QStringLiteral("Invoice"), 503});
        Save(state, {QStringLiteral("Invoice"), 504, QStringLiteral("3/14/2011"), QStringLiteral("Jane Doe"),
                     QStringLiteral("Harbor Homes"), true});
        Save(state, {QStringLiteral("Invoice"), 505, QStringLiteral("3/14/2011"), QStringLiteral("Jane Doe"),
                     QStringLiteral("Harbor Homes"), false, true});
        Save(state, {QStringLiteral("Credit"), 506});
        Save(state, {QStringLiteral("Past Due"), 507});
        Save(state, {QStringLiteral("invoice"), 508});
        Save(state, {QStringLiteral("Estimate"), 509});
        Save(state, {QStringLiteral("Invoice"), 510});
        Connection db = OpenDatabase();
        // Both flags on an invoice, and a recurring flag on an estimate: older files hold them.
        db.exec(QStringLiteral("UPDATE tblInvHeader SET strRecurring = '-1', strPaidInFull = '-1' WHERE intInvNumber = 510;"));
        db.exec(QStringLiteral("UPDATE tblInvHeader SET strRecurring = '-1' WHERE intInvNumber = 509;"));
    }

private slots:
    void init()
    {
        TestEnvironment::freshDatabase(state);
    }

    void typesSearchesAndHints()
    {
        const QStringList types = Maintenance::TypeNames();
        QCOMPARE(types.size(), Maintenance::TypeCount);
        QCOMPARE(types.at(0), QStringLiteral("View\\Edit\\Print all saved Invoice Types"));
        QCOMPARE(types.at(3), QStringLiteral("Convert Estimate\\ Work Order to Invoice"));
        QCOMPARE(types.at(8), QStringLiteral("Delete saved Invoice - All Invoice Types"));
        QCOMPARE(types.at(9), QStringLiteral("Recurring \u2013 Add Invoice to list"));
        QCOMPARE(types.at(10), QStringLiteral("Recurring \u2013 Remove Invoice from list"));
        QCOMPARE(types.at(11), QStringLiteral("Recurring \u2013 View\\Edit\\Print"));

        const QStringList text{QStringLiteral("Invoice Number"), QStringLiteral("Customer Last Name"),
                               QStringLiteral("Customer Company Name")};
        const QStringList all = QStringList{QStringLiteral("All Invoice Types"), QStringLiteral("Estimate"),
                                            QStringLiteral("Work Order"), QStringLiteral("Change Order"),
                                            QStringLiteral("Invoice"), QStringLiteral("Credit"), QStringLiteral("Past Due")}
            + text;
        QCOMPARE(Maintenance::SearchTypeNames(0), all);
        QCOMPARE(Maintenance::SearchTypeNames(8), all);
        QCOMPARE(Maintenance::SearchTypeNames(3),
                 QStringList({QStringLiteral("All Estimates and Work Orders"), QStringLiteral("Estimate"),
                              QStringLiteral("Work Order")}) + text);
        QCOMPARE(Maintenance::SearchTypeNames(4), QStringList{QStringLiteral("All Change Order")} + text);
        QCOMPARE(Maintenance::SearchTypeNames(7), QStringList{QStringLiteral("All unpaid Invoices")} + text);
        QCOMPARE(Maintenance::SearchTypeNames(9), QStringList{QStringLiteral("All non recurring Invoices")} + text);
        QCOMPARE(Maintenance::SearchTypeNames(11), QStringList{QStringLiteral("All recurring Invoices")} + text);

        QCOMPARE(Maintenance::ListHint(7), QStringLiteral("Select Invoice to Change to Paid In Full"));
        QCOMPARE(Maintenance::ListHint(11), QStringLiteral("Select Invoice to View\\Edit\\Print"));
        QVERIFY(!Maintenance::IsTextSearch(0, 6));
        QVERIFY(Maintenance::IsTextSearch(0, 7));
        QVERIFY(Maintenance::IsTextSearch(5, 1));
        QVERIFY(!Maintenance::IsTextSearch(5, 0));
        QVERIFY(!Maintenance::IsTextSearch(5, 4));
    }

    void listsHoldTheirDocuments_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("search");
        QTest::addColumn<QList<int>>("numbers");
        const QList<int> everything{500, 501, 502, 503, 504, 505, 506, 507, 508, 509, 510};
        QTest::newRow("all types") << 0 << 0 << everything;
        QTest::newRow("estimates by name") << 0 << 1 << QList<int>{500, 509};
        QTest::newRow("work orders by name") << 0 << 2 << QList<int>{501};
        QTest::newRow("invoices by name, any case") << 0 << 4 << QList<int>{503, 504, 505, 508, 510};
        QTest::newRow("past due by name") << 0 << 6 << QList<int>{507};
        QTest::newRow("unpaid") << 1 << 0 << QList<int>{503, 508};
        QTest::newRow("estimates to convert") << 2 << 0 << QList<int>{500, 509};
        QTest::newRow("estimates and work orders") << 3 << 0 << QList<int>{500, 501, 509};
        QTest::newRow("work orders only") << 3 << 2 << QList<int>{501};
        QTest::newRow("change orders") << 4 << 0 << QList<int>{502};
        QTest::newRow("credit candidates") << 5 << 0 << QList<int>{503, 504, 508};
        QTest::newRow("past-due candidates") << 6 << 0 << QList<int>{503, 508};
        QTest::newRow("paid-in-full candidates") << 7 << 0 << QList<int>{503, 508};
        QTest::newRow("delete: all types") << 8 << 0 << everything;
        QTest::newRow("add to recurring") << 9 << 0 << QList<int>{503, 508};
        QTest::newRow("remove from recurring") << 10 << 0 << QList<int>{505, 510};
        QTest::newRow("view recurring") << 11 << 0 << QList<int>{505, 510};
    }
    void listsHoldTheirDocuments()
    {
        QFETCH(int, type);
        QFETCH(int, search);
        QFETCH(QList<int>, numbers);
        saveMixedDocuments();
        QCOMPARE(Found(type, search), numbers);
    }

    void rowsShowTheStoredCells()
    {
        saveMixedDocuments();
        const auto rows = Maintenance::QuerySavedInvoices(Maintenance::ViewRecurring, 0, QString());
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[0].Number, 505);
        QCOMPARE(rows[0].InvType, QStringLiteral("Invoice"));
        QCOMPARE(rows[0].Customer, QStringLiteral("Jane Doe"));
        QCOMPARE(rows[0].Company, QStringLiteral("Harbor Homes"));
        QCOMPARE(rows[0].Total, Column(505, QStringLiteral("strInvTotal")));
        QVERIFY(rows[0].Total.startsWith(QLatin1Char('$')));
        QCOMPARE(rows[0].Info, QStringLiteral("Recurring"));
        QCOMPARE(rows[1].Info, QStringLiteral("Paid"));
        const auto all = Maintenance::QuerySavedInvoices(Maintenance::ViewAll, 0, QString());
        QCOMPARE(all[4].Info, QStringLiteral("Paid"));
        QCOMPARE(all[3].Info, QString());
    }

    void textSearches_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("search");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("numbers");
        // Type 0: text searches are items 7, 8, 9.
        QTest::newRow("number from the left") << 0 << 7 << "50" << QList<int>{500, 501, 502, 503, 504};
        QTest::newRow("number 1 matches 1000 not 501") << 0 << 7 << "1" << QList<int>{1000};
        QTest::newRow("empty text lists all") << 0 << 7 << "" << QList<int>{500, 501, 502, 503, 504, 1000};
        QTest::newRow("full name, any case") << 0 << 8 << "jANE" << QList<int>{500, 502};
        QTest::newRow("name begins, not contains") << 0 << 8 << "Doe" << QList<int>{};
        QTest::newRow("accented name") << 0 << 8 << "élo" << QList<int>{504};
        QTest::newRow("company") << 0 << 9 << "harbor" << QList<int>{500, 501};
        QTest::newRow("double quote and percent literal") << 0 << 8 << "Ann \"100%" << QList<int>{501};
        QTest::newRow("percent alone is no wildcard") << 0 << 9 << "%" << QList<int>{503};
        QTest::newRow("underscore is no wildcard") << 0 << 9 << "A_B" << QList<int>{502};
        QTest::newRow("apostrophe") << 0 << 8 << "O'Br" << QList<int>{503};
        // A text search keeps the type's base condition.
        QTest::newRow("estimates by name") << 2 << 2 << "jane" << QList<int>{500};
        QTest::newRow("estimates or work orders by company") << 3 << 5 << "Harbor" << QList<int>{500, 501};
        QTest::newRow("unpaid invoices by number") << 1 << 1 << "100" << QList<int>{1000};
    }
    void textSearches()
    {
        QFETCH(int, type);
        QFETCH(int, search);
        QFETCH(QString, text);
        QFETCH(QList<int>, numbers);
        Save(state, {QStringLiteral("Estimate"), 500, QStringLiteral("3/14/2011"), QStringLiteral("Jane Doe"),
                     QStringLiteral("Harbor Homes")});
        Save(state, {QStringLiteral("Work Order"), 501, QStringLiteral("3/14/2011"), QStringLiteral("Ann \"100%\" Smith"),
                     QStringLiteral("Harbor \"Bay\"")});
        Save(state, {QStringLiteral("Change Order"), 502, QStringLiteral("3/14/2011"), QStringLiteral("jane roe"),
                     QStringLiteral("A_B Painting")});
        Save(state, {QStringLiteral("Invoice"), 503, QStringLiteral("3/14/2011"), QStringLiteral("Pat O'Brien"),
                     QStringLiteral("%Percent Ltd")});
        Save(state, {QStringLiteral("Invoice"), 504, QStringLiteral("3/14/2011"), QStringLiteral("Élodie Marchand"),
                     QStringLiteral("AxB Ltd")});
        Save(state, {QStringLiteral("Invoice"), 1000, QStringLiteral("3/14/2011"), QStringLiteral("Ann 100 Smith"),
                     QStringLiteral("Other")});
        // O'Brien's row name: the name search matches the start of the full name.
        OpenDatabase().exec(QStringLiteral("UPDATE tblInvHeader SET strCustFullName = ? WHERE intInvNumber = 503;"),
                            {QStringLiteral("O'Brien Pat")});
        QCOMPARE(Found(type, search, text), numbers);
    }

    void convertEstimateToWorkOrder()
    {
        Save(state, {QStringLiteral("Estimate"), 502, QStringLiteral("2/1/2011"), QStringLiteral("Jane Doe"),
                     QStringLiteral("Harbor Homes"), false, false, 3, QStringLiteral("Estimate 400")});
        const QStringList sheets = Dump(QStringLiteral("tblInvData"));
        const QStringList prices = Dump(QStringLiteral("tblSavedPrices"));
        const QStringList report = Dump(QStringLiteral("tblReport"));
        Maintenance::PerformAction(Maintenance::EstimateToWorkOrder, 502, state.currentDocument, state.companySettings);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")), 1);
        QCOMPARE(Column(502, QStringLiteral("strInvName")), QStringLiteral("Work Order"));
        QCOMPARE(Column(502, QStringLiteral("strInvDate")), QStringLiteral("2/1/2011"));
        QCOMPARE(Column(502, QStringLiteral("strCustFullName")), QStringLiteral("Jane Doe"));
        QCOMPARE(Column(502, QStringLiteral("strFromInvNameNumber")), QStringLiteral("Estimate 400"));
        QCOMPARE(Dump(QStringLiteral("tblInvData")), sheets);
        QCOMPARE(Dump(QStringLiteral("tblSavedPrices")), prices);
        QCOMPARE(Dump(QStringLiteral("tblReport")), report);
        QCOMPARE(Found(Maintenance::EstimateToWorkOrder, 0), QList<int>{});
        QCOMPARE(Found(Maintenance::ViewAll, 2), QList<int>{502});
    }

    void relabelsAndRecurringMarks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("stored");
        QTest::newRow("work order to invoice") << 3 << "Work Order" << "strInvName" << "Invoice";
        QTest::newRow("estimate to invoice") << 3 << "Estimate" << "strInvName" << "Invoice";
        QTest::newRow("change order to invoice") << 4 << "Change Order" << "strInvName" << "Invoice";
        QTest::newRow("add to recurring") << 9 << "Invoice" << "strRecurring" << "-1";
    }
    void relabelsAndRecurringMarks()
    {
        QFETCH(int, type);
        QFETCH(QString, kind);
        QFETCH(QString, column);
        QFETCH(QString, stored);
        Save(state, {kind, 502});
        Maintenance::PerformAction(type, 502, state.currentDocument, state.companySettings);
        QCOMPARE(Column(502, column), stored);
        if (type == Maintenance::AddToRecurring) {
            Maintenance::PerformAction(Maintenance::RemoveFromRecurring, 502, state.currentDocument,
                                       state.companySettings);
            QCOMPARE(Column(502, column), QStringLiteral("0"));
        }
    }

    void invoiceToCreditTakesItsAmountsOut_data()
    {
        QTest::addColumn<bool>("paidInFull");
        QTest::newRow("paid in full: the month nets to nothing") << true;
        QTest::newRow("unpaid: amounts never added are taken out") << false;
    }
    void invoiceToCreditTakesItsAmountsOut()
    {
        QFETCH(bool, paidInFull);
        Save(state, {QStringLiteral("Invoice"), 502, QStringLiteral("3/14/2011"), QStringLiteral("Jane Doe"),
                     QStringLiteral("Harbor Homes"), paidInFull});
        const double labor = Load502Labor();
        QVERIFY(labor > 0);
        QCOMPARE(MonthLabor(2011, 3), paidInFull ? labor : 0.0);

        Maintenance::PerformAction(Maintenance::InvoiceToCredit, 502, state.currentDocument, state.companySettings);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")), 1);
        QCOMPARE(Column(502, QStringLiteral("strInvName")), QStringLiteral("Credit"));
        QCOMPARE(Column(502, QStringLiteral("strFromInvNameNumber")), QStringLiteral("Invoice 502"));
        QCOMPARE(Column(502, QStringLiteral("strPaidInFull")), QStringLiteral("0"));
        QCOMPARE(SheetNames(502).size(), 2);
        QCOMPARE(MonthLabor(2011, 3), paidInFull ? 0.0 : -labor);
        QCOMPARE(Found(Maintenance::InvoiceToCredit, 0), QList<int>{});
    }

    void pastDueNoticeIsANewDocument()
    {
        Save(state, {QStringLiteral("Invoice"), 502, QStringLiteral("2/1/2011")});
        SetCounter(510);
        const QStringList invoice = Dump(QStringLiteral("tblInvHeader"));
        Maintenance::PerformAction(Maintenance::PastDueNotice, 502, state.currentDocument, state.companySettings);
        QCOMPARE(ReadDocumentCounter(), 511);
        QCOMPARE(Dump(QStringLiteral("tblInvHeader"), QStringLiteral("WHERE intInvNumber = 502")), invoice);
        QCOMPARE(Column(510, QStringLiteral("strInvName")), QStringLiteral("Past Due"));
        QCOMPARE(Column(510, QStringLiteral("strFromInvNameNumber")), QStringLiteral("Invoice 502"));
        QCOMPARE(Column(510, QStringLiteral("strInvDate")), QStringLiteral("2/1/2011"));
        QCOMPARE(Column(510, QStringLiteral("strCustFullName")), QStringLiteral("Jane Doe"));
        QCOMPARE(Column(510, QStringLiteral("strInvTotal")), Column(502, QStringLiteral("strInvTotal")));
        QCOMPARE(SheetNames(510), SheetNames(502));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblSavedPrices WHERE intPrcItemInvNum = 510;")), 27);
        QCOMPARE(Found(Maintenance::PastDueNotice, 0), QList<int>{502});
    }

    void paidInFullAddsToTheMonth()
    {
        Save(state, {QStringLiteral("Invoice"), 502, QStringLiteral("4/2/2011")});
        QCOMPARE(MonthLabor(2011, 4), 0.0);
        Maintenance::PerformAction(Maintenance::MarkPaidInFull, 502, state.currentDocument, state.companySettings);
        QCOMPARE(Column(502, QStringLiteral("strPaidInFull")), QStringLiteral("-1"));
        QVERIFY(MonthLabor(2011, 4) > 0);
        QCOMPARE(Found(Maintenance::MarkPaidInFull, 0), QList<int>{});
    }

    void deleteRemovesHeaderAndSheets()
    {
        Save(state, {QStringLiteral("Estimate"), 502});
        Save(state, {QStringLiteral("Invoice"), 503});
        Maintenance::PerformAction(Maintenance::Delete, 502, state.currentDocument, state.companySettings);
        QCOMPARE(Found(Maintenance::ViewAll, 0), QList<int>{503});
        QCOMPARE(SheetNames(502), QStringList{});
        QCOMPARE(SheetNames(503).size(), 2);
        QCOMPARE(ReadDocumentCounter(), 504);
    }

    void confirmations_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("work order") << 2 << "Convert Estimate 502 to Work Order?";
        QTest::newRow("invoice") << 3 << "Convert Estimate 502 to Invoice?";
        QTest::newRow("change order") << 4 << "Convert Estimate 502 to Invoice?";
        QTest::newRow("credit") << 5 << "Convert Estimate 502 to Credit?";
        QTest::newRow("past due: no question mark") << 6 << "Create Past Due Notice for Estimate 502";
        QTest::newRow("paid") << 7 << "Change Estimate 502 to Paid In Full?";
        QTest::newRow("delete") << 8 << "Delete Estimate 502?";
        QTest::newRow("add") << 9 << "Add Estimate 502 to recurring list?";
        QTest::newRow("remove") << 10 << "Remove Estimate 502 from recurring list?";
        QTest::newRow("view asks nothing") << 0 << "";
        QTest::newRow("recurring view asks nothing") << 11 << "";
    }
    void confirmations()
    {
        QFETCH(int, type);
        QFETCH(QString, text);
        QCOMPARE(Maintenance::Confirmation(type, Maintenance::DocumentLabel(QStringLiteral("Estimate"), 502)), text);
    }

private:
    double Load502Labor()
    {
        CurrentDocument document;
        document.Header.IsNew = false;
        document.Header.InvNumber = 502;
        LoadDocument(document, state.companySettings);
        return document.Totals.LaborTotal;
    }
};

VELMAR_TEST_MAIN(TestMaintenanceSearch)
#include "tst_maintenanceSearch.moc"
