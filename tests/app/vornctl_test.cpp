// vornctl as a user's script sees it: run the real executable and read its
// JSON and exit status.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <locale.h>

namespace {

struct CtlRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

CtlRun vornctl(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(VORN_BIN_DIR "/vornctl"), args);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString sample(const char *name)
{
    return QStringLiteral(VORN_MEASUREMENT_DATA_DIR "/") + QLatin1String(name);
}

} // namespace

TEST(VornctlInfo, WorkedExampleGivesRecordSamplesAndEvaluation)
{
    const CtlRun run = vornctl({QStringLiteral("info"), sample("worked_example.VRN")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject doc = run.json();
    EXPECT_TRUE(doc[QLatin1String("ok")].toBool());

    const QJsonObject record = doc[QLatin1String("record")].toObject();
    EXPECT_EQ(record[QLatin1String("MDT")].toString(), QStringLiteral("14.05. 09:30"));
    EXPECT_EQ(record[QLatin1String("MVN")].toString(), QStringLiteral("Operator"));
    EXPECT_EQ(record[QLatin1String("Megj")].toString(),
              QStringLiteral("first line of the comment\r\nsecond line"));
    EXPECT_EQ(record[QLatin1String("Mint_ido")].toInt(), 60);
    EXPECT_EQ(record[QLatin1String("Minosit_szaz")].toInt(), 80);
    EXPECT_EQ(record[QLatin1String("Pass_100")].toInt(), 43200);
    EXPECT_TRUE(record[QLatin1String("Minosites")].toBool());
    EXPECT_EQ(record[QLatin1String("DeltaM")].toInt(), 0);
    EXPECT_EQ(record[QLatin1String("Ukorr")].toDouble(), 1.0);
    EXPECT_FALSE(record.contains(QLatin1String("Meres_Datas")));
    EXPECT_FALSE(record.contains(QLatin1String("Kep")));

    const QJsonArray samples = doc[QLatin1String("samples")].toArray();
    ASSERT_EQ(samples.size(), 4);
    EXPECT_EQ(samples[0].toArray(), (QJsonArray{2.5, 12.84, true}));
    EXPECT_EQ(samples[2].toArray(), (QJsonArray{5.0, 12.70, false}));
    EXPECT_TRUE(doc[QLatin1String("picture")].isNull());

    const QJsonObject evaluation = doc[QLatin1String("evaluation")].toObject();
    EXPECT_EQ(evaluation[QLatin1String("discharge_start_s")].toInt(), 120);
    EXPECT_EQ(evaluation[QLatin1String("verdict")].toString(), QStringLiteral("PASS"));
    const QJsonArray upper = evaluation[QLatin1String("limit_upper")].toArray();
    ASSERT_EQ(upper.size(), 4);
    EXPECT_EQ(upper[0].toArray(), (QJsonArray{120, 13}));
    EXPECT_EQ(upper[2].toArray(), (QJsonArray{120 + 43200, 11.3}));
    const QJsonObject view = evaluation[QLatin1String("default_view")].toObject();
    EXPECT_EQ(view[QLatin1String("unit")].toInt(), 1);
    EXPECT_EQ(view[QLatin1String("bottom")].toArray(), (QJsonArray{0, 3.2}));
}

TEST(VornctlInfo, ReportLinesFollowTheChosenLanguage)
{
    const CtlRun magyar = vornctl({QStringLiteral("info"), sample("demo_short.VRN"), QStringLiteral("--no-samples")});
    const CtlRun english = vornctl({QStringLiteral("info"), sample("demo_short.VRN"), QStringLiteral("--no-samples"),
                                 QStringLiteral("--lang"), QStringLiteral("English")});
    ASSERT_EQ(magyar.exitCode, 0);
    ASSERT_EQ(english.exitCode, 0);
    EXPECT_FALSE(magyar.json().contains(QLatin1String("samples")));
    const auto firstLine = [](const CtlRun &run) {
        return run.json()[QLatin1String("evaluation")].toObject()[QLatin1String("report_lines")]
            .toArray()[0].toString();
    };
    EXPECT_TRUE(firstLine(magyar).startsWith(QStringLiteral("1  Töltés"))) << firstLine(magyar).toStdString();
    EXPECT_FALSE(firstLine(english).contains(QStringLiteral("Töltés")));
    EXPECT_TRUE(firstLine(english).endsWith(QStringLiteral(" A×h")));
}

TEST(VornctlInfo, RejectedFilesAndUsageErrorsHaveTheirExitStatus)
{
    QTemporaryDir dir;
    const QString oneSample = dir.filePath(QStringLiteral("one.VRN"));
    QFile file(oneSample);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<MEAS>\r\n0\t12,00\t1,00\r\n");
    file.close();

    const CtlRun tooFew = vornctl({QStringLiteral("info"), oneSample});
    EXPECT_EQ(tooFew.exitCode, 1);
    EXPECT_EQ(tooFew.json()[QLatin1String("error")].toInt(), 29);
    EXPECT_FALSE(tooFew.json()[QLatin1String("ok")].toBool());

    const CtlRun missing = vornctl({QStringLiteral("info"), dir.filePath(QStringLiteral("none.VRN"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.json()[QLatin1String("error")].toInt(), 3);
    EXPECT_TRUE(missing.err.startsWith("error 3: ")) << missing.err.constData();

    // A language the language file does not hold is a usage error, not a
    // report full of placeholders.
    const CtlRun unknown = vornctl({QStringLiteral("report"), sample("worked_example.VRN"),
                                    dir.filePath(QStringLiteral("r.pdf")), QStringLiteral("--lang"),
                                    QStringLiteral("Klingon")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("Klingon")) << unknown.err.constData();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("r.pdf"))));

    EXPECT_EQ(vornctl({}).exitCode, 2);
    EXPECT_EQ(vornctl({QStringLiteral("info")}).exitCode, 2);
    EXPECT_EQ(vornctl({QStringLiteral("info"), oneSample, QStringLiteral("--bogus")}).exitCode, 2);
    EXPECT_EQ(vornctl({QStringLiteral("save"), oneSample}).exitCode, 2);
    EXPECT_EQ(vornctl({QStringLiteral("frobnicate")}).exitCode, 2);
}

TEST(VornctlHelp, ListsEverySubcommandAndShowsEachOnesUsage)
{
    const CtlRun overview = vornctl({QStringLiteral("--help")});
    EXPECT_EQ(overview.exitCode, 0);
    const QString text = QString::fromUtf8(overview.out);
    const qsizetype listed = text.indexOf(QStringLiteral("subcommands:\n"));
    ASSERT_GE(listed, 0) << overview.out.constData();
    // One line each: the name, then what it does.
    QStringList names;
    for (const QString &line : text.mid(listed).split(u'\n').mid(1)) {
        if (line.isEmpty())
            break;
        const QStringList words = line.simplified().split(u' ');
        ASSERT_GE(words.size(), 3) << line.toStdString();
        names << words[0];
    }
    EXPECT_TRUE(names.contains(QStringLiteral("info")) && names.contains(QStringLiteral("save")));
    for (const QString &name : names) {
        const CtlRun help = vornctl({name, QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0) << name.toStdString();
        EXPECT_TRUE(help.out.startsWith("usage: vornctl " + name.toUtf8() + ' ')) << help.out.constData();
        EXPECT_TRUE(help.err.isEmpty());
    }
    // Asking for help never runs the subcommand: nothing is written.
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.VRN"));
    EXPECT_EQ(vornctl({QStringLiteral("save"), sample("demo_short.VRN"), out, QStringLiteral("-h")}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(out));
}

TEST(VornctlSave, SavedFileReadsBackToTheSameRecordAndPicture)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("copy.VRN"));
    const CtlRun save = vornctl({QStringLiteral("save"), sample("logo_picture.VRN"), out});
    ASSERT_EQ(save.exitCode, 0) << save.err.constData();

    const CtlRun original = vornctl({QStringLiteral("info"), sample("logo_picture.VRN")});
    const CtlRun copy = vornctl({QStringLiteral("info"), out});
    ASSERT_EQ(copy.exitCode, 0);
    EXPECT_EQ(copy.json()[QLatin1String("samples")], original.json()[QLatin1String("samples")]);
    EXPECT_EQ(copy.json()[QLatin1String("picture")], original.json()[QLatin1String("picture")]);
    EXPECT_EQ(copy.json()[QLatin1String("evaluation")], original.json()[QLatin1String("evaluation")]);
    QJsonObject a = original.json()[QLatin1String("record")].toObject();
    QJsonObject b = copy.json()[QLatin1String("record")].toObject();
    EXPECT_EQ(a, b);
}

TEST(VornctlSave, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("not_a_folder"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    const CtlRun save = vornctl({QStringLiteral("save"), sample("demo_short.VRN"),
                              blocker + QStringLiteral("/out.VRN")});
    EXPECT_EQ(save.exitCode, 1);
    EXPECT_TRUE(save.err.contains("out.VRN"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
}

TEST(VornctlExport, WorkbookUnderADecimalCommaLocaleHoldsTheSameNumbers)
{
    // The export must not write the user's decimal comma into the workbook.
    const char *commaLocale = "hu_HU.UTF-8";
    locale_t probe = newlocale(LC_NUMERIC_MASK, commaLocale, locale_t(nullptr));
    if (!probe)
        GTEST_SKIP() << "locale " << commaLocale << " is not installed";
    freelocale(probe);

    QTemporaryDir dir;
    // The name is kept as given.
    const QString out = dir.filePath(QStringLiteral("run.data"));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(commaLocale));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VORN_BIN_DIR "/vornctl"),
                  {QStringLiteral("export"), sample("worked_example.VRN"), out});
    process.waitForFinished(60000);
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();

    const QJsonArray samples = vornctl({QStringLiteral("info"), sample("worked_example.VRN")})
                                   .json()[QLatin1String("samples")].toArray();
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(VORN_WORKBOOK_READER), out});
    python.waitForFinished(60000);
    const QJsonArray sheets = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    ASSERT_EQ(sheets.size(), 1) << python.readAllStandardError().constData();
    const QJsonObject sheet = sheets[0].toObject();
    EXPECT_EQ(sheet[QLatin1String("name")].toString(), QStringLiteral("0 s - 240 s"));
    const auto row = [&](const char *which) {
        QJsonArray values;
        for (const QJsonValue &cell : sheet[QLatin1String(which)].toArray())
            values.append(cell[QLatin1String("v")]);
        return values;
    };
    const QJsonArray first = samples[0].toArray();
    const QJsonArray last = samples[3].toArray();
    EXPECT_EQ(row("first"), (QJsonArray{0, first[1], first[0], QStringLiteral("Charge")}));
    EXPECT_EQ(row("last"), (QJsonArray{180, last[1], last[0], QStringLiteral("Discharge")}));
}

TEST(VornctlExport, RejectedInputAndUnwritableTargetsHaveTheirExitStatus)
{
    QTemporaryDir dir;
    EXPECT_EQ(vornctl({QStringLiteral("export"), sample("worked_example.VRN")}).exitCode, 2);
    const CtlRun missing = vornctl({QStringLiteral("export"), dir.filePath(QStringLiteral("none.VRN")),
                                    dir.filePath(QStringLiteral("out.xlsx"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith("error 3: ")) << missing.err.constData();
    const CtlRun noFolder = vornctl({QStringLiteral("export"), sample("worked_example.VRN"),
                                     dir.filePath(QStringLiteral("no/out.xlsx"))});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_TRUE(noFolder.err.contains("no")) << noFolder.err.constData();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("no/out.xlsx"))));
}

TEST(VornctlSpan, ReadsTheTimesWithEitherSeparatorAndPrintsTheReadOut)
{
    // 2 charging samples at 13 V and 2 A, then 3 discharging at 11 V and 4 A,
    // 900 s (a quarter of an hour) apart.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("span.VRN"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<MEAS>\r\n0\t13,00\t-2,00\r\n1\t13,00\t-2,00\r\n2\t11,00\t4,00\r\n"
               "3\t11,00\t4,00\r\n4\t11,00\t4,00\r\n<MI>\t900\r\n<EOF>\r\n");
    file.close();

    // The later time first; 449.5 s meets sample 0 and
    // 3150 s (3.5 samples) the lower sample 3.
    for (const QStringList &times : {QStringList{u"3150"_qs, u"449,5"_qs}, QStringList{u"3150.0"_qs, u"449.5"_qs}}) {
        const CtlRun run = vornctl({QStringLiteral("span"), path, times[0], times[1]});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QJsonObject span = run.json();
        EXPECT_EQ(span[QLatin1String("from_index")].toInt(), 0);
        EXPECT_EQ(span[QLatin1String("to_index")].toInt(), 3);
        EXPECT_EQ(span[QLatin1String("dt_s")].toDouble(), 2700.0);
        EXPECT_EQ(span[QLatin1String("du_v")].toDouble(), -2.0);
        EXPECT_EQ(span[QLatin1String("ah_charge")].toDouble(), 1.0);
        EXPECT_EQ(span[QLatin1String("ah_discharge")].toDouble(), 1.0);
        EXPECT_EQ(span[QLatin1String("ah_total")].toDouble(), 2.0);
        EXPECT_EQ(span[QLatin1String("wh_charge")].toDouble(), 13.0);
        EXPECT_EQ(span[QLatin1String("wh_discharge")].toDouble(), 11.0);
        EXPECT_EQ(span[QLatin1String("wh_total")].toDouble(), 24.0);
        EXPECT_EQ(span[QLatin1String("u_mean")].toDouble(), 12.0);
        EXPECT_EQ(span[QLatin1String("u_min")].toDouble(), 11.0);
        EXPECT_EQ(span[QLatin1String("u_max")].toDouble(), 13.0);
    }

    const CtlRun missing = vornctl({QStringLiteral("span"), dir.filePath(QStringLiteral("none.VRN")),
                                    QStringLiteral("0"), QStringLiteral("1")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.json()[QLatin1String("error")].toInt(), 3);
    EXPECT_TRUE(missing.err.startsWith("error 3: ")) << missing.err.constData();
    EXPECT_EQ(vornctl({QStringLiteral("span"), path, QStringLiteral("0")}).exitCode, 2);
    EXPECT_EQ(vornctl({QStringLiteral("span"), path, QStringLiteral("1,5.0"), QStringLiteral("2")}).exitCode, 2);
    EXPECT_EQ(vornctl({QStringLiteral("span"), path, QStringLiteral("nan"), QStringLiteral("2")}).exitCode, 2);
}
