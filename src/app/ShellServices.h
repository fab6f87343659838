#pragma once

// Opens the help page beside the executable; on failure shows
// "Unable to open the Help files!". Never raises.
void OpenHelpFile();
// Opens the maker's web site; on failure shows "Unable to open the Web Browser!".
void OpenWebSite();
