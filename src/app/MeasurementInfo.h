// The JSON description of a measurement that `vornctl info` prints: the record
// as read, its samples, its picture size and its evaluation.
#pragma once

#include <QByteArray>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::info {

// {"ok": true, "record": {...}, "samples": [[Meres_Aram, Meres_fesz, Is_Toltes], ...],
//  "picture": {"width": W, "height": H} or null, "evaluation": {...}}.
// Without samples the "samples" member is left out. `texts` words the report lines.
QByteArray loadedJson(const TFile_Datas &record, const TextTables &texts, bool withSamples);

// {"ok": false, "error": N} for a rejected file (N is the Err_List index).
QByteArray rejectedJson(int error);

} // namespace vorn::info
