// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/app_slots.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::apps {
namespace {

struct NameCase {
  const char* what;
  const char* file;      // below the tree; empty for an unset slot
  const char* contents;  // of a desktop entry
  const char* expected;  // the application's name
};

// A desktop entry is known by the name the desktop shows; anything else by its file name.
const NameCase kNames[] = {
    {"unset", "", "", ""},
    {"a shortcut-like file", "Photo Editor.lnk", "", "Photo Editor"},
    {"a program without extension", "bin/gimp", "", "gimp"},
    {"only the last extension goes", "tools/resize.v2.sh", "", "resize.v2"},
    {"the Japanese name first", "org.example.Paint.desktop",
     "[Desktop Entry]\nName=Paint\nName[ja]=ペイント\nExec=paint %f\n", "ペイント"},
    {"else the plain name", "draw.desktop", "[Desktop Entry]\nName=Draw\nExec=draw\n", "Draw"},
    {"names of other groups do not count", "view.desktop",
     "[Desktop Action New]\nName=New window\n[Desktop Entry]\nExec=view\n", "view"},
};

TEST(AppSlotsTest, TheNameOfARegisteredFile) {
  testkit::TempTree tree;
  for (const NameCase& c : kNames) {
    const QString path = QString(c.file).isEmpty() ? QString() : tree.File(c.file, c.contents);
    EXPECT_EQ(AppName(path), QString(c.expected)) << c.what;
  }
}

TEST(AppSlotsTest, UnsetSlotsAreCaptionedByTheirNumberAndTheFieldSaysUnset) {
  testkit::TempTree tree;
  const QString paint = tree.File("paint.desktop", "[Desktop Entry]\nName[ja]=ペイント\n");
  const struct {
    int slot;
    QString path;
    const char* caption;
    const char* field;
  } cases[] = {
      {1, "", "（アプリケーション１）", "（未設定）"},
      {2, "", "（アプリケーション２）", "（未設定）"},
      {3, "", "（アプリケーション３）", "（未設定）"},
      {2, paint, "ペイント", "ペイント"},
      // A file that went away after registering keeps its caption: the entry then says why it
      // cannot start.
      {3, tree.Path("Gone Editor.lnk"), "Gone Editor", "Gone Editor"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AppMenuCaption(c.slot, c.path), QString(c.caption)) << c.slot;
    EXPECT_EQ(AppFieldText(c.path), QString(c.field)) << c.slot;
  }
}

TEST(AppSlotsTest, EachSlotIsItsOwnSetting) {
  config::Settings settings;
  for (int slot = 1; slot <= kAppSlotCount; ++slot) AppPath(settings, slot) = QString::number(slot);
  EXPECT_EQ(settings.AppPath1, "1");
  EXPECT_EQ(settings.AppPath2, "2");
  EXPECT_EQ(settings.AppPath3, "3");
  const config::Settings& read = settings;
  EXPECT_EQ(AppPath(read, 3), "3");
}

}  // namespace
}  // namespace kasumori::apps
