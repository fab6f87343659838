#include "printing/ManualForms.h"

#include "app/AppState.h"
#include "documents/DocumentStorage.h"

namespace {
constexpr int kDocumentMode = 1;
} // namespace

const QStringList& FootNoteChoices()
{
    static const QStringList choices{QStringLiteral("No Foot Notes"), QStringLiteral("Foot Note 1"),
                                     QStringLiteral("Foot Note 2"), QStringLiteral("Foot Note 3")};
    return choices;
}

QStringList BlankFormPaymentTerms(const CompanySettings& settings)
{
    QStringList terms;
    for (const QString& term : settings.InvData.PaymentTerms)
        if (!term.isEmpty())
            terms << term;
    return terms;
}

QString BlankFormCountLabel(const QString& kind)
{
    return QStringLiteral("Number of ") + kind + QStringLiteral("s to print");
}

QString BlankFormCountHint(const QString& kind)
{
    return QStringLiteral("Select number of ") + kind + QStringLiteral("s to print");
}

void SetBlankFormModes(AppState& state)
{
    state.windowMode = kDocumentMode;
    state.currentDocument.Header.IsNew = true;
    LoadDocument(state.currentDocument, state.companySettings);
    state.currentDocument.Header.BlankForm = true;
}

void PrepareBlankForm(CurrentDocument& document, const CompanySettings& settings,
                      const BlankFormChoice& choice)
{
    TrecInvHeader& header = document.Header;
    header.IsNew = true;
    header.InvName = choice.kind;
    header.InvNumber = ReadDocumentCounter();
    header.InvDate = QString::fromLatin1(kBlankFormDateText);
    header.CustPymntTerms = choice.paymentTerms;
    header.InvFootNotes = choice.footNote;
    header.AddSignatureLine = choice.signatureLine;
    // The user chose the foot note in the window, so the form prints it.
    const bool known = choice.footNote >= 1 && choice.footNote < int(settings.InvData.FootNotes.size());
    document.PrintData.FootNote = known ? settings.InvData.FootNotes[std::size_t(choice.footNote)] : QString();
}

int PrintBlankForms(AppState& state, const BlankFormChoice& choice, int count,
                    const std::function<bool()>& print)
{
    int done = 0;
    for (int i = 0; i < count; ++i) {
        PrepareBlankForm(state.currentDocument, state.companySettings, choice);
        if (!print || !print())
            break;
        SaveDocument(state.currentDocument);
        ++done;
    }
    return done;
}
