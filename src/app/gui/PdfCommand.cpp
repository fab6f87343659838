#include "app/gui/PdfCommand.h"

#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/CommandLine.h"
#include "data/DatabaseError.h"
#include "documents/DocumentStorage.h"
#include "documents/SavedDocumentExists.h"
#include "printing/gui/TmodPrintData.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int kDocumentMode = 1;

int Fail(QTextStream& errors, const QString& message)
{
    errors << "velmar: " << message << Qt::endl;
    return kCommandFailedStatus;
}

} // namespace

int RunPdfCommand(int documentNumber, const QString& path, QTextStream& errors)
{
    // Opening a missing file would fail anyway; saying so plainly beats an engine code.
    const QString database = DatabasePath();
    if (!QFileInfo(database).isFile())
        return Fail(errors, QStringLiteral("There is no database at %1.").arg(database));

    AppState state;
    try {
        LoadCompanySettings(state.companySettings);
        if (!SavedDocumentExists(documentNumber))
            return Fail(errors, QStringLiteral("Document %1 does not exist.").arg(documentNumber));

        CurrentDocument& document = state.currentDocument;
        document.Header.IsNew = false;
        document.Header.InvNumber = documentNumber;
        LoadDocument(document, state.companySettings);
        // What the document window puts into the print data when it shows a saved
        // document: the text of the chosen foot note. Its stored rates are kept, as when
        // the user keeps them there.
        const int footNote = qBound(0, document.Header.InvFootNotes, 3);
        document.PrintData.FootNote = footNote == 0 ? QString() : state.companySettings.InvData.FootNotes[size_t(footNote)];

        state.windowMode = kDocumentMode;
        TmodPrintData printData(state);
        state.printData = &printData;
        printData.pCreatePDFFile(path);
    } catch (const VelmarError& error) {
        return Fail(errors, error.text());
    } catch (const std::exception& error) {
        return Fail(errors, QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
