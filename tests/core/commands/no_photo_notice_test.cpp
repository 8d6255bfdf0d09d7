// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/no_photo_notice.h"

#include <gtest/gtest.h>

namespace kasumori::commands {
namespace {

TEST(NoPhotoNotice, KeysNameThemselvesAndMenusSayMenuWhereTheyHaveTheirOwnText) {
  EXPECT_EQ(NoPhotoNotice(Command::NormalDisplay, CommandSource::Key).first(),
            "『Ｎ』キーは、パノラマモードを解除して");
  EXPECT_EQ(NoPhotoNotice(Command::NormalDisplay, CommandSource::Menu).first(),
            "このメニューは、パノラマモードを解除して");
  EXPECT_EQ(NoPhotoNotice(Command::RotateRight, CommandSource::Menu),
            (QStringList{"このメニューは、現在表示されている写真を",
                         "右回りに９０°回転させたいときに使います。"}));
  // The pop-up's delete entry explains itself with the key's words.
  EXPECT_EQ(NoPhotoNotice(Command::DeletePhoto, CommandSource::Menu),
            NoPhotoNotice(Command::DeletePhoto, CommandSource::Key));
  const QStringList fullScreen = NoPhotoNotice(Command::FullScreen, CommandSource::Key);
  ASSERT_EQ(fullScreen.size(), 4);
  EXPECT_TRUE(fullScreen[3].startsWith(u'　')) << "the last line begins with a wide space";
}

TEST(NoPhotoNotice, CommandsThatWorkOnTheListSayNothing) {
  for (Command command : {Command::NextPhoto, Command::PreviousFolder, Command::StripEnd,
                          Command::RenewThumbnail, Command::WideMode, Command::Slideshow}) {
    EXPECT_TRUE(NoPhotoNotice(command, CommandSource::Key).isEmpty()) << int(command);
  }
}

TEST(NoPhotoNotice, TheAddMenuExplainsItselfAndCtrlDSaysNothing) {
  EXPECT_EQ(NoPhotoNotice(Command::AddFavourite, CommandSource::Menu),
            (QStringList{"このメニューは、現在表示されている写真を",
                         "「お気に入り」に追加したいときに使います。"}));
  EXPECT_TRUE(NoPhotoNotice(Command::AddFavourite, CommandSource::Key).isEmpty());
}

}  // namespace
}  // namespace kasumori::commands
