#include "documents/EditorSession.h"

#include "app/AppState.h"
#include "documents/DocumentStorage.h"

namespace {
constexpr int kModeCurrentDocument = 1;
}

void OpenEditorSession(AppState& state, bool isNew)
{
    state.windowMode = kModeCurrentDocument;
    state.editorOpen = true;
    TrecInvHeader& header = state.currentDocument.Header;
    header.IsNew = isNew;
    header.BlankForm = false;
    try {
        LoadDocument(state.currentDocument, state.companySettings);
    } catch (...) {
        state.editorOpen = false;
        throw;
    }
}

void CloseEditorSession(AppState& state)
{
    state.editorOpen = false;
}
