// SPDX-License-Identifier: GPL-3.0-or-later
// The label texts and window state a normal composition leaves behind, as data: the window
// applies the fields that are set and leaves the others as they are.
#pragma once

#include "display/display_modes.h"

#include <QString>
#include <optional>

namespace kasumori::display {

// "2400x1600"
QString SizeText(int rotatedWidth, int rotatedHeight);
// The percentage right-aligned in three characters and "%": "  5%", " 50%", "100%".
QString RatioText(int viewPercent);
// The hint of HenshuLbl with the display ratio.
QString RatioHint(int viewPercent);
QString PanoramaRatioText();  // "   %"
QString PanoramaHint();

// The view's pointer: a dragged photo goes to the folder tree, a zoomed one pans.
enum class ViewCursor { Unchanged, NormalWithDragSymbol, Move };
enum class RepaintTarget { None, FullScreenWindow, MainWindow };

struct ComposeLabels {
  std::optional<QString> SizeLbl;
  std::optional<QString> RitsuLbl;
  std::optional<QString> HenshuHint;  // the tool-tip of HenshuLbl
  std::optional<QString> JoutaiLbl;
  std::optional<QString> Caption;  // the main window's caption
  std::optional<bool> ZoomKaijoBtnEnabled;
  ViewCursor cursor = ViewCursor::Unchanged;
  RepaintTarget repaint = RepaintTarget::None;
};

struct ComposeLabelInput {
  int rotatedWidth = 0;
  int rotatedHeight = 0;
  int viewPercent = 100;
  PanoramaMode panoramaMode = PanoramaMode::Single;
  bool paneAtOrigin = true;  // the pane at 0, 0 (always so outside panorama mode)
  bool slideshowActive = false;
  bool fullScreenActive = false;
};

ComposeLabels NormalComposeLabels(const ComposeLabelInput& in);

}  // namespace kasumori::display
