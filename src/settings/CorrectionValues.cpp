// Conversion and limits of typed correction values.
#include "CorrectionValues.h"

#include "NumberFormat.h"

#include <optional>

namespace vorn {

namespace {

std::optional<double> readFloat(const QString &text)
{
    return numfmt::parseFloat(QStringView(text.trimmed()));
}

} // namespace

CorrectionCheck checkCorrectionTexts(const CorrectionTexts &texts)
{
    CorrectionCheck check;
    const std::optional<double> fk = readFloat(texts.Fesz_Korr);
    const std::optional<double> ak = readFloat(texts.Aram_Korr);
    const std::optional<double> fo = readFloat(texts.Fesz_Offs);
    const std::optional<double> ao = readFloat(texts.Aram_Offs);
    const std::optional<int> dm = numfmt::parseInt(QStringView(texts.Delta_M.trimmed()));
    if (!fk || !ak || !fo || !ao || !dm) {
        check.fault = CorrectionFault::NotANumber;
        return check;
    }
    if (*fk == 0.0 || *ak == 0.0)
        check.fault = CorrectionFault::ZeroMultiplier;
    else if (*fk > kMaxCorrectionMultiplier || *ak > kMaxCorrectionMultiplier)
        check.fault = CorrectionFault::MultiplierAboveFive;
    else
        check.values = {*fk, *ak, *fo, *ao, *dm};
    return check;
}

uint16_t deltaMWord(int value)
{
    return static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFFu);
}

CorrectionTexts correctionTexts(double Ukorr, double Ikorr, double UOffs, double IOffs,
                                int DeltaM)
{
    return {numfmt::formatGeneral(Ukorr), numfmt::formatGeneral(Ikorr),
            numfmt::formatGeneral(UOffs), numfmt::formatGeneral(IOffs),
            numfmt::formatInt(DeltaM)};
}

} // namespace vorn
