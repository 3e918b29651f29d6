// The spreadsheet export as the user runs it: file name, overwrite question,
// progress window, closing message, and a failure on a full disk.
#include "ListViewTestSupport.h"
#include "ExportTestSupport.h"
#include "app/ui/UserPrompts.h"
#include "exchange/ui/ExcelExport.h"
#include "measurement/ui/TFrm_LoadGraph.h"
#include "settings/LanguageTables.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vorn::exchange;

namespace {

struct Message {
    QString text;
    TDialog_Type kind;
    QString progress; // the progress window's caption and label while the message shows
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class ExcelExportTest : public ::testing::Test {
protected:
    ExcelExportTest()
    {
        host.owner = &owner;
        host.texts = &texts;
        host.Sajat_Dlg = [this](const QString &text, TDialog_Type kind) {
            QString progress;
            if (const auto *window = owner.findChild<TFrm_LoadGraph *>(); window && window->isVisible())
                progress = window->windowTitle() + u' ' + window->Label1->text();
            messages.append({text, kind, progress});
            return answer;
        };
        host.setBusy = [this](bool busy) { busyCalls.append(busy); };
        vorn::prompts::setSaveFileHook([this](const vorn::prompts::FileRequest &request) {
            proposed = request.proposedName;
            return chosen;
        });
    }
    ~ExcelExportTest() override { vorn::prompts::clearHooks(); }

    QWidget owner;
    vorn::TextTables texts = lvtest::namedTexts();
    ExchangeHost host;
    TDialog_Result answer = drYes;
    QList<Message> messages;
    QList<bool> busyCalls;
    QString chosen;
    QString proposed;
    QTemporaryDir dir;
};

} // namespace

TEST_F(ExcelExportTest, WritesTheChosenNameAsXlsxWithProgressAndMessage)
{
    chosen = dir.filePath(QStringLiteral("result.csv"));
    Save_ExcelToFile(host, exporttest::sampleRun(500, 2));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^merexp \\d{6}_\\d{4}$")).match(proposed).hasMatch())
        << proposed.toStdString();
    EXPECT_TRUE(contents(dir.filePath(QStringLiteral("result.xlsx"))).startsWith("PK"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, QStringLiteral("T18"));
    EXPECT_EQ(messages[0].kind, dtInformation);
    // The message comes while the progress window still shows 100 %; the
    // window goes after it.
    EXPECT_EQ(messages[0].progress, QStringLiteral("T13 100 %"));
    EXPECT_EQ(owner.findChild<TFrm_LoadGraph *>(), nullptr);
    EXPECT_EQ(busyCalls, (QList<bool>{true, false}));

    messages.clear();
    chosen.clear(); // cancelled
    Save_ExcelToFile(host, exporttest::sampleRun(500, 2));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ExcelExportTest, AnExistingFileIsReplacedOnlyWhenItMayBe)
{
    chosen = dir.filePath(QStringLiteral("result.xlsx"));
    write(chosen, "old");
    answer = drNo;
    Save_ExcelToFile(host, exporttest::sampleRun(10, 1));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, QStringLiteral("T21"));
    EXPECT_EQ(messages[0].kind, dtQuestion);
    EXPECT_EQ(contents(chosen), "old");

    answer = drYes;
    Save_ExcelToFile(host, exporttest::sampleRun(10, 1));
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[2].text, QStringLiteral("T18"));
    EXPECT_TRUE(contents(chosen).startsWith("PK"));

    chosen = dir.filePath(QStringLiteral("folder.xlsx"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("folder.xlsx")));
    Save_ExcelToFile(host, exporttest::sampleRun(10, 1));
    ASSERT_EQ(messages.size(), 5);
    EXPECT_EQ(messages[4].text, QStringLiteral("E28"));
    EXPECT_EQ(messages[4].kind, dtError);
}

TEST_F(ExcelExportTest, AFullDiskLeavesTheOldFileAndSaysWhy)
{
    const QString disk = dir.filePath(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                   QStringLiteral("-o"), QStringLiteral("size=64k"),
                                                   QStringLiteral("tmpfs"), disk}) != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    struct Unmount {
        QString disk;
        ~Unmount() { QProcess::execute(QStringLiteral("umount"), {disk}); }
    } unmount{disk};

    chosen = QDir(disk).filePath(QStringLiteral("run.xlsx"));
    write(chosen, "the previous export");
    Save_ExcelToFile(host, exporttest::sampleRun(60000, 1));

    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].kind, dtError);
    EXPECT_EQ(messages[1].text, QString::fromUtf16(kExportFailedText) + u'\n' + chosen
                                    + QStringLiteral(": No space left on device"));
    EXPECT_EQ(contents(chosen), "the previous export");
    EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("run.xlsx")});
    EXPECT_EQ(owner.findChild<TFrm_LoadGraph *>(), nullptr);
}
