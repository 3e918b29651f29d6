// vornctl batch as a lab runs it over a folder, its summary read back with
// Python's csv module and openpyxl; the input collection and output naming
// rules on their own; the integrity warnings of `vornctl info`.
#include "app/BatchInputs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CtlResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// vornctl with a fixed "now" and hash seed, so two runs can be compared byte
// for byte.
CtlResult vornctl(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1715678400"));
    env.insert(QStringLiteral("QT_HASH_SEED"), QStringLiteral("0"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VORN_BIN_DIR "/vornctl"), args);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray measurement(const char *capacity, const char *verdict)
{
    return QByteArray("<MEAS>\r\n0\t12,50\t-2,50\r\n1\t13,10\t-2,50\r\n2\t12,70\t5,00\r\n"
                      "3\t12,41\t5,00\r\n<MDT>\t2024.05.14 09:30\r\n<MI>\t60\r\n<MSZ>\t80\r\n<MK>\t")
           + capacity + "\r\n<MIN>\t" + verdict + "\r\n<EOF>\r\n";
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A day's folder: a passing, a failing, a rejected and a truncated file, and
// a file that is no measurement.
void writeDay(const QDir &in)
{
    const QByteArray pass = measurement("93", "PASS");
    write(in.filePath(QStringLiteral("pass.VRN")), pass);
    write(in.filePath(QStringLiteral("fail, cell 2.VRN")), measurement("70", "FAIL"));
    write(in.filePath(QStringLiteral("rejected.VRN")), "<MEAS>\r\n0\t12,00\t1,00\r\n<EOF>\r\n");
    write(in.filePath(QStringLiteral("truncated.vrn")), pass.left(pass.indexOf("<MIN>")));
    write(in.filePath(QStringLiteral("notes.txt")), "not a measurement");
}

QJsonObject summaryOf(const QString &folder)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(VORN_SUMMARY_READER), folder});
    python.waitForFinished(60000);
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().constData();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

// A PDF without its creation date, the one thing that differs between runs.
QByteArray withoutCreationDate(QByteArray pdf)
{
    static const QRegularExpression date(QStringLiteral("/CreationDate \\([^)]*\\)"));
    return QString::fromLatin1(pdf).remove(date).toLatin1();
}

TEST(VornctlBatch, SummaryOfADayReadsBackAndDoesNotDependOnTheJobs)
{
    QTemporaryDir dir;
    const QDir in(dir.filePath(QStringLiteral("in")));
    ASSERT_TRUE(QDir().mkpath(in.path()));
    writeDay(in);
    const QString one = dir.filePath(QStringLiteral("one"));
    const QString two = dir.filePath(QStringLiteral("two"));
    const QStringList common{QStringLiteral("batch"), QStringLiteral("--pdf"), QStringLiteral("--xlsx"),
                             QStringLiteral("--lang"), QStringLiteral("English"), in.path()};
    const CtlResult first = vornctl(common + QStringList{QStringLiteral("--jobs"), QStringLiteral("1"),
                                                    QStringLiteral("--out"), one});
    EXPECT_EQ(first.exitCode, 3) << first.err.constData(); // the rejected file wins
    const CtlResult second = vornctl(common + QStringList{QStringLiteral("--jobs"), QStringLiteral("2"),
                                                     QStringLiteral("--out"), two});
    EXPECT_EQ(second.exitCode, 3);

    const QJsonObject summary = summaryOf(one);
    const QJsonArray csv = summary[QLatin1String("csv")].toArray();
    ASSERT_EQ(csv.size(), 5) << QJsonDocument(summary).toJson().constData();
    const auto row = [&](int i) {
        QStringList fields;
        for (const QJsonValue &field : csv[i].toArray())
            fields << field.toString();
        return fields;
    };
    EXPECT_EQ(row(0).join(u'|'), QStringLiteral("File|SHA-256|Samples|Interval (s)|Duration (s)|"
                                                "Discharge (s)|Capacity (%)|Threshold (%)|Verdict|"
                                                "Tester verdict|Periods|Warnings|Error|Output"));
    const QString failPath = in.filePath(QStringLiteral("fail, cell 2.VRN"));
    const QString failHash = QString::fromLatin1(
        QCryptographicHash::hash(readAll(failPath), QCryptographicHash::Sha256).toHex());
    // In name order; the comma in the name survives the quoting.
    EXPECT_EQ(row(1), (QStringList{failPath, failHash, "4", "60", "240", "120", "70", "80", "FAIL",
                                   "FAIL", "2", "0", "", "fail, cell 2"}));
    EXPECT_EQ(row(2).mid(2), (QStringList{"4", "60", "240", "120", "93", "80", "PASS", "PASS", "2",
                                          "0", "", "pass"}));
    EXPECT_EQ(row(3).mid(2), (QStringList{"", "", "", "", "", "", "", "", "", "",
                                          "The measurement file contains too few samples (at least "
                                          "two are needed).",
                                          "rejected"}));
    EXPECT_EQ(row(4).mid(2), (QStringList{"4", "60", "240", "120", "93", "80", "PASS", "", "2", "1",
                                          "", "truncated"}));

    // The workbook holds the same table: numbers as numbers, a bold header,
    // the verdict cell green or red.
    const QJsonArray xlsx = summary[QLatin1String("xlsx")].toArray();
    ASSERT_EQ(xlsx.size(), csv.size());
    for (qsizetype r = 0; r < xlsx.size(); ++r) {
        const QJsonArray cells = xlsx[r].toArray();
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QJsonValue value = cells[c][QLatin1String("v")];
            const QString text = value.isDouble() ? QString::number(value.toInteger())
                                                  : value.toString();
            EXPECT_EQ(text, csv[r].toArray()[c].toString()) << "row " << r << " column " << c;
        }
    }
    EXPECT_TRUE(xlsx[0].toArray()[0][QLatin1String("bold")].toBool());
    EXPECT_TRUE(xlsx[1].toArray()[2][QLatin1String("v")].isDouble());
    EXPECT_TRUE(xlsx[1].toArray()[8][QLatin1String("fill")].toString().endsWith(QLatin1String("FFC7CE")));
    EXPECT_TRUE(xlsx[2].toArray()[8][QLatin1String("fill")].toString().endsWith(QLatin1String("C6EFCE")));

    // Reports and workbooks for the files read, nothing for the rejected one;
    // every output the same whatever the number of jobs.
    const QStringList outputs = QDir(one).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(outputs, (QStringList{"fail, cell 2.pdf", "fail, cell 2.xlsx", "pass.pdf", "pass.xlsx",
                                    "summary.csv", "summary.xlsx", "truncated.pdf", "truncated.xlsx"}));
    EXPECT_EQ(QDir(two).entryList(QDir::Files, QDir::Name), outputs);
    for (const QString &name : outputs) {
        const QByteArray a = readAll(QDir(one).filePath(name));
        const QByteArray b = readAll(QDir(two).filePath(name));
        ASSERT_FALSE(a.isEmpty()) << qPrintable(name);
        if (name.endsWith(QLatin1String(".pdf")))
            EXPECT_EQ(withoutCreationDate(a), withoutCreationDate(b)) << qPrintable(name);
        else
            EXPECT_EQ(a, b) << qPrintable(name);
    }
}

TEST(VornctlBatch, ExitStatusFollowsTheWorstFileAndUsageErrorsAreTwo)
{
    QTemporaryDir dir;
    const QString pass = dir.filePath(QStringLiteral("pass.VRN"));
    const QString fail = dir.filePath(QStringLiteral("fail.VRN"));
    write(pass, measurement("93", "PASS"));
    write(fail, measurement("70", "FAIL"));
    const QString out = dir.filePath(QStringLiteral("out"));
    const QStringList batch{QStringLiteral("batch"), QStringLiteral("--out"), out};
    EXPECT_EQ(vornctl(batch + QStringList{pass}).exitCode, 0);
    EXPECT_EQ(vornctl(batch + QStringList{pass, fail}).exitCode, 1);
    EXPECT_EQ(vornctl(batch).exitCode, 2);
    EXPECT_EQ(vornctl(batch + QStringList{QStringLiteral("--jobs"), QStringLiteral("0"), pass}).exitCode, 2);
    EXPECT_EQ(vornctl(batch + QStringList{QStringLiteral("--bogus"), pass}).exitCode, 2);
}

TEST(BatchInputs, FoldersGiveTheirMeasurementsInNameOrderAndEachFileOnce)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("sub")));
    for (const char *name : {"b.VRN", "A.vrn", "c.txt", "sub/a.VRN"})
        write(root.filePath(QLatin1String(name)), "x");
    const QString b = root.filePath(QStringLiteral("b.VRN"));
    using vorn::batch::collectInputs;
    EXPECT_EQ(collectInputs({root.path(), b}, false),
              (QStringList{root.filePath(QStringLiteral("A.vrn")), b}));
    EXPECT_EQ(collectInputs({b, root.path()}, true),
              (QStringList{b, root.filePath(QStringLiteral("A.vrn")),
                           root.filePath(QStringLiteral("sub/a.VRN"))}));
    // A path that does not exist still gets its row.
    EXPECT_EQ(collectInputs({QStringLiteral("no/such.VRN")}, false), QStringList{"no/such.VRN"});
}

TEST(BatchInputs, OutputNamesNeverCollideWithEachOtherOrTheSummary)
{
    EXPECT_EQ(vorn::batch::outputNames({"a/run.VRN", "b/RUN.vrn", "c/run_2.VRN", "d/summary.VRN",
                                        "e/x.y.VRN"}),
              (QStringList{"run", "RUN_2", "run_2_2", "summary_2", "x.y"}));
}

TEST(VornctlInfo, ListsTheIntegrityWarningsOfATruncatedFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cut.VRN"));
    const QByteArray whole = measurement("93", "PASS");
    write(path, whole.left(whole.indexOf("<MIN>")));
    const CtlResult run = vornctl({QStringLiteral("info"), path, QStringLiteral("--no-samples"),
                             QStringLiteral("--lang"), QStringLiteral("English")});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonArray warnings = QJsonDocument::fromJson(run.out).object()[QLatin1String("warnings")].toArray();
    ASSERT_EQ(warnings.size(), 1) << run.out.constData();
    const QJsonObject warning = warnings[0].toObject();
    EXPECT_EQ(warning[QLatin1String("kind")].toString(), QStringLiteral("no-eof"));
    EXPECT_EQ(warning[QLatin1String("line")].toInt(), 9);
    EXPECT_EQ(warning[QLatin1String("index")].toInt(), 3);
    EXPECT_EQ(warning[QLatin1String("text")].toString(),
              QStringLiteral("The file ends without <EOF> after line 9: it may be cut short"));
}

} // namespace
