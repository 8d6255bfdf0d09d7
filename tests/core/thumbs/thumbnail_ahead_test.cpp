// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails of photos decoded on the second core are the ones made on one, a photo that fails
// is reported as it is made, and every position is made once.
#include "thumbs/thumbnail_ahead.h"

#include "slot_cache_fixture.h"

#include "imaging/decode/photo_decoder.h"
#include "support/camera_jpeg.h"
#include "thumbs/thumbnail_maker.h"

#include <QFileInfo>

#include <cstring>

namespace kasumori::thumbs {
namespace {

// A folder whose list and cache are wired as the main window wires them, once with and once
// without decoding ahead.
class ThumbnailAheadTest : public SlotCacheFixture {
 protected:
  struct Made {
    std::vector<QByteArray> pixels;  // per position; empty when not loaded
    std::vector<bool> failed;
    int makerCalls = 0;
  };

  Made MakeAll(bool ahead) {
    cache->Reset();
    for (int p = 1; p <= list->PhotoCount; ++p) QFile::remove(StorePath(p));
    imaging::PhotoDecoder decoder({}, nullptr);
    ThumbnailMaker maker({*list, folders, settings, decoder, *cache});
    ConnectThumbnailMaker(*cache, maker);
    Made made;
    cache->SetMaker([&](int position, const QString& store) {
      ++made.makerCalls;
      return maker.MakeThumbnail(ThumbnailMode::List, position, store);
    });
    std::vector<int> positions;
    for (int p = 1; p <= list->PhotoCount; ++p) positions.push_back(p);
    if (ahead) cache->Upcoming(positions);
    for (const int p : positions) {
      cache->Fetch(p);
      const imaging::TQxDIB& thumb = cache->Buffer(p);
      QByteArray bytes;
      for (int y = 0; y < thumb.Height(); ++y)
        bytes.append(reinterpret_cast<const char*>(thumb.ConstScanLine(y)), thumb.Width() * 3);
      made.pixels.push_back(bytes);
      made.failed.push_back(loadFailed.Get(p));
    }
    cache->SetMaker({});
    return made;
  }
  QString StorePath(int position) { return cache->CurrentThumbnailPath(list->Name(position)); }
};

TEST_F(ThumbnailAheadTest, TheSameThumbnailsAndFailuresAsOnOneCore) {
  // Landscape and portrait camera photos, a broken JPEG between them, a bitmap named .jpg (the
  // JPEG step fails, a later one succeeds) and a photo already cached.
  for (int i = 0; i < 6; ++i) {
    const QString name = QStringLiteral("p%1.jpg").arg(i);
    tree.File("Photos/" + name,
              testkit::EncodeJpeg(
                  testkit::MakeCameraLikePicture(i % 2 ? 480 : 640, i % 2 ? 640 : 480, i), {}));
    list->Append(name, {});
  }
  tree.File("Photos/broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 truncated", 14));
  list->Append("broken.jpg", {});
  imaging::TQxDIB bitmap;
  bitmap.Reshape(320, 240, 24);
  bitmap.SaveToFile(tree.Path("Photos/bitmap.jpg"));
  list->Append("bitmap.jpg", {});

  const Made one = MakeAll(false), two = MakeAll(true);
  EXPECT_EQ(one.pixels, two.pixels);
  EXPECT_EQ(one.failed, two.failed);
  EXPECT_EQ(two.makerCalls, list->PhotoCount) << "each position is made once";
  EXPECT_TRUE(two.failed[6]) << "the broken photo is marked when it is made";
  for (int p = 1; p <= list->PhotoCount; ++p)
    EXPECT_FALSE(QFileInfo::exists(StorePath(p) + ".part")) << p;
  EXPECT_TRUE(QFileInfo::exists(StorePath(1)));
}

TEST_F(ThumbnailAheadTest, AStartReplacesTheQueueAndUnaskedPhotosAreDecodedByTheCaller) {
  tree.File("Photos/a.jpg", testkit::EncodeJpeg(testkit::MakeTestPicture(640, 480, 1), {}));
  tree.File("Photos/b.jpg", testkit::EncodeJpeg(testkit::MakeTestPicture(640, 480, 2), {}));
  ThumbnailDecodeAhead ahead;
  imaging::TSPIQxDIB picture;
  int reduction = 0;
  ahead.Start({tree.Path("Photos/a.jpg")});
  ahead.Start({tree.Path("Photos/b.jpg")});
  EXPECT_FALSE(ahead.Take(tree.Path("Photos/a.jpg"), picture, reduction));
  // Whether the worker has begun b or not, what it gives is b at its thumbnail scale.
  if (ahead.Take(tree.Path("Photos/b.jpg"), picture, reduction)) {
    EXPECT_EQ(reduction, 2);  // 640 × 480 is under twice the 320 × 240 the thumbnail samples
    EXPECT_EQ(picture.Width(), 320);
  }
  EXPECT_FALSE(ahead.Take(tree.Path("Photos/b.jpg"), picture, reduction)) << "taken once";
}

}  // namespace
}  // namespace kasumori::thumbs
