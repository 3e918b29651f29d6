// The correction dialog's arithmetic without the dialog: turning the five
// typed texts into correction values, the limits a multiplier must keep, and
// the texts shown for stored values.
#pragma once

#include "settings/SettingsFile.h"

#include <cstdint>

namespace vorn {

// Why typed correction values were refused. Each value is the index of the
// message in the error table (Err_List) that tells the user.
enum class CorrectionFault {
    None = 0,
    NotANumber = 11,          // a text is not a number (or DeltaM not a whole one)
    ZeroMultiplier = 22,      // a multiplier is 0
    MultiplierAboveFive = 23, // a multiplier is greater than 5
};

// Largest multiplier accepted. Negative multipliers and any offsets pass.
inline constexpr double kMaxCorrectionMultiplier = 5.0;

struct CorrectionCheck {
    CorrectionValues values; // meaningful only when fault is None
    CorrectionFault fault = CorrectionFault::None;

    bool ok() const { return fault == CorrectionFault::None; }
};

// Reads the texts with the program's current decimal separator, each trimmed
// first: four decimal numbers (multipliers and offsets) and a 32-bit integer
// (Delta_M). Every text is converted before any limit is checked; then a
// multiplier of 0 (voltage or current) is refused before one above 5.
CorrectionCheck checkCorrectionTexts(const CorrectionTexts &texts);

// The 16-bit DeltaM a measurement keeps of a typed integer: its low 16 bits
// (65536 -> 0, -1 -> 65535).
uint16_t deltaMWord(int value);

// The texts the dialog shows for stored values: shortest general form with the
// current decimal separator ("1", "0,5") and the integer as it is.
CorrectionTexts correctionTexts(double Ukorr, double Ikorr, double UOffs, double IOffs,
                                int DeltaM);

} // namespace vorn
