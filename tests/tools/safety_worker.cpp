// Runs one data operation over and over until it is killed, or checks what the kills
// left behind. Driven by kill_loop.sh; not a test of its own.
//
//   safety_worker <save|delete|company|restore|backup> <backup folder>
//   safety_worker check <backup folder>
//
// The data folder comes from XDG_DATA_HOME, as for the program.

#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/BackupRestore.h"
#include "app/CompanyDatabaseCheck.h"
#include "app/InstanceLock.h"
#include "app/Startup.h"
#include "catalogs/CompanyInfoStore.h"
#include "catalogs/CompanyLogo.h"
#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/Totals.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

WorkSheet Room(int i)
{
    WorkSheet sheet = NewWorkSheet(i + 1);
    sheet.WorkSheetName = QStringLiteral("Room %1").arg(i);
    sheet.AreaLength = 10 + i;
    sheet.AreaWidth = 12;
    sheet.AreaHeight = 8;
    sheet.PaintsCoats = 2;
    return sheet;
}

void saveOne(AppState& state, bool thenDelete)
{
    CurrentDocument& document = state.currentDocument;
    document.Header.IsNew = true;
    LoadDocument(document, state.companySettings);
    document.Header.InvName = QStringLiteral("Invoice");
    document.Header.InvDate = QStringLiteral("3/14/2011");
    document.Header.PaidInFull = true;
    document.WorkSheets.clear();
    for (int i = 0; i < 3; ++i)
        document.WorkSheets.push_back(Room(i));
    ComputeTotals(document, state.companySettings);
    SaveDocument(document);
    TakeSnapshot(document);
    document.WorkSheets.pop_back();
    ComputeTotals(document, state.companySettings);
    SaveDocument(document);
    TakeSnapshot(document);
    if (thenDelete)
        DeleteDocument(document);
}

QImage picture(int n)
{
    QImage image(QSize(600 + 50 * (n % 5), 200), QImage::Format_RGB32);
    QRandomGenerator random{quint32(n)};
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = random.generate();
    }
    return image;
}

int check(const QString& backupFolder)
{
    int faults = 0;
    const auto fault = [&](const QString& text) {
        out() << "FAULT: " << text << Qt::endl;
        ++faults;
    };
    const CandidateCheck database = CheckRestoreCandidate(DatabasePath());
    if (!database.ok())
        fault(QStringLiteral("database refused (%1) %2").arg(int(database.fault)).arg(database.detail));
    else {
        Connection db = OpenDatabase();
        const qint64 counter = db.exec(QStringLiteral(
            "SELECT intInvNumber FROM tblCompanyInvData WHERE intCompInvDataID = 1;")).columnInt(0);
        const qint64 highest = db.exec(QStringLiteral("SELECT coalesce(max(intInvNumber), 499) FROM tblInvHeader;"))
                                   .columnInt(0);
        const qint64 twice = db.exec(QStringLiteral(
            "SELECT count(*) FROM (SELECT intInvNumber FROM tblInvHeader GROUP BY intInvNumber HAVING count(*) > 1);"))
                                 .columnInt(0);
        if (counter <= highest)
            fault(QStringLiteral("counter %1 not above the highest saved number %2").arg(counter).arg(highest));
        if (twice > 0)
            fault(QStringLiteral("%1 numbers saved twice").arg(twice));
    }
    if (QFile::exists(LogoPath()) && CompanyLogo::load().isNull())
        fault(QStringLiteral("logo file unreadable"));
    const QString backup = QDir(backupFolder).filePath(DatabaseFileName());
    if (QFile::exists(backup) && !CheckRestoreCandidate(backup).ok())
        fault(QStringLiteral("backup copy refused"));
    const QStringList partials = QDir(DataFolder()).entryList({QStringLiteral(".*.partial")},
                                                              QDir::Files | QDir::Hidden);
    if (!partials.isEmpty())
        fault(QStringLiteral("leftovers after start-up: %1").arg(partials.join(QLatin1Char(' '))));
    return faults == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: safety_worker <save|delete|company|restore|backup|check> <backup folder>\n");
        return 2;
    }
    const QString operation = args.at(1);
    const QString backupFolder = args.at(2);
    InstallPromptService(std::make_unique<ScriptedPrompts>());

    // As the program starts: the lock first, then the leftovers, then the data.
    InstanceLock lock;
    if (lock.acquire() != InstanceLock::Result::Taken) {
        out() << "FAULT: the data folder's lock was not taken over" << Qt::endl;
        return 3;
    }
    RemoveRestoreLeftovers();
    AppState state;
    try {
        PrepareApplicationData(state);
        if (operation == QLatin1String("check"))
            return check(backupFolder);

        QDir().mkpath(backupFolder);
        const QString backup = QDir(backupFolder).filePath(DatabaseFileName());
        for (int n = 0;; ++n) {
            if (operation == QLatin1String("save") || operation == QLatin1String("delete")) {
                saveOne(state, operation == QLatin1String("delete"));
            } else if (operation == QLatin1String("company")) {
                state.companySettings.CompanyData.CompName = QStringLiteral("Company %1").arg(n);
                CompanyLogo::write(picture(n));
                SaveCompanySettings(state.companySettings);
            } else if (operation == QLatin1String("backup")) {
                auto* prompts = new ScriptedPrompts;
                prompts->files.push_back(backupFolder);
                InstallPromptService(std::unique_ptr<PromptService>(prompts));
                BackupDatabase();
            } else if (operation == QLatin1String("restore")) {
                if (!QFile::exists(backup))
                    QFile::copy(DatabasePath(), backup);
                auto* prompts = new ScriptedPrompts;
                prompts->files.push_back(backup);
                InstallPromptService(std::unique_ptr<PromptService>(prompts));
                if (!RestoreDatabase(state.companySettings)) {
                    out() << "FAULT: restore refused: " << prompts->lastText() << Qt::endl;
                    return 1;
                }
                saveOne(state, false);
            } else {
                std::fprintf(stderr, "unknown operation\n");
                return 2;
            }
        }
    } catch (const VelmarError& error) {
        out() << "FAULT: " << error.text() << Qt::endl;
        return 1;
    }
}
