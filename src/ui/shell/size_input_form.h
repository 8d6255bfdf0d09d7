// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialog_service.h"
#include "shell/custom_size.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kasumori::ui {

// The custom display-size dialog: width, height, proportions and the window layout to use.
class TSizeInputForm final : public QDialog {
  Q_OBJECT

 public:
  struct Reference {
    QSize size;  // the shown photo's own size, or the display area in zoom mode
    bool zoomMode;
  };

  TSizeInputForm(QWidget* owner, platform::DialogService& dialogs,
                 config::WindowSizeMode windowSizeMode, int customWidth, int customHeight,
                 std::optional<Reference> reference);

  int ChosenWidth() const;
  int ChosenHeight() const;
  shell::LayoutChoice ChosenLayout() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildSizeFields(int customWidth, int customHeight);
  void BuildLayoutChoice(config::WindowSizeMode windowSizeMode);
  void FieldChanged(QLineEdit* field);
  void Clear(QLineEdit* field);
  void Decide();

  platform::DialogService& dialogs_;
  std::optional<Reference> reference_;
  QCheckBox* keepChk_;
  QLabel* keepLbl_;
  QLineEdit* widthEdit_;
  QLineEdit* heightEdit_;
  QRadioButton* choices_[5];
  QPushButton* ketteiBtn_;
  bool deriving_ = false;
};

}  // namespace kasumori::ui
