#pragma once

#include <QString>

// Product names and the folders and files the program uses.
inline constexpr const char* kProductLineWord = "Velmar";
inline constexpr const char* kEditionWord = "Kessa";
inline constexpr int kVersionMajor = 7;
inline constexpr const char* kCompanyName = "Morvane Software";
// The desktop entry, icon and metainfo are installed under this name.
inline constexpr const char* kApplicationId = "com.morvanesoftware.VelmarKessa";
inline constexpr const char* kWebSiteAddress = "https://www.morvane-software.example/velmar";

QString ProductName();        // "Velmar Kessa"
QString FullProductName();    // "Morvane Velmar Kessa"
QString ApplicationTitle();   // "Velmar Kessa"
QString VersionText();        // "7.0.0.0"
QString ProductFolderName();  // "velmar7"
QString DatabaseFileName();   // "velmar7.db"

// Computed afresh on every call, so tests can move the data location.
QString CompanyFolder();
QString DataFolder();
QString DatabasePath();
QString LogoPath();
QString HelpFilePath();
// The help page for a program in `programFolder`: beside it when it is there, else
// share/velmar beside an installed bin folder, else beside it (missing).
QString HelpFilePathIn(const QString& programFolder);
