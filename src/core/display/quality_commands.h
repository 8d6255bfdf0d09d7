// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the picture-quality menus and labels: quality mode, picture effect,
// sharpness, histogram mode, the sharpness explanation and the removal of all edits. The
// window routes its menu entries, label clicks and the F12 key here; everything the commands
// cannot do themselves (saving, repainting, recomposing) they ask of the QualityHost.
#pragma once

#include <QString>

#include "display/display_modes.h"
#include "display/quality_types.h"

namespace kasumori::config {
struct Settings;
}
namespace kasumori::platform {
class DialogService;
}

namespace kasumori::display {

// Implemented by the main window (through the display driver).
class QualityHost {
 public:
  virtual ~QualityHost() = default;
  virtual void SaveSettings() = 0;
  // Menu check marks and the labels GashitsuModeLbl, GashitsuModeSLbl, KoukaLbl, SharpLbl
  // from the settings (texts and colours in quality_labels.h).
  virtual void ShowQualitySettings() = 0;
  virtual void RepaintMainWindow() = 0;
  // With the hourglass cursor: the zoom compositor if ZoomMode, else ComposeNormal with the
  // current PanoramaMode.
  virtual void Recompose() = 0;
  // With the hourglass cursor: ComposeNormal with the current PanoramaMode, leaving zoom mode.
  virtual void RecomposeNormal() = 0;
  virtual void RedrawComments() = 0;  // the comment overlays of all panes
  virtual void StopSlideshow() = 0;
  virtual void DrawHistogram() = 0;  // with the hourglass cursor
  // With the hourglass cursor: the sharpening stage on the picture on screen, then a repaint
  // of the full-screen window or the main window.
  virtual void SharpenOnScreen() = 0;
};

// The display state the commands read; the window keeps it current.
struct QualityState {
  bool uiReady = false;
  bool photoShown = false;  // ShownPhotoName not empty
  bool histogramShown = false;
};

enum class SharpnessRedraw { None, Recompose, SharpenOnScreen };

// After a sharpness change: nothing when no photo is shown or neither value changed; a new
// composition when the picture on screen may already be sharpened (it cannot be undone) or in
// panorama mode; otherwise sharpening the picture on screen suffices.
SharpnessRedraw RedrawAfterSharpness(int oldOwnSharpness, int oldGlobalSharpness, int ownSharpness,
                                     int globalSharpness, bool photoShown, bool panorama);

// The next values of the label clicks and the F12 key.
PictureEffect NextEffect(PictureEffect effect);  // chrome → sepia → normal → chrome; white → normal
int NextSharpness(int sharpness);                // 4..12 → 0, 16 → 12, others → 16

class QualityCommands {
 public:
  QualityCommands(config::Settings& settings, platform::DialogService& dialogs, QualityHost& host,
                  const QualityState& state, const DisplayModes& modes, PhotoEdits& shown);

  void SetQualityMode(QualityMode mode);  // KougashitsuMenu, KousokuMenu
  void QualityLabelClick();               // GashitsuModeLbl, GashitsuModeSLbl
  void SetEffect(PictureEffect effect);
  void StepEffect();                          // KoukaLbl, F12
  void SetSharpness(int sharpness);           // SPKanariMenu 4 .. SPNashiMenu 0
  void StepSharpness();                       // SharpLbl
  void SetHistogramMode(HistogramMode mode);  // HistgramAutoMenu, HistgramHandMenu
  void HistogramClick();    // HistDaiPnl, HistgramImg, HistgramImg2 (HistgramImgClick)
  void ExplainSharpness();  // SPSetsumeiMenu
  void RemoveAllEdits();    // AllKaijoMenu, N15

 private:
  void ApplyQualityMode(QualityMode mode);
  void ApplyEffect(PictureEffect effect);
  void ApplySharpness(int sharpness);
  // The fast-mode question of the effect and sharpness commands; true to go on.
  bool OfferHighQuality(const QString& subjectLine);

  config::Settings& settings_;
  platform::DialogService& dialogs_;
  QualityHost& host_;
  const QualityState& state_;
  const DisplayModes& modes_;
  PhotoEdits& shown_;
};

}  // namespace kasumori::display
