#pragma once

#include <QString>

// The sample contract and warranty a new database starts with (lines joined by CR LF).
QString SampleContractText();
QString SampleWarrantyText();
