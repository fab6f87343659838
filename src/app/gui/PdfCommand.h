#pragma once

#include <QString>

class QTextStream;

// velmar --pdf NUMBER FILE: loads saved document NUMBER and writes it through the print
// service's PDF operation, as the document window's PDF command does. Reads the database
// and creates nothing but FILE: without a database it fails instead of building one.
// Returns the exit status (0 written, kCommandFailedStatus otherwise, with the reason on
// `errors`).
int RunPdfCommand(int documentNumber, const QString& path, QTextStream& errors);
