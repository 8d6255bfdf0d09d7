// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/load_error.h"

#include "platform/scripted_dialog_service.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kasumori::display {
namespace {

TEST(ShowLoadError, MainWindowShowsTheTwoLineNoticeAndBlanksTheView) {
  platform::ScriptedDialogService dialogs;
  library::LoadFailedFlags failed;
  const LoadErrorActions a = ShowLoadError(3, true, {.ListName = "IMG_0003.JPG"}, failed, dialogs);
  EXPECT_TRUE(failed.Get(3));
  EXPECT_TRUE(a.SuspendWatching);
  EXPECT_TRUE(a.ResetShownPhoto);
  EXPECT_EQ(a.ShownPhoto.Contrast, 256);
  EXPECT_EQ(a.SizeLbl, "読み込みエラー");
  EXPECT_TRUE(a.FillViewBlack);
  EXPECT_FALSE(a.FillFullScreenBlack);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines,
            (QStringList{"画像ファイル IMG_0003.JPG",
                         "は壊れているか、「Kasumori２」で読み込めない形式です。"}));
  ShowLoadError(4, false, {.ListName = "b.jpg"}, failed, dialogs);
  EXPECT_EQ(dialogs.Records().size(), 1u);  // no notice without the flag
}

TEST(ShowLoadError, SlideshowFullScreenAndUnlistedPhotos) {
  platform::ScriptedDialogService dialogs;
  library::LoadFailedFlags failed;
  const LoadErrorActions slide = ShowLoadError(2, true, {.SlideshowActive = true}, failed, dialogs);
  EXPECT_TRUE(slide.FillSlideshowBlack);
  EXPECT_FALSE(slide.ShowFileName);
  const LoadErrorActions full = ShowLoadError(2, true, {.FullScreenActive = true}, failed, dialogs);
  EXPECT_TRUE(full.FillFullScreenBlack);
  EXPECT_TRUE(full.ShowFileName);
  EXPECT_FALSE(full.FillViewBlack);
  const LoadErrorActions pane = ShowLoadError(0, true, {}, failed, dialogs);
  EXPECT_TRUE(pane.SuspendWatching);
  EXPECT_FALSE(pane.ResetShownPhoto);
  EXPECT_TRUE(dialogs.Records().empty());
  failed.Reset();
  EXPECT_FALSE(failed.Get(2));
}

}  // namespace
}  // namespace kasumori::display
