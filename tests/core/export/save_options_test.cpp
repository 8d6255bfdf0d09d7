// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/save_area.h"
#include "export/save_options.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kasumori::exporting {
namespace {

constexpr SaveOptions kJpeg{SaveFormat::Jpeg, 8, true, false};
constexpr SaveOptions kJpegUpper{SaveFormat::Jpeg, 8, true, true};
constexpr SaveOptions kBmp{SaveFormat::Bmp, 8, true, false};
constexpr SaveOptions kBmpUpper{SaveFormat::Bmp, 8, true, true};

struct NameCase {
  const char* shown;
  SaveOptions options;
  const char* proposed;
  const char* extension;  // in the dialog's title and as its default
};

class ProposedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ProposedName, FollowsFormatCaseAndRecord) {
  const NameCase& c = GetParam();
  EXPECT_EQ(ProposedSaveName(c.shown, c.options), c.proposed);
  EXPECT_EQ(DefaultExtension(c.options), c.extension);
  EXPECT_EQ(SaveDialogTitle(c.options, false),
            QStringLiteral("表示中のサイズ・状態で写真を保存（ファイル名の「.") + c.extension +
                QStringLiteral("」は省略できます）"));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ProposedName,
    ::testing::Values(NameCase{"IMG_0012.JPG", kJpeg, "IMG_0012_s.jpg", "jpg"},
                      NameCase{"IMG_0012.JPG", kJpegUpper, "IMG_0012_S.JPG", "JPG"},
                      NameCase{"IMG_0012.JPG", kBmp, "IMG_0012_s.bmp", "bmp"},
                      NameCase{"IMG_0012.JPG", kBmpUpper, "IMG_0012_S.BMP", "BMP"},
                      NameCase{"IMG_0012_jpg.ksm", kJpeg, "IMG_0012_s.jpg", "jpg"},
                      NameCase{"IMG_0012_jpg-002.ksm", kJpeg, "IMG_0012_s.jpg", "jpg"},
                      NameCase{"a.b.tif", kJpeg, "a.b_s.jpg", "jpg"},
                      NameCase{"noext", kJpeg, "noext_s.jpg", "jpg"}));

TEST(SaveDialogTitle, NamesTheWholePictureWhenTheWholeZoomIsSaved) {
  EXPECT_EQ(SaveDialogTitle(kJpegUpper, true),
            QStringLiteral("表示中の状態（表示倍率）で写真全体を保存（ファイル名の「.JPG」は省略"
                           "できます）"));
}

TEST(JpegQuality, IsFiveTimesTheStepPlusFifty) {
  EXPECT_EQ(JpegQuality(8), 90);
  EXPECT_EQ(JpegQuality(10), 100);
  EXPECT_EQ(JpegQuality(1), 55);
  EXPECT_EQ(QualityStepText(1), QStringLiteral("画質１→"));
  EXPECT_EQ(QualityStepText(9), QStringLiteral("画質９→"));
  EXPECT_EQ(QualityStepText(10), QStringLiteral("画質10→"));
}

TEST(SaveOptionsFrom, BringsStoredValuesIntoTheDialogsRange) {
  config::Settings settings;
  EXPECT_EQ(SaveOptionsFrom(settings), kRecommendedOptions);
  settings.SaveFormat = 3;
  settings.SaveJpegQuality = 0;
  EXPECT_TRUE(NormaliseSaveFormat(settings));
  EXPECT_EQ(settings.SaveFormat, 1);
  EXPECT_FALSE(NormaliseSaveFormat(settings));
  EXPECT_EQ(SaveOptionsFrom(settings).qualityStep, 1);
  settings.SaveJpegQuality = 11;
  EXPECT_EQ(SaveOptionsFrom(settings).qualityStep, 10);
  StoreSaveOptions(kBmpUpper, settings);
  EXPECT_EQ(SaveOptionsFrom(settings), kBmpUpper);
  EXPECT_EQ(settings.SaveFormat, 2);
}

struct AreaCase {
  const char* what;
  SaveAreaInput in;
  bool wholeZoom;
  bool ask;
  QRect withBars;
  QRect withoutBars;
};

class SaveArea : public ::testing::TestWithParam<AreaCase> {};

TEST_P(SaveArea, IsPlannedFromTheModesAndBars) {
  const AreaCase& c = GetParam();
  const SaveAreaPlan plan = PlanSaveArea(c.in);
  EXPECT_EQ(plan.wholeZoom, c.wholeZoom) << c.what;
  EXPECT_EQ(plan.askAboutBars, c.ask) << c.what;
  EXPECT_EQ(plan.withBars, c.withBars) << c.what;
  EXPECT_EQ(plan.withoutBars, c.withoutBars) << c.what;
}

const QSize k800(800, 600);
const QRect kWhole(0, 0, 800, 600);

INSTANTIATE_TEST_SUITE_P(Areas, SaveArea,
                         ::testing::Values(AreaCase{"landscape filling the area",
                                                    {k800, false, {}, false, false, 0, 0},
                                                    false,
                                                    false,
                                                    kWhole,
                                                    kWhole},
                                           AreaCase{"portrait: bars left and right",
                                                    {k800, false, {}, false, false, 175, 0},
                                                    false,
                                                    true,
                                                    kWhole,
                                                    QRect(175, 0, 450, 600)},
                                           AreaCase{"a one-pixel bar still asks",
                                                    {k800, false, {}, false, false, 0, 1},
                                                    false,
                                                    true,
                                                    kWhole,
                                                    QRect(0, 1, 800, 598)},
                                           AreaCase{"panorama: the whole area",
                                                    {k800, false, {}, true, false, 175, 0},
                                                    false,
                                                    false,
                                                    kWhole,
                                                    kWhole},
                                           AreaCase{"whole-zoom setting outside zoom cuts unasked",
                                                    {k800, false, {}, false, true, 175, 0},
                                                    false,
                                                    false,
                                                    QRect(175, 0, 450, 600),
                                                    QRect(175, 0, 450, 600)},
                                           AreaCase{"zoomed narrower than the area",
                                                    {k800, true, {501, 900}, false, false, 0, 0},
                                                    false,
                                                    true,
                                                    kWhole,
                                                    QRect(150, 0, 500, 600)},
                                           AreaCase{"whole zoom: the zoomed picture",
                                                    {k800, true, {1600, 1200}, false, true, 0, 0},
                                                    true,
                                                    false,
                                                    QRect(0, 0, 1600, 1200),
                                                    QRect(0, 0, 1600, 1200)}));

}  // namespace
}  // namespace kasumori::exporting
