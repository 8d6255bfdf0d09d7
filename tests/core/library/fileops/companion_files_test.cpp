// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/companion_files.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kasumori::library {
namespace {

TEST(EditRecordsTest, RecordsAreFoundInAnyCaseAndPastNumberingGaps) {
  const QStringList names{"IMG_0001_jpg-025.ksm", "IMG_0001.JPG",         "IMG_0001_JPG-002.KSM",
                          "IMG_0001_jpg.ksm",     "IMG_0001_jpg-000.ksm", "IMG_0001_jpg-1.ksm",
                          "IMG_0001_jpgx.ksm",    "IMG_00011_jpg.ksm",    "IMG_0001_jpg-002.txt",
                          "other_jpg.ksm"};
  EXPECT_EQ(EditRecordsOf(names, "IMG_0001.JPG"),
            (QStringList{"IMG_0001_jpg.ksm", "IMG_0001_JPG-002.KSM", "IMG_0001_jpg-025.ksm"}));
  EXPECT_TRUE(EditRecordsOf(names, "IMG_0001.png").isEmpty());
}

TEST(EditRecordsTest, ARenamedRecordKeepsItsTailUnderTheNewName) {
  EXPECT_EQ(RenamedRecordName("IMG_0001_jpg-002.ksm", "IMG_0001.jpg", "holiday.jpg"),
            "holiday_jpg-002.ksm");
  EXPECT_EQ(RenamedRecordName("IMG_0001_jpg.ksm", "IMG_0001.jpg", "holiday.PNG"),
            "holiday_png.ksm");
  // A record spelled in another case still gets the name the photo's records are looked for.
  EXPECT_EQ(RenamedRecordName("IMG_0001_JPG.KSM", "IMG_0001.jpg", "IMG_0001.jpg"),
            "IMG_0001_jpg.KSM");
}

}  // namespace
}  // namespace kasumori::library
