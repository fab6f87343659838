// Builds the database that bench/time_pdf_command.sh times `velmar --pdf` against: a
// fresh database in $XDG_DATA_HOME holding one invoice with the most work sheets a
// document can hold, every description line kind shown. Prints the invoice's number.
#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/Startup.h"
#include "data/Database.h"
#include "documents/DocumentStorage.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    NameApplication();
    try {
        QDir(CompanyFolder()).removeRecursively();
        AppState state;
        PrepareApplicationData(state);
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblCompanyInvData SET strShowWorkSheetInfo = ?1, strShowSurfacePrep = ?1, "
                                   "strShowWorkSheetAddons = ?1, strShowWallpaper = ?1, strShowExtraCharges = ?1 "
                                   "WHERE intCompInvDataID = 1;"),
                    {FlagText(true)});
        }
        LoadCompanySettings(state.companySettings);
        QImage logo(300, 100, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        logo.save(LogoPath(), "JPG");

        CurrentDocument& document = state.currentDocument;
        document.Header.IsNew = true;
        LoadDocument(document, state.companySettings);
        TrecInvHeader& h = document.Header;
        h.InvName = QStringLiteral("Invoice");
        h.InvDate = QStringLiteral("3/1/2011");
        h.CustCmpnyName = QStringLiteral("Lakeside Dental");
        h.CustFullName = QStringLiteral("Ann Carter");
        h.InvFootNotes = 1;
        for (int i = 1; i <= MaxWorkSheets; ++i) {
            WorkSheet sheet = NewWorkSheet(i);
            sheet.AreaLength = 12 + i % 5;
            sheet.AreaWidth = 10;
            sheet.AreaHeight = 8;
            sheet.PaintsCoats = 2;
            sheet.TrimCoats = 1;
            sheet.Wash = sheet.Sand = FlagSet;
            sheet.NumOfDoors = 2;
            sheet.AraNotes = QStringLiteral("Patch the cracks near the window and repaint the trim with a semi-gloss "
                                            "finish that matches the doors in the hallway and on the stairs.");
            document.WorkSheets.push_back(sheet);
        }
        SaveDocument(document);
        std::printf("%d\n", document.Header.InvNumber);
    } catch (const VelmarError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.text()));
        return 1;
    }
    return 0;
}
