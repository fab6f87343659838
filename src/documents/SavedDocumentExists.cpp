#include "documents/SavedDocumentExists.h"

#include "data/Database.h"

bool SavedDocumentExists(int invNumber)
{
    Connection db = OpenDatabase();
    Statement& row = db.prepare(QStringLiteral("SELECT 1 FROM tblInvHeader WHERE intInvNumber = ?1 LIMIT 1;"));
    row.bind(1, invNumber);
    return row.next();
}
