// Shows every window of the program on a fresh database with a few saved documents and
// takes a picture of each at its default size, at its minimum size and filling the
// screen. Run by hand under Xvfb when reviewing the look of the windows; not a test.
//
//   xvfb-run -a -s '-screen 0 1400x900x24' window_shots <folder> [window ...]
//
// Pictures are taken with ImageMagick's import, as <folder>/<window>-<size>.png.

#include "app/AppState.h"
#include "app/DispatchModes.h"
#include "app/PromptService.h"
#include "app/gui/TfrmAbout.h"
#include "app/gui/TfrmMain.h"
#include "app/gui/TfrmUpdate.h"
#include "app/gui/WidgetPromptService.h"
#include "app/Startup.h"
#include "catalogs/gui/TfrmCompanyInfo.h"
#include "catalogs/gui/TfrmCustomer.h"
#include "catalogs/gui/TfrmPriceVelmar.h"
#include "documents/EditorSession.h"
#include "documents/gui/TfrmInvoiceNotes.h"
#include "documents/gui/TfrmInvoiceVelmar.h"
#include "documents/gui/TfrmPaidAndDeposit.h"
#include "maintenance/gui/TfrmInvoiceMaintenance.h"
#include "planner/gui/TfrmActivityEdit.h"
#include "planner/gui/TfrmPlanner.h"
#include "printing/ManualForms.h"
#include "printing/gui/TfrmManualInvoice.h"
#include "printing/gui/TfrmPrntPreview.h"
#include "reports/gui/TfrmReport.h"
#include "texts/gui/TfrmTextEditor.h"
#include "support/ScriptedPrompts.h"
#include "../maintenance/MaintenanceFixtures.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

QString g_folder;

void settle()
{
    QTest::qWait(400);
}

void capture(QWidget* window, const QString& name)
{
    settle();
    const QRect frame = window->frameGeometry();
    const QString crop = QStringLiteral("%1x%2+%3+%4").arg(frame.width()).arg(frame.height())
                             .arg(qMax(0, frame.x())).arg(qMax(0, frame.y()));
    const QString file = QDir(g_folder).filePath(name + QStringLiteral(".png"));
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                 QStringLiteral("-crop"), crop, file});
    std::printf("%s %dx%d\n", qPrintable(file), frame.width(), frame.height());
}

// Default size, then as small as its layout lets it be, then the whole screen.
void shootAllSizes(QWidget* window, const QString& name)
{
    window->move(0, 0);
    window->show();
    window->raise();
    window->activateWindow();
    capture(window, name + QStringLiteral("-default"));
    window->resize(1, 1);
    capture(window, name + QStringLiteral("-minimum"));
    window->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    capture(window, name + QStringLiteral("-maximized"));
    window->hide();
}

template <class Window, class... Args>
void shoot(const QString& name, AppState& state, Args&&... args)
{
    auto window = std::make_unique<Window>(state, nullptr, std::forward<Args>(args)...);
    shootAllSizes(window.get(), name);
}

void seed(AppState& state)
{
    using namespace MaintenanceFixture;
    Save(state, {QStringLiteral("Estimate"), 500, QStringLiteral("3/14/2011"), QStringLiteral("Jane Doe"),
                 QStringLiteral("Harbor Homes and Gardens of the Greater Lakeside Area")});
    Save(state, {QStringLiteral("Invoice"), 501, QStringLiteral("4/2/2011"), QStringLiteral("John Doe"),
                 QStringLiteral("Doe Painting")});
    Save(state, {QStringLiteral("Work Order"), 502, QStringLiteral("5/9/2011"),
                 QStringLiteral("Alexandra Montgomery-Featherstonehaugh"), QString()});
    SetCounter(503);
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_shots <folder> [window ...]\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_folder);
    QStringList wanted;
    for (int i = 2; i < argc; ++i)
        wanted << QString::fromLocal8Bit(argv[i]);
    const auto want = [&wanted](const char* name) {
        return wanted.isEmpty() || wanted.contains(QLatin1String(name));
    };
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/appicon/velmar.svg")));

    ScopedPrompts prompts;
    AppState state;
    PrepareApplicationData(state);
    seed(state);

    if (want("main"))
        shoot<TfrmMain>(QStringLiteral("main"), state);
    if (want("customer")) {
        SetCustomerWindowModes(state);
        shoot<TfrmCustomer>(QStringLiteral("customer-list"), state);
        auto window = std::make_unique<TfrmCustomer>(state);
        window->show();
        settle();
        window->findChild<QAction*>(QStringLiteral("actNewCustomer"))->trigger();
        shootAllSizes(window.get(), QStringLiteral("customer-edit"));
    }
    if (want("price")) {
        SetPriceSheetModes(state);
        shoot<TfrmPriceVelmar>(QStringLiteral("price"), state);
    }
    if (want("company")) {
        shoot<TfrmCompanyInfo>(QStringLiteral("company"), state);
        auto window = std::make_unique<TfrmCompanyInfo>(state);
        window->show();
        settle();
        window->findChild<QAction*>(QStringLiteral("actInvoicePage"))->trigger();
        shootAllSizes(window.get(), QStringLiteral("company-invoice"));
    }
    if (want("maintenance")) {
        SetMaintenanceModes(state);
        shoot<TfrmInvoiceMaintenance>(QStringLiteral("maintenance"), state);
    }
    if (want("report")) {
        SetReportModes(state);
        shoot<TfrmReport>(QStringLiteral("report"), state);
    }
    if (want("text")) {
        state.contractMode = true;
        SetDialogModes(state);
        shoot<TfrmTextEditor>(QStringLiteral("text"), state);
    }
    if (want("planner"))
        shoot<TfrmPlanner>(QStringLiteral("planner"), state);
    if (want("activity")) {
        TrecActivityEdit activity;
        activity.start = QDateTime(QDate(2011, 3, 14), QTime(8, 0));
        activity.end = QDateTime(QDate(2011, 3, 14), QTime(17, 0));
        activity.activity = QStringLiteral("Paint the Doe kitchen");
        SetDialogModes(state);
        shoot<TfrmActivityEdit>(QStringLiteral("activity"), state, activity);
    }
    if (want("about"))
        shoot<TfrmAbout>(QStringLiteral("about"), state);
    if (want("update"))
        shoot<TfrmUpdate>(QStringLiteral("update"), state);
    if (want("editor")) {
        OpenEditorSession(state, true);
        shoot<TfrmInvoiceVelmar>(QStringLiteral("editor"), state);
        SetDialogModes(state);
        shoot<TfrmPaidAndDeposit>(QStringLiteral("deposit"), state);
        shoot<TfrmInvoiceNotes>(QStringLiteral("notes"), state);
        CloseEditorSession(state);
    }
    if (want("manual")) {
        SetBlankFormModes(state);
        shoot<TfrmManualInvoice>(QStringLiteral("manual"), state);
    }
    if (want("preview")) {
        DisplayDocument pages;
        pages.pages.push_back(DisplayPage{QSize(8500, 11000), {}});
        TfrmPrntPreview preview(QStringLiteral("Preview Customer List"), pages, [] {});
        shootAllSizes(&preview, QStringLiteral("preview"));
    }
    if (want("restore")) {
        // The chooser is modal: the picture is taken from inside its loop.
        WidgetPromptService real;
        QTimer::singleShot(800, [] {
            if (QWidget* chooser = QApplication::activeModalWidget()) {
                chooser->move(0, 0);
                capture(chooser, QStringLiteral("restore-default"));
                chooser->close();
            }
        });
        real.chooseOpenFile(QStringLiteral("Restore Company Database\nDatabase File Name: velmar7.db"),
                            QDir::homePath(), QStringLiteral("Company database (velmar7.db);;All files (*)"),
                            false);
    }
    return 0;
}
