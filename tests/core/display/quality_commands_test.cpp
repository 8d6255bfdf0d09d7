// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/quality_commands.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "config/settings.h"
#include "support/scripted_dialog_service.h"

namespace kasumori::display {
namespace {

using platform::ScriptedDialogService;

// Records what the commands ask of the window, in order.
class RecordingHost final : public QualityHost {
 public:
  void SaveSettings() override { calls << "save"; }
  void ShowQualitySettings() override { calls << "labels"; }
  void RepaintMainWindow() override { calls << "repaint"; }
  void Recompose() override { calls << "recompose"; }
  void RecomposeNormal() override { calls << "recompose-normal"; }
  void RedrawComments() override { calls << "comments"; }
  void StopSlideshow() override { calls << "stop-slideshow"; }
  void DrawHistogram() override { calls << "histogram"; }
  void SharpenOnScreen() override { calls << "sharpen"; }

  int Count(const QString& call) const { return int(calls.count(call)); }
  QStringList calls;
};

class QualityCommandsTest : public ::testing::Test {
 protected:
  QualityCommandsTest() {
    state.uiReady = true;
    state.photoShown = true;
  }
  config::Settings settings;
  ScriptedDialogService dialogs;
  RecordingHost host;
  QualityState state;
  DisplayModes modes;
  PhotoEdits shown;
  QualityCommands commands{settings, dialogs, host, state, modes, shown};
};

TEST_F(QualityCommandsTest, NothingHappensBeforeTheWindowIsReady) {
  state.uiReady = false;
  commands.SetQualityMode(QualityMode::Fast);
  commands.SetEffect(PictureEffect::Sepia);
  commands.StepSharpness();
  commands.RemoveAllEdits();
  commands.HistogramClick();
  EXPECT_TRUE(host.calls.isEmpty());
  EXPECT_EQ(settings.QualityMode, QualityMode::High);
  EXPECT_EQ(settings.PictureEffect, PictureEffect::Chrome);
}

TEST_F(QualityCommandsTest, QualityModeSavesAndRecomposesTheShownPhoto) {
  commands.SetQualityMode(QualityMode::Fast);
  EXPECT_EQ(settings.QualityMode, QualityMode::Fast);
  EXPECT_EQ(host.calls,
            (QStringList{"repaint", "save", "labels", "repaint", "recompose", "comments"}));
  host.calls.clear();
  commands.QualityLabelClick();
  EXPECT_EQ(settings.QualityMode, QualityMode::High);
  modes.SlideshowActive = true;
  host.calls.clear();
  commands.QualityLabelClick();
  EXPECT_EQ(host.calls, QStringList{"stop-slideshow"});
  EXPECT_EQ(settings.QualityMode, QualityMode::High);
}

TEST_F(QualityCommandsTest, EffectInFastModeOffersHighQuality) {
  settings.QualityMode = QualityMode::Fast;
  commands.SetEffect(PictureEffect::Sepia);                 // answered "no"
  EXPECT_EQ(settings.PictureEffect, PictureEffect::Sepia);  // the global effect stays set
  EXPECT_EQ(settings.QualityMode, QualityMode::Fast);
  EXPECT_EQ(host.Count("recompose"), 0);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(
      dialogs.LastText(),
      "現在「高速モード」になっています。\n画質効果の設定は、「高画質モード」で反映されます。\n"
      "「高画質モード」に切り替えます。");

  dialogs.Answer(1);
  commands.SetEffect(PictureEffect::BlackWhite);
  EXPECT_EQ(settings.QualityMode, QualityMode::High);
  EXPECT_EQ(host.Count("recompose"), 1);  // the mode switch's only: no second redraw
}

TEST_F(QualityCommandsTest, EffectClearsTheShownPhotosOwnEffectOnRequest) {
  shown.effect = 3;
  commands.SetEffect(PictureEffect::Chrome);  // unchanged global effect, own effect kept ("no")
  EXPECT_EQ(shown.effect, 3);
  EXPECT_EQ(host.Count("recompose"), 0);
  dialogs.Answer(1);
  commands.SetEffect(PictureEffect::Chrome);
  EXPECT_EQ(shown.effect, 0);
  EXPECT_EQ(host.Count("recompose"), 1);
  EXPECT_TRUE(dialogs.LastText().startsWith("現在表示中の写真は「個別に画質効果が設定」"));

  // Without a photo on screen a stale own effect is not asked about.
  state.photoShown = false;
  shown.effect = 2;
  dialogs.Clear();
  commands.SetEffect(PictureEffect::Normal);
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST_F(QualityCommandsTest, StepsOfTheLabelsAndF12) {
  EXPECT_EQ(NextEffect(PictureEffect::Chrome), PictureEffect::Sepia);
  EXPECT_EQ(NextEffect(PictureEffect::Sepia), PictureEffect::Normal);
  EXPECT_EQ(NextEffect(PictureEffect::BlackWhite), PictureEffect::Normal);
  EXPECT_EQ(NextEffect(PictureEffect::Normal), PictureEffect::Chrome);
  for (int s : {4, 6, 8, 10, 12}) EXPECT_EQ(NextSharpness(s), 0);
  EXPECT_EQ(NextSharpness(16), 12);
  EXPECT_EQ(NextSharpness(0), 16);
  commands.StepEffect();
  EXPECT_EQ(settings.PictureEffect, PictureEffect::Sepia);
  commands.StepSharpness();
  EXPECT_EQ(settings.Sharpness, 0);
}

TEST_F(QualityCommandsTest, SharpnessRedrawDecision) {
  // From no sharpening to some: sharpen what is on screen.
  EXPECT_EQ(RedrawAfterSharpness(0, 0, 0, 4, true, 0), SharpnessRedraw::SharpenOnScreen);
  EXPECT_EQ(RedrawAfterSharpness(-1, 12, -1, 4, true, 0), SharpnessRedraw::SharpenOnScreen);
  // A sharpened picture must be composed again.
  EXPECT_EQ(RedrawAfterSharpness(0, 12, 0, 4, true, 0), SharpnessRedraw::Recompose);
  EXPECT_EQ(RedrawAfterSharpness(8, 0, 0, 0, true, 0), SharpnessRedraw::Recompose);
  EXPECT_EQ(RedrawAfterSharpness(0, 0, 0, 4, true, 1), SharpnessRedraw::Recompose);
  EXPECT_EQ(RedrawAfterSharpness(0, 12, 0, 12, true, 0), SharpnessRedraw::None);
  EXPECT_EQ(RedrawAfterSharpness(0, 0, 0, 4, false, 0), SharpnessRedraw::None);

  settings.Sharpness = 0;
  commands.SetSharpness(4);
  EXPECT_EQ(host.Count("sharpen"), 1);
  EXPECT_EQ(host.Count("recompose"), 0);
  commands.SetSharpness(16);
  EXPECT_EQ(host.Count("recompose"), 1);
}

TEST_F(QualityCommandsTest, SharpnessInFastModeAndWithOwnSharpness) {
  settings.QualityMode = QualityMode::Fast;
  dialogs.Answer(1);
  commands.SetSharpness(8);
  EXPECT_EQ(settings.QualityMode, QualityMode::High);
  EXPECT_EQ(host.Count("recompose"), 1);  // by the switch only
  EXPECT_TRUE(
      dialogs.LastText().contains("シャープネスの設定は、「高画質モード」で反映されます。"));

  shown.sharpness = 6;
  dialogs.Answer(1);
  commands.SetSharpness(8);  // own 6 → 0 with the global 8: the picture was sharpened
  EXPECT_EQ(shown.sharpness, 0);
  EXPECT_EQ(host.Count("recompose"), 2);
}

TEST_F(QualityCommandsTest, HistogramModeAndClicks) {
  settings.QualityMode = QualityMode::Fast;
  commands.SetHistogramMode(HistogramMode::Automatic);
  EXPECT_EQ(settings.HistogramMode, HistogramMode::Automatic);
  EXPECT_EQ(dialogs.LastText(),
            "現在、高速モードになっています。\n高速モードの際、ヒストグラム表示は\n"
            "常に手動表示（クリックで表示）になります。");
  EXPECT_EQ(host.Count("histogram"), 0);
  settings.QualityMode = QualityMode::High;
  commands.SetHistogramMode(HistogramMode::Automatic);
  EXPECT_EQ(host.Count("histogram"), 1);
  commands.SetHistogramMode(HistogramMode::OnClick);
  EXPECT_EQ(settings.HistogramMode, HistogramMode::OnClick);

  commands.HistogramClick();
  EXPECT_EQ(host.Count("histogram"), 2);
  state.histogramShown = true;
  commands.HistogramClick();
  state.histogramShown = false;
  modes.PanoramaMode = PanoramaMode::Two;
  commands.HistogramClick();
  EXPECT_EQ(host.Count("histogram"), 2);
  modes.SlideshowActive = true;
  commands.HistogramClick();
  EXPECT_EQ(host.Count("stop-slideshow"), 1);
}

TEST_F(QualityCommandsTest, RemovingAllEdits) {
  shown = {2, 30, 300, 8, 3};
  modes.PanoramaMode = PanoramaMode::TwoReversed;
  commands.RemoveAllEdits();
  EXPECT_EQ(dialogs.LastText(),
            "このメニューは、現在表示されている写真の\n回転情報など全ての編集を解除して\n"
            "表示しなおします。\nパノラマモード時には、使用できません。");
  EXPECT_EQ(shown.rotation, 2);
  modes.PanoramaMode = PanoramaMode::Single;
  commands.RemoveAllEdits();
  EXPECT_EQ(shown.rotation, 0);
  EXPECT_EQ(shown.brightness, 0);
  EXPECT_EQ(shown.contrast, 256);
  EXPECT_EQ(shown.sharpness, 0);
  EXPECT_EQ(shown.effect, 0);
  EXPECT_EQ(host.Count("recompose-normal"), 1);
  state.photoShown = false;
  commands.RemoveAllEdits();
  EXPECT_EQ(dialogs.LastText(),
            "このメニューは、現在表示されている写真の\n回転情報など全ての編集を解除して\n"
            "表示しなおします。");
  commands.ExplainSharpness();
  EXPECT_TRUE(
      dialogs.LastText().startsWith("「Kasumori２」では、表示の際にシャープネスを掛けるため"));
}

}  // namespace
}  // namespace kasumori::display
