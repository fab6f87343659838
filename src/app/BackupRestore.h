#pragma once

struct CompanySettings;

// The Backup Company Data command: copies the database file into a folder the user
// picks, replacing a backup of the same name.
void BackupDatabase();

// The Restore Company Data command: copies a backup the user picks over the database
// file and reloads `settings` from it. Returns true when the database was replaced.
bool RestoreDatabase(CompanySettings& settings);
