// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/custom_size.h"
#include "shell/window_layout.h"

#include "support/qt_printers.h"
#include "support/scripted_dialog_service.h"

#include <gtest/gtest.h>

namespace kasumori::shell {
namespace {

TEST(WindowSizeModes, DisplayAreaAndLayout) {
  struct Case {
    std::uint8_t mode;
    QSize custom;
    QSize display;
    LayoutKind layout;
  } cases[] = {
      {1, {}, {480, 360}, LayoutKind::A480},
      {2, {}, {640, 480}, LayoutKind::B640},
      {3, {}, {800, 600}, LayoutKind::C800},
      {8, {}, {1024, 768}, LayoutKind::D1024},
      {4, {500, 400}, {500, 400}, LayoutKind::B640},
      {4, {481, 300}, {481, 300}, LayoutKind::B640},
      {4, {480, 360}, {480, 360}, LayoutKind::A480},
      {4, {801, 100}, {801, 100}, LayoutKind::D1024},
      {4, {1024, 768}, {1024, 768}, LayoutKind::D1024},
      {5, {100, 100}, {100, 100}, LayoutKind::A480},
      {6, {100, 100}, {100, 100}, LayoutKind::B640},
      {7, {100, 100}, {100, 100}, LayoutKind::C800},
      {9, {100, 100}, {100, 100}, LayoutKind::D1024},
      {0, {300, 200}, {300, 200}, LayoutKind::C800},
      {200, {300, 200}, {300, 200}, LayoutKind::C800},
  };
  for (const Case& c : cases) {
    const DisplayMode mode =
        DisplayModeFor(config::WindowSizeMode(c.mode), c.custom.width(), c.custom.height());
    EXPECT_EQ(mode.display, c.display) << int(c.mode);
    EXPECT_EQ(mode.layout, c.layout) << int(c.mode);
  }
  EXPECT_EQ(CustomSizeCaption(config::WindowSizeMode(3), 500, 400), "任意の大きさ");
  EXPECT_EQ(CustomSizeCaption(config::WindowSizeMode(4), 500, 400), "任意（500x400）");
  EXPECT_EQ(CustomSizeCaption(config::WindowSizeMode(42), 500, 400), "任意（500x400）");
}

TEST(WindowLayouts, TheLargestDisplayAreaFitsItsClientArea) {
  for (LayoutKind kind :
       {LayoutKind::A480, LayoutKind::B640, LayoutKind::C800, LayoutKind::D1024}) {
    const LayoutTable& t = LayoutOf(kind);
    const QRect view(t.viewOrigin, t.viewArea);
    EXPECT_TRUE(QRect(QPoint(0, 0), t.client).contains(view));
    EXPECT_FALSE(view.intersects(t.folderPnl));
    EXPECT_FALSE(view.intersects(t.exifPnl));
    if (t.gashitsuShown) {
      EXPECT_FALSE(view.intersects(t.gashitsuPnl));
    }
  }
}

TEST(WindowLayouts, DerivedPositions) {
  const DerivedLayout c = DeriveLayout(LayoutOf(LayoutKind::C800));
  EXPECT_EQ(c.henshuMigiPnl, QRect(148, 0, 1, 68));
  EXPECT_EQ(c.henshuShitaPnl, QRect(0, 67, 149, 1));
  EXPECT_EQ(c.folderLblPnlWidth, 207);
  EXPECT_EQ(c.folderBtnLeft, 183);
  EXPECT_EQ(c.folderTree, QRect(3, 9, 197, 239));
  EXPECT_EQ(c.histDaiPnlLeft, 6);
  const DerivedLayout a = DeriveLayout(LayoutOf(LayoutKind::A480));
  EXPECT_EQ(a.histDaiPnlLeft, 7);
  EXPECT_EQ(a.folderTree, QRect(3, 9, 132, 208));
  EXPECT_EQ(NarabikaeLblLeft(207, config::ListDirection::LeftToRight), 194);
  EXPECT_EQ(NarabikaeLblLeft(207, config::ListDirection::RightToLeft), 193);
}

// The information labels in the wide (211) and narrow (146) panels. Text widths are those of
// the gothic fonts at 12 px: 8 half-width characters of file size, 17 of exposure, one star.
TEST(InfoLabels, PlacesFollowThePanelWidthAndTheTexts) {
  struct Case {
    const char* name;
    int panel;
    InfoLabelContent content;
    int fileNameWidth, hidukeLeft, timeLeft, fileSizeLeft;
    QRect extName, size, satsuei, strobe;
  } cases[] = {
      {"wide with date and flash",
       211,
       {true, 48, 102, true, 12},
       143,
       152,
       159,
       162,
       QRect(1, 37, 60, 13),
       QRect(62, 37, 90, 13),
       QRect(1, 82, 101, 13),
       QRect(102, 82, 12, 13)},
      {"wide without either",
       211,
       {false, 48, 102, false, 0},
       209,
       152,
       159,
       162,
       QRect(1, 37, 60, 13),
       QRect(62, 37, 90, 13),
       QRect(1, 82, 102, 13),
       QRect(103, 82, 0, 13)},
      {"narrow with date and flash",
       146,
       {true, 48, 66, true, 12},
       78,
       87,
       94,
       97,
       QRect(1, 37, 30, 13),
       QRect(32, 37, 61, 13),
       QRect(1, 82, 65, 13),
       QRect(66, 82, 12, 13)},
      {"narrow, empty labels",
       146,
       {false, 0, 0, false, 0},
       144,
       87,
       94,
       145,
       QRect(1, 37, 30, 13),
       QRect(32, 37, 61, 13),
       QRect(1, 82, 0, 13),
       QRect(1, 82, 0, 13)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const InfoLabelPlaces p = PlaceInfoLabels(c.panel, c.content);
    EXPECT_EQ(p.fileNameLbl.width(), c.fileNameWidth);
    EXPECT_EQ(p.hidukeLbl.left(), c.hidukeLeft);
    EXPECT_EQ(p.timeLbl.left(), c.timeLeft);
    EXPECT_EQ(p.fileSizeLbl.left(), c.fileSizeLeft);
    EXPECT_EQ(p.fileSizeLbl.left() + p.fileSizeLbl.width(), c.panel - 1);
    EXPECT_EQ(p.extNameLbl, c.extName);
    EXPECT_EQ(p.sizeLbl, c.size);
    EXPECT_EQ(p.satsueiLbl, c.satsuei);
    EXPECT_EQ(p.strobeLbl, c.strobe);
    // Labels of one row never overlap, and nothing fixed reaches past the panel.
    EXPECT_FALSE(p.sizeLbl.intersects(p.timeLbl));
    EXPECT_FALSE(p.extNameLbl.intersects(p.sizeLbl));
    EXPECT_FALSE(p.cameraLbl.intersects(p.fileSizeLbl));
    if (c.content.dateShown) {
      EXPECT_FALSE(p.fileNameLbl.intersects(p.hidukeLbl));
    }
    for (const QRect& r : {p.fileNameLbl, p.hidukeLbl, p.timeLbl, p.makerLbl, p.satsueiLbl2}) {
      EXPECT_LE(r.left() + r.width(), c.panel - 1);
    }
  }
}

TEST(CustomSize, RefusalsAndLayoutChoice) {
  EXPECT_EQ(CheckCustomSize(1025, 100, LayoutChoice::Automatic), SizeCheck::OutOfRange);
  EXPECT_EQ(CheckCustomSize(100, 31, LayoutChoice::Automatic), SizeCheck::OutOfRange);
  EXPECT_EQ(CheckCustomSize(100, 769, LayoutChoice::Automatic), SizeCheck::OutOfRange);
  EXPECT_EQ(CheckCustomSize(1024, 768, LayoutChoice::For800), SizeCheck::LargerThanLayout);
  EXPECT_EQ(CheckCustomSize(1024, 768, LayoutChoice::Automatic), SizeCheck::Accepted);
  EXPECT_EQ(CheckCustomSize(481, 360, LayoutChoice::For480), SizeCheck::LargerThanLayout);
  EXPECT_EQ(CheckCustomSize(32, 32, LayoutChoice::For480), SizeCheck::Accepted);

  platform::ScriptedDialogService dialogs;
  ReportSizeCheck(SizeCheck::OutOfRange, dialogs);
  EXPECT_EQ(dialogs.LastText(), "入力されたサイズは、範囲を超えています。");
  ReportSizeCheck(SizeCheck::LargerThanLayout, dialogs);
  EXPECT_EQ(dialogs.LastText(),
            "Kasumori２本体のWindowの大きさが\n写真表示サイズよりも小さく指定されています。");
  ReportSizeCheck(SizeCheck::Accepted, dialogs);
  EXPECT_EQ(dialogs.Records().size(), 2u);

  EXPECT_EQ(InitialLayoutChoice(config::WindowSizeMode(3)), LayoutChoice::For800);
  EXPECT_EQ(InitialLayoutChoice(config::WindowSizeMode(8)), LayoutChoice::For1024);
  EXPECT_EQ(InitialLayoutChoice(config::WindowSizeMode(2)), LayoutChoice::Automatic);
  EXPECT_FALSE(InitialLayoutChoice(config::WindowSizeMode(0)).has_value());
}

TEST(CustomSize, FieldsAndProportions) {
  EXPECT_EQ(FieldNumber("640"), 640);
  EXPECT_EQ(FieldNumber(""), 0);
  EXPECT_EQ(FieldNumber("6a"), 0);
  EXPECT_EQ(FieldNumber("99999999999"), 0);
  // 3000 × 2000 reference: a width of 500 gives 333.33 + 0.5 → 333; 501 gives 334.
  EXPECT_EQ(ProportionalSide(500, 3000, 2000, 7), 333);
  EXPECT_EQ(ProportionalSide(501, 3000, 2000, 7), 334);
  EXPECT_EQ(ProportionalSide(3, 2, 1, 7), 2) << "1.5 rounds half up";
  EXPECT_EQ(ProportionalSide(500, 0, 2000, 7), 7);
}

}  // namespace
}  // namespace kasumori::shell
