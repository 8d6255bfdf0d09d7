// SPDX-License-Identifier: GPL-3.0-or-later
// A photo composed while it decodes must be the photo composed after it: the same pixels on
// screen and in the histogram, the same labels and notices, for every way a composition can
// differ and every way a decode can fail.
#include "display/photo_display.h"

#include "imaging/dib/qx_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "imaging/jpeg/jpeg_decoder.h"

#include "support/camera_jpeg.h"
#include "support/display_rig.h"
#include "support/temp_tree.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace kasumori::display {
namespace {

// A baseline JPEG whose scan is followed by a second frame header: libjpeg fails on it only
// in jpeg_finish_decompress, after every row has been decoded and handed on.
QByteArray WithFrameHeaderAfterScan(const QByteArray& jpeg) {
  const qsizetype sof = jpeg.indexOf("\xFF\xC0");
  const int length = (std::uint8_t(jpeg[sof + 2]) << 8) | std::uint8_t(jpeg[sof + 3]);
  QByteArray out = jpeg.left(jpeg.size() - 2);  // without its end-of-image marker
  out += jpeg.mid(sof, 2 + length);
  out += "\xFF\xD9";
  return out;
}

QByteArray AsBitmap(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "BMP");
  return bytes;
}

struct Shown {
  QByteArray target;
  QByteArray histogram;
  QString sizeText;
  QString name;
  QStringList notices;
  bool failed = false;
  bool sourceShown = false;
};

class ArrivingResampleTest : public ::testing::Test, public testkit::DisplayRig {
 public:
  ArrivingResampleTest() { folders.CurrentFolder = tree.Path(); }

  Shown ShowFirst(bool following) {
    display.Compositor().EnableFollowing(following);
    loadFailed.Reset();
    dialogs.Clear();
    // Whatever the last showing left on screen is gone, so each showing stands alone.
    pixels::FillBlack(host.Target());
    pixels::FillBlack(host.HistogramImage());
    display.ShowPhoto(1);
    Shown shown;
    shown.target = Bytes(host.Target());
    shown.histogram = Bytes(host.HistogramImage());
    shown.sizeText = host.sizeText;
    shown.name = host.nameLabels.FileName;
    for (std::size_t i = 0; i < dialogs.Records().size(); ++i) shown.notices << dialogs.Text(i);
    shown.failed = loadFailed.Get(1);
    shown.sourceShown = display.SourceIsShown();
    return shown;
  }

  static QByteArray Bytes(const pixels::PixelView& view) {
    QByteArray bytes;
    for (int y = 0; y < view.height; ++y)
      bytes.append(reinterpret_cast<const char*>(view.Row(y)), view.width * 3);
    return bytes;
  }

  void ExpectSameWithAndWithoutFollowing(const QByteArray& file) {
    tree.File("photo.jpg", file);
    list->Clear();
    list->Append("photo.jpg", {});
    const Shown followed = ShowFirst(true);
    const Shown after = ShowFirst(false);
    EXPECT_TRUE(followed.target == after.target) << "the pixels on screen differ";
    EXPECT_TRUE(followed.histogram == after.histogram) << "the histograms differ";
    EXPECT_EQ(followed.sizeText, after.sizeText);
    EXPECT_EQ(followed.name, after.name);
    EXPECT_EQ(followed.notices, after.notices);
    EXPECT_EQ(followed.failed, after.failed);
    EXPECT_EQ(followed.sourceShown, after.sourceShown);
  }

  testkit::TempTree tree;
  int rotation = 0;
  PhotoDisplay display{Services([this](int) { return rotation; })};
};

TEST_F(ArrivingResampleTest, EveryKindOfCompositionIsTheOneMadeAfterTheDecode) {
  struct Case {
    const char* what;
    int width, height;  // of the photo
    std::function<void(ArrivingResampleTest&)> set;
  };
  const auto none = [](ArrivingResampleTest&) {};
  const Case cases[] = {
      {"between one and two photo pixels per display pixel", 1200, 900, none},
      {"a plain box, bands above and below", 3000, 1500, none},
      {"portrait, bands left and right", 900, 1500, none},
      {"smaller than the area", 500, 300, none},
      {"wide mode crops", 1600, 900, [](auto& t) { t.display.Modes().WideMode = true; }},
      {"no sharpening", 1600, 1200, [](auto& t) { t.settings.Sharpness = 0; }},
      {"sepia", 1600, 1200,
       [](auto& t) { t.settings.PictureEffect = config::PictureEffect::Sepia; }},
      {"histogram on click", 1600, 1200,
       [](auto& t) { t.settings.HistogramMode = config::HistogramMode::OnClick; }},
      {"a target smaller than the area", 1600, 1200,
       [](auto& t) { t.host.ResizeTarget(700, 500); }},
      {"slideshow", 1600, 1200, [](auto& t) { t.display.Modes().SlideshowActive = true; }},
      {"turned half over", 1600, 1200, [](auto& t) { t.rotation = 2; }},
      {"turned sideways", 1600, 1200, [](auto& t) { t.rotation = 1; }},
      {"two panes", 1600, 1200,
       [](auto& t) { t.display.Modes().PanoramaMode = PanoramaMode::Two; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    settings = {};
    settings.HistogramMode = config::HistogramMode::Automatic;
    display.Modes() = {};
    host.ResizeTarget(800, 600);
    rotation = 0;
    c.set(*this);
    ExpectSameWithAndWithoutFollowing(
        testkit::EncodeJpeg(testkit::MakeCameraLikePicture(c.width, c.height, 3), {}));
  }
}

TEST_F(ArrivingResampleTest, ADecodeThatFailsEndsTheSameWay) {
  settings.HistogramMode = config::HistogramMode::Automatic;
  const QImage picture = testkit::MakeCameraLikePicture(1200, 900, 5);
  const QByteArray jpeg = testkit::EncodeJpeg(picture, {});
  const struct {
    const char* what;
    QByteArray file;
  } cases[] = {
      {"fails after its last row", WithFrameHeaderAfterScan(jpeg)},
      {"a bitmap named .jpg", AsBitmap(picture)},
      {"no photo at all", "not a photo"},
  };
  {
    // The first case is what it says: every row is decoded, and then the decode fails.
    const QByteArray file = WithFrameHeaderAfterScan(jpeg);
    imaging::MemorySource source(file.constData(), std::size_t(file.size()));
    imaging::TQxDIB decoded;
    EXPECT_THROW(imaging::JpegDecoder(source).Decode(imaging::JpegScale::Full,
                                                     imaging::JpegMethod::Accurate, decoded),
                 imaging::EJpegError);
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectSameWithAndWithoutFollowing(c.file);
  }
}

}  // namespace
}  // namespace kasumori::display
