// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-over of a picture's rows between a decoder and a reader on another thread.
#include "imaging/decode/row_progress.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace kasumori::imaging {
namespace {

constexpr int kHeight = 64;
const std::uint8_t kRows[1] = {};
const RowProgress::Picture kPicture{kRows, 16, kHeight, 48};

TEST(RowProgressTest, AReaderGetsEveryRowOfADecodeThatEndsWell) {
  RowProgress progress;
  bool begun = false, rows = false;
  std::thread reader([&] {
    const auto picture = progress.WaitBegun();
    begun = picture && picture->top == kRows && picture->height == kHeight;
    rows = progress.WaitRows(kHeight);  // more than were ever published one by one
    progress.Leave();
  });
  progress.Begin(kPicture);
  progress.Publish(kHeight / 2);
  progress.End(true);
  reader.join();
  EXPECT_TRUE(begun);
  EXPECT_TRUE(rows);
  EXPECT_TRUE(progress.Decoded());
}

TEST(RowProgressTest, AFailedDecodeEndsOnlyOnceItsReaderHasLetGo) {
  RowProgress progress;
  std::atomic<bool> ending = false, stillReading = false;
  bool moreRows = true;
  std::thread reader([&] {
    if (!progress.WaitBegun()) return;
    stillReading = true;
    while (!ending) std::this_thread::yield();
    for (int i = 0; i < 1000; ++i) std::this_thread::yield();  // time for End to return early
    stillReading = false;
    moreRows = progress.WaitRows(kHeight);
  });
  progress.Begin(kPicture);
  progress.Publish(8);
  while (!stillReading) std::this_thread::yield();
  ending = true;
  progress.End(false);
  EXPECT_FALSE(stillReading) << "the decode ended while its picture was still being read";
  reader.join();
  EXPECT_FALSE(moreRows);
  EXPECT_FALSE(progress.Decoded());
}

TEST(RowProgressTest, ADecodeThatNeverBeganLeavesTheReaderNothing) {
  for (const bool decoded : {false, true}) {
    RowProgress progress;
    progress.End(decoded);
    EXPECT_FALSE(progress.WaitBegun());
    EXPECT_FALSE(progress.Decoded());
  }
}

}  // namespace
}  // namespace kasumori::imaging
