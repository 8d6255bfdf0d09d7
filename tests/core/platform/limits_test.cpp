// SPDX-License-Identifier: GPL-3.0-or-later
// Each bound of platform/limits.h at the reader that enforces it: input just past the bound is
// refused through the reader's own error path, and input just at it is read where that is cheap.
#include "platform/limits.h"

#include "archive/archive_reader.h"
#include "archive/member_writer.h"
#include "config/text_file.h"
#include "favourites/favourites_files.h"
#include "imaging/dib/dib_geometry.h"
#include "shell/cache_cleanup.h"
#include "support/archive_fixture.h"
#include "support/temp_tree.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kasumori {
namespace {

namespace limits = platform::limits;

TEST(TextFileLimits, LinesAndLineLengthAtAndPastTheBound) {
  const struct {
    const char* what;
    QByteArray bytes;
    bool read;
  } cases[] = {
      {"as many lines as allowed", QByteArray(limits::kMaxTextFileLines, '\n'), true},
      {"one line more", QByteArray(limits::kMaxTextFileLines + 1, '\n'), false},
      {"the longest line", QByteArray(limits::kMaxTextLineChars, 'a'), true},
      {"one character longer", QByteArray(limits::kMaxTextLineChars + 1, 'a'), false},
      {"a long line that is not the first",
       "a\r\n" + QByteArray(limits::kMaxTextLineChars + 1, 'b'), false},
  };
  testkit::TempTree tree;
  for (const auto& c : cases) {
    EXPECT_EQ(config::TextLines(c.bytes).has_value(), c.read) << c.what;
    const QString path = tree.File("list.dat", c.bytes);
    EXPECT_EQ(config::ReadTextLines(path).has_value(), c.read) << c.what;
    // A favourites file past the bound is an error, never an empty list the next save would
    // write over the favourites with.
    if (c.read) {
      EXPECT_NO_THROW(favourites::ReadListFile(path)) << c.what;
    } else {
      EXPECT_THROW(favourites::ReadListFile(path), config::TextFileError) << c.what;
    }
  }
}

TEST(TextFileLimits, AFileLargerThanTheBoundIsNotRead) {
  testkit::TempTree tree;
  const QString path = tree.File("huge.dat", "");
  QFile file(path);
  ASSERT_TRUE(file.resize(limits::kMaxTextFileBytes + 1));  // sparse: nothing is written
  EXPECT_FALSE(config::ReadTextLines(path).has_value());
  EXPECT_THROW(favourites::ReadListFile(path), config::TextFileError);
}

TEST(PictureLimits, PixelsAndBytesAtAndPastTheBound) {
  const std::int64_t side = std::int64_t{1} << 14;  // side × side is the pixel bound
  const struct {
    const char* what;
    std::int64_t width;
    std::int64_t height;
    unsigned bitCount;
    std::optional<std::size_t> bytes;
  } cases[] = {
      {"the largest square at 32 bits", side, side, 32, limits::kMaxAllocationBytes},
      {"one column more", side + 1, side, 32, std::nullopt},
      {"one row more", side, side + 1, 32, std::nullopt},
      {"the widest single row", std::int64_t(limits::kMaxPicturePixels), 1, 8,
       limits::kMaxPicturePixels},
      {"one pixel wider", std::int64_t(limits::kMaxPicturePixels) + 1, 1, 8, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(imaging::ImageBytes(c.width, c.height, c.bitCount), c.bytes) << c.what;
  }
}

// Bytes that deflate hardly at all: each byte from a linear congruential sequence.
QByteArray Incompressible(qsizetype size) {
  QByteArray bytes(size, '\0');
  std::uint32_t state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = char(state >> 24);
  }
  return bytes;
}

TEST(ArchiveLimits, AMemberStopsAtItsBoundAndAtTheCompressionRatio) {
  // Small bounds stand in for the real ones, which hold gigabytes.
  constexpr std::int64_t kFloor = 64 * 1024;
  constexpr std::int64_t kBound = 3 << 20;
  const struct {
    const char* what;
    QByteArray data;
    archive::ExtractOutcome outcome;
  } cases[] = {
      {"zeros up to the ratio floor", QByteArray(kFloor, '\0'), archive::ExtractOutcome::Extracted},
      {"zeros past the floor, deflated a thousandfold", QByteArray(1 << 20, '\0'),
       archive::ExtractOutcome::TooLarge},
      {"photo-like data past the floor", Incompressible(1 << 20),
       archive::ExtractOutcome::Extracted},
      {"photo-like data at the member bound", Incompressible(kBound),
       archive::ExtractOutcome::Extracted},
      {"one byte past the member bound", Incompressible(kBound + 1),
       archive::ExtractOutcome::TooLarge},
  };
  for (const auto& c : cases) {
    testkit::TempTree tree;
    const QByteArray zip = testkit::MakeZip({{"m.bmp", c.data}});
    archive::ArchiveReader reader(zip.constData(), std::size_t(zip.size()),
                                  archive::TArchiverType::atZip);
    ASSERT_TRUE(reader.Next()) << c.what;
    archive::ExtractLimits bounds;
    bounds.maxMemberBytes = kBound;
    bounds.ratioFloorBytes = kFloor;
    bounds.availableBytes = [](const QString&) { return std::int64_t{1} << 40; };
    EXPECT_EQ(archive::WriteMember(reader, tree.Path("out"), {"m.bmp"}, bounds), c.outcome)
        << c.what;
    EXPECT_EQ(tree.Exists("out/m.bmp"), c.outcome == archive::ExtractOutcome::Extracted) << c.what;
  }
  // The real bounds are the ones in the header.
  EXPECT_EQ(archive::ExtractLimits{}.maxMemberBytes, limits::kMaxEntryBytes);
  EXPECT_EQ(archive::ExtractLimits{}.maxCompressionRatio, limits::kMaxCompressionRatio);
}

TEST(FolderDepthLimit, TheCacheCleanupWalksNoDeeperThanTheBound) {
  const struct {
    const char* what;
    int depth;
    bool cleaned;
  } cases[] = {
      {"a folder at the bound", limits::kMaxFolderDepth, true},
      {"a folder one deeper", limits::kMaxFolderDepth + 1, false},
  };
  for (const auto& c : cases) {
    testkit::TempTree tree;
    QString folder;
    for (int i = 0; i < c.depth; ++i) folder += QStringLiteral("/d");
    tree.Folder("photos/Pictures" + folder);
    tree.File("Thumbnail/01/Pictures" + folder + "/GONE_jpg.bmp");
    shell::CleanSlotCache(tree.Path("Thumbnail/01"), tree.Path("photos/Pictures"));
    EXPECT_EQ(tree.Exists("Thumbnail/01/Pictures" + folder + "/GONE_jpg.bmp"), !c.cleaned)
        << c.what;
  }
}

}  // namespace
}  // namespace kasumori
