// SPDX-License-Identifier: GPL-3.0-or-later
// The comment of an edit record as a small picture laid over its pane: white bold text on a
// black strip along the bottom or top edge, or a column of vertical writing along the left or
// right edge. The strip is never part of the composed photo; the window shows it above.
#pragma once

#include "display/display_modes.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

namespace kasumori::display {

// Comments are read up to this many characters from their records.
inline constexpr int kMaxCommentChars = 255;

enum class CommentStyle { Hidden, Bottom, Top, Left, Right };

// The record's own style (0 takes the default, −1 hides, 1..4 as numbered, anything else is
// drawn at the bottom).
CommentStyle ResolveCommentStyle(int own, int styleDefault);

struct CommentPane {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Pane k (1..4) of a display area of the given size; outside panorama the whole area.
CommentPane CommentPaneRect(PanoramaMode mode, int pane, const QSize& display);

// In points: a larger pane gets a larger comment.
int CommentFontSize(int paneWidth);
// The bold gothic of the comments at `points`; vertical writing needs the monospaced one so
// that every cell of the column is alike.
QFont CommentFont(bool monospaced, int points);

struct CommentRequest {
  QString text;
  int style = 0;  // the record's own
  int styleDefault = 1;
  int pane = 1;
  PanoramaMode mode = PanoramaMode::Single;
  QSize display;   // the whole display area, all panes
  QPoint picture;  // where the display picture lies in the window that holds the strip
};

struct CommentStrip {
  QImage picture;   // exactly the strip, RGB32
  QPoint position;  // its top-left in the window that holds the display picture
  QString hint;
};

// The strip for the request; nothing when the comment is empty, hidden, or the pane has no
// room for it.
std::optional<CommentStrip> RenderComment(const CommentRequest& request);

// The column of vertical writing for `text` in a pane `paneHeight` high, before it is placed.
QImage RenderCommentColumn(const QString& text, int points, int paneHeight);

}  // namespace kasumori::display
