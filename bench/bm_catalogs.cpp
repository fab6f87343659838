#include "app/AppState.h"
#include "catalogs/CustomerListModel.h"
#include "catalogs/CustomerStore.h"
#include "catalogs/gui/TfrmCustomer.h"
#include "data/Database.h"
#include "support/BenchEnvironment.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeView>
#include <benchmark/benchmark.h>

namespace {

constexpr int kCustomers = 100000;

// A fresh database holding kCustomers customers with varied names, cities and phones.
void fillCustomers()
{
    static const char* const lastNames[] = {"Miller", "Smith", "Doe", "Garcia", "Nguyen", "Brown",
                                            "Mills", "Mitchell", "Baker", "Young", "Moore", "Taylor",
                                            "Lopez", "Hill", "Scott", "Green", "Adams", "Nelson",
                                            "Carter", "Wright"};
    static const char* const firstNames[] = {"Ann", "Bob", "Carla", "Dave", "Emma", "Frank", "Gina", "Hal"};
    BenchEnvironment::freshDatabase();
    Connection db = OpenDatabase();
    Transaction transaction(db);
    Statement& insert = db.prepare(QStringLiteral(
        "INSERT INTO tblCustomers(strCustFirstName,strCustLastName,strCustCompany,strCustAddress,"
        "strCustCity,strCustState,strCustZipCode,strCustMainPhone,strCustExtraPhone1,strCustExtraPhone2,"
        "strCustExtraPhone1Name,strCustExtraPhone2Name,intCustDiscount,strCustTaxExmpt,"
        "strCustTaxExmpNmbr,strCustPmtTerms,strCustNotes) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);"));
    for (int i = 0; i < kCustomers; ++i) {
        insert.reset();
        insert.bindAll({QString::fromLatin1(firstNames[i % 8]),
                        QStringLiteral("%1%2").arg(QLatin1String(lastNames[i % 20])).arg(i / 20),
                        QStringLiteral("Company %1").arg(i), QStringLiteral("%1 Main Street").arg(i),
                        QStringLiteral("City %1").arg(i % 300), QStringLiteral("State %1").arg(i % 50),
                        QStringLiteral("%1").arg(10000 + i % 90000), QStringLiteral("555-%1").arg(i, 7, 10, QLatin1Char('0')),
                        QString(), QString(), QString(), QString(), i % 20, QStringLiteral("0"), QString(),
                        QString(), QString()});
        insert.step();
    }
    transaction.commit();
}

void ensureCustomers()
{
    static const bool filled = [] {
        fillCustomers();
        return true;
    }();
    (void)filled;
}

// What the view reads to paint its first screen of rows.
void readFirstScreen(const CustomerListModel& model)
{
    for (int row = 0; row < std::min(40, model.rowCount()); ++row)
        for (int column = 0; column < CustomerListModel::ColumnCount; ++column)
            benchmark::DoNotOptimize(model.cellText(row, column));
}

} // namespace

// One keystroke in the search box of the open customer window: the "begins with" query,
// the list's model update and the texts of the first screen of rows. Each iteration types or erases the last letter of the
// argument's prefix of "Mitchell", so every iteration is one change of the text.
static void BM_CustomerSearchKeystroke(benchmark::State& state)
{
    ensureCustomers();
    AppState appState;
    LoadCompanySettings(appState.companySettings);
    TfrmCustomer window(appState);
    window.show();
    window.findChild<QComboBox*>(QStringLiteral("cmboCustSearch"))->setCurrentIndex(int(CustomerSearch::LastName));
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("txtCustSearch"));
    const QString longer = QStringLiteral("Mitchell").left(int(state.range(0)));
    const QString shorter = longer.chopped(1);
    search->setText(shorter);
    bool typed = false;
    for (auto _ : state) {
        typed = !typed;
        search->setText(typed ? longer : shorter);
        readFirstScreen(*window.listModel());
    }
    state.counters["rows"] = window.listModel()->rowCount();
}
BENCHMARK(BM_CustomerSearchKeystroke)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// The "All Customers" list: the query of every customer, the model update and the
// texts of the first screen of rows.
static void BM_CustomerListAll(benchmark::State& state)
{
    ensureCustomers();
    CustomerListModel model;
    QTreeView view;
    view.setModel(&model);
    view.setUniformRowHeights(true);
    for (auto _ : state) {
        model.setCustomerIds(QueryCustomerIds(CustomerSearch::AllCustomers, QString()));
        readFirstScreen(model);
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_CustomerListAll)->Unit(benchmark::kMillisecond);

VELMAR_BENCH_MAIN()
