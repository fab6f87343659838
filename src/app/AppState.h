#pragma once

#include "app/Preferences.h"
#include "data/CompanySettings.h"
#include "documents/CurrentDocument.h"

class TmodPrintData;
class DataFeed;

// What the windows share. Made once in main() (tests make their own) and handed to
// every window by reference.
struct AppState {
    CompanySettings companySettings;
    Preferences preferences;
    // The one document being worked on.
    CurrentDocument currentDocument;

    // Which request a shared window serves: 1 current document, 2 price sheet,
    // 3 customer list, 4 planner list, 5 contract, 6 warranty, 7 sales and tax report,
    // 8 document list.
    int windowMode = 0;
    bool editorOpen = false;
    bool dataChanged = false;
    // The text editor works on the contract when set, the warranty when clear.
    bool contractMode = false;

    // The print service, made at start-up after the main window.
    TmodPrintData* printData = nullptr;
    // The rows of the list window that is open, for printing its list.
    DataFeed* listFeed = nullptr;
};
