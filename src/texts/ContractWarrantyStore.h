#pragma once

#include <QString>

// The company's contract and warranty, each a title and a body, kept in the one row of
// tblContractWarranty.
enum class TextKind { Contract, Warranty };

struct StoredTextDocument {
    QString title;
    QString body;  // as stored, with CR LF line breaks
};

// The stored title and body; both empty when the row is missing. Raises DatabaseError.
StoredTextDocument LoadTextDocument(TextKind kind);

// Stores the title and the body (already in stored form) of one kind, leaving the other
// kind as it is. Makes the row when it is missing, so a save is never lost. Raises
// DatabaseError; nothing is stored then.
void SaveTextDocument(TextKind kind, const StoredTextDocument& text);
