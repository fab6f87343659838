#pragma once

#include <QString>
#include <QUrl>

class QNetworkRequest;

// The maker's update server. Tests point the update window at their own server.
inline constexpr const char* kUpdateServerAddress = "http://updates.morvane-software.example";

// "/docs/velmar7.txt": the newest version as four digits, major first.
QString VersionFileServerPath();
// "/docs/velmarKessa7.exe".
QString InstallerServerPath();
// The downloaded installer's name, "velmar7.exe". It is saved in a new private folder
// of this user (see TfrmUpdate), never under a fixed name in the shared temporary folder.
QString InstallerFileName();
// The pattern of that private folder: in the temporary folder, "velmar7-update-XXXXXX".
QString InstallerFolderTemplate();

enum class UpdateAnswer { Newer, NotNewer, Unreadable };

// Compares the version file's text with 7.0.0.0 digit by digit, stopping at the first
// digit greater than the local part. A smaller digit does not end the comparison, so
// "6100" is newer. Missing digits count as 0; a character that is not a digit, reached
// before the answer is known, makes the text unreadable.
UpdateAnswer CompareWithLocalVersion(const QString& versionText);

// A plain GET of `path` on the server, with the headers the server expects.
QNetworkRequest UpdateRequest(const QUrl& serverAddress, const QString& path);
