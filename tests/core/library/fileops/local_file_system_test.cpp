// SPDX-License-Identifier: GPL-3.0-or-later
// The calls a checked copy relies on, on the real file system: which files hold the start of
// another, and the watch that flushes a run's copies at its end.
#include "library/fileops/file_system.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::library {
namespace {

// Larger than one read block, so that a difference in a later block is seen too.
QByteArray Whole() {
  QByteArray bytes((1 << 20) + 3, 'p');
  bytes[1 << 20] = 'q';
  return bytes;
}

struct StartCase {
  const char* name;
  QByteArray part;
  bool holdsStart;
};

class HoldsStartOfTest : public ::testing::TestWithParam<StartCase> {
 protected:
  testkit::TempTree tree;
  LocalFileSystem fs;
};

TEST_P(HoldsStartOfTest, OnlyTheFirstBytesInTheirOrderCount) {
  const QString whole = tree.File("whole.jpg", Whole());
  const QString part = tree.File(".whole.jpg.part", GetParam().part);
  EXPECT_EQ(fs.HoldsStartOf(part, whole), GetParam().holdsStart);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, HoldsStartOfTest,
    ::testing::Values(StartCase{"Empty", "", true}, StartCase{"OneByte", "p", true},
                      StartCase{"OneBlock", Whole().left(1 << 20), true},
                      StartCase{"IntoTheSecondBlock", Whole().left((1 << 20) + 1), true},
                      StartCase{"All", Whole(), true},
                      StartCase{"OneByteMore", Whole() + "p", false},
                      StartCase{"FirstByteDiffers", "x", false},
                      StartCase{"SecondBlockDiffers", Whole().left(1 << 20) + QByteArray("p"),
                                false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HoldsStartOf, AMissingFileHoldsNothing) {
  testkit::TempTree tree;
  LocalFileSystem fs;
  const QString whole = tree.File("whole.jpg", "photo");
  EXPECT_FALSE(fs.HoldsStartOf(tree.Path("gone"), whole));
  EXPECT_FALSE(fs.HoldsStartOf(whole, tree.Path("gone")));
}

TEST(WatchWrites, AWatchedFolderFlushesAndAMissingOneFails) {
  testkit::TempTree tree;
  LocalFileSystem fs;
  const QString folder = tree.Folder("pc");
  const auto watch = fs.WatchWrites(folder);
  tree.File("pc/A.JPG", "photo");
  EXPECT_TRUE(watch->Flush());
  EXPECT_FALSE(fs.WatchWrites(tree.Path("gone"))->Flush());
}

}  // namespace
}  // namespace kasumori::library
