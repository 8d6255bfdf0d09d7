// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/quality_commands.h"

#include "platform/dialog_service.h"
#include "config/settings.h"

namespace kasumori::display {

namespace {

const QString kFastModeLine = QStringLiteral("現在「高速モード」になっています。");
const QString kSwitchLine = QStringLiteral("「高画質モード」に切り替えます。");

}  // namespace

SharpnessRedraw RedrawAfterSharpness(int oldOwnSharpness, int oldGlobalSharpness, int ownSharpness,
                                     int globalSharpness, bool photoShown, bool panorama) {
  if (!photoShown) return SharpnessRedraw::None;
  if (oldOwnSharpness == ownSharpness && oldGlobalSharpness == globalSharpness)
    return SharpnessRedraw::None;
  const bool wasSharpened = oldOwnSharpness > 0 || (oldOwnSharpness == 0 && oldGlobalSharpness > 0);
  if (panorama || wasSharpened) return SharpnessRedraw::Recompose;
  return SharpnessRedraw::SharpenOnScreen;
}

PictureEffect NextEffect(PictureEffect effect) {
  switch (effect) {
    case PictureEffect::Chrome:
      return PictureEffect::Sepia;
    case PictureEffect::Sepia:
    case PictureEffect::BlackWhite:
      return PictureEffect::Normal;
    case PictureEffect::Normal:
      break;
  }
  return PictureEffect::Chrome;
}

int NextSharpness(int sharpness) {
  if (sharpness >= 4 && sharpness <= 12) return 0;
  if (sharpness == 16) return 12;
  return 16;
}

QualityCommands::QualityCommands(config::Settings& settings, platform::DialogService& dialogs,
                                 QualityHost& host, const QualityState& state,
                                 const DisplayModes& modes, PhotoEdits& shown)
    : settings_(settings),
      dialogs_(dialogs),
      host_(host),
      state_(state),
      modes_(modes),
      shown_(shown) {}

void QualityCommands::SetQualityMode(QualityMode mode) {
  if (!state_.uiReady) return;
  host_.RepaintMainWindow();
  ApplyQualityMode(mode);
}

void QualityCommands::QualityLabelClick() {
  if (modes_.SlideshowActive) {
    host_.StopSlideshow();
    return;
  }
  if (!state_.uiReady) return;
  const QualityMode now = settings_.QualityMode;
  ApplyQualityMode(now == QualityMode::High ? QualityMode::Fast : QualityMode::High);
}

void QualityCommands::ApplyQualityMode(QualityMode mode) {
  settings_.QualityMode = mode;
  host_.SaveSettings();
  host_.ShowQualitySettings();
  host_.RepaintMainWindow();
  if (!state_.photoShown) return;
  host_.Recompose();
  host_.RedrawComments();
}

bool QualityCommands::OfferHighQuality(const QString& subjectLine) {
  if (settings_.QualityMode != QualityMode::Fast) return true;
  if (!dialogs_.Confirm({kFastModeLine, subjectLine, kSwitchLine})) return false;
  ApplyQualityMode(QualityMode::High);
  return true;
}

void QualityCommands::SetEffect(PictureEffect effect) {
  if (!state_.uiReady) return;
  host_.RepaintMainWindow();
  ApplyEffect(effect);
}

void QualityCommands::StepEffect() {
  if (!state_.uiReady) return;
  ApplyEffect(NextEffect(settings_.PictureEffect));
}

void QualityCommands::ApplyEffect(PictureEffect effect) {
  PictureEffect oldGlobal = settings_.PictureEffect;
  const int oldOwn = shown_.effect;
  settings_.PictureEffect = effect;
  host_.ShowQualitySettings();
  host_.RepaintMainWindow();
  host_.SaveSettings();
  const bool wasFast = settings_.QualityMode == QualityMode::Fast;
  if (!OfferHighQuality(QStringLiteral("画質効果の設定は、「高画質モード」で反映されます。")))
    return;
  if (wasFast) oldGlobal = effect;  // the switch to high quality has redrawn the photo
  // Only a shown photo's own effect is worth asking about: the record of a photo that is no
  // longer shown does not matter.
  if (state_.photoShown && shown_.effect != 0) {
    if (!dialogs_.Confirm({QStringLiteral("現在表示中の写真は「個別に画質効果が設定」"),
                           QStringLiteral("されています。この写真の「個別の画質効果設定」"),
                           QStringLiteral("を解除して、全体の画質効果設定が反映される"),
                           QStringLiteral("ようにしますか？")}))
      return;
    shown_.effect = 0;
  }
  if (state_.photoShown && (shown_.effect != oldOwn || settings_.PictureEffect != oldGlobal))
    host_.Recompose();
}

void QualityCommands::SetSharpness(int sharpness) {
  if (!state_.uiReady) return;
  host_.RepaintMainWindow();
  ApplySharpness(sharpness);
}

void QualityCommands::StepSharpness() {
  if (!state_.uiReady) return;
  ApplySharpness(NextSharpness(settings_.Sharpness));
}

void QualityCommands::ApplySharpness(int sharpness) {
  int oldGlobal = settings_.Sharpness;
  const int oldOwn = shown_.sharpness;
  settings_.Sharpness = sharpness;
  host_.ShowQualitySettings();
  host_.RepaintMainWindow();
  host_.SaveSettings();
  const bool wasFast = settings_.QualityMode == QualityMode::Fast;
  if (!OfferHighQuality(QStringLiteral("シャープネスの設定は、「高画質モード」で反映されます。")))
    return;
  if (wasFast) oldGlobal = sharpness;
  if (state_.photoShown && shown_.sharpness != 0) {
    if (!dialogs_.Confirm({QStringLiteral("現在表示中の写真は「個別にシャープネスが設定」"),
                           QStringLiteral("されています。この写真の「個別シャープネス設定」"),
                           QStringLiteral("を解除して、全体のシャープネス設定が反映される"),
                           QStringLiteral("ようにしますか？")}))
      return;
    shown_.sharpness = 0;
  }
  switch (RedrawAfterSharpness(oldOwn, oldGlobal, shown_.sharpness, settings_.Sharpness,
                               state_.photoShown, modes_.Panorama())) {
    case SharpnessRedraw::None:
      break;
    case SharpnessRedraw::Recompose:
      host_.Recompose();
      break;
    case SharpnessRedraw::SharpenOnScreen:
      host_.SharpenOnScreen();
      break;
  }
}

void QualityCommands::SetHistogramMode(HistogramMode mode) {
  if (!state_.uiReady) return;
  host_.RepaintMainWindow();
  settings_.HistogramMode = mode;
  host_.ShowQualitySettings();
  host_.SaveSettings();
  if (mode != HistogramMode::Automatic) return;
  if (settings_.QualityMode == QualityMode::Fast) {
    dialogs_.Notice({QStringLiteral("現在、高速モードになっています。"),
                     QStringLiteral("高速モードの際、ヒストグラム表示は"),
                     QStringLiteral("常に手動表示（クリックで表示）になります。")});
    return;
  }
  // Panorama panes have no histogram: the compose buffer holds only the last pane.
  if (state_.photoShown && !state_.histogramShown && !modes_.Panorama()) host_.DrawHistogram();
}

void QualityCommands::HistogramClick() {
  if (modes_.SlideshowActive) {
    host_.StopSlideshow();
    return;
  }
  if (state_.uiReady && state_.photoShown && !state_.histogramShown && !modes_.Panorama())
    host_.DrawHistogram();
}

void QualityCommands::ExplainSharpness() {
  if (!state_.uiReady) return;
  host_.RepaintMainWindow();
  dialogs_.Notice({QStringLiteral("「Kasumori２」では、表示の際にシャープネスを掛けるため"),
                   QStringLiteral("元の写真ファイルを書き換えることなく、シャープな表示"),
                   QStringLiteral("での鑑賞が可能です。")});
}

void QualityCommands::RemoveAllEdits() {
  if (!state_.uiReady) return;
  host_.RepaintMainWindow();
  const QString first = QStringLiteral("このメニューは、現在表示されている写真の");
  const QString second = QStringLiteral("回転情報など全ての編集を解除して");
  const QString third = QStringLiteral("表示しなおします。");
  if (!state_.photoShown) {
    dialogs_.Notice({first, second, third});
    return;
  }
  if (modes_.Panorama()) {
    dialogs_.Notice(
        {first, second, third, QStringLiteral("パノラマモード時には、使用できません。")});
    return;
  }
  shown_ = PhotoEdits{};
  host_.RecomposeNormal();
}

}  // namespace kasumori::display
