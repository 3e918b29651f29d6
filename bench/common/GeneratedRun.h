// A generated measurement file for the benchmarks: a run as the device
// records it, a charge then a discharge with noise, in the program's format.
#pragma once

#include "settings/AnsiCodePage.h"
#include "settings/NumberFormat.h"

#include <QByteArray>
#include <random>

namespace vorn::bench {

// `samples` sample lines followed by the usual tags (decimal comma).
inline QByteArray generatedRun(int samples)
{
    std::mt19937 random(1);
    std::normal_distribution<double> noise(0.0, 0.01);
    QByteArray bytes("<MEAS>\r\n");
    bytes.reserve(qsizetype(samples) * 22 + 1024);
    for (int k = 0; k < samples; ++k) {
        const bool charging = k < samples / 3;
        const double volts = charging ? 12.0 + 2.4 * k / samples * 3 : 14.4 - 3.8 * k / samples;
        const double amps = (charging ? 2.5 : 5.0) + noise(random);
        bytes += QByteArray::number(k) + '\t' + numfmt::formatFixed2(volts, u',').toLatin1() + '\t'
                 + (charging ? "-" : "") + numfmt::formatFixed2(amps, u',').toLatin1() + "\r\n";
    }
    bytes += codepage::encodeAnsi(
        u"<MDT>\t2024.05.14 09:30\r\n<MVN>\tBench\r\n<MEGJ>\r\nGenerated run\r\n<\\MEGJ>\r\n"
        u"<MI>\t1\r\n<NK>\t60\r\n<MSZ>\t80\r\n<P1>\t43200\r\n<MK>\t93\r\n<MIN>\tPASS\r\n<EOF>\r\n");
    return bytes;
}

} // namespace vorn::bench
