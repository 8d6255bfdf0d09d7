// SPDX-License-Identifier: GPL-3.0-or-later
// The slideshow's settings dialog: where the show starts, what it does at the end, the panorama
// and picture-quality choices, the time on each photo and the transition.
#pragma once

#include "platform/dialog_service.h"
#include "slideshow/slide_dialog.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kasumori::ui {

enum class SlideFormResult { Cancelled, Start, FullScreenStart };

class TSlideForm final : public QDialog {
  Q_OBJECT

 public:
  TSlideForm(QWidget* owner, const slideshow::SlideDialogValues& values, bool fullScreenActive,
             platform::DialogService& dialogs);

  slideshow::SlideDialogValues Values() const;
  SlideFormResult Result() const { return result_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void BuildStartGroup();
  void BuildQualityGroups();
  void BuildIntervalGroup();
  void BuildTransitionGroup();
  void BuildButtons(bool fullScreenActive);
  void Show(const slideshow::SlideDialogValues& values);
  QRadioButton* Radio(QWidget* group, QButtonGroup* buttons, int id, const char* name,
                      const QString& text, QPoint at);
  QCheckBox* Check(QWidget* group, const char* name, const QString& text, QPoint at);
  QComboBox* Box(QWidget* group, const char* name, const QStringList& items, const QRect& at);
  void EnableQualityBoxes();
  void Accept(SlideFormResult result);

  platform::DialogService& dialogs_;
  QButtonGroup* startButtons_;
  QButtonGroup* qualityButtons_;
  QButtonGroup* intervalButtons_;
  QButtonGroup* transitionButtons_;
  QCheckBox* nextFolderChk_;
  QCheckBox* repeatChk_;
  QComboBox* panoramicBox_;
  QComboBox* koukaBox_;
  QComboBox* sharpBox_;
  QLineEdit* timeNiniEdit_;
  QComboBox* pHoukouBox_;
  QComboBox* pSpeedBox_;
  QComboBox* fInOutBox_;
  QComboBox* fSpeedBox_;
  QComboBox* hSpeedBox_;
  QPushButton* startBtn_;
  SlideFormResult result_ = SlideFormResult::Cancelled;
};

}  // namespace kasumori::ui
