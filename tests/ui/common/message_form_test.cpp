// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/widget_dialog_service.h"

#include "support/modal_dialog.h"
#include "support/qt_printers.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace kasumori::ui {
namespace {

struct Seen {
  QSize client;
  QString caption;
  QStringList labels;
  QList<QRect> buttons;  // geometry of the visible buttons, by object name order
  QStringList buttonNames;
  QString focused;
  QPoint position;
  QSize outer;
};

// Opens a dialog through `open`; once it is on the screen, records what it shows and then
// does `act` to it (a key press, a click) to close it.
Seen WhileOpen(const std::function<void()>& open, const std::function<void(QWidget*)>& act) {
  Seen seen;
  const testkit::WhenModalShown watch([&](QDialog& dialog) {
    seen.client = dialog.size();
    seen.caption = dialog.windowTitle();
    seen.position = dialog.pos();
    seen.outer = dialog.frameGeometry().size();
    for (int i = 1; i <= 12; ++i) {
      if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("M%1Lbl").arg(i))) {
        seen.labels << label->text();
      }
    }
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (!button->isVisibleTo(&dialog)) continue;
      seen.buttonNames << button->objectName();
      seen.buttons << button->geometry();
    }
    if (QWidget* focus = dialog.focusWidget()) seen.focused = focus->objectName();
    act(&dialog);
  });
  open();
  return seen;
}

void Press(QWidget* dialog, Qt::Key key) {
  QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
  QTest::keyClick(target, key);
}

class DialogTest : public ::testing::Test {
 protected:
  WidgetDialogService dialogs;
};

TEST_F(DialogTest, NoticeSizesForItsLinesAndHidesOldText) {
  for (int i = 1; i <= 12; ++i) dialogs.Line(i) = QStringLiteral("old %1").arg(i);
  dialogs.Line(1) = "一行目";
  Seen none =
      WhileOpen([&] { dialogs.ShowNotice(0); }, [](QWidget* d) { Press(d, Qt::Key_Escape); });
  EXPECT_EQ(none.caption, "Kasumori２");
  EXPECT_EQ(none.client, QSize(443, 40));
  ASSERT_EQ(none.buttons.size(), 1);
  EXPECT_EQ(none.buttons[0], QRect(368, 11, 70, 23));
  EXPECT_EQ(none.labels.size(), 12);
  EXPECT_TRUE(none.labels.join("").isEmpty());

  Seen two =
      WhileOpen([&] { dialogs.ShowNotice(2); }, [](QWidget* d) { Press(d, Qt::Key_Return); });
  EXPECT_EQ(two.client, QSize(443, 2 * 24 + 40));
  EXPECT_EQ(two.buttons[0].top(), 2 * 24 + 11);
  EXPECT_EQ(two.labels[0], "一行目");
  EXPECT_EQ(two.labels[1], "old 2");
  EXPECT_EQ(two.labels[2], "") << "lines above N are empty";
}

TEST_F(DialogTest, ConfirmationAnswersByKeyAndButton) {
  dialogs.Line(1) = "削除しますか？";
  struct Case {
    std::function<void(QWidget*)> act;
    int expected;
  } cases[] = {
      {[](QWidget* d) { Press(d, Qt::Key_Y); }, 1},
      {[](QWidget* d) { Press(d, Qt::Key_N); }, 2},  // though はい has the focus
      {[](QWidget* d) { Press(d, Qt::Key_Escape); }, 2},
      {[](QWidget* d) { Press(d, Qt::Key_Return); }, 1},  // the focused はい
      {[](QWidget* d) { d->close(); }, 2},
      {[](QWidget* d) { d->findChild<QPushButton*>("IieBtn")->click(); }, 2},
      {[](QWidget* d) { d->findChild<QPushButton*>("HaiBtn")->click(); }, 1},
  };
  for (const Case& c : cases) {
    int answer = 0;
    Seen seen = WhileOpen([&] { answer = dialogs.AskConfirmation(1); }, c.act);
    EXPECT_EQ(answer, c.expected);
    EXPECT_EQ(seen.caption, "確認");
    EXPECT_EQ(seen.client, QSize(442, 24 + 38));
    EXPECT_EQ(seen.focused, "HaiBtn");
    EXPECT_EQ(seen.buttonNames, QStringList({"HaiBtn", "IieBtn"}));
    EXPECT_EQ(seen.buttons[0], QRect(295, 34, 70, 23));
    EXPECT_EQ(seen.buttons[1], QRect(368, 34, 70, 23));
    EXPECT_EQ(seen.labels.size(), 8);
  }
}

TEST_F(DialogTest, ChoiceShowsOnlyItsButtonsRightToLeft) {
  dialogs.Choice(1) = "上書き";
  dialogs.Choice(2) = "スキップ";
  dialogs.Choice(3) = "中止";
  dialogs.Choice(4) = "unused";
  int answer = -1;
  Seen three = WhileOpen([&] { answer = dialogs.AskChoice(2, 3); },
                         [](QWidget* d) { Press(d, Qt::Key_Return); });
  EXPECT_EQ(answer, 3) << "Enter picks the left-most visible choice";
  EXPECT_EQ(dialogs.DialogResult, 3);
  EXPECT_EQ(three.caption, "選択");
  EXPECT_EQ(three.client, QSize(387, 2 * 24 + 41));
  EXPECT_EQ(three.buttonNames, QStringList({"S1Btn", "S2Btn", "S3Btn"}));
  EXPECT_EQ(three.buttons[0], QRect(309, 59, 70, 23));
  EXPECT_EQ(three.buttons[2], QRect(165, 59, 70, 23));

  WhileOpen([&] { answer = dialogs.AskChoice(0, 3); },
            [](QWidget* d) { d->findChild<QPushButton*>("S2Btn")->click(); });
  EXPECT_EQ(answer, 2);

  Seen none = WhileOpen([&] { answer = dialogs.AskChoice(1, 0); },
                        [](QWidget* d) { Press(d, Qt::Key_Escape); });
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(dialogs.DialogResult, 0);
  EXPECT_TRUE(none.buttonNames.isEmpty());
}

TEST_F(DialogTest, PlacedOverTheOwnerAndKeptOnTheScreen) {
  QWidget owner;
  owner.setGeometry(100, 100, 600, 400);
  owner.show();
  dialogs.SetOwner(&owner);
  Seen centred = WhileOpen([&] { dialogs.ShowNotice(1); }, [](QWidget* d) { d->close(); });
  const QRect frame = owner.frameGeometry();
  EXPECT_EQ(centred.position.x(), frame.left() + frame.width() / 2 - centred.outer.width() / 2);
  EXPECT_EQ(centred.position.y(), frame.top() + frame.height() / 2 - centred.outer.height() / 2);

  const QSize screen = owner.screen()->geometry().size();
  owner.move(screen.width() - 50, screen.height() - 30);
  Seen pulled = WhileOpen([&] { dialogs.ShowNotice(1); }, [](QWidget* d) { d->close(); });
  EXPECT_EQ(pulled.position,
            QPoint(screen.width() - pulled.outer.width(), screen.height() - pulled.outer.height()));
  owner.move(-400, -300);
  Seen clamped = WhileOpen([&] { dialogs.ShowNotice(1); }, [](QWidget* d) { d->close(); });
  EXPECT_EQ(clamped.position, QPoint(0, 0));
}

}  // namespace
}  // namespace kasumori::ui
