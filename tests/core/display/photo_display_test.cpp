// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/photo_display.h"

#include "support/display_rig.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <memory>

namespace kasumori::display {
namespace {

class PhotoDisplayTest : public ::testing::Test, protected testkit::DisplayRig {
 protected:
  PhotoDisplayTest() { folders.CurrentFolder = tree.Path(); }

  testkit::TempTree tree;
  PhotoDisplay display{Services()};
};

TEST_F(PhotoDisplayTest, APhotoThatFailsIsReportedOnceWhereverItFails) {
  // A missing file fails while its information is read and is then not decoded at all; a
  // file that is no photo fails in the decoders.
  const struct {
    const char* name;
    bool exists;
  } cases[] = {{"gone.jpg", false}, {"broken.jpg", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.exists) tree.File(c.name, "not a photo");
    list->Clear();
    list->Append(c.name, {});
    loadFailed.Reset();
    dialogs.Clear();
    QString sizeWhileNoticeOpen;
    dialogs.whenShown = [&](const auto&) { sizeWhileNoticeOpen = host.sizeText; };
    display.ShowPhoto(1);
    ASSERT_EQ(dialogs.Records().size(), 1u);
    // The labels are set before the notice: no "loading" text behind it.
    EXPECT_EQ(sizeWhileNoticeOpen, "読み込みエラー");
    EXPECT_EQ(dialogs.Text(0),
              QString("画像ファイル %1\nは壊れているか、「Kasumori２」で読み込めない形式です。")
                  .arg(c.name));
    EXPECT_TRUE(loadFailed.Get(1));
    EXPECT_FALSE(display.SourceIsShown());
    EXPECT_EQ(host.sizeText, "読み込みエラー");
  }
}

}  // namespace
}  // namespace kasumori::display
