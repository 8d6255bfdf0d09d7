// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/comment_overlay.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace kasumori::display {

namespace {

// Gaps between the strip and the picture's edges, and between the text and the strip's.
constexpr int kEdgeGap = 3;
constexpr int kTopGap = 2;
constexpr int kTextInset = 2;

// The first `count` characters, a character being one code point (never half a surrogate
// pair), as the records' code page counted them.
QString FirstCharacters(const QString& text, int count) {
  const QList<uint> characters = text.toUcs4();
  if (characters.size() <= count) return text;
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), count);
}

QImage BlackPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(Qt::black);
  return picture;
}

CommentStrip HorizontalStrip(const CommentRequest& request, CommentStyle style,
                             const CommentPane& pane) {
  const QFont font = CommentFont(false, CommentFontSize(pane.width));
  const QFontMetrics metrics(font);
  int width = metrics.horizontalAdvance(request.text) + 2 * kTextInset;
  const int height = metrics.height();
  // A comment wider than its pane is cut at the pane's right edge.
  if (pane.width - 1 < width + kEdgeGap) width = pane.width - 4;
  CommentStrip strip{BlackPicture(std::max(width, 0), height), {}, request.text};
  if (width > 0) {
    QPainter painter(&strip.picture);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(kTextInset, metrics.ascent(), request.text);
  }
  const QPoint at = request.picture;
  const int top =
      style == CommentStyle::Top ? at.y() + kTopGap : at.y() + pane.height - height - kTopGap;
  strip.position = {at.x() + pane.x + kEdgeGap, pane.y + top};
  return strip;
}

CommentStrip VerticalStrip(const CommentRequest& request, CommentStyle style,
                           const CommentPane& pane) {
  const int points = CommentFontSize(pane.width);
  CommentStrip strip{RenderCommentColumn(request.text, points, pane.height), {}, request.text};
  const int cellWidth = strip.picture.width();
  const QPoint at = request.picture;
  const int x =
      style == CommentStyle::Left ? at.x() + kEdgeGap : pane.width + at.x() - cellWidth - kEdgeGap;
  strip.position = {pane.x + x, at.y() + pane.y + kTopGap};
  return strip;
}

}  // namespace

CommentStyle ResolveCommentStyle(int own, int styleDefault) {
  switch (own == 0 ? styleDefault : own) {
    case -1:
      return CommentStyle::Hidden;
    case 2:
      return CommentStyle::Top;
    case 3:
      return CommentStyle::Left;
    case 4:
      return CommentStyle::Right;
    default:
      return CommentStyle::Bottom;
  }
}

CommentPane CommentPaneRect(PanoramaMode mode, int pane, const QSize& display) {
  if (mode == PanoramaMode::Single) return {0, 0, display.width(), display.height()};
  const int width = display.width() / 2;
  const int height = mode == PanoramaMode::Four ? display.height() / 2 : display.height();
  int column = (pane - 1) % 2;
  // The reversed mode draws pane 1 on the right.
  if (mode == PanoramaMode::TwoReversed) column = 1 - column;
  return {width * column, height * ((pane - 1) / 2), width, height};
}

int CommentFontSize(int paneWidth) { return paneWidth < 800 ? 14 : 16; }

QFont CommentFont(bool monospaced, int points) {
  QFont font;
  // IPA's pair stands in for the Japanese system gothics; Noto covers a system without them.
  font.setFamilies({monospaced ? QStringLiteral("IPAGothic") : QStringLiteral("IPAPGothic"),
                    QStringLiteral("Noto Sans CJK JP")});
  // Points as a 96-dpi screen has them, whatever the screen reports: the strip's geometry
  // must not depend on the monitor.
  font.setPixelSize((points * 96 + 36) / 72);
  font.setBold(true);
  return font;
}

std::optional<CommentStrip> RenderComment(const CommentRequest& request) {
  const CommentStyle style = ResolveCommentStyle(request.style, request.styleDefault);
  if (request.text.isEmpty() || style == CommentStyle::Hidden) return std::nullopt;
  const CommentPane pane = CommentPaneRect(request.mode, request.pane, request.display);
  CommentRequest cut = request;
  cut.text = FirstCharacters(request.text, kMaxCommentChars);
  std::optional<CommentStrip> strip;
  switch (style) {
    case CommentStyle::Left:
    case CommentStyle::Right:
      strip = VerticalStrip(cut, style, pane);
      break;
    case CommentStyle::Bottom:
    case CommentStyle::Top:
      strip = HorizontalStrip(cut, style, pane);
      break;
    case CommentStyle::Hidden:
      break;
  }
  if (strip && strip->picture.isNull()) return std::nullopt;
  return strip;
}

}  // namespace kasumori::display
