// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_list.h"

#include <gtest/gtest.h>

#include "library/record_names.h"
#include "support/temp_tree.h"

namespace kasumori::records {
namespace {

QString Numbered(const QString& stem, int n) {
  return stem + u'-' + QString::number(n).rightJustified(3, u'0') + ".ksm";
}

TEST(RecordListTest, FindsNumberedRecordsAcrossGapsButStopsAtAMissing019) {
  QStringList names{"IMG_0001.jpg", "IMG_0001_jpg.ksm"};
  for (int n : {1, 2, 5, 18, 20, 999}) names << Numbered("IMG_0001_jpg", n);
  names << Numbered("IMG_0001_jpg", 19);
  EXPECT_EQ(ListRecords(names, "IMG_0001.jpg").size(), 8);

  names.removeAll(Numbered("IMG_0001_jpg", 19));
  EXPECT_EQ(ListRecords(names, "IMG_0001.jpg"),
            (QStringList{"IMG_0001_jpg.ksm", "IMG_0001_jpg-001.ksm", "IMG_0001_jpg-002.ksm",
                         "IMG_0001_jpg-005.ksm", "IMG_0001_jpg-018.ksm"}));
}

TEST(RecordListTest, TheSearchRunsToTheLastNumber) {
  const QStringList names{Numbered("a_jpg", 19), Numbered("a_jpg", 999), "a_jpg-1000.ksm"};
  EXPECT_EQ(ListRecords(names, "a.jpg"), (QStringList{"a_jpg-019.ksm", "a_jpg-999.ksm"}));
}

struct NameCase {
  const char* given;  // a photo or one of its records
  QStringList expected;
};

TEST(RecordListTest, NamesMatchRegardlessOfLetterCaseAndKeepTheirSpelling) {
  const QStringList folder{"IMG_0001.JPG",         "IMG_0001_JPG-002.KSM", "img_0001_jpg.ksm",
                           "IMG_0001_jpg-003.ksm", "IMG_0001_jpeg.ksm",    "IMG_00011_jpg.ksm",
                           "IMG_0001_jpg-02.ksm",  "IMG_0001_jpg-004.txt"};
  const QStringList all{"img_0001_jpg.ksm", "IMG_0001_JPG-002.KSM", "IMG_0001_jpg-003.ksm"};
  const NameCase cases[] = {
      {"IMG_0001.JPG", all},
      {"IMG_0001.jpg", all},
      {"IMG_0001_jpg-003.ksm", all},  // a record finds its siblings and itself
      {"IMG_0001.jpeg", {"IMG_0001_jpeg.ksm"}},
      {"IMG_0002.jpg", {}},
  };
  for (const NameCase& c : cases) EXPECT_EQ(ListRecords(folder, c.given), c.expected) << c.given;
}

TEST(RecordListTest, ListsAFolderOnDisk) {
  testkit::TempTree tree;
  tree.File("P/My_Photo_2.jpeg");
  tree.File("P/My_Photo_2_JPEG-010.ksm");
  tree.File("P/My_Photo_2_jpeg.ksm");
  tree.File("P/Other_jpeg.ksm");
  EXPECT_EQ(ListRecords(tree.Path("P/My_Photo_2.jpeg")),
            (QStringList{"My_Photo_2_jpeg.ksm", "My_Photo_2_JPEG-010.ksm"}));
  EXPECT_TRUE(ListRecords(tree.Path("absent/x.jpg")).isEmpty());
}

TEST(RecordListTest, RecordNamesLeadToTheirSource) {
  const std::pair<const char*, const char*> cases[] = {
      {"IMG_0001_jpg-002.ksm", "IMG_0001.jpg"},
      {"IMG_0001_jpg.ksm", "IMG_0001.jpg"},
      {"IMG_0001_jpg-005.ksm", "IMG_0001.jpg"},
      {"My_Photo_2_jpeg-010.ksm", "My_Photo_2.jpeg"},
  };
  for (const auto& [record, source] : cases) {
    EXPECT_EQ(library::RecordSourceName(record), QString(source)) << record;
  }
}

}  // namespace
}  // namespace kasumori::records
