// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/load_error.h"

#include "support/qt_printers.h"
#include "support/scripted_dialog_service.h"

#include <gtest/gtest.h>

namespace kasumori::display {
namespace {

TEST(ShowLoadError, MainWindowShowsTheTwoLineNoticeAndBlanksTheView) {
  library::LoadFailedFlags failed;
  const LoadErrorActions a = ShowLoadError(3, true, {.ListName = "IMG_0003.JPG"}, failed);
  EXPECT_TRUE(failed.Get(3));
  EXPECT_TRUE(a.SuspendWatching);
  EXPECT_TRUE(a.ResetShownPhoto);
  EXPECT_EQ(a.ShownPhoto.Contrast, 256);
  EXPECT_EQ(a.SizeLbl, "読み込みエラー");
  EXPECT_TRUE(a.FillViewBlack);
  EXPECT_FALSE(a.FillFullScreenBlack);
  EXPECT_EQ(a.Notice, (QStringList{"画像ファイル IMG_0003.JPG",
                                   "は壊れているか、「Kasumori２」で読み込めない形式です。"}));
  const LoadErrorActions quiet = ShowLoadError(4, false, {.ListName = "b.jpg"}, failed);
  EXPECT_TRUE(quiet.Notice.isEmpty());  // no notice without the flag
  EXPECT_EQ(quiet.SizeLbl, "読み込みエラー");
}

TEST(ShowLoadError, SlideshowFullScreenAndUnlistedPhotos) {
  library::LoadFailedFlags failed;
  const LoadErrorActions slide = ShowLoadError(2, true, {.SlideshowActive = true}, failed);
  EXPECT_TRUE(slide.FillSlideshowBlack);
  EXPECT_FALSE(slide.ShowFileName);
  const LoadErrorActions full = ShowLoadError(2, true, {.FullScreenActive = true}, failed);
  EXPECT_TRUE(full.FillFullScreenBlack);
  EXPECT_TRUE(full.ShowFileName);
  EXPECT_FALSE(full.FillViewBlack);
  const LoadErrorActions pane = ShowLoadError(0, true, {}, failed);
  EXPECT_TRUE(pane.SuspendWatching);
  EXPECT_FALSE(pane.ResetShownPhoto);
  for (const LoadErrorActions& a : {slide, full, pane}) EXPECT_TRUE(a.Notice.isEmpty());
  failed.Reset();
  EXPECT_FALSE(failed.Get(2));
}

}  // namespace
}  // namespace kasumori::display
