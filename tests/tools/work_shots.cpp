// Renders the windows of daily work on a database with a year of it (documents with 0, 1
// and 70 sheets of every kind, a month full of activities, ten years of monthly totals)
// into PNG files at their default size, their minimum size and the screen's size, and
// prints their lists and forms into PDF files. Run by hand under Xvfb:
//
//   xvfb-run -a -s '-screen 0 1400x900x24' <build>/tests/tools_work_shots <folder> [part...]
//
// Parts: editor dialogs maintenance manual planner report texts (all when none is named).
#include "app/AppState.h"
#include "app/Clock.h"
#include "app/DispatchModes.h"
#include "app/Regional.h"
#include "catalogs/CustomerStore.h"
#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/DocumentType.h"
#include "documents/EditorSession.h"
#include "documents/Totals.h"
#include "documents/gui/TfrmInvoiceNotes.h"
#include "documents/gui/TfrmInvoiceVelmar.h"
#include "documents/gui/TfrmPaidAndDeposit.h"
#include "maintenance/gui/TfrmInvoiceMaintenance.h"
#include "planner/ActivityStore.h"
#include "planner/gui/TfrmActivityEdit.h"
#include "planner/gui/TfrmPlanner.h"
#include "printing/ManualForms.h"
#include "printing/gui/TfrmManualInvoice.h"
#include "printing/gui/TmodPrintData.h"
#include "reports/gui/TfrmReport.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "texts/gui/TfrmTextEditor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

QDir g_out;
AppState g_state;
const QDate kToday(2026, 12, 10);

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(QWidget& window, const QString& name)
{
    settle();
    const QString path = g_out.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s %dx%d\n", qPrintable(path), window.width(), window.height());
}

// Default size, minimum size and the whole screen.
void shootSizes(QWidget& window, const QString& name)
{
    window.show();
    save(window, name + QStringLiteral("-default"));
    const QSize defaultSize = window.size();
    window.resize(1, 1);
    save(window, name + QStringLiteral("-min"));
    window.resize(QApplication::primaryScreen()->availableGeometry().size());
    save(window, name + QStringLiteral("-max"));
    window.resize(defaultSize);
    settle();
}

void trigger(QWidget& window, const char* action)
{
    if (auto* command = window.findChild<QAction*>(QString::fromLatin1(action)))
        command->trigger();
    else
        std::fprintf(stderr, "%s has no %s\n", qPrintable(window.objectName()), action);
}

void check(QWidget& window, const QString& caption)
{
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->text() == caption)
            button->click();
}

QString g_pdfName;

// Prints through the print service, which is there all the time as in the program, into <name>.pdf.
void printToPdf(const QString& name, const std::function<void()>& print)
{
    g_pdfName = name;
    print();
    const QString path = g_out.filePath(name + QStringLiteral(".pdf"));
    std::printf("%s%s\n", qPrintable(path), QFile::exists(path) ? "" : " was not written");
}

WorkSheet Room(int index)
{
    static const char* names[] = {"Kitchen", "Hall", "Master Bedroom", "Bathroom", "Living Room", "Porch",
                                  "Garage", "Dining Room", "Stairway", "Front of House"};
    WorkSheet sheet = NewWorkSheet(1);
    sheet.WorkSheetName = QString::fromLatin1(names[index % 10]);
    if (index >= 10)
        sheet.WorkSheetName += QStringLiteral(" %1").arg(index / 10 + 1);
    sheet.AreaWorkOn = index % 3 == 0 ? AreaWork::WallsOnly : AreaWork::WallsAndCeiling;
    sheet.PaintsCoats = 2;
    sheet.AreaLength = 10 + index % 7;
    sheet.AreaWidth = 9 + index % 5;
    sheet.AreaHeight = 8;
    sheet.NumOfDoors = index % 3;
    sheet.Wash = FlagSet;
    if (index % 2)
        sheet.Sand = FlagSet;
    return sheet;
}

int SaveWork(int kind, const QDate& day, const QString& customer, int sheets, bool paid = false)
{
    CurrentDocument document;
    document.Header.IsNew = true;
    LoadDocument(document, g_state.companySettings);
    document.Header.InvName = DocumentType::Name(kind);
    document.Header.InvDate = Regional::FormatShortDate(day);
    document.Header.CustFullName = customer;
    document.Header.CustAddress = QStringLiteral("%1 Elm Street").arg(10 + sheets);
    document.Header.CustCtyStZp = QStringLiteral("Springfield, IL 62704");
    document.Header.PaidInFull = paid;
    for (int i = 0; i < sheets; ++i)
        document.WorkSheets.push_back(Room(i));
    ComputeTotals(document, g_state.companySettings);
    SaveDocument(document);
    return document.Header.InvNumber;
}

int g_bigInvoice = 0;
int g_oneSheet[DocumentType::Count] = {};

// A year of work: customers, documents of every kind, a month full of activities.
void fillYearOfWork()
{
    static const char* people[] = {"Ada Brook", "Ben O'Hara", "Carla \"CJ\" Jones", "Dmitri Volkov",
                                   "Eve Marlowe-Fitzgerald", "Frank Li"};
    for (const char* person : people) {
        TrecCustomer customer;
        const QStringList parts = QString::fromUtf8(person).split(QLatin1Char(' '));
        customer.FirstName = parts.first();
        customer.LastName = parts.last();
        customer.Address = QStringLiteral("4 Mill Lane");
        customer.City = QStringLiteral("Springfield");
        SaveCustomer(customer);
    }
    for (int index = 0; index < 160; ++index)
        SaveWork(index % DocumentType::Count, QDate(2026, 1, 2).addDays(index * 2),
                 QString::fromUtf8(people[index % 6]), 1 + index % 6, index % 4 == 0);
    for (int kind = 0; kind < DocumentType::Count; ++kind)
        g_oneSheet[kind] = SaveWork(kind, kToday, QString::fromUtf8(people[kind]), 1);
    g_bigInvoice = SaveWork(DocumentType::Invoice, kToday, QStringLiteral("Springfield School District"), 70);

    for (int day = 1; day <= 31; ++day) {
        for (int slot = 0; slot < 1 + day % 4; ++slot) {
            TrecActivityEdit activity;
            activity.start = Regional::WallClock(QDate(2026, 12, day), QTime(8 + slot * 2, 0));
            activity.end = activity.start.addSecs(day % 7 == 0 ? 2 * 86400 : 5400);
            activity.activity = slot == 0 ? QStringLiteral("Paint the %1 house, exterior trim and shutters")
                                                .arg(QString::fromUtf8(people[day % 6]))
                                          : QStringLiteral("Estimate visit");
            activity.priority = day % 5 == 0;
            SaveActivity(activity);
        }
    }
}

TfrmInvoiceVelmar* OpenEditor(std::unique_ptr<TfrmInvoiceVelmar>& window, int number)
{
    window.reset();
    if (g_state.editorOpen)
        CloseEditorSession(g_state);
    g_state.currentDocument.Header.InvNumber = number;
    OpenEditorSession(g_state, number == 0);
    window = std::make_unique<TfrmInvoiceVelmar>(g_state);
    return window.get();
}

void shootEditor()
{
    ScopedPrompts prompts;
    std::unique_ptr<TfrmInvoiceVelmar> window;
    shootSizes(*OpenEditor(window, 0), QStringLiteral("editor-new"));
    for (int kind = 0; kind < DocumentType::Count; ++kind) {
        TfrmInvoiceVelmar* w = OpenEditor(window, g_oneSheet[kind]);
        const QString name = QStringLiteral("editor-") + DocumentType::Name(kind).remove(QLatin1Char(' '));
        w->show();
        save(*w, name);
        trigger(*w, "actAddWorkSheet");
        save(*w, name + QStringLiteral("-sheet"));
    }
    TfrmInvoiceVelmar* big = OpenEditor(window, g_bigInvoice);
    shootSizes(*big, QStringLiteral("editor-70sheets"));
    printToPdf(QStringLiteral("invoice-70sheets"), [&] { trigger(*big, "actPrint"); });
    window.reset();
    CloseEditorSession(g_state);
}

void shootDialogs()
{
    ScopedPrompts prompts;
    for (int kind : {int(DocumentType::Estimate), int(DocumentType::Invoice)}) {
        // The dialogs serve the document open in the editor.
        g_state.currentDocument.Header.InvNumber = g_oneSheet[kind];
        OpenEditorSession(g_state, false);
        SetDialogModes(g_state);
        {
            TfrmPaidAndDeposit paid(g_state);
            shootSizes(paid, QStringLiteral("paid-and-deposit-") + DocumentType::Name(kind).remove(QLatin1Char(' ')));
        }
        CloseEditorSession(g_state);
    }
    TfrmInvoiceNotes notes(g_state);
    shootSizes(notes, QStringLiteral("notes"));
}

void shootMaintenance()
{
    ScopedPrompts prompts;
    SetMaintenanceModes(g_state);
    TfrmInvoiceMaintenance window(g_state);
    shootSizes(window, QStringLiteral("maintenance"));
    printToPdf(QStringLiteral("invoice-list"), [&] { trigger(window, "actPrint"); });
    window.close();
}

void shootManualForms()
{
    ScopedPrompts prompts;
    SetBlankFormModes(g_state);
    TfrmManualInvoice window(g_state);
    shootSizes(window, QStringLiteral("manual-forms"));
    auto* kinds = window.findChild<QComboBox*>(QStringLiteral("cmbInvoiceType"));
    for (int i = 0; kinds && i < kinds->count(); ++i) {
        kinds->setCurrentIndex(i);
        printToPdf(QStringLiteral("blank-form-%1").arg(i), [&] { trigger(window, "tlbarbtnPrint"); });
    }
    window.close();
}

void shootPlanner()
{
    ScopedPrompts prompts;
    const char* views[] = {"day", "week", "month"};
    for (int view = 0; view < 3; ++view) {
        g_state.companySettings.PlannerDefaultView = view;
        TfrmPlanner window(g_state);
        shootSizes(window, QStringLiteral("planner-") + QString::fromLatin1(views[view]));
        if (view == 1)
            printToPdf(QStringLiteral("planner-week-list"), [&] { trigger(window, "actPrint"); });
        window.close();
    }
    TrecActivityEdit activity;
    activity.start = Regional::WallClock(kToday, QTime(9, 0));
    activity.end = Regional::WallClock(kToday.addDays(2), QTime(17, 0));
    activity.activity = QStringLiteral("Paint the Jones porch");
    activity.notes = QStringLiteral("Two coats\r\nKeys under the mat");
    activity.masterId = QString::number(SaveActivity(activity));
    TfrmActivityEdit editor(g_state, nullptr, activity);
    shootSizes(editor, QStringLiteral("activity-edit"));
    TfrmActivityEdit fresh(g_state, nullptr, NewActivityOn(kToday));
    shootSizes(fresh, QStringLiteral("activity-new"));
}

void shootReport()
{
    ScopedPrompts prompts;
    {
        Connection db = OpenDatabase();
        Transaction transaction(db);
        db.exec(QStringLiteral("DELETE FROM tblReport WHERE intReportYear < 2026;"));
        Statement& insert = db.prepare(QStringLiteral(
            "INSERT INTO tblReport(intReportYear,intReportMonth,dbLbrTax1Total,dbLbrTax2Total,dbLbrTax3Total,"
            "dbMatTax1Total,dbMatTax2Total,dbMatTax3Total,dbLbrTotal,dbMatTotal)VALUES(?,?,?,?,?,?,?,?,?,?);"));
        for (int index = 0; index < 120; ++index) {
            const double n = 1 + index % 11;
            insert.reset();
            insert.bindAll({2016 + index / 12, index % 12 + 1, 12.3 * n, 50.1 * n, 0.0, 6.1 * n, 25.05 * n, 0.0,
                            1000.0 * n, 500.5 * n});
            insert.step();
        }
        transaction.commit();
    }
    const QStringList kinds{QStringLiteral("Sales And Tax Report"), QStringLiteral("Sales Report"),
                            QStringLiteral("Tax Report")};
    for (const QString& kind : kinds) {
        for (const QString& form : {QStringLiteral("Summery"), QStringLiteral("Itemized")}) {
            SetReportModes(g_state);
            TfrmReport window(g_state);
            window.show();
            check(window, kind);
            check(window, form);
            window.setMonths(QDate(2016, 1, 1), QDate(2025, 12, 1));
            const QString name = QStringLiteral("report-%1-%2").arg(kind, form).remove(QLatin1Char(' '));
            shootSizes(window, name);
            if (form == QStringLiteral("Itemized") && kind == kinds.first())
                printToPdf(name, [&] { trigger(window, "actPrint"); });
            window.close();
        }
    }
}

void shootTexts()
{
    ScopedPrompts prompts;
    for (bool contract : {true, false}) {
        g_state.contractMode = contract;
        SetDialogModes(g_state);
        TfrmTextEditor window(g_state);
        const QString name = contract ? QStringLiteral("contract") : QStringLiteral("warranty");
        shootSizes(window, name);
        printToPdf(name, [&] { trigger(window, "actPrint"); });
        window.close();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    TestEnvironment::prepareApplication();
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: tools_work_shots <folder> [part...]\n");
        return 2;
    }
    QDir().mkpath(args.first());
    g_out = QDir(args.first());
    SetClockForTesting(Regional::WallClock(kToday, QTime(10, 0)));
    TestEnvironment::freshDatabase(g_state);
    fillYearOfWork();
    TmodPrintData printData(g_state);
    printData.printerProvider = [] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(g_out.filePath(g_pdfName + QStringLiteral(".pdf")));
        return printer;
    };
    g_state.printData = &printData;

    const std::pair<const char*, void (*)()> parts[] = {
        {"editor", shootEditor},      {"dialogs", shootDialogs}, {"maintenance", shootMaintenance},
        {"manual", shootManualForms}, {"planner", shootPlanner}, {"report", shootReport},
        {"texts", shootTexts},
    };
    const QStringList chosen = args.mid(1);
    for (const auto& [name, shoot] : parts)
        if (chosen.isEmpty() || chosen.contains(QString::fromLatin1(name)))
            shoot();
    return 0;
}
