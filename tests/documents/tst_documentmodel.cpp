#include "documents/CurrentDocument.h"
#include "support/TestEnvironment.h"

class TestDocumentModel : public QObject {
    Q_OBJECT

private slots:
    void kindsInOrder()
    {
        QCOMPARE(DocumentType::Names(),
                 QStringList({"Estimate", "Work Order", "Change Order", "Invoice", "Credit", "Past Due"}));
        QCOMPARE(DocumentType::Count, 6);
        QCOMPARE(DocumentType::Name(3), QStringLiteral("Invoice"));
        QCOMPARE(DocumentType::Name(6), QString());
    }

    void kindTests_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("deposit");
        QTest::addColumn<bool>("payment");
        QTest::newRow("Invoice") << "Invoice" << 3 << false << true;
        QTest::newRow("INVOICE") << "INVOICE" << 3 << false << true;
        QTest::newRow("invoice") << "invoice" << 3 << false << true;
        QTest::newRow("estimate") << "estimate" << 0 << true << false;
        QTest::newRow("WORK ORDER") << "WORK ORDER" << 1 << true << false;
        QTest::newRow("change order") << "change order" << 2 << true << false;
        QTest::newRow("Credit") << "Credit" << 4 << false << true;
        QTest::newRow("past due") << "past due" << 5 << false << true;
        QTest::newRow("empty") << "" << -1 << false << false;
        QTest::newRow("Invoices") << "Invoices" << -1 << false << false;
        QTest::newRow("WorkOrder") << "WorkOrder" << -1 << false << false;
    }

    void kindTests()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(bool, deposit);
        QFETCH(bool, payment);
        QCOMPARE(DocumentType::IndexOf(name), kind);
        for (int k = 0; k < DocumentType::Count; ++k)
            QCOMPARE(DocumentType::Is(name, k), k == kind);
        QCOMPARE(DocumentType::IsDepositKind(name), deposit);
        QCOMPARE(DocumentType::IsPaymentKind(name), payment);
    }

    void title_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("title");
        QTest::newRow("estimate, 30 days from 1 March")
            << "Estimate" << "3/1/2011" << "" << 30 << "Estimate Valid Until 3/31/2011";
        QTest::newRow("estimate, 30 days across the year end")
            << "estimate" << "12/15/2011" << "" << 30 << "Estimate Valid Until 1/14/2012";
        QTest::newRow("estimate, 0 days") << "Estimate" << "3/1/2011" << "" << 0 << "";
        QTest::newRow("estimate, negative days") << "Estimate" << "3/1/2011" << "" << -5 << "";
        QTest::newRow("change order uses the estimate days")
            << "Change Order" << "3/1/2011" << "" << 30 << "Change Order Valid Until 3/31/2011";
        QTest::newRow("change order, 0 days") << "Change Order" << "3/1/2011" << "" << 0 << "";
        QTest::newRow("work order") << "Work Order" << "3/1/2011" << "" << 30 << "";
        QTest::newRow("invoice") << "Invoice" << "3/1/2011" << "Estimate 500" << 30 << "";
        QTest::newRow("credit with source")
            << "Credit" << "3/1/2011" << "Invoice 512" << 30 << "Credit for Invoice 512";
        QTest::newRow("credit without source") << "Credit" << "3/1/2011" << "" << 30 << "";
        QTest::newRow("past due with source")
            << "PAST DUE" << "3/1/2011" << "Invoice 512" << 30 << "Past Due Notice for Invoice 512";
        QTest::newRow("past due without source") << "Past Due" << "3/1/2011" << "" << 30 << "";
        QTest::newRow("empty kind") << "" << "3/1/2011" << "Invoice 512" << 30 << "";
    }

    void title()
    {
        QFETCH(QString, kind);
        QFETCH(QString, date);
        QFETCH(QString, from);
        QFETCH(int, days);
        QFETCH(QString, title);
        TrecInvHeader header;
        header.InvName = kind;
        header.InvDate = date;
        header.FromInvNameNumber = from;
        CompanySettings settings;
        settings.InvData.EstimateValidDays = days;
        QCOMPARE(DocumentTitle(header, settings), title);
    }

    void offeredKinds_data()
    {
        QTest::addColumn<bool>("isNew");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("new") << true << "" << DocumentType::Names() << true;
        QTest::newRow("new, kind chosen") << true << "Invoice" << DocumentType::Names() << true;
        QTest::newRow("saved estimate") << false << "Estimate"
                                        << QStringList{"Estimate", "Work Order", "Change Order", "Invoice"} << true;
        QTest::newRow("saved work order") << false << "work order"
                                          << QStringList{"Work Order", "Change Order", "Invoice"} << true;
        QTest::newRow("saved change order") << false << "Change Order"
                                            << QStringList{"Change Order", "Invoice"} << true;
        QTest::newRow("saved invoice") << false << "Invoice" << QStringList{"Invoice"} << false;
        QTest::newRow("saved credit") << false << "Credit" << QStringList{"Credit"} << false;
        QTest::newRow("saved past due") << false << "Past Due" << QStringList{"Past Due"} << false;
    }

    void offeredKinds()
    {
        QFETCH(bool, isNew);
        QFETCH(QString, kind);
        QFETCH(QStringList, names);
        QFETCH(bool, enabled);
        TrecInvHeader header;
        header.IsNew = isNew;
        header.InvName = kind;
        const KindRange range = OfferedKinds(header);
        QCOMPARE(range.names(), names);
        QCOMPARE(range.Enabled, enabled);
        QCOMPARE(DocumentType::Name(range.First), names.first());
    }

    void recurringRules_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("paidInFull");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<bool>("recurringAfter");
        QTest::addColumn<bool>("message");
        QTest::newRow("unpaid invoice stays recurring") << "invoice" << false << true << true << false;
        QTest::newRow("paid invoice: paid in full wins") << "Invoice" << true << false << false << true;
        QTest::newRow("estimate is never recurring") << "Estimate" << false << false << false << false;
        QTest::newRow("paid estimate: cleared as a non-invoice, no message")
            << "Estimate" << true << false << false << false;
        QTest::newRow("paid credit: cleared as a non-invoice, no message")
            << "Credit" << true << false << false << false;
        QTest::newRow("credit is never recurring") << "Credit" << false << false << false << false;
        QTest::newRow("empty kind") << "" << false << false << false << false;
    }

    void recurringRules()
    {
        QFETCH(QString, kind);
        QFETCH(bool, paidInFull);
        QFETCH(bool, allowed);
        QFETCH(bool, recurringAfter);
        QFETCH(bool, message);
        TrecInvHeader header;
        header.InvName = kind;
        header.PaidInFull = paidInFull;
        header.Recurring = true;
        QCOMPARE(RecurringAllowed(header), allowed);
        QCOMPARE(ApplyRecurringRules(header), message);
        QCOMPARE(header.Recurring, recurringAfter);
        QCOMPARE(header.PaidInFull, paidInFull);
        // A choice that is off stays off, with no message.
        QCOMPARE(ApplyRecurringRules(header), false);
        QCOMPARE(header.Recurring, recurringAfter);
    }

    void newDocumentDefaults()
    {
        const CurrentDocument document;
        QVERIFY(document.Header.IsNew);
        QVERIFY(document.Header.InvName.isEmpty());
        QVERIFY(document.SavedData.InvName.isEmpty());
        QVERIFY(!document.SavedData.PaidInFull);
        QCOMPARE(document.SavedData.Amounts, MonthlyAmounts());
        QVERIFY(document.WorkSheets.empty());
        AppState state;
        QVERIFY(state.currentDocument.Header.IsNew);
    }

    void snapshot()
    {
        CurrentDocument document;
        document.Header.InvName = QStringLiteral("Invoice");
        document.Header.PaidInFull = true;
        document.Header.InvDate = QStringLiteral("3/14/2011");
        document.Totals = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        TakeSnapshot(document);
        QCOMPARE(document.SavedData.InvName, QStringLiteral("Invoice"));
        QVERIFY(document.SavedData.PaidInFull);
        QCOMPARE(document.SavedData.InvDate, QStringLiteral("3/14/2011"));
        QCOMPARE(document.SavedData.Amounts, (MonthlyAmounts{1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(document.SavedData.Amounts.negated(), (MonthlyAmounts{-1, -2, -3, -4, -5, -6, -7, -8}));
    }
};

VELMAR_TEST_MAIN(TestDocumentModel)
#include "tst_documentmodel.moc"
