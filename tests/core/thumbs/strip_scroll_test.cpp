// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/strip_scroll.h"

#include <gtest/gtest.h>

namespace kasumori::thumbs {
namespace {

constexpr auto kLtr = config::ListDirection::LeftToRight;
constexpr auto kRtl = config::ListDirection::RightToLeft;

TEST(StripCells, FivePhotosInBothDirections) {
  // Left to right, current 1: cells 1–3 are before the list, cells 4–8 show photos 1–5.
  for (int cell = 1; cell <= 8; ++cell) EXPECT_EQ(CellPosition(1, cell, kLtr), cell - 3);
  EXPECT_EQ(SelectionFrameLeft(kLtr), 278);
  // Right to left, current 5 (the last): cell 5 is framed and shows it, cells 6–8 are past it.
  EXPECT_EQ(CellPosition(5, 5, kRtl), 5);
  EXPECT_EQ(CellPosition(5, 6, kRtl), 6);
  EXPECT_EQ(CellPosition(5, 1, kRtl), 1);
  EXPECT_EQ(SelectionFrameLeft(kRtl), 363);
  // The wide window continues after the strip.
  EXPECT_EQ(CellPosition(1, 9, kLtr), 6);
  EXPECT_EQ(CellPosition(1, 47, kLtr), 44);
}

TEST(StripScroll, Limits) {
  EXPECT_EQ(StepForwardOnce(1, 20, 8, false, kLtr), 9);
  EXPECT_EQ(StepForwardOnce(17, 20, 8, false, kLtr), 20) << "stops at the last photo";
  EXPECT_EQ(StepForwardOnce(20, 20, 8, false, kLtr), std::nullopt) << "a second press does nothing";
  EXPECT_EQ(StepForwardOnce(1, 1, 1, false, kLtr), std::nullopt);
  EXPECT_EQ(StepBackOnce(5, 20, 8), 1);
  EXPECT_EQ(StepBackOnce(1, 20, 8), std::nullopt);
  EXPECT_EQ(StepBackOnce(0, 0, 1), std::nullopt) << "an empty list does not move";
  EXPECT_EQ(GoToStartIndex(7, 20), 1);
  EXPECT_EQ(GoToEndIndex(7, 20), 20);
  EXPECT_EQ(GoToEndIndex(1, 1), std::nullopt);
}

TEST(StripScroll, WideWindowPagesStopAtItsLastCell) {
  // 100 photos: the window's page steps stop at PhotoCount − 42.
  EXPECT_EQ(StepForwardOnce(1, 100, 39, true, kLtr), 40);
  EXPECT_EQ(StepForwardOnce(40, 100, 39, true, kLtr), 58);
  EXPECT_EQ(StepForwardOnce(58, 100, 39, true, kLtr), std::nullopt);
  EXPECT_EQ(StepForwardOnce(58, 100, 8, true, kLtr), 66) << "the strip's own steps go on";
  EXPECT_EQ(WideGoToEndIndex(1, 100, kLtr), 58);
  // With 40 photos the limit lies below the current position: the end button does nothing.
  EXPECT_EQ(WideGoToEndIndex(1, 40, kLtr), std::nullopt);
  EXPECT_EQ(StepForwardOnce(1, 40, 39, true, kLtr), std::nullopt);
}

}  // namespace
}  // namespace kasumori::thumbs
