#pragma once

#include "catalogs/CustomerRecord.h"

struct TrecInvHeader;

// Copies a picked customer into a document header, composed the way documents print
// it: the full name empty when both names are, city state zip with blanks, and each
// extra phone as its label, ": " and the number (empty without a number).
void CopyCustomerIntoHeader(const TrecCustomer& customer, TrecInvHeader& header);

QString ComposeFullName(const QString& firstName, const QString& lastName);
QString ComposeExtraPhone(const QString& label, const QString& number);
