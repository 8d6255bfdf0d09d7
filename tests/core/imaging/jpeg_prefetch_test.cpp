// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/decode/jpeg_prefetch.h"

#include "imaging/decode/photo_decoder.h"
#include "imaging/dib/spi_qx_dib.h"
#include "support/camera_jpeg.h"
#include "support/temp_tree.h"
#include "support/same_pixels.h"

#include <gtest/gtest.h>

#include <string>

namespace kasumori::imaging {
namespace {

using namespace testkit;

// What the display shows of a path, the failures it reported and the error it then threw.
struct Shown {
  TSPIQxDIB picture;
  int failures = 0;
  bool decoded = false;
  std::string error;
};
Shown Display(PhotoDecoder& decoder, const QString& path) {
  Shown s;
  s.picture.SetBitCount(24);
  try {
    s.decoded = decoder.DecodeForDisplay(path, s.picture, [&] { ++s.failures; });
  } catch (const std::exception& e) {
    s.error = e.what();
  }
  return s;
}

TEST(JpegPrefetchTest, ADecodedAheadPhotoIsTheFreshlyDecodedOne) {
  TempTree tree;
  tree.File("a.jpg", EncodeJpeg(MakeTestPicture(640, 480, 1), {}));
  tree.File("b.jpg", EncodeJpeg(MakeTestPicture(480, 640, 2), {}));
  PhotoDecoder plain({}, nullptr), ahead({}, nullptr);
  for (const char* name : {"a.jpg", "b.jpg"}) {
    SCOPED_TRACE(name);
    ahead.DecodeAhead(tree.Path(name));
    const Shown fresh = Display(plain, tree.Path(name));
    const Shown taken = Display(ahead, tree.Path(name));
    EXPECT_TRUE(taken.decoded);
    EXPECT_TRUE(SamePixels(fresh.picture, taken.picture));
  }
  // Taken once: the spare is gone, a second display decodes again.
  JpegPrefetcher prefetch;
  TQxDIB target;
  prefetch.Request(tree.Path("a.jpg"));
  EXPECT_TRUE(prefetch.Take(tree.Path("a.jpg"), target));
  EXPECT_FALSE(prefetch.Take(tree.Path("a.jpg"), target));
}

TEST(JpegPrefetchTest, ReplacedAndBrokenFilesAreDecodedAgainWhenShown) {
  TempTree tree;
  tree.File("a.jpg", EncodeJpeg(MakeTestPicture(320, 240, 1), {}));
  tree.File("bad.jpg", "not a photo at all");
  PhotoDecoder decoder({}, nullptr), plain({}, nullptr);
  decoder.DecodeAhead(tree.Path("a.jpg"));
  // Rewritten (another picture of the same size) whether or not its decoding ahead finished.
  tree.File("a.jpg", EncodeJpeg(MakeTestPicture(320, 240, 7), {}));
  const Shown shown = Display(decoder, tree.Path("a.jpg"));
  EXPECT_TRUE(SamePixels(shown.picture, Display(plain, tree.Path("a.jpg")).picture));
  // A file that fails ahead fails again, with its report, when it is shown.
  decoder.DecodeAhead(tree.Path("bad.jpg"));
  const Shown bad = Display(decoder, tree.Path("bad.jpg"));
  const Shown plainBad = Display(plain, tree.Path("bad.jpg"));
  EXPECT_FALSE(bad.decoded);
  EXPECT_EQ(bad.failures, plainBad.failures);
  EXPECT_EQ(bad.error, plainBad.error);
  EXPECT_GE(bad.failures, 1);
}

TEST(JpegPrefetchTest, SparesAreBoundedAndTooLargePicturesAreNotHeld) {
  TempTree tree;
  for (int i = 0; i < 3; ++i)
    tree.File(QStringLiteral("p%1.jpg").arg(i), EncodeJpeg(MakeTestPicture(64, 48, i), {}));
  JpegPrefetcher two(2, 64 * 48), small(2, 64 * 48 - 1);
  for (int i = 0; i < 3; ++i) two.Request(tree.Path(QStringLiteral("p%1.jpg").arg(i)));
  TQxDIB target;
  // The newest requests are kept; the oldest gave way unless it was already being decoded.
  EXPECT_TRUE(two.Take(tree.Path("p2.jpg"), target));
  EXPECT_EQ(target.Width(), 64);
  small.Request(tree.Path("p0.jpg"));
  EXPECT_FALSE(small.Take(tree.Path("p0.jpg"), target));
}

}  // namespace
}  // namespace kasumori::imaging
