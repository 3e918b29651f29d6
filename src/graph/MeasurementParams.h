// The measurement's parameters, results and qualification verdict as label and
// value lines, for the info dialog's boxes and for the test report.
#pragma once

#include <QString>
#include <QStringList>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::graph {

// Labels and values line by line: labels[i] belongs to values[i]. A value the
// device did not report (-1, or an empty text) leaves out its whole line, so
// the two lists always stay aligned.
struct ParamLines {
    QStringList labels;
    QStringList values;
};

// Where the lines go. The report also lists the serial number and the program
// version, and leaves out a measurement number of -1, which the info dialog
// always shows.
enum class ParamLayout { InfoDialog, Report };

// Sampling interval, discharge current, nominal capacity, charge time,
// discharge end voltage, qualification threshold, time of the 100 % point.
ParamLines measurementParameters(const TFile_Datas &record, const TextTables &texts,
                                 ParamLayout layout);

// Measurement number, voltage result, measured capacity.
ParamLines measurementResults(const TFile_Datas &record, const TextTables &texts,
                              ParamLayout layout);

// The program's own verdict: pass when Mert_kap > Minosit_szaz (equal fails),
// none when the threshold was not reported.
enum class Verdict { None, Pass, Fail };
Verdict qualificationVerdict(const TFile_Datas &record);

// Index in the text table of the verdict's text (139 pass, 140 fail), -1 for none.
int verdictTextIndex(Verdict verdict);
// The verdict's text; empty for none.
QString verdictText(Verdict verdict, const TextTables &texts);
// The heading that stands before a verdict.
QString verdictHeading(const TextTables &texts);

// Everything the info dialog's four boxes show: parameter labels and values,
// result labels and values, then (unless none) the heading and the verdict in
// the result labels box.
struct OtherParams {
    ParamLines params;
    ParamLines results;
    Verdict verdict = Verdict::None;
};
OtherParams Fill_Other_Params(const TFile_Datas &record, const TextTables &texts);

// The report's parameter list: "label value" per reported parameter.
QStringList reportParameterLines(const TFile_Datas &record, const TextTables &texts);

// What the report's results box gets after the period lines: a line of one
// blank, "label value" per reported result, and the verdict heading when there
// is a verdict. The verdict line itself (verdictText) is added in its own style.
QStringList reportResultLines(const TFile_Datas &record, const TextTables &texts);

} // namespace vorn::graph
