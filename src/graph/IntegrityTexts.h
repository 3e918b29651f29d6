// Positions of the integrity warnings' texts, added to the end of the Text
// table of the language file.
#pragma once

namespace vorn::graph {

// %1 lines skipped, %2 the first line numbers.
inline constexpr int kTextWarnSkippedLines = 180;
// %1 the index after which samples are missing, %2 how many, %3 the line.
inline constexpr int kTextWarnGap = 181;
// %1 further gaps, %2 samples missing in all.
inline constexpr int kTextWarnMoreGaps = 182;
// %1 the repeated index, %2 the line.
inline constexpr int kTextWarnRepeat = 183;
// %1 the index, %2 the previous index, %3 the line.
inline constexpr int kTextWarnBackward = 184;
// %1 further lines dropped for their index.
inline constexpr int kTextWarnMoreDisorders = 185;
// %1 the last line.
inline constexpr int kTextWarnNoEof = 186;
// %1 bytes.
inline constexpr int kTextWarnBytesAfterEof = 187;
// %1 the first line after "<EOF>".
inline constexpr int kTextWarnLinesAfterEof = 188;
// %1 the last sample's index.
inline constexpr int kTextWarnLastSampleState = 189;
inline constexpr int kTextWarnNoInterval = 190;
// %1 the tester's verdict, %2 the evaluated one, %3 capacity, %4 threshold.
inline constexpr int kTextWarnVerdictMismatch = 191;

// The graph window's strip: %1 the number of warnings.
inline constexpr int kTextWarnStripHeading = 192;
inline constexpr int kTextWarnShowAll = 193;
inline constexpr int kTextWarnHide = 194;
// Caption of the full list: %1 the file name.
inline constexpr int kTextWarnListTitle = 195;

} // namespace vorn::graph
