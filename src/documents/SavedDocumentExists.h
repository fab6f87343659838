#pragma once

// True when a document header with this number is saved. Raises DatabaseError when the
// database cannot be read.
bool SavedDocumentExists(int invNumber);
