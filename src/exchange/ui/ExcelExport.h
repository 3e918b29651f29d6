// The spreadsheet export as the user runs it from the File menu: the file
// name, the overwrite question, the progress window and the closing message.
#pragma once

#include "ExchangeHost.h"
#include "measurement/MeasurementRecord.h"

namespace vorn::exchange {

// The fixed message of a failed export, the same in every language.
inline constexpr char16_t kExportFailedText[] = u"Hiba történt az exportálás közben";

// Asks for the file (proposing "merexp yymmdd_hhnn"), writes record's samples
// to it as an .xlsx workbook and says how it went. A failure leaves an
// existing file as it was, and the message names the reason.
void Save_ExcelToFile(const ExchangeHost &host, const TFile_Datas &record);

} // namespace vorn::exchange
