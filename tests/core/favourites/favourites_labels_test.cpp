// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_labels.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kasumori::favourites {
namespace {

TEST(FavouritesLabels, NameLabelGrowsLeftFromTheCellAndStopsAtThePanel) {
  struct Case {
    QRect cell;
    int textWidth;
    QRect label;
  };
  const Case cases[] = {
      {{429, 69, 80, 60}, 20, {431, 71, 76, 15}},  // short names keep the least width
      {{429, 69, 80, 60}, 71, {431, 71, 76, 15}},  // the last width that still fits it
      {{429, 69, 80, 60}, 72, {430, 71, 77, 15}},  // one more grows it to the left
      {{89, 4, 80, 60}, 200, {0, 6, 205, 15}},     // never past the panel's left edge
      {{4, 4, 80, 60}, 76, {1, 6, 81, 15}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NameLabelRect(c.cell, c.textWidth), c.label)
        << ::testing::PrintToString(c.cell) << " " << c.textWidth;
  }
}

TEST(FavouritesLabels, TextsComeFromTheName) {
  struct Case {
    QString name, nameText, typeText;
  };
  const Case cases[] = {
      {"IMG_0012.JPG", "IMG_0012", ".JPG"},
      {"a.b.jpeg", "a.b", ".jpeg"},
      {"noextension", "noextension", ""},
      {"IMG_0012_jpg.ksm", "IMG_0012_jpg", "jpg.ksm"},
      {"IMG_0012_JPG-002.KSM", "IMG_0012_JPG-002", "JPG-002.KSM"},
      {"plain.ksm", "plain", "plain.ksm"},
      {"x_averyveryverylong.ksm", "x_averyveryverylong", "averyveryver"},  // 12 at most
      {"photo.ksm.jpg", "photo.ksm", ".jpg"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NameLabelText(c.name), c.nameText) << c.name.toStdString();
    EXPECT_EQ(TypeLabelText(c.name), c.typeText) << c.name.toStdString();
  }
}

TEST(FavouritesLabels, TypeBoxEndsAtTheCellsRightAndWidensBySixPerCharacter) {
  struct Case {
    QString text;
    QRect box;
    QPoint origin;
  };
  const Case cases[] = {
      {".JPG", {51, 44, 26, 13}, {52, 45}},
      {"jpg.ksm", {33, 44, 44, 13}, {34, 45}},
      {"averyveryver", {3, 44, 74, 13}, {4, 45}},
      {".ｼﾞﾋﾟ", {45, 44, 32, 13}, {46, 45}},  // half-width katakana are single
      {".写真", {45, 44, 32, 13}, {46, 45}},  // full width counts twice
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TypeLabelRect(c.text), c.box) << c.text.toStdString();
    EXPECT_EQ(TypeLabelTextOrigin(c.text), c.origin) << c.text.toStdString();
    EXPECT_TRUE(kTypeStrip.contains(TypeLabelRect(c.text))) << c.text.toStdString();
  }
}

}  // namespace
}  // namespace kasumori::favourites
