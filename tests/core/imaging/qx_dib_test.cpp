// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/dib/qx_dib.h"
#include "imaging/dib/qx_dib_canvas.h"
#include "imaging/errors.h"

#include <gtest/gtest.h>

namespace kasumori::imaging {
namespace {

TQxDIB Make24(int width, int height) {
  TQxDIB dib;
  dib.SetBitCount(24);
  dib.SetSize(width, height);
  return dib;
}

template <typename Error, typename Fn>
void ExpectMessage(Fn fn, const char* message) {
  try {
    fn();
    FAIL() << "no error, expected " << message;
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), message);
  }
}

TEST(QxDibCopyOnWrite, AssignmentSharesUntilTheFirstWrite) {
  TQxDIB a = Make24(4, 3);
  a.SetPixels(1, 1, 0x00112233);
  TQxDIB b;
  b = a;
  EXPECT_EQ(a.StorageId(), b.StorageId());
  EXPECT_EQ(a.ShareCount(), 2);

  b.SetPixels(1, 1, 0x00AABBCC);
  EXPECT_NE(a.StorageId(), b.StorageId());
  EXPECT_EQ(a.Pixels(1, 1), 0x00112233u);
  EXPECT_EQ(b.Pixels(1, 1), 0x00AABBCCu);

  TQxDIB c(a);
  c.ScanLine(0)[0] = 0xFF;  // a writable row is a write
  EXPECT_EQ(a.Pixels(0, 0), 0u);
  EXPECT_EQ(c.Pixels(0, 0), 0x00FF0000u);  // blue byte first in memory
  (void)a.ConstScanLine(0);                // reading never copies
  EXPECT_EQ(a.ShareCount(), 1);
}

TEST(QxDibCopyOnWrite, ReshapeKeepsUnsharedStorageOfTheSameShape) {
  TQxDIB a = Make24(8, 8);
  const void* storage = a.StorageId();
  a.Reshape(8, 8, 24);
  EXPECT_EQ(a.StorageId(), storage);
  TQxDIB shared(a);
  a.Reshape(8, 8, 24);  // shared: a fresh storage, no copy of pixels to overwrite
  EXPECT_NE(a.StorageId(), shared.StorageId());
}

TEST(QxDibGeometry, SameSizeKeepsPixelsOtherSizeIsBlack) {
  TQxDIB dib = Make24(3, 2);
  dib.SetPixels(2, 1, 0x00FFFFFF);
  dib.SetWidth(3);
  dib.SetHeight(2);
  EXPECT_EQ(dib.Pixels(2, 1), 0x00FFFFFFu);
  dib.SetWidth(4);
  EXPECT_EQ(dib.Width(), 4);
  EXPECT_EQ(dib.Pixels(2, 1), 0u);
  EXPECT_EQ(dib.Stride(), 12);  // 4 × 3 bytes, already a multiple of 4
  dib.SetWidth(5);
  EXPECT_EQ(dib.Stride(), 16);  // 15 rounded up to whole 32-bit words
}

TEST(QxDibGeometry, BadParametersAndPositionsFailWithTheirMessages) {
  TQxDIB dib = Make24(2, 2);
  ExpectMessage<EQxDIBInvalidDIBPara>([&] { dib.SetBitCount(16); },
                                      "TQxDIB.SetBitCount: Invalid BitCount");
  ExpectMessage<EQxDIBInvalidDIBPara>([&] { dib.SetWidth(0); }, "TQxDIB.SetWidth: Invalid Width");
  ExpectMessage<EQxDIBInvalidDIBPara>([&] { dib.SetHeight(-1); },
                                      "TQxDIB.SetWidth: Invalid Height");
  ExpectMessage<EQxDIBPixelPositionRange>([&] { dib.Pixels(2, 0); },
                                          "TQxDIB.GetPixels: Pixel Position is Out of Range");
  ExpectMessage<EQxDIBPixelPositionRange>([&] { dib.SetPixels(0, 2, 0); },
                                          "TQxDIB.SetPixels: Pixel Position is Out of Range");
  ExpectMessage<EQxDIBPixelPositionRange>([&] { dib.ScanLine(-1); },
                                          "TQxDIB.GetScanLine: y is Out of Range");
  ExpectMessage<EQxDIBInvalidDIBPara>([&] { dib.SetSize(1 << 15, 1 << 14); },
                                      "TQxInternalDIB.Create: Image is too large");
  EXPECT_EQ(dib.Width(), 2);  // failures leave the buffer as it was
}

TEST(QxDibFormats, IndexedPixelsAndConversionTo24Bits) {
  TQxDIB dib;
  dib.SetBitCount(4);
  dib.SetSize(3, 1);
  dib.SetColor(5, 0x00102030);
  dib.SetPixels(0, 0, 5);
  dib.SetPixels(1, 0, 7);
  EXPECT_EQ(dib.ConstScanLine(0)[0], 0x57);  // left pixel in the high nibble
  EXPECT_EQ(dib.PixelFormat(), TQxPixelFormat::Bit4);
  dib.SetPixelFormat(TQxPixelFormat::Bit24);
  EXPECT_EQ(dib.BitCount(), 24);
  EXPECT_EQ(dib.Pixels(0, 0), 0x00302010u);  // table 0x00RRGGBB → pixel 0x00BBGGRR

  TQxDIB mono;
  mono.SetBitCount(1);
  mono.SetSize(10, 1);
  mono.SetPixels(9, 0, 42);  // any non-zero value sets the bit
  EXPECT_EQ(mono.Pixels(9, 0), 1u);
  EXPECT_EQ(mono.ConstScanLine(0)[1], 0x40);
}

TEST(QxDibDraw, NearestStretchRepeatsAndDropsWholePixels) {
  TQxDIB source = Make24(2, 1);
  source.SetPixels(0, 0, 0x000000FF);
  source.SetPixels(1, 0, 0x00FF0000);
  TQxDIB target = Make24(5, 2);
  source.Draw(target, QRect(0, 0, 4, 2));
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(target.Pixels(0, y), 0x000000FFu);
    EXPECT_EQ(target.Pixels(1, y), 0x000000FFu);
    EXPECT_EQ(target.Pixels(2, y), 0x00FF0000u);
    EXPECT_EQ(target.Pixels(3, y), 0x00FF0000u);
    EXPECT_EQ(target.Pixels(4, y), 0u);  // outside the rectangle
  }
  // Onto itself, shifted right: column 2 must read column 1 as it was before column 1 was
  // overwritten.
  TQxDIB self = Make24(3, 1);
  for (int x = 0; x < 3; ++x) self.SetPixels(x, 0, std::uint32_t(x + 1));
  self.Draw(self, QRect(1, 0, 2, 1));
  EXPECT_EQ(self.Pixels(1, 0), 1u);
  EXPECT_EQ(self.Pixels(2, 0), 2u);
  TQxDIB small = Make24(1, 1);
  source.Draw(small, QRect(-1, 0, 2, 1));  // clipped: only the right half lands
  EXPECT_EQ(small.Pixels(0, 0), 0x00FF0000u);
}

TEST(QxDibCanvas, PaintingChangesThePixelsInPlaceAndOnlyThisBuffer) {
  TQxDIB dib = Make24(6, 4);
  const TQxDIB before(dib);
  {
    TQxDIBCanvas canvas(dib);
    canvas.FillRect(QRect(1, 1, 2, 2), QColor(255, 0, 0));
  }
  EXPECT_EQ(dib.Pixels(1, 1), 0x000000FFu);  // red
  EXPECT_EQ(dib.Pixels(3, 3), 0u);
  EXPECT_EQ(before.Pixels(1, 1), 0u);

  dib.SetUseFMO(false);
  ExpectMessage<EQxDIBCanvasFailed>([&] { TQxDIBCanvas canvas(dib); },
                                    "TQxDIBCanvas.Create: Cannot Create Canvas");
}

}  // namespace
}  // namespace kasumori::imaging
