#pragma once

// Both hand the page to the desktop opener (xdg-open) and return at once; when the
// opener is missing or reports failure the message is shown then. Never raise.

// Opens the help page beside the executable; on failure shows
// "Unable to open the Help files!".
void OpenHelpFile();
// Opens the maker's web site; on failure shows "Unable to open the Web Browser!".
void OpenWebSite();
