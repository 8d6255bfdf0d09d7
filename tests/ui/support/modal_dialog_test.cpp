// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests lean on this watch to get out of every dialog they open, so it is checked
// on its own: a dialog left open or never opened must end in a failure, not in a test that
// waits forever.
#include "support/modal_dialog.h"

#include <QDialog>
#include <QTest>
#include <QWidget>

#include <functional>
#include <optional>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace kasumori::testkit {
namespace {

TEST(WhenModalShownTest, ActsOnceInTheDialogAndRejectsWhatItLeavesOpen) {
  struct Case {
    const char* name;
    std::function<void(QDialog&)> act;
    int result;
  } cases[] = {
      {"closed by the act", [](QDialog& dialog) { dialog.done(7); }, 7},
      {"left open", [](QDialog&) {}, QDialog::Rejected},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QDialog dialog;
    int acts = 0;
    const WhenModalShown watch([&](QDialog& shown) {
      ++acts;
      EXPECT_EQ(&shown, &dialog);
      c.act(shown);
    });
    EXPECT_EQ(dialog.exec(), c.result);
    EXPECT_EQ(acts, 1);
    EXPECT_TRUE(watch.Acted());
  }
}

// As the folder window's short window, set up from inside the dialog before it.
TEST(WhenModalShownTest, ADialogOpenWhenTheWatchStartsIsNotTheNextOne) {
  QDialog first, second;
  std::optional<WhenModalShown> inner;
  QDialog* innerSaw = nullptr;
  const WhenModalShown outer([&](QDialog& shown) {
    inner.emplace([&](QDialog& next) {
      innerSaw = &next;
      next.accept();
    });
    EXPECT_EQ(second.exec(), QDialog::Accepted);
    shown.accept();
  });
  EXPECT_EQ(first.exec(), QDialog::Accepted);
  EXPECT_EQ(innerSaw, &second);
}

TEST(WhenModalShownTest, NoDialogFailsTheTest) {
  bool acted = false;
  EXPECT_NONFATAL_FAILURE({ const WhenModalShown watch([&](QDialog&) { acted = true; }); },
                          "no modal dialog opened");
  EXPECT_FALSE(acted);
}

TEST(WhenModalShownTest, AModalWindowThatIsNoDialogFailsTheTestAndIsClosed) {
  QWidget window;
  window.setWindowModality(Qt::ApplicationModal);
  bool acted = false, closed = false;
  EXPECT_NONFATAL_FAILURE(
      {
        const WhenModalShown watch([&](QDialog&) { acted = true; });
        window.show();
        closed = QTest::qWaitFor([&] { return !window.isVisible(); });
      },
      "is not a dialog");
  EXPECT_TRUE(closed);
  EXPECT_FALSE(acted);
}

}  // namespace
}  // namespace kasumori::testkit
