// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/decode/photo_decoder.h"

#include "imaging/dib/plugin_host.h"
#include "imaging/dib/spi_qx_dib.h"
#include "imaging/errors.h"
#include "support/expect_error.h"
#include "support/camera_jpeg.h"
#include "support/hostile_jpeg.h"
#include "support/image_fixtures.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <functional>
#include <string>

namespace kasumori::imaging {
namespace {

using namespace testkit;

// Decodes everything into a 2 × 2 white picture, or nothing; counts the requests.
class FakePluginHost final : public PicturePluginHost {
 public:
  explicit FakePluginHost(bool decodes) : decodes_(decodes) {}
  std::optional<TQxDIB> Decode(ByteSource&, const QString&) override {
    ++calls;
    if (!decodes_) return std::nullopt;
    TQxDIB picture;
    picture.SetBitCount(24);
    picture.SetSize(2, 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x) picture.SetPixels(x, y, 0x00FFFFFF);
    return picture;
  }
  int calls = 0;

 private:
  bool decodes_;
};

struct Fixture {
  TempTree tree;
  int reports = 0;
  std::function<void()> report = [this] { ++reports; };

  QString Jpeg(const QString& name, int width, int height) {
    const QString path = tree.Path(name);
    EXPECT_TRUE(WriteCameraJpeg(path, width, height, CameraShot{}, 3));
    return path;
  }
};

TEST(ThumbnailDecoding, ReductionFollowsTheQuarterScaleSize) {
  Fixture f;
  PhotoDecoder decoder({}, nullptr);
  const struct {
    int width, height, reduction;
  } cases[] = {{1600, 1200, 2}, {3000, 2000, 4}, {1024, 768, 1}};
  for (const auto& c : cases) {
    TSPIQxDIB thumb;
    const auto reduction = decoder.DecodeForThumbnail(
        f.Jpeg(QString("p%1.jpg").arg(c.width), c.width, c.height), thumb, {}, f.report);
    ASSERT_TRUE(reduction.has_value());
    EXPECT_EQ(*reduction, c.reduction) << c.width;
    EXPECT_EQ(thumb.Width(), c.width / c.reduction);
    EXPECT_EQ(thumb.BitCount(), 24);
  }
  EXPECT_EQ(f.reports, 0);
}

TEST(ThumbnailDecoding, ZoomedRecordsScaleTheTarget) {
  EXPECT_EQ(ThumbnailTarget({true, 1.25}).width, 400);
  EXPECT_EQ(ThumbnailTarget({true, 1.25}).height, 300);
  EXPECT_EQ(ThumbnailScale({400, 300}, {}), JpegScale::Half);
  EXPECT_EQ(ThumbnailScale({400, 300}, {true, 1.25}), JpegScale::Half);
  EXPECT_EQ(ThumbnailScale({400, 300}, {true, 1.3}), JpegScale::Full);  // target 416 × 312
  EXPECT_EQ(ThumbnailScale({640, 480}, {}), JpegScale::Quarter);
  EXPECT_EQ(ThumbnailScale({640, 479}, {}), JpegScale::Half);
}

TEST(ThumbnailDecoding, AJpgWithoutStartOfImageGoesToThePlugins) {
  Fixture f;
  FakePluginHost host(true);
  PhotoDecoder decoder({}, &host);
  const QString path = f.tree.File("fake.jpg", "GIF89a not a jpeg");
  TSPIQxDIB thumb;
  EXPECT_EQ(decoder.DecodeForThumbnail(path, thumb, {}, f.report), 1);
  EXPECT_EQ(f.reports, 1);
  EXPECT_EQ(host.calls, 1);
  EXPECT_EQ(thumb.Pixels(1, 1), 0x00FFFFFFu);
}

TEST(DisplayDecoding, FullSizeIntoTheSameStorageWhenTheSizeIsUnchanged) {
  Fixture f;
  PhotoDecoder decoder({}, nullptr);
  TSPIQxDIB picture;
  ASSERT_TRUE(decoder.DecodeForDisplay(f.Jpeg("a.jpg", 640, 480), picture, f.report));
  EXPECT_EQ(picture.Width(), 640);
  EXPECT_EQ(picture.Height(), 480);
  const void* storage = picture.StorageId();
  ASSERT_TRUE(decoder.DecodeForDisplay(f.Jpeg("b.jpeg", 640, 480), picture, f.report));
  EXPECT_EQ(picture.StorageId(), storage);
  const TQxDIB kept(picture);  // shared now: the next decode must not write into `kept`
  const std::uint32_t before = kept.Pixels(10, 10);
  ASSERT_TRUE(decoder.DecodeForDisplay(f.Jpeg("c.jpg", 320, 240), picture, f.report));
  EXPECT_EQ(kept.Pixels(10, 10), before);
  EXPECT_EQ(f.reports, 0);
}

TEST(DisplayDecoding, ARejectedJpegIsAnErrorReportedOnceNeverAnExit) {
  Fixture f;
  PhotoDecoder decoder({}, nullptr);
  QByteArray broken("\xFF\xD8\xFF\xC0\x00\x11\x08\xFF\xFF", 9);
  broken += QByteArray(40, '\x55');
  TSPIQxDIB picture;
  EXPECT_THROW(decoder.DecodeForDisplay(f.tree.File("broken.jpg", broken), picture, f.report),
               EJpegError);
  EXPECT_EQ(f.reports, 1);
  EXPECT_EQ(picture.Width(), 1);

  // A frame header promising 60000 × 60000 pixels is refused before any pixel memory exists.
  QByteArray huge = EncodeJpeg(MakeTestPicture(16, 16, 2), {});
  const qsizetype sof = huge.indexOf("\xFF\xC0");
  ASSERT_GT(sof, 0);
  for (int at : {5, 7}) {  // height, then width, after length and precision
    huge[sof + at] = char(0xEA);
    huge[sof + at + 1] = char(0x60);
  }
  EXPECT_THROW(decoder.DecodeForDisplay(f.tree.File("huge.jpg", huge), picture, f.report),
               EQxDIBInvalidDIBPara);
  EXPECT_EQ(f.reports, 2);

  // A cut-off file still shows what could be decoded.
  QFile whole(f.Jpeg("whole.jpg", 320, 240));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QString cut = f.tree.File("cut.jpg", whole.readAll().left(3000));
  EXPECT_TRUE(decoder.DecodeForDisplay(cut, picture, f.report));
  EXPECT_EQ(picture.Width(), 320);
}

// Three hostile JPEGs, each a few hundred bytes or all padding: over the pixel limit, under
// it but far too small for its size, and big enough for its size but needing a 768 MiB
// coefficient buffer (16384 × 16384 at 4:2:0 is 6,291,456 blocks of 128 bytes).
struct HostileJpegs {
  explicit HostileJpegs(Fixture& f)
      : overLimit(f.tree.File("progressive_65000x65000_in_600_bytes.jpg",
                              JpegDeclaring(65000, 65000, true))),
        tooShort(f.tree.File("baseline_16384x16384_in_600_bytes.jpg",
                             JpegDeclaring(16384, 16384, false))),
        tooShortSize(QFileInfo(tooShort).size()),
        overMemory(f.tree.File("progressive_16384x16384_padded.jpg",
                               PaddedTo(JpegDeclaring(16384, 16384, true), 786432))) {}
  QString overLimit, tooShort;
  qint64 tooShortSize;
  QString overMemory;
};

TEST(DisplayDecoding, AHostileJpegIsALoadErrorReportedOnceThatEndsDecoding) {
  Fixture f;
  FakePluginHost host(true);
  PhotoDecoder decoder({}, &host);
  const HostileJpegs files(f);
  TSPIQxDIB picture;
  ExpectError<EQxDIBInvalidDIBPara>(
      [&] { decoder.DecodeForDisplay(files.overLimit, picture, f.report); },
      "TQxInternalDIB.Create: Image is too large");
  EXPECT_EQ(f.reports, 1);
  ExpectError<EJpegError>([&] { decoder.DecodeForDisplay(files.tooShort, picture, f.report); },
                          "JPEG file of " + std::to_string(files.tooShortSize) +
                              " bytes is too short for 16384 x 16384 pixels");
  EXPECT_EQ(f.reports, 2);
  ExpectError<EJpegError>([&] { decoder.DecodeForDisplay(files.overMemory, picture, f.report); },
                          "Backing store not supported");
  EXPECT_EQ(f.reports, 3);
  EXPECT_EQ(host.calls, 0);  // an error ends decoding: no plug-in is asked after it
  EXPECT_EQ(picture.Width(), 1);
}

TEST(ThumbnailDecoding, AHostileJpegRunsTheFailureActionOnceAndEndsTheThumbnail) {
  Fixture f;
  FakePluginHost host(true);
  PhotoDecoder decoder({}, &host);
  const HostileJpegs files(f);
  int runs = 0;
  for (const QString& path : {files.overLimit, files.tooShort, files.overMemory}) {
    TSPIQxDIB thumb;
    // The quarter scale of each is within every limit; the declared size is not.
    EXPECT_THROW(decoder.DecodeForThumbnail(path, thumb, {}, f.report), ImagingError)
        << path.toStdString();
    EXPECT_EQ(f.reports, ++runs) << path.toStdString();
    EXPECT_EQ(thumb.Width(), 1) << path.toStdString();
  }
  EXPECT_EQ(host.calls, 0);
}

TEST(DisplayDecoding, OrderOfAttemptsForTiffAndPluginTypes) {
  Fixture f;
  FakePluginHost host(false);
  PhotoDecoder decoder({}, &host);
  TSPIQxDIB picture;
  const QString lzw = f.tree.File(
      "lzw.tif",
      BuildTiff({.width = 2, .height = 2, .compression = 5, .pixels = QByteArray(12, '\x10')}));
  EXPECT_FALSE(decoder.DecodeForDisplay(lzw, picture, f.report));
  EXPECT_EQ(f.reports, 1);
  EXPECT_EQ(host.calls, 0);  // not offered to the plug-ins

  const QString stripless =
      f.tree.File("nostrips.tif", BuildTiff({.width = 2, .height = 2, .withStrips = false}));
  try {
    decoder.DecodeForDisplay(stripless, picture, f.report);
    ADD_FAILURE() << "decoded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_STREQ(e.what(), "Susie Plugins could not decode");
  }
  EXPECT_EQ(f.reports, 3);  // the TIFF step, then the plug-in step
  EXPECT_EQ(host.calls, 1);
}

TEST(DisplayDecoding, PluginFlagsHandJpegsToThePluginsButNotThumbnails) {
  Fixture f;
  FakePluginHost host(true);
  PhotoDecoder decoder({.PluginHandlesJpg = true}, &host);
  const QString path = f.Jpeg("x.jpg", 320, 240);
  TSPIQxDIB picture;
  ASSERT_TRUE(decoder.DecodeForDisplay(path, picture, f.report));
  EXPECT_EQ(picture.Width(), 2);
  TSPIQxDIB thumb;
  EXPECT_EQ(decoder.DecodeForThumbnail(path, thumb, {}, f.report), 1);
  EXPECT_EQ(thumb.Width(), 320);
  EXPECT_EQ(host.calls, 1);
}

TEST(DisplayDecoding, OnlyExactPluginExtensionsSetTheFlags) {
  const PluginFlags f = PluginFlagsFor({".png", ".jpeg", ".tiff", ".bmp"});
  EXPECT_FALSE(f.PluginHandlesJpg);
  EXPECT_TRUE(f.PluginHandlesBmp);
  EXPECT_FALSE(f.PluginHandlesTif);
}

TEST(SpiLoading, BmpNamesTryTheOwnReaderFirst) {
  Fixture f;
  FakePluginHost host(true);
  const QByteArray bmp =
      BuildBmp({.width = 1, .height = 1, .pixels = QByteArray("\x01\x02\x03\0", 4)});
  TSPIQxDIB upper(&host);
  upper.LoadFromFile(f.tree.File("PHOTO.BMP", bmp));
  EXPECT_EQ(host.calls, 0);
  EXPECT_EQ(upper.Pixels(0, 0), 0x00010203u);
  TSPIQxDIB other(&host);
  other.LoadFromFile(f.tree.File("photo.dib", bmp));
  EXPECT_EQ(host.calls, 1);
  EXPECT_EQ(other.Width(), 2);  // the plug-in went first

  TSPIQxDIB none;  // no host, not a BMP either
  EXPECT_THROW(none.LoadFromFile(f.tree.File("a.png", "png?")), EInvalidGraphic);
  EXPECT_EQ(none.Width(), 1);
}

}  // namespace
}  // namespace kasumori::imaging
