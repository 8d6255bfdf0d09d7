// SPDX-License-Identifier: GPL-3.0-or-later
// Horizontal comment strips: where they lie over the picture and how wide they are.
#include <gtest/gtest.h>

#include "display/comment_overlay.h"
#include "comment_text.h"

#include <QFontMetrics>

namespace kasumori::display {
namespace {

class CommentStripTest : public ::testing::Test {
 protected:
  void SetUp() override { NeedFonts(); }

  static CommentStrip Strip(const CommentRequest& request) {
    const std::optional<CommentStrip> strip = RenderComment(request);
    EXPECT_TRUE(strip.has_value());
    return strip.value_or(CommentStrip{});
  }
  // The width the text needs in the proportional gothic, without the strip's insets.
  static int TextWidth(const QString& text, int points) {
    return QFontMetrics(CommentFont(false, points)).horizontalAdvance(text);
  }
  static bool AnyWhite(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (qGray(picture.pixel(x, y)) > 200) return true;
      }
    }
    return false;
  }
};

TEST_F(CommentStripTest, ThirtyCharactersSitAtTheBottomLeftOfA640By480View) {
  const QString text =
      QStringLiteral("今日は晴れて風もなく、海への道をゆっくりと歩いた一日だった。");
  ASSERT_EQ(text.size(), 30);
  const CommentStrip strip = Strip({text, 1, 1, 1, PanoramaMode::Single, {640, 480}, {}});
  EXPECT_EQ(strip.position.x(), 3);
  EXPECT_EQ(strip.position.y() + strip.picture.height(), 480 - 2);
  EXPECT_EQ(strip.picture.width(), TextWidth(text, 14) + 4);
  EXPECT_EQ(strip.picture.height(), QFontMetrics(CommentFont(false, 14)).height());
  EXPECT_EQ(strip.hint, text);
  // Black around white text: the two inset columns on the left stay black.
  EXPECT_TRUE(AnyWhite(strip.picture));
  EXPECT_FALSE(AnyWhite(strip.picture.copy(0, 0, 2, strip.picture.height())));
}

TEST_F(CommentStripTest, AStripLiesAlongTheBottomOrTopOfItsPane) {
  struct Case {
    PanoramaMode mode;
    int pane, style;
    QPoint picture;
    int x, top;  // top: where the strip starts (bottom styles: where it ends, plus 2)
  };
  const QString text = QStringLiteral("夕方");
  for (const Case c : {Case{PanoramaMode::Single, 1, 2, {0, 0}, 3, 2},
                       Case{PanoramaMode::Single, 1, 2, {10, 20}, 13, 22},
                       Case{PanoramaMode::Single, 1, 1, {10, 20}, 13, 20 + 600},
                       Case{PanoramaMode::Two, 2, 1, {0, 0}, 400 + 3, 600},
                       Case{PanoramaMode::TwoReversed, 1, 2, {0, 0}, 400 + 3, 2},
                       Case{PanoramaMode::Four, 4, 1, {0, 0}, 400 + 3, 600},
                       Case{PanoramaMode::Four, 3, 2, {0, 0}, 3, 300 + 2}}) {
    const CommentStrip strip = Strip({text, c.style, 1, c.pane, c.mode, {800, 600}, c.picture});
    EXPECT_EQ(strip.position.x(), c.x) << int(c.mode) << " pane " << c.pane;
    const int top =
        c.style == 2 ? strip.position.y() : strip.position.y() + strip.picture.height() + 2;
    EXPECT_EQ(top, c.top) << int(c.mode) << " pane " << c.pane;
  }
}

TEST_F(CommentStripTest, ACommentWiderThanItsPaneIsCutFourPixelsShortOfIt) {
  struct Case {
    PanoramaMode mode;
    int pane;
    QSize display;
    int width;
  };
  const QString text = QString(200, QChar(u'海'));
  for (const Case c :
       {Case{PanoramaMode::Single, 1, {640, 480}, 636}, Case{PanoramaMode::Two, 2, {640, 480}, 316},
        Case{PanoramaMode::Four, 3, {1600, 1200}, 796}}) {
    const CommentStrip strip = Strip({text, 1, 1, c.pane, c.mode, c.display, {}});
    EXPECT_EQ(strip.picture.width(), c.width) << int(c.mode);
    EXPECT_TRUE(AnyWhite(strip.picture.copy(c.width - 8, 0, 8, strip.picture.height())));
  }
}

TEST_F(CommentStripTest, TheCutStartsWhereTheStripWouldReachThePanesLastPixel) {
  const QString text = QStringLiteral("ABC");
  const int needed = TextWidth(text, 14) + 4;
  struct Case {
    int paneWidth, width;
  };
  // The strip starts 3 pixels in; it may end on the pane's last pixel but not beyond.
  for (const Case c : {Case{needed + 4, needed}, Case{needed + 3, needed - 1}}) {
    const CommentStrip strip = Strip({text, 1, 1, 1, PanoramaMode::Single, {c.paneWidth, 100}, {}});
    EXPECT_EQ(strip.picture.width(), c.width) << c.paneWidth;
  }
}

TEST_F(CommentStripTest, NothingToShowForNoTextAHiddenStyleOrNoRoom) {
  struct Case {
    QString text;
    int style, styleDefault;
    QSize display;
  };
  for (const Case& c :
       {Case{QString(), 1, 1, {640, 480}}, Case{QStringLiteral("a"), -1, 1, {640, 480}},
        Case{QStringLiteral("a"), 0, -1, {640, 480}},
        Case{QStringLiteral("長い長い"), 1, 1, {4, 480}},
        Case{QStringLiteral("縦"), 3, 1, {640, 4}}}) {
    EXPECT_FALSE(
        RenderComment({c.text, c.style, c.styleDefault, 1, PanoramaMode::Single, c.display, {}})
            .has_value())
        << c.text.toStdString() << " " << c.style;
  }
}

}  // namespace
}  // namespace kasumori::display
