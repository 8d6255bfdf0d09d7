// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_maker.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <functional>
#include <memory>

#include "imaging/decode/photo_decoder.h"
#include "support/edit_record_file.h"
#include "support/camera_jpeg.h"
#include "support/image_fixtures.h"
#include "support/temp_tree.h"
#include "thumbs/thumbnail_cache.h"
#include "thumbfiles/thumbnail_files.h"

#include "slot_cache_fixture.h"

namespace kasumori::thumbs {
namespace {

struct Rgb {
  int r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
  }
};

using PixelFn = std::function<Rgb(int x, int y)>;

Rgb PixelOf(const imaging::TQxDIB& picture, int x, int y) {
  const std::uint8_t* p = picture.ConstScanLine(y) + 3 * x;
  return {p[2], p[1], p[0]};
}

QByteArray Bmp(int w, int h, const PixelFn& pixel) {
  std::vector<std::vector<std::uint32_t>> rows(static_cast<std::size_t>(h),
                                               std::vector<std::uint32_t>(std::size_t(w)));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Rgb c = pixel(x, y);
      rows[std::size_t(y)][std::size_t(x)] = std::uint32_t(c.r << 16 | c.g << 8 | c.b);
    }
  testkit::BmpFixture fixture;
  fixture.width = w;
  fixture.height = h;
  fixture.pixels = testkit::Bmp24Pixels(rows);
  return testkit::BuildBmp(fixture);
}

PixelFn Uniform(Rgb c) {
  return [c](int, int) { return c; };
}
const PixelFn kGradient = [](int x, int y) { return Rgb{x % 256, y % 256, 77}; };

// An edit record; sharpness 0 means the global setting.
QByteArray Record(int rotation, bool zoom, double factor, int cx, int cy, int brightness,
                  int contrast, int sharpness) {
  return testkit::EditRecordWith(rotation, zoom, factor, cx, cy, brightness, contrast, sharpness);
}

class ThumbnailMakerTest : public SlotCacheFixture {
 protected:
  ThumbnailMakerTest() {
    folders.WatchEnabled = true;
    decoder = std::make_unique<imaging::PhotoDecoder>(imaging::PluginFlags{}, nullptr);
    maker = std::make_unique<ThumbnailMaker>(ThumbnailMakerContext{
        *list, folders, settings, *decoder, *cache,
        [this](int index) -> std::optional<ThumbnailSubject> {
          if (index != 1) return std::nullopt;
          return ThumbnailSubject{favouritePath, 0, &favouriteBuffer,
                                  [this](bool failed) { favouriteFailed = failed; }};
        },
        [this](const QString& path) { return extract ? extract(path) : std::nullopt; },
        [this] { ++redraws; }});
  }

  int Add(const QString& name, const QByteArray& contents) {
    if (!contents.isEmpty()) tree.File("Photos/" + name, contents);
    list->Append(name, {});
    return list->PhotoCount;
  }
  QString StorePath(int position) { return cache->CurrentThumbnailPath(list->Name(position)); }
  bool Make(int position) {
    return maker->MakeThumbnail(ThumbnailMode::List, position, StorePath(position));
  }
  Rgb At(int position, int x, int y) { return PixelOf(cache->Buffer(position), x, y); }
  bool Stored(int position) { return QFileInfo::exists(StorePath(position)); }

  std::unique_ptr<imaging::PhotoDecoder> decoder;
  std::unique_ptr<ThumbnailMaker> maker;
  ArchiveExtractor extract;
  QString favouritePath;
  imaging::TQxDIB favouriteBuffer;
  bool favouriteFailed = false;
  int redraws = 0;
};

TEST_F(ThumbnailMakerTest, LandscapeAveragesEightByEightSamplesThenSharpens) {
  const int p = Add("grad.bmp", Bmp(640, 480, kGradient));
  ASSERT_TRUE(Make(p));
  // Block (x, y) covers columns 8x..8x+7 and rows 8y..8y+7: averages 8x + 3 and 8y + 3 (3.5
  // truncated). Its right and lower neighbours are brighter by 8: darkened by 8 / 3 + 4.
  EXPECT_EQ(At(p, 10, 20), (Rgb{83 - 6, 163 - 6, 77 - 6}));
  EXPECT_EQ(At(p, 0, 0), (Rgb{3 - 6 + 3, 3 - 6 + 3, 77 - 6 + 3})) << "lifted out of the negative";
  // Column and row 32 start again at 0 (the picture is x mod 256): no brighter neighbour.
  EXPECT_EQ(At(p, 31, 31), (Rgb{251, 251, 77}));
  EXPECT_TRUE(Stored(p)) << "larger than the cell";
  EXPECT_FALSE(loadFailed.Get(p));
}

TEST_F(ThumbnailMakerTest, PortraitHasBlackColumnsAndAnEdgeBand) {
  const int p = Add("tall.bmp", Bmp(480, 640, Uniform({100, 150, 200})));
  ASSERT_TRUE(Make(p));
  for (int y : {0, 30, 59}) {
    EXPECT_EQ(At(p, 16, y), (Rgb{0, 0, 0}));
    EXPECT_EQ(At(p, 17, y), (Rgb{100, 150, 200}));
    EXPECT_EQ(At(p, 61, y), (Rgb{100, 150, 200}));
    // Samples 480, 482, 484 take the edge column, 486..490 are black: half the colour, then
    // darkened by 100 / 3 + 4 for its brighter left neighbour.
    EXPECT_EQ(At(p, 62, y), (Rgb{13, 38, 63}));
    EXPECT_EQ(At(p, 63, y), (Rgb{0, 0, 0}));
  }
}

TEST_F(ThumbnailMakerTest, SmallPhotoIsEnlargedAndOnlyStoredFromARecord) {
  const int p = Add("small.bmp", Bmp(60, 40, Uniform({90, 60, 30})));
  ASSERT_TRUE(Make(p));
  EXPECT_EQ(At(p, 40, 2), (Rgb{0, 0, 0}));
  EXPECT_EQ(At(p, 0, 3), (Rgb{90, 60, 30}));
  EXPECT_EQ(At(p, 79, 56), (Rgb{90, 60, 30})) << "row 40 lies within the tolerance: edge";
  EXPECT_EQ(At(p, 40, 57), (Rgb{0, 0, 0}));
  EXPECT_FALSE(Stored(p)) << "cheap to make again";

  const int r = Add("small_bmp.ksm", Record(0, false, 1, 0, 0, 0, 256, 0));
  ASSERT_TRUE(Make(r));
  EXPECT_EQ(At(r, 40, 30), (Rgb{90, 60, 30}));
  EXPECT_TRUE(Stored(r));
}

TEST_F(ThumbnailMakerTest, RecordBrightnessGivesTheRedExcessAway) {
  settings.Sharpness = 0;  // the record's 0 means this: no sharpening
  Add("near_white.bmp", Bmp(640, 480, Uniform({200, 180, 150})));
  const int r = Add("near_white_bmp-001.ksm", Record(0, false, 1, 0, 0, 100, 256, 0));
  ASSERT_TRUE(Make(r));
  EXPECT_EQ(At(r, 0, 0), (Rgb{255, 235, 205}));
  EXPECT_EQ(At(r, 79, 59), (Rgb{255, 235, 205}));
}

TEST_F(ThumbnailMakerTest, RotationTurnsTheSamplingOfALandscapePhoto) {
  // Top half red, bottom half blue; green on the left half.
  const int p = Add("turn.bmp", Bmp(640, 480, [](int x, int y) {
                      return Rgb{y < 240 ? 255 : 0, x < 320 ? 255 : 0, y < 240 ? 0 : 255};
                    }));
  const auto check = [&](int rotation, Rgb leftTop, Rgb leftBottom, Rgb rightTop) {
    cache->SetRotation(p, rotation);
    ASSERT_TRUE(Make(p));
    SCOPED_TRACE(rotation);
    EXPECT_EQ(At(p, 27, 10), leftTop);
    EXPECT_EQ(At(p, 27, 50), leftBottom);
    EXPECT_EQ(At(p, 52, 10), rightTop);
  };
  // Clockwise: the photo's bottom comes to the left, its left side to the top; 17 black columns.
  check(1, {0, 255, 255}, {0, 0, 255}, {255, 255, 0});
  EXPECT_EQ(At(p, 16, 30), (Rgb{0, 0, 0}));
  check(-1, {255, 0, 0}, {255, 255, 0}, {0, 0, 255});
  check(2, {0, 0, 255}, {255, 0, 0}, {0, 255, 255});
}

TEST_F(ThumbnailMakerTest, TheCamerasTurnStandsAPhotoUpButNotItsRecord) {
  QImage picture(640, 480, QImage::Format_RGB888);
  picture.fill(QColor(200, 200, 200));
  testkit::CameraShot shot;
  shot.orientation = 6;
  const int p =
      Add("portrait.jpg",
          testkit::EncodeJpeg(picture, testkit::BuildExifPayload(testkit::CameraExif(shot))));
  const int r = Add("portrait_jpg.ksm", Record(0, false, 1, 0, 0, 0, 256, 0));
  ASSERT_TRUE(Make(p));
  EXPECT_EQ(At(p, 16, 30), (Rgb{0, 0, 0})) << "stood up: black columns left";
  EXPECT_GT(At(p, 40, 30).r, 150);
  ASSERT_TRUE(Make(r));
  EXPECT_GT(At(r, 5, 30).r, 150) << "the record's own rotation 0: landscape";
}

TEST_F(ThumbnailMakerTest, ZoomWindowCentredAndNearTheEdge) {
  settings.Sharpness = 0;
  Add("grad.bmp", Bmp(640, 480, kGradient));
  // z = 2: V = 4, zoom image 160 × 120; each pixel averages a 4 × 4 block (+1.5, truncated).
  const int centred = Add("grad_bmp-001.ksm", Record(0, true, 2, -1, -1, 0, 256, 0));
  const int edge = Add("grad_bmp-002.ksm", Record(0, true, 2, 630, 470, 0, 256, 0));
  ASSERT_TRUE(Make(centred));
  EXPECT_EQ(At(centred, 0, 0), (Rgb{161, 121, 77}));
  EXPECT_EQ(At(centred, 10, 5), (Rgb{201, 141, 77}));
  ASSERT_TRUE(Make(edge));
  EXPECT_EQ(At(edge, 0, 0), (Rgb{65, 241, 77})) << "window at 80, 60: the zoom image's corner";
  EXPECT_EQ(At(edge, 79, 59), (Rgb{125, 221, 77}));
}

TEST_F(ThumbnailMakerTest, EnlargedZoomWindowsAverageDiagonalNeighbours) {
  settings.Sharpness = 0;
  Add("tiny.bmp", Bmp(40, 30, [](int x, int y) { return Rgb{6 * x, 8 * y, 0}; }));
  const int once = Add("tiny_bmp-001.ksm", Record(0, true, 1, -1, -1, 0, 256, 0));
  ASSERT_TRUE(Make(once));  // V = 0.5: one doubling, 80 × 60
  EXPECT_EQ(At(once, 0, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(At(once, 1, 1), (Rgb{3, 4, 0}));
  EXPECT_EQ(At(once, 5, 2), (Rgb{15, 4, 0}));
  EXPECT_EQ(At(once, 79, 59), (Rgb{234, 232, 0})) << "neighbours clamped to the picture";

  Add("strip.bmp", Bmp(20, 15, [](int x, int) { return Rgb{10 * x, 50, 0}; }));
  // z = 4: P = 1600, two doublings to 80 × 60 kept 4 times smaller; the window's 20 × 15
  // source rectangle at 30, 22 is stretched over the cell.
  const int twice = Add("strip_bmp-001.ksm", Record(0, true, 4, -1, -1, 0, 256, 0));
  ASSERT_TRUE(Make(twice));
  EXPECT_EQ(At(twice, 0, 30), (Rgb{70, 50, 0}));
  EXPECT_EQ(At(twice, 79, 30), (Rgb{120, 50, 0}));
}

TEST_F(ThumbnailMakerTest, ZoomCentreFollowsTheJpegReduction) {
  settings.Sharpness = 0;
  QImage halves(2560, 1920, QImage::Format_RGB888);
  halves.fill(Qt::white);
  for (int y = 0; y < 1920; ++y) std::fill_n(halves.scanLine(y), 1280 * 3, 0);
  tree.File("Photos/halves.jpg", testkit::EncodeJpeg(halves, {}));
  // Decoded at a quarter: centre 1280 becomes 320, the window shows zoom columns 40..119.
  const int r = Add("halves_jpg.ksm", Record(0, true, 2, 1280, 960, 0, 256, 0));
  ASSERT_TRUE(Make(r));
  EXPECT_LT(At(r, 10, 30).g, 30);
  EXPECT_GT(At(r, 70, 30).g, 220);
}

TEST_F(ThumbnailMakerTest, MissingAndBrokenPhotosAreMarkedAndNeverStored) {
  const int missing = Add("album.zip/gone.jpg", {});  // no extractor finds anything
  EXPECT_FALSE(Make(missing));
  EXPECT_TRUE(loadFailed.Get(missing));
  EXPECT_TRUE(folders.WatchEnabled) << "nothing was decoded";
  EXPECT_EQ(redraws, 0);

  const int broken = Add("broken.jpg", "\xFF\xD8\xFF\xE0 truncated");
  const int garbage = Add("garbage.jpg", "not a photo at all");
  EXPECT_FALSE(Make(broken));
  EXPECT_FALSE(Make(garbage));
  EXPECT_TRUE(loadFailed.Get(broken) && loadFailed.Get(garbage));
  EXPECT_FALSE(folders.WatchEnabled);
  EXPECT_GE(redraws, 2);
  EXPECT_FALSE(Stored(broken) || Stored(garbage) || Stored(missing));

  const int orphan = Add("nothing_jpg.ksm", Record(0, false, 1, 0, 0, 0, 256, 0));
  tree.File("Photos/bad.bmp", Bmp(100, 100, Uniform({1, 2, 3})));
  testkit::RecordLines malformedLines;
  malformedLines.ZoomCentreX = "x";
  malformedLines.LineCount = 11;
  const int malformed = Add("bad_bmp.ksm", testkit::EditRecordFile(malformedLines));
  const int noFactor = Add("bad_bmp-001.ksm", Record(0, true, 0, -1, -1, 0, 256, 0));
  for (int r : {orphan, malformed, noFactor}) {
    EXPECT_FALSE(Make(r)) << r;
    EXPECT_TRUE(loadFailed.Get(r)) << r;
  }

  cache->Reset();
  ConnectThumbnailMaker(*cache, *maker);
  cache->Fetch(broken);
  EXPECT_TRUE(cache->Loaded(broken));
  EXPECT_EQ(At(broken, 40, 30), (Rgb{0, 0, 0}));
}

TEST_F(ThumbnailMakerTest, ABitmapNamedJpgDecodesOnALaterStepAndIsNotLeftMarked) {
  const int p = Add("really_a_bitmap.jpg", Bmp(640, 480, Uniform({10, 20, 30})));
  EXPECT_TRUE(Make(p));
  EXPECT_FALSE(loadFailed.Get(p));
  EXPECT_EQ(redraws, 1) << "the JPEG step's failure was still reported";
  EXPECT_EQ(At(p, 40, 30), (Rgb{10, 20, 30}));
}

TEST_F(ThumbnailMakerTest, ArchiveMembersAreExtractedStoredAndCleanedUp) {
  const QString temp = tree.File("Temp/a.bmp", Bmp(60, 40, Uniform({5, 6, 7})));
  QString asked;
  extract = [&](const QString& path) -> std::optional<ExtractedPhoto> {
    asked = path;
    return ExtractedPhoto{temp, {temp}};
  };
  const int member = Add("album.zip/b.bmp", {});
  ASSERT_TRUE(Make(member));
  EXPECT_EQ(asked, settings.PhotoFolder1 + "/album.zip/b.bmp");
  EXPECT_TRUE(Stored(member)) << "extracting again costs more than reading the cache";
  EXPECT_FALSE(QFileInfo::exists(temp));
}

TEST_F(ThumbnailMakerTest, FavouriteRecordFindsItsPhotoRegardlessOfCase) {
  QImage grey(320, 240, QImage::Format_RGB888);
  grey.fill(QColor(128, 128, 128));
  tree.File("Elsewhere/IMG_1.jpg", testkit::EncodeJpeg(grey, {}));
  favouritePath = tree.File("Elsewhere/img_1_JPG-002.ksm", Record(2, false, 1, 0, 0, 0, 256, 0));
  const QString store = tree.Path("Thumbnail/OK/img_1_JPG-002_ksm.bmp");
  ASSERT_TRUE(maker->MakeThumbnail(ThumbnailMode::Favourites, 1, store));
  EXPECT_EQ(favouriteBuffer.Width(), 80);
  EXPECT_NEAR(PixelOf(favouriteBuffer, 40, 30).g, 128, 3);
  EXPECT_TRUE(QFileInfo::exists(store));
  EXPECT_FALSE(favouriteFailed);
  EXPECT_FALSE(maker->MakeThumbnail(ThumbnailMode::Favourites, 2, store));
}

}  // namespace
}  // namespace kasumori::thumbs
