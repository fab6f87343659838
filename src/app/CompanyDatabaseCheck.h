#pragma once

#include <QString>

// Whether the file is an intact SQLite database that holds every table of the company
// database with its columns in order. Opens the file read-only and never changes it.
bool IsCompanyDatabase(const QString& path);
