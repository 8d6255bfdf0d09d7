// SPDX-License-Identifier: GPL-3.0-or-later
// A main window over a temporary program folder and home, with scripted dialogs.
#pragma once

#include "support/fake_platform.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

namespace kasumori::testkit {

template <typename Form, typename Services>
class MainFormFixture : public ::testing::Test {
 protected:
  MainFormFixture() : special(tree.Path("home")), clock(QDate(2026, 12, 9)) {
    program = tree.Folder("program");
    tree.Folder("home/Pictures");
  }

  std::unique_ptr<Form> Start(const QString& startupPath = QString()) {
    auto form = std::make_unique<Form>(Services{
        {dialogs, special, marker, clock, picker, trash, shellOpen}, program, startupPath});
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QCoreApplication::processEvents();
    return form;
  }

  TempTree tree;
  QString program;
  FakeSpecialFolders special;
  FakeMarker marker;
  FixedClock clock;
  platform::ScriptedDialogService dialogs;
  FolderTrash trash{tree.Path("trash")};
  FakeShellOpen shellOpen;
  FakePicker picker;
};

}  // namespace kasumori::testkit
