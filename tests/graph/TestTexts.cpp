// The text table shared by the graph tests.
#include "TestTexts.h"

#include "settings/NumberFormat.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace graphtest {

namespace {

QString wordFor(int index)
{
    switch (index) {
    case 9: return QStringLiteral("kisütés");
    case 10: return QStringLiteral("töltés");
    case 53: return QStringLiteral("perc");
    case 54: return QStringLiteral("óra");
    case 128: return QStringLiteral("mp");
    default: return QStringLiteral("T%1").arg(index);
    }
}

vorn::TextTables makeTexts()
{
    QStringList lines;
    for (int i = 0; i <= 199; ++i)
        lines.append(QStringLiteral("Text%1=%2").arg(i).arg(wordFor(i)));
    vorn::TextTables tables;
    tables.loadSectionLines(lines);
    return tables;
}

// The program reads and writes numbers with a decimal comma once a graph
// window exists; every graph test runs that way.
class DecimalCommaEnvironment : public ::testing::Environment {
public:
    void SetUp() override { vorn::numfmt::useComma(); }
};

[[maybe_unused]] ::testing::Environment *const decimalComma =
    ::testing::AddGlobalTestEnvironment(new DecimalCommaEnvironment);

} // namespace

const vorn::TextTables &texts()
{
    static const vorn::TextTables tables = makeTexts();
    return tables;
}

std::vector<TMeres_Datas> samples(int charging, int discharging, double volts, double amperes)
{
    std::vector<TMeres_Datas> data;
    for (int i = 0; i < charging + discharging; ++i)
        data.push_back({amperes, volts, i < charging});
    return data;
}

TFile_Datas record(std::vector<TMeres_Datas> data, int Mint_ido)
{
    TFile_Datas r;
    r.Meres_Datas = std::move(data);
    r.Mint_ido = Mint_ido;
    r.Kis_Aram = 2.5;
    r.N_Kapac = 100;
    r.Tolt_ido = 14;
    r.Kis_vegfesz = 10.5;
    r.Minosit_szaz = 80;
    r.Pass_100 = 36000;
    r.Meres_No = 7;
    r.U0 = 12.75;
    r.Mert_kap = 85;
    return r;
}

} // namespace graphtest
