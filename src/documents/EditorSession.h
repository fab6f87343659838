#pragma once

struct AppState;

// The mode values around the document editor. Opening sets WindowMode 1 and EditorOpen,
// IsNew as asked and BlankForm clear, then prepares the current document: a new one with
// the next number, or the saved one whose number is in the header. A failed load leaves
// EditorOpen clear again and lets the error through.
void OpenEditorSession(AppState& state, bool isNew);
// After the editor has closed.
void CloseEditorSession(AppState& state);
