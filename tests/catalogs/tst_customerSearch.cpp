#include "catalogs/CustomerListModel.h"
#include "catalogs/CustomerPick.h"
#include "catalogs/CustomerStore.h"
#include "data/Database.h"

#include <algorithm>
#include "documents/CurrentDocument.h"
#include "support/TestEnvironment.h"

// The customer list's searches and storage, without the window.
class TestCustomerSearch : public QObject {
    Q_OBJECT

    static std::vector<CustomerListRow> query(CustomerSearch search, const QString& text)
    {
        return LoadCustomerListRows(QueryCustomerIds(search, text));
    }

    static QStringList names(const std::vector<CustomerListRow>& rows)
    {
        QStringList result;
        for (const CustomerListRow& row : rows)
            result << row.FullName;
        return result;
    }

    static TrecCustomer named(const QString& first, const QString& last, const QString& company)
    {
        TrecCustomer c;
        c.FirstName = first;
        c.LastName = last;
        c.Company = company;
        return c;
    }

private slots:
    void init() { TestEnvironment::freshDatabase(); }

    void searches_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const QStringList all{"Joe Blow", "John Doe", "Jane Doe"};
        QTest::newRow("all customers") << 0 << "ignored" << all;
        QTest::newRow("last name, lower case") << 2 << "do" << QStringList{"John Doe", "Jane Doe"};
        QTest::newRow("last name, upper case") << 2 << "DO" << QStringList{"John Doe", "Jane Doe"};
        QTest::newRow("empty text lists everyone") << 2 << "" << all;
        QTest::newRow("begins with, not contains") << 2 << "oe" << QStringList{};
        QTest::newRow("company") << 1 << "janes" << QStringList{"Jane Doe"};
        QTest::newRow("first name") << 3 << "jo" << QStringList{"Joe Blow", "John Doe"};
        QTest::newRow("main phone only") << 4 << "220-444-9875" << QStringList{};
        QTest::newRow("main phone") << 4 << "111" << QStringList{"John Doe"};
        QTest::newRow("city") << 5 << "joe c" << QStringList{"Joe Blow"};
        QTest::newRow("state") << 6 << "jane" << QStringList{"Jane Doe"};
        QTest::newRow("zip code") << 7 << "888" << QStringList{"John Doe", "Jane Doe"};
        QTest::newRow("customer id") << 8 << "1" << QStringList{"Joe Blow"};
        QTest::newRow("tax exempt") << 9 << "" << QStringList{"Jane Doe"};
        QTest::newRow("percent is no wildcard") << 2 << "%" << QStringList{};
        QTest::newRow("underscore is no wildcard") << 2 << "_o" << QStringList{};
        QTest::newRow("quote is plain text") << 2 << "\"" << QStringList{};
    }

    void searches()
    {
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(names(query(CustomerSearch(type), text)), expected);
    }

    void accentedLettersMatchInAnyCase()
    {
        TrecCustomer c = named(QStringLiteral(u"\u00c9milie"), QStringLiteral(u"\u00e9lodie"), QString());
        SaveCustomer(c);
        for (const QString& typed : {QStringLiteral(u"\u00e9l"), QStringLiteral(u"\u00c9L")})
            QCOMPARE(names(query(CustomerSearch::LastName, typed)),
                     QStringList{QStringLiteral(u"\u00c9milie \u00e9lodie")});
        QCOMPARE(names(query(CustomerSearch::FirstName, QStringLiteral(u"\u00e9m"))).size(), 1);
    }

    // The search finds exactly the rows, in the same order, that upper-casing every
    // row's text and matching it with LIKE finds.
    void searchAgreesWithUpperCaseLike_data()
    {
        QTest::addColumn<QString>("typed");
        for (const char* typed : {"", "m", "M", "mi", "mü", "MÜ", "é", "É", "el", "ss", "stras", "straß",
                                  "I", "i", "ı", "O'", "o'b", "100%", "100", "a_", "a", "\\", "\\x", "%",
                                  "_", "ǆ", "Ǆ", "ﬀ", "FF", "ab c", " ", "x"})
            QTest::addRow("[%s]", typed) << QString::fromUtf8(typed);
    }

    void searchAgreesWithUpperCaseLike()
    {
        QFETCH(QString, typed);
        const QStringList lastNames{
            "Mitchell", "mitchell", "Müller", "MÜLLER", "müller", "élodie", "Élodie", "Straße",
            "STRASSE", "strasse", "ıstanbul", "Istanbul", "istanbul", "O'Brien", "o'brien", "100% Paint",
            "100 Paint", "a_b", "aXb", "A_B", "\\x", "\\", "%", "_", "ǅemal", "ǆ", "ﬀoo", "Ffoo",
            "ab c", " lead", "", "x"};
        for (const QString& last : lastNames) {
            TrecCustomer customer = named(QStringLiteral("F"), last, last);
            SaveCustomer(customer);
        }
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("INSERT INTO tblCustomers(strCustFirstName) VALUES ('no last name');"));
        }
        // The comparison the search has always meant.
        QString pattern;
        for (const QChar c : typed.toUpper()) {
            if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
                pattern += QLatin1Char('\\');
            pattern += c;
        }
        pattern += QLatin1Char('%');
        for (const auto& [search, column] : {std::pair{CustomerSearch::LastName, "strCustLastName"},
                                             std::pair{CustomerSearch::CompanyName, "strCustCompany"}}) {
            Connection db = OpenDatabase();
            Statement& rows = db.prepare(QStringLiteral("SELECT intCustomerID FROM tblCustomers WHERE "
                                                        "UPPER(%1) LIKE ? ESCAPE '\\';")
                                             .arg(QLatin1String(column)));
            rows.bind(1, pattern);
            std::vector<qint64> expected;
            while (rows.next())
                expected.push_back(rows.columnInt(0));
            db.close();
            QCOMPARE(QueryCustomerIds(search, typed), expected);
        }
    }

    void idSearchMatchesTheDigitsFromTheLeft()
    {
        for (int i = 4; i <= 21; ++i) {
            TrecCustomer c = named(QStringLiteral("N%1").arg(i), QString(), QString());
            SaveCustomer(c);
            QCOMPARE(c.CustomerID, qint64(i));
        }
        QStringList ids;
        for (const CustomerListRow& row : query(CustomerSearch::CustomerId, QStringLiteral("1")))
            ids << QString::number(row.CustomerID);
        QCOMPARE(ids, (QStringList{"1", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19"}));
        QCOMPARE(query(CustomerSearch::CustomerId, QStringLiteral("2")).size(), std::size_t(3));
    }

    void listColumnsAreComposed()
    {
        const auto rows = query(CustomerSearch::LastName, QStringLiteral("doe"));
        QCOMPARE(rows.at(1).CityStateZip, QStringLiteral("Jane City, Jane State 88888"));
        QCOMPARE(rows.at(1).Company, QStringLiteral("Janes Place"));
        QCOMPARE(rows.at(1).MainPhone, QStringLiteral("220-444-9874 ext 1234"));
        CustomerListModel model;
        model.setCustomerIds(QueryCustomerIds(CustomerSearch::LastName, QStringLiteral("doe")));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.data(model.index(1, CustomerListModel::CustId)).toString(), QStringLiteral("3"));
        QCOMPARE(model.data(model.index(1, CustomerListModel::CityStateZip)).toString(),
                 QStringLiteral("Jane City, Jane State 88888"));
        QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("City, State Zip"));
    }

    void longListsAreReadBlockByBlock()
    {
        {
            Connection db = OpenDatabase();
            Transaction transaction(db);
            for (int i = 4; i <= 400; ++i)
                db.exec(QStringLiteral("INSERT INTO tblCustomers(strCustFirstName,strCustLastName,strCustCity,"
                                       "strCustState,strCustZipCode,strCustTaxExmpt) VALUES (?,?,?,?,?,?);"),
                        {QStringLiteral("F%1").arg(i), QStringLiteral("L%1").arg(i), QStringLiteral("C"),
                         QStringLiteral("S"), QStringLiteral("Z"), QStringLiteral("0")});
            transaction.commit();
        }
        CustomerListModel model;
        std::vector<qint64> ids = QueryCustomerIds(CustomerSearch::AllCustomers, QString());
        QCOMPARE(ids.size(), std::size_t(400));
        std::reverse(ids.begin(), ids.end());
        ids.push_back(9999);
        model.setCustomerIds(ids);
        QCOMPARE(model.cellText(0, CustomerListModel::CustomerName), QStringLiteral("F400 L400"));
        QCOMPARE(model.cellText(399 - 200, CustomerListModel::CustomerName), QStringLiteral("F201 L201"));
        QCOMPARE(model.cellText(398, CustomerListModel::CustomerName), QStringLiteral("John Doe"));
        QCOMPARE(model.cellText(399, CustomerListModel::CityStateZip), QStringLiteral("Joe City, Joe State 12345"));
        // An id whose customer has gone shows nothing but its id.
        QCOMPARE(model.cellText(400, CustomerListModel::CustId), QStringLiteral("9999"));
        QCOMPARE(model.cellText(400, CustomerListModel::CustomerName), QString());
        QCOMPARE(model.cellText(401, CustomerListModel::CustomerName), QString());
    }

    void savedValuesComeBackAsTyped()
    {
        TrecCustomer c = named(QStringLiteral("Ann \"Red\""), QStringLiteral("O'Neil"), QString());
        c.City = QStringLiteral("x'); DROP TABLE tblCustomers; --");
        c.Discount = 15;
        c.TaxExempt = true;
        c.Notes = QStringLiteral("two\nlines");
        SaveCustomer(c);
        const auto loaded = LoadCustomer(c.CustomerID);
        QVERIFY(loaded);
        QCOMPARE(loaded->FirstName, c.FirstName);
        QCOMPARE(loaded->LastName, c.LastName);
        QCOMPARE(loaded->City, c.City);
        QCOMPARE(loaded->Notes, c.Notes);
        QCOMPARE(loaded->Discount, 15);
        QVERIFY(loaded->TaxExempt);
        {
            Connection db = OpenDatabase();
            Statement& flag = db.exec(QStringLiteral("SELECT strCustTaxExmpt FROM tblCustomers WHERE intCustomerID = ?;"),
                                      {c.CustomerID});
            QCOMPARE(flag.columnText(0), QStringLiteral("-1"));
        }

        TrecCustomer edited = *loaded;
        edited.City = QStringLiteral("Springfield");
        SaveCustomer(edited);
        QCOMPARE(edited.CustomerID, c.CustomerID);
        QCOMPARE(LoadCustomer(c.CustomerID)->City, QStringLiteral("Springfield"));
        QCOMPARE(query(CustomerSearch::AllCustomers, QString()).size(), std::size_t(4));
    }

    void deleteRemovesOnlyThatCustomer()
    {
        DeleteCustomer(2);
        QCOMPARE(names(query(CustomerSearch::AllCustomers, QString())),
                 (QStringList{"Joe Blow", "Jane Doe"}));
        QVERIFY(!LoadCustomer(2));
    }

    void pickComposesTheHeaderLines_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("fullName");
        QTest::newRow("both names") << "Jane" << "Doe" << "Jane Doe";
        QTest::newRow("first only") << "Jane" << "" << "Jane ";
        QTest::newRow("last only") << "" << "Doe" << " Doe";
        QTest::newRow("no names") << "" << "" << "";
    }

    void pickComposesTheHeaderLines()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, fullName);
        TrecCustomer c = *LoadCustomer(3);
        c.FirstName = first;
        c.LastName = last;
        c.ExtraPhone2.clear();
        TrecInvHeader header;
        header.CustExtraPhone2 = QStringLiteral("left over");
        CopyCustomerIntoHeader(c, header);
        QCOMPARE(header.CustFullName, fullName);
        QCOMPARE(header.CustCmpnyName, QStringLiteral("Janes Place"));
        QCOMPARE(header.CustCtyStZp, QStringLiteral("Jane City Jane State 88888"));
        QCOMPARE(header.CustExtraPhone1, QStringLiteral("2nd Line: 220-444-9875"));
        QCOMPARE(header.CustExtraPhone2, QString());
        QCOMPARE(header.CustPymntTerms, QStringLiteral("Due by the 15th"));
        QCOMPARE(header.CustDiscountPercent, 5);
        QVERIFY(header.CustTaxExempt);
        QCOMPARE(header.CustTaxExemptNum, QStringLiteral("1414141"));
        QCOMPARE(header.CustNotes, QStringLiteral("Fast Pay"));
    }
};

VELMAR_TEST_MAIN(TestCustomerSearch)
#include "tst_customerSearch.moc"
