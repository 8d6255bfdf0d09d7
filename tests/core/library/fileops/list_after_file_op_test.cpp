// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/list_after_file_op.h"

#include <gtest/gtest.h>

#include <memory>

namespace kasumori::library {
namespace {

std::unique_ptr<PhotoList> ListOf(std::initializer_list<const char*> names) {
  auto list = std::make_unique<PhotoList>();
  for (const char* name : names) list->Append(name, kNoFileDate);
  return list;
}

TEST(ListAfterFileOpTest, DeletingTheLastPhotosLowersTheIndex) {
  auto list = ListOf({"a.jpg", "b.jpg"});
  KeepCurrentIndex(*list, 3);
  EXPECT_EQ(list->CurrentIndex, 2);
  KeepCurrentIndex(*list, 1);
  EXPECT_EQ(list->CurrentIndex, 1);
  auto empty = ListOf({});
  KeepCurrentIndex(*empty, 1);
  EXPECT_EQ(empty->CurrentIndex, 0);
}

TEST(ListAfterFileOpTest, TheRenamedPhotoIsFoundByItsExactName) {
  auto list = ListOf({"a.jpg", "Holiday.jpg", "holiday.jpg", "z.jpg"});
  PlaceRenamedPhoto(*list, 3, "holiday.jpg");
  EXPECT_EQ(list->ShownPhotoIndex, 3);
  EXPECT_EQ(list->CurrentIndex, 4);  // it stood on the renamed photo
  PlaceRenamedPhoto(*list, 4, "z.jpg");
  EXPECT_EQ(list->CurrentIndex, 4);  // nothing after it
  PlaceRenamedPhoto(*list, 2, "gone.jpg");
  EXPECT_EQ(list->ShownPhotoIndex, 0);
  EXPECT_EQ(list->CurrentIndex, 2);
}

}  // namespace
}  // namespace kasumori::library
