// SPDX-License-Identifier: GPL-3.0-or-later
// Vertical comments: the column's place along the pane's edge, its height, and how each kind of
// character is set in its cell.
#include <gtest/gtest.h>

#include "display/comment_overlay.h"
#include "comment_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

#include <vector>

namespace kasumori::display {
namespace {

constexpr int kPoints = 14;

class CommentColumnTest : public ::testing::Test {
 protected:
  void SetUp() override {
    NeedFonts();
    const QFontMetrics metrics(CommentFont(true, kPoints));
    cw = metrics.horizontalAdvance(QStringLiteral("Ｗ"));
    ch = metrics.height();
  }

  CommentStrip Strip(const CommentRequest& request) {
    const std::optional<CommentStrip> strip = RenderComment(request);
    EXPECT_TRUE(strip.has_value());
    return strip.value_or(CommentStrip{});
  }

  // The lit pixels of a picture, moved so that their bounding box starts at 0, 0.
  static std::vector<QPoint> Shape(const QImage& picture) {
    std::vector<QPoint> lit;
    QRect box;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (qGray(picture.pixel(x, y)) < 128) continue;
        lit.emplace_back(x, y);
        box |= QRect(x, y, 1, 1);
      }
    }
    for (QPoint& p : lit) p -= box.topLeft();
    return lit;
  }
  static QRect Box(const QImage& picture) {
    QRect box;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (qGray(picture.pixel(x, y)) >= 128) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  }
  // The character alone, white on black, on a roomy picture of its own.
  static QImage Alone(const QString& c) {
    QImage picture(80, 80, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    const QFont font = CommentFont(true, kPoints);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(20, 20 + QFontMetrics(font).ascent(), c);
    return picture;
  }
  // Cell `row` (0 first) of a column.
  QImage Cell(const QImage& column, int row) const { return column.copy(0, 2 + row * ch, cw, ch); }

  int cw = 0;
  int ch = 0;
};

TEST_F(CommentColumnTest, StyleFourInTheRightPaneRunsDownTheRightEdgeOfTheWholeView) {
  struct Case {
    PanoramaMode mode;
    int pane, style;
    int left;  // the column's left edge, from the cell width
    int top;
  };
  const QString text = QStringLiteral("夕焼け");
  for (const Case c :
       {Case{PanoramaMode::Two, 2, 4, 1280 - 3, 2},
        Case{PanoramaMode::TwoReversed, 1, 4, 1280 - 3, 2},
        Case{PanoramaMode::Two, 2, 3, 640 + 3, 2},
        Case{PanoramaMode::Four, 4, 4, 1280 - 3, 300 + 2}, Case{PanoramaMode::Four, 1, 3, 3, 2}}) {
    const CommentStrip strip = Strip({text, c.style, 1, c.pane, c.mode, {1280, 600}, {}});
    const int left = c.style == 4 ? c.left - cw : c.left;
    EXPECT_EQ(strip.position, QPoint(left, c.top)) << int(c.mode) << " pane " << c.pane;
    EXPECT_EQ(strip.picture.size(), QSize(cw, 2 + 3 * ch + 2)) << int(c.mode);
  }
}

TEST_F(CommentColumnTest, TheColumnStaysInsideThePictureItLiesOn) {
  const CommentStrip strip =
      Strip({QStringLiteral("海"), 4, 1, 1, PanoramaMode::Single, {640, 480}, {100, 40}});
  EXPECT_EQ(strip.position, QPoint(640 + 100 - cw - 3, 40 + 2));
}

TEST_F(CommentColumnTest, AColumnLongerThanItsPaneStopsFourPixelsAboveItsBottom) {
  struct Case {
    int characters;
    int paneHeight;  // in cells and pixels beyond them
    int height;
  };
  // n characters end at y = 2 + n × ch; the column is y + 2 high while y + 4 fits above the
  // pane's last two pixels, else ph − 4.
  for (const Case c : {Case{3, 6, 2 + 3 * ch + 2}, Case{3, 5, 2 + 3 * ch + 1},
                       Case{200, 480, 480 - 4}, Case{3, 100 * ch, 2 + 3 * ch + 2}}) {
    const int paneHeight = c.paneHeight < 100 ? 2 + c.characters * ch + c.paneHeight : c.paneHeight;
    const QString text(c.characters, QChar(u'波'));
    const CommentStrip strip = Strip({text, 3, 1, 1, PanoramaMode::Single, {640, paneHeight}, {}});
    EXPECT_EQ(strip.picture.height(), c.height) << c.characters << " in " << paneHeight;
  }
}

TEST_F(CommentColumnTest, BracketsAndTheLongVowelMarkAreTurnedAQuarterClockwise) {
  const QString text = QStringLiteral("「カナ」ー");
  const QImage column = Strip({text, 3, 1, 1, PanoramaMode::Single, {640, 480}, {}}).picture;
  struct Case {
    int row;
    bool turned;
  };
  for (const Case c :
       {Case{0, true}, Case{1, false}, Case{2, false}, Case{3, true}, Case{4, true}}) {
    const QImage alone = Alone(text.mid(c.row, 1));
    // Qt's own quarter turn, clockwise on a screen whose y grows downwards.
    const QImage expected = c.turned ? alone.transformed(QTransform().rotate(90)) : alone;
    EXPECT_EQ(Shape(Cell(column, c.row)), Shape(expected)) << "row " << c.row;
  }
}

TEST_F(CommentColumnTest, TheLongVowelMarkStandsUpright) {
  const QImage column =
      Strip({QStringLiteral("ー"), 4, 1, 1, PanoramaMode::Single, {640, 480}, {}}).picture;
  const QRect box = Box(Cell(column, 0));
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GT(box.height(), 2 * box.width());
}

TEST_F(CommentColumnTest, FullStopsSitInTheUpperRightOfTheirCell) {
  for (const QString& mark : {QStringLiteral("。"), QStringLiteral("、"), QStringLiteral("｡")}) {
    const QImage column = Strip({mark, 3, 1, 1, PanoramaMode::Single, {640, 480}, {}}).picture;
    const QRect box = Box(Cell(column, 0));
    ASSERT_FALSE(box.isEmpty()) << mark.toStdString();
    EXPECT_GE(box.left(), cw / 2) << mark.toStdString();
    EXPECT_LT(box.bottom(), ch / 2) << mark.toStdString();
  }
}

}  // namespace
}  // namespace kasumori::display
