// The picture block: where it is found, and which BMP bytes are accepted.
#include "MeasurementTestSupport.h"

#include "measurement/BmpHeader.h"
#include "measurement/PictureBlock.h"

#include <QBuffer>
#include <QImageWriter>

namespace vorn::measurement::test {
namespace {

using Picture = MeasurementTest;

QByteArray bmpOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(QImageWriter(&buffer, "bmp").write(image));
    return bytes;
}

QByteArray between(const QByteArray &file, const char *from, const char *to)
{
    const qsizetype begin = file.lastIndexOf(from) + 7;
    return file.mid(begin, file.lastIndexOf(to) - begin);
}

void putU32(QByteArray &bytes, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

TEST_F(Picture, SavedPictureIsLoadedWithItsBytes)
{
    const QByteArray file = dataFile("logo_picture.VRN");
    const TFile_Datas r = loaded(file);
    ASSERT_TRUE(r.Use_Kep);
    EXPECT_EQ(r.Kep.image().size(), QSize(250, 120));
    EXPECT_EQ(r.Kep.bmpFile(), between(file, "<Kep>", "<EOF>"));
    EXPECT_EQ(r.MVN, u"Fekete László"); // the text lines before the picture still count
    EXPECT_DOUBLE_EQ(r.N_Kapac, 6);
}

TEST_F(Picture, StrayEofInsidePictureDoesNotShortenIt)
{
    const QByteArray file = dataFile("picture_with_stray_eof.VRN");
    const TFile_Datas r = loaded(file);
    ASSERT_TRUE(r.Use_Kep);
    EXPECT_EQ(r.Kep.image().size(), QSize(4, 3));
    EXPECT_TRUE(r.Kep.bmpFile().contains("<EOF>"));
    EXPECT_EQ(r.Kep.bmpFile().size(), file.size() - file.indexOf("BM") - 7);
}

TEST_F(Picture, MissingEndOrLaterResultMeansNoPicture)
{
    for (const char *name : {"picture_without_eof.VRN", "result_after_picture.VRN"}) {
        const ReadResult r = load(dataFile(name));
        ASSERT_TRUE(r.ok()) << name;
        EXPECT_FALSE(r.record.Use_Kep) << name;
        EXPECT_EQ(r.record.Meres_Datas.size(), 3u) << name;
    }
}

TEST_F(Picture, MarkerPositionsFollowTheSearchRange)
{
    EXPECT_EQ(findPictureMarker("<Kep>\r\n<EOF>\r\n"), -1); // position 0 is not searched
    EXPECT_EQ(findPictureMarker("x<Kep>\r\n!"), 1);         // N - 8
    EXPECT_EQ(findPictureMarker("xx<Kep>\r\n"), -1);        // past N - 8
    EXPECT_EQ(findPictureMarker("x<Kep>\r\nBM<Kep>\r\n!"), 10); // the last one
    EXPECT_EQ(findPictureMarker("x<Kep>\r\n<Result>"), -1);
    EXPECT_EQ(findPictureMarker("x<Result><Kep>\r\nabc"), 9);
    EXPECT_EQ(findPictureEnd("x<Kep>\r\nBM<EOF><EOF>\r\n", 1), 15);
    EXPECT_EQ(findPictureEnd("x<Kep>\r\nBM<EOF", 1), -1);
    EXPECT_EQ(findPictureEnd("<EOF>x<Kep>\r\nBM", 6), -1); // before the marker
}

// The one-pass scan over pieces finds what the two searches find whole.
TEST_F(Picture, ScanInPiecesFindsTheSamePlaces)
{
    for (const QByteArray text : {"x<Kep>\r\n!", "xx<Kep>\r\n", "x<Kep>\r\nBM<Kep>\r\n!",
                                  "x<Kep>\r\n<Result>", "x<Result><Kep>\r\nabc",
                                  "x<Kep>\r\nBM<EOF><EOF>\r\n", "x<Kep>\r\nBM<EOF",
                                  "<EOF>x<Kep>\r\nBM<EOF>", "<Kep><Kep>"}) {
        const qsizetype marker = findPictureMarker(text);
        const qsizetype end = findPictureEnd(text, marker);
        for (qsizetype piece = 1; piece <= text.size(); ++piece) {
            PictureScan scan;
            for (qsizetype at = 0; at < text.size(); at += piece)
                scan.add(QByteArrayView(text).sliced(at, std::min(piece, text.size() - at)));
            EXPECT_EQ(scan.place().marker, marker) << text.constData() << " in pieces of " << piece;
            EXPECT_EQ(scan.place().end, marker >= 0 ? end : -1) << text.constData() << " in pieces of " << piece;
        }
    }
}

TEST_F(Picture, MarkerAtStartOfFileIsNotAPicture)
{
    EXPECT_TRUE(load(vrn({u"<Kep>", u"<MEAS>", u"0\t1,00\t1,00", u"1\t1,00\t1,00", u"<EOF>"}))
                    .ok());
}

TEST_F(Picture, BlockThatIsNotAFittingBmpCannotBeRead)
{
    for (const char *name : {"truncated_bmp.VRN", "forged_bmp_size.VRN"}) {
        const ReadResult r = load(dataFile(name));
        EXPECT_EQ(r.error, kErrCannotRead) << name;
        EXPECT_EQ(r.failure, ReadFailure::BadPicture) << name;
    }
    const QByteArray text = vrn({u"<MEAS>", u"0\t1,00\t1,00", u"1\t1,00\t1,00", u"<Kep>"});
    EXPECT_EQ(load(text + "<EOF>\r\n").failure, ReadFailure::BadPicture);          // empty
    EXPECT_EQ(load(text + "not a bitmap<EOF>\r\n").failure, ReadFailure::BadPicture);
    // "<EOF>" right after "<Kep>" ends before the picture would start.
    EXPECT_EQ(load(text.chopped(2) + "<EOF>\r\n").failure, ReadFailure::BadPicture);
}

TEST_F(Picture, HeaderCheckAcceptsWhatQtWritesInEveryDepth)
{
    QImage rgb(33, 7, QImage::Format_RGB32);
    rgb.fill(Qt::darkCyan);
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32,
                                  QImage::Format_Indexed8, QImage::Format_Mono}) {
        const QByteArray bmp = bmpOf(rgb.convertToFormat(format));
        EXPECT_TRUE(bmpHeaderFitsBytes(bmp)) << format;
        const std::optional<QImage> image = decodeBmp(bmp);
        ASSERT_TRUE(image) << format;
        EXPECT_EQ(image->size(), QSize(33, 7));
    }
}

TEST_F(Picture, HeaderCheckRefusesHeadersThatDoNotMatchTheirBytes)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QByteArray good = bmpOf(image);
    ASSERT_TRUE(bmpHeaderFitsBytes(good));
    const auto refused = [&](const char *what, auto change) {
        QByteArray bad = good;
        change(bad);
        EXPECT_FALSE(bmpHeaderFitsBytes(bad)) << what;
        EXPECT_FALSE(decodeBmp(bad)) << what;
    };
    refused("signature", [](QByteArray &b) { b[0] = 'X'; });
    refused("rows cut short", [](QByteArray &b) { b.chop(20); });
    refused("file size beyond the bytes", [&](QByteArray &b) { putU32(b, 2, b.size() + 1); });
    refused("file size below the rows", [&](QByteArray &b) { putU32(b, 2, b.size() - 4); });
    refused("pixel offset beyond", [&](QByteArray &b) { putU32(b, 10, b.size() - 10); });
    refused("header size", [](QByteArray &b) { putU32(b, 14, 41); });
    refused("height", [](QByteArray &b) { putU32(b, 22, 4000); });
    refused("width", [](QByteArray &b) { putU32(b, 18, 0x7FFFFFFF); });
    refused("zero height", [](QByteArray &b) { putU32(b, 22, 0); });
    refused("bit depth", [](QByteArray &b) { b[28] = 7; });
    refused("run-length", [](QByteArray &b) { putU32(b, 30, 1); });
    refused("too short", [](QByteArray &b) { b.truncate(20); });
}

} // namespace
} // namespace vorn::measurement::test
