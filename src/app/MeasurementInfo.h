// The JSON description of a measurement that `vornctl info` prints: the record
// as read, its samples, its picture size and its evaluation.
#pragma once

#include <QByteArray>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::measurement {
struct ReadWarnings;
}

namespace vorn::info {

// {"ok": true, "record": {...}, "samples": [[Meres_Aram, Meres_fesz, Is_Toltes], ...],
//  "picture": {"width": W, "height": H} or null, "evaluation": {...},
//  "warnings": [{"kind": "...", "line": N, "index": N, "text": "..."}, ...]}.
// Without samples the "samples" member is left out. A warning's line or index
// is null when it concerns none. `texts` words the report lines and warnings.
QByteArray loadedJson(const TFile_Datas &record, const measurement::ReadWarnings &notes,
                      const TextTables &texts, bool withSamples);

// {"ok": false, "error": N} for a rejected file (N is the Err_List index).
QByteArray rejectedJson(int error);

} // namespace vorn::info
