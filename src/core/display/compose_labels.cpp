// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/compose_labels.h"

namespace kasumori::display {

QString SizeText(int rotatedWidth, int rotatedHeight) {
  return QString::number(rotatedWidth) + QStringLiteral("x") + QString::number(rotatedHeight);
}

// Right-aligned in three characters; a zoom of 1000 % or more keeps all its digits rather than
// reading as its last three ("600%" for 1600 %).
QString RatioText(int viewPercent) {
  return QString::number(viewPercent).rightJustified(3, u' ') + QStringLiteral("%");
}

QString RatioHint(int viewPercent) {
  return QStringLiteral("現在の表示倍率…「") + QString::number(viewPercent) + QStringLiteral("%」");
}

QString PanoramaRatioText() { return QStringLiteral("   %"); }

QString PanoramaHint() {
  return QStringLiteral("現在、パノラマ表示モードになっています。『Ｎ』キーで解除ができます。");
}

ComposeLabels NormalComposeLabels(const ComposeLabelInput& in) {
  ComposeLabels out;
  const bool panorama = in.panoramaMode != PanoramaMode::Single;
  if (!in.slideshowActive && !panorama) out.SizeLbl = SizeText(in.rotatedWidth, in.rotatedHeight);
  if (!in.slideshowActive) {
    if (!panorama) {
      out.RitsuLbl = RatioText(in.viewPercent);
      out.HenshuHint = RatioHint(in.viewPercent);
    } else if (in.paneAtOrigin) {
      out.RitsuLbl = PanoramaRatioText();
      out.HenshuHint = PanoramaHint();
    }
  }
  if (!in.fullScreenActive) {
    if (in.slideshowActive) {
      out.Caption = QStringLiteral("Kasumori２（スライドショーMode）");
      out.JoutaiLbl = QStringLiteral("【スライドショー】");
    } else {
      out.Caption = QStringLiteral("Kasumori２");
      if (!panorama) {
        out.JoutaiLbl = QStringLiteral("【通常モード】");
      } else {
        if (in.paneAtOrigin) out.JoutaiLbl = QStringLiteral("【パノラマ】");
        out.SizeLbl = QString();
      }
    }
  }
  if (!in.slideshowActive) {
    if (!panorama)
      out.ZoomKaijoBtnEnabled = false;
    else if (in.paneAtOrigin)
      out.ZoomKaijoBtnEnabled = true;
  }
  if (!panorama) out.cursor = ViewCursor::NormalWithDragSymbol;
  if (!in.slideshowActive)
    out.repaint = in.fullScreenActive ? RepaintTarget::FullScreenWindow : RepaintTarget::MainWindow;
  return out;
}

}  // namespace kasumori::display
