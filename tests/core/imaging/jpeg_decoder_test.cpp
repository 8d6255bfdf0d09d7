// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile JPEG files against the decoder's limits. Each is made here from a small real JPEG
// and named after what it pins; the expected numbers are worked out in the comments, not
// taken from the limits in the code.
#include "imaging/jpeg/jpeg_decoder.h"

#include "imaging/dib/qx_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "support/expect_error.h"
#include "support/camera_jpeg.h"
#include "support/hostile_jpeg.h"
#include "support/temp_tree.h"
#include "support/same_pixels.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <functional>
#include <string>

namespace kasumori::imaging {
namespace {

using namespace testkit;

// Decodes the bytes at a scale into a fresh buffer, through libjpeg's memory source.
TQxDIB Decoded(const QByteArray& jpeg, JpegScale scale) {
  MemorySource source(jpeg.constData(), std::size_t(jpeg.size()));
  JpegDecoder decoder(source);
  TQxDIB target;
  decoder.Decode(scale, JpegMethod::Fast, target);
  return target;
}

std::string TooShort(qsizetype bytes, int width, int height) {
  return "JPEG file of " + std::to_string(bytes) + " bytes is too short for " +
         std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

TEST(JpegDecoder, A600ByteProgressiveFileDeclaring65000x65000IsRefusedByItsHeader) {
  for (bool progressive : {true, false}) {
    const QByteArray file = JpegDeclaring(65000, 65000, progressive);
    EXPECT_LT(file.size(), 1000);
    MemorySource source(file.constData(), std::size_t(file.size()));
    // Refused while the header is read: no scale, quarter or full, is ever decoded.
    ExpectError<EQxDIBInvalidDIBPara>([&] { JpegDecoder decoder(source); },
                                      "TQxInternalDIB.Create: Image is too large");
  }
}

TEST(JpegDecoder, ThePixelLimitIsOnTheDeclaredSizeNotOnTheScaledOne) {
  // 32768 × 8193 is 2^28 + 32768 pixels; its quarter, 8192 × 2049, is 16 times smaller.
  ExpectError<EQxDIBInvalidDIBPara>(
      [] { Decoded(JpegDeclaring(32768, 8193, true), JpegScale::Quarter); },
      "TQxInternalDIB.Create: Image is too large");
  // 32768 × 8192 is exactly 2^28: within the pixel limit, and so left to the data check.
  const QByteArray atLimit = JpegDeclaring(32768, 8192, true);
  ExpectError<EJpegError>([&] { Decoded(atLimit, JpegScale::Quarter); },
                          TooShort(atLimit.size(), 32768, 8192));
}

TEST(JpegDecoder, TinyFilesDeclaringHugeSizesWithinThePixelLimitAreRefusedForTheirSize) {
  // libjpeg would fill every one of these pictures with grey rows from a few hundred bytes.
  const struct {
    int width, height;
    bool progressive;
  } cases[] = {{16384, 16384, false},
               {16384, 16384, true},
               {65500, 4096, false},
               {4096, 65500, true},
               {2000, 2000, false}};
  for (const auto& c : cases) {
    const QByteArray file = JpegDeclaring(c.width, c.height, c.progressive);
    for (JpegScale scale : {JpegScale::Quarter, JpegScale::Full}) {
      ExpectError<EJpegError>([&] { Decoded(file, scale); },
                              TooShort(file.size(), c.width, c.height));
    }
  }
}

TEST(JpegDecoder, OneBitOfDataPerBlockIsTheLeastAFileMayHold) {
  // 1024 × 1024 at 4:2:0: 128 × 128 luma blocks and twice 64 × 64 chroma blocks, 24576 in
  // all, which take at least 24576 bits, 3072 bytes, in a complete file.
  for (bool progressive : {false, true}) {
    const QByteArray file = JpegDeclaring(1024, 1024, progressive);
    const TQxDIB enough = Decoded(PaddedTo(file, 3072), JpegScale::Quarter);
    EXPECT_EQ(enough.Width(), 256);
    EXPECT_EQ(enough.Height(), 256);
    ExpectError<EJpegError>([&] { Decoded(PaddedTo(file, 3071), JpegScale::Quarter); },
                            TooShort(3071, 1024, 1024));
  }
}

TEST(JpegDecoder, ACutOffFileWithEnoughDataStillShowsWhatCouldBeDecoded) {
  // 320 × 240 at 4:2:0 has 1200 + 2 × 300 = 1800 blocks: 225 bytes are enough.
  const QByteArray whole = EncodeJpeg(MakeTestPicture(320, 240, 1), {});
  const TQxDIB picture = Decoded(whole.left(1000), JpegScale::Full);
  EXPECT_EQ(picture.Width(), 320);
  EXPECT_EQ(picture.Height(), 240);
}

TEST(JpegDecoder, ADecodingToldToStopEndsWithAnError) {
  // A progressive file is read whole when decompression starts, a baseline one row by row:
  // both are stopped.
  for (const bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const QByteArray jpeg =
        EncodeJpeg(MakeTestPicture(320, 240, 1), {}, {.progressive = progressive});
    MemorySource source(jpeg.constData(), std::size_t(jpeg.size()));
    JpegDecoder decoder(source);
    const std::atomic<bool> stop = true;
    decoder.SetStopFlag(&stop);
    TQxDIB target;
    EXPECT_THROW(decoder.Decode(JpegScale::Full, JpegMethod::Accurate, target), EJpegError);
  }
}

TEST(JpegDecoder, AProgressiveFileWhoseCoefficientsOutgrowItsMemoryShareAllocatesNothing) {
  // 16384 × 16384 at 4:2:0: 4,194,304 + 2 × 1,048,576 = 6,291,456 blocks, so 786,432 bytes
  // pass the data check. Its coefficient buffer is 6,291,456 × 128 bytes = 768 MiB, more
  // than the 768 MiB less a 48 MiB quarter-scale output that libjpeg may take.
  const QByteArray file = PaddedTo(JpegDeclaring(16384, 16384, true), 786432);
  for (JpegScale scale : {JpegScale::Quarter, JpegScale::Full}) {
    MemorySource source(file.constData(), std::size_t(file.size()));
    JpegDecoder decoder(source);
    TQxDIB target;
    ExpectError<EJpegError>([&] { decoder.Decode(scale, JpegMethod::Fast, target); },
                            "Backing store not supported");
    EXPECT_EQ(target.Width(), 1);  // refused before the output buffer was made
  }
  // 2048 × 2048: 98,304 blocks, a 12 MiB coefficient buffer, well within the share.
  const TQxDIB small = Decoded(PaddedTo(JpegDeclaring(2048, 2048, true), 12288), JpegScale::Full);
  EXPECT_EQ(small.Width(), 2048);
}

TEST(JpegDecoder, AHundredScansAreReadAndTheHundredAndFirstEndsTheFile) {
  const QByteArray progressive = EncodeJpeg(MakeTestPicture(16, 16, 5), {}, {.progressive = true});
  TempTree tree;
  for (int scans : {100, 101}) {
    const QByteArray file = WithFirstScanRepeated(progressive, scans);
    // Through libjpeg's memory source and through this program's own file source.
    MemorySource memory(file.constData(), std::size_t(file.size()));
    FileSource disk(tree.File(QString("scans%1.jpg").arg(scans), file));
    for (ByteSource* source :
         {static_cast<ByteSource*>(&memory), static_cast<ByteSource*>(&disk)}) {
      JpegDecoder decoder(*source);
      TQxDIB target;
      if (scans == 100) {
        decoder.Decode(JpegScale::Full, JpegMethod::Accurate, target);
        EXPECT_EQ(target.Width(), 16);
      } else {
        ExpectError<EJpegError>(
            [&] { decoder.Decode(JpegScale::Full, JpegMethod::Accurate, target); },
            "JPEG image has more than 100 scans");
      }
    }
  }
}

// `before`, then `zeros` zero bytes that exist only as a size, then `after`: a damaged copy
// or a sparse file of gigabytes. Counts the bytes the decoder asks for.
class ZeroPaddedSource final : public ByteSource {
 public:
  ZeroPaddedSource(QByteArray before, std::uint64_t zeros, QByteArray after)
      : before_(std::move(before)), zeros_(zeros), after_(std::move(after)) {}
  std::uint64_t Size() const override { return before_.size() + zeros_ + after_.size(); }
  bool ReadAt(std::uint64_t offset, void* dest, std::size_t n) override {
    if (!Holds(offset, n)) return false;
    read += n;
    auto* out = static_cast<char*>(dest);
    const std::uint64_t afterStart = before_.size() + zeros_;
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint64_t at = offset + i;
      out[i] = at < std::uint64_t(before_.size()) ? before_[qsizetype(at)]
               : at < afterStart                  ? '\0'
                                                  : after_[qsizetype(at - afterStart)];
    }
    return true;
  }
  std::uint64_t read = 0;

 private:
  QByteArray before_;
  std::uint64_t zeros_;
  QByteArray after_;
};

TEST(JpegDecoder, GigabytesOfPaddingAreNotReadToTheirEnd) {
  constexpr std::uint64_t kPadding = std::uint64_t(8) << 30;
  constexpr std::uint64_t kMiB = std::uint64_t(1) << 20;
  for (const bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const QByteArray jpeg =
        EncodeJpeg(MakeTestPicture(320, 240, 1), {}, {.progressive = progressive});
    const TQxDIB expected = Decoded(jpeg, JpegScale::Full);
    // Zeros where the end-of-image marker was: libjpeg looks for the next marker through
    // them, a baseline file once its last row is out, a progressive one after its last scan
    // when decompression starts. Either has 1 MiB left to look in.
    ZeroPaddedSource padded(jpeg.chopped(2), kPadding, {});
    JpegDecoder decoder(padded);
    TQxDIB target;
    decoder.Decode(JpegScale::Full, JpegMethod::Fast, target);
    EXPECT_TRUE(SamePixels(target, expected));
    EXPECT_LT(padded.read, std::uint64_t(jpeg.size()) + 2 * kMiB);
    // Zeros before the frame header: the picture is not found in the first 64 MiB.
    ZeroPaddedSource leading(jpeg.left(2), kPadding, jpeg.mid(2));
    ExpectError<EJpegError>([&] { JpegDecoder refused(leading); },
                            "JPEG datastream contains no image");
    EXPECT_LT(leading.read, 65 * kMiB);
  }
}

TEST(JpegDecoder, TheReadingLimitsLeaveDenseFilesAlone) {
  // Noise at quality 100, 60000 pixels wide: each row of MCUs codes to more than the 1 MiB a
  // gap between scans may take. Read from a file, with the limits, the pictures are the same
  // as read from memory.
  const QImage noise = MakeCameraLikePicture(60000, 32, 3, 127);
  TempTree tree;
  for (const bool progressive : {false, true}) {
    const QByteArray jpeg = EncodeJpeg(noise, {}, {.quality = 100, .progressive = progressive});
    FileSource file(tree.File(progressive ? "p.jpg" : "b.jpg", jpeg));
    JpegDecoder decoder(file);
    TQxDIB fromFile;
    decoder.Decode(JpegScale::Full, JpegMethod::Accurate, fromFile);
    MemorySource memory(jpeg.constData(), std::size_t(jpeg.size()));
    JpegDecoder inMemory(memory);
    TQxDIB fromMemory;
    inMemory.Decode(JpegScale::Full, JpegMethod::Accurate, fromMemory);
    EXPECT_TRUE(SamePixels(fromFile, fromMemory)) << (progressive ? "progressive" : "baseline");
  }
}

long PeakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST(JpegDecoder, RefusingTheHostileFilesTakesNoMemoryWorthTheName) {
  // Without the checks, the first of these made the program reserve over 5 GB. The peak can
  // only grow, so a test run before this one can hide growth here but never fake it.
  const QByteArray files[] = {JpegDeclaring(65000, 65000, true), JpegDeclaring(65000, 65000, false),
                              JpegDeclaring(16384, 16384, true), JpegDeclaring(16384, 16384, false),
                              PaddedTo(JpegDeclaring(16384, 16384, true), 786432)};
  const long before = PeakResidentKiB();
  for (const QByteArray& file : files) {
    for (JpegScale scale : {JpegScale::Quarter, JpegScale::Full}) {
      EXPECT_THROW(Decoded(file, scale), ImagingError);
    }
  }
  EXPECT_LT(PeakResidentKiB() - before, 64 * 1024);
}

}  // namespace
}  // namespace kasumori::imaging
