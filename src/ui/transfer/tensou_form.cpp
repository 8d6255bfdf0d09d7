// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/tensou_form.h"

#include "ui/common/fonts.h"
#include "ui/common/form_text.h"
#include "ui/common/kasumori_style.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <tuple>

namespace kasumori::ui {
namespace {

constexpr int kLabelWidth = 386;

// Toggles its check box on a mouse press, as the box itself would.
class ToggleOnPress final : public QObject {
 public:
  ToggleOnPress(QLabel* label, QCheckBox* box) : QObject(label), box_(box) {
    label->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress || !box_->isEnabled()) return false;
    box_->toggle();
    return true;
  }

 private:
  QCheckBox* box_;
};

QString Fitted(const QString& folder, int width, const QFont& font,
               const library::FriendlyFolders& friendly) {
  const QFontMetrics metrics(font);
  QString shown = library::OneLinePath(
      folder, width, [&metrics](const QString& text) { return metrics.horizontalAdvance(text); },
      friendly);
  // A label's empty second line is one space; between the brackets it is not the folder's.
  if (shown.endsWith(u' ') && !library::FriendlyPath(folder, friendly).endsWith(u' ')) {
    shown.chop(1);
  }
  return shown;
}

}  // namespace

TTensouForm::TTensouForm(QWidget* owner, transfer::TransferMode mode, const QString& cameraName,
                         const QString& selectedFolder, const transfer::TransferOptions& options,
                         const library::FriendlyFolders& friendly)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("TTensouForm");
  setWindowTitle(QStringLiteral("転送"));
  setFixedSize(402, 161);
  PaintFormGreen(this);
  const bool fromCamera = mode == transfer::TransferMode::FromCamera;
  const QFont bold = ProportionalGothic(15, true);
  const QString camera = u'「' + cameraName + u'」';
  const QString from =
      fromCamera ? camera
                 : u'「' + Fitted(selectedFolder, kLabelWidth - 47, bold, friendly) + u'」';
  const QString to = fromCamera
                         ? u'「' + Fitted(selectedFolder, kLabelWidth - 34, bold, friendly) + u'」'
                         : camera;
  for (const auto& [text, top, name] : {std::tuple{from + QStringLiteral("から"), 6, "TensouLbl1"},
                                        std::tuple{to + QStringLiteral("へ"), 26, "TensouLbl2"}}) {
    QLabel* label = WhiteText(this, text, 8, top, name);
    label->setFont(bold);
    label->adjustSize();
  }
  WhiteText(this, QStringLiteral("全ての写真の転送を開始します。"), 8, 50, "TensouLbl3");
  readOnlyChk_ = Option("ReadOnlyChk", "ReadOnlyLbl",
                        QStringLiteral("カメラでロック（読込専用）してある写真は転送しない"), 70,
                        !options.readOnlyToo);
  movieChk_ =
      Option("MovieChk", "MovieLbl", QStringLiteral("動画ファイル（.mov，.avi，.mpg）も転送する"),
             88, options.movies);
  makeFolderChk_ = Option("MakeFolderChk", "MakeFolderLbl",
                          QStringLiteral("「ファイル日付」フォルダを自動作成して転送"), 106,
                          options.dateFolders);
  if (!fromCamera) {
    makeFolderChk_->setEnabled(false);
    findChild<QLabel*>("MakeFolderLbl")->setEnabled(false);
  }
  QPushButton* standard =
      FormButton(this, "HyoujunBtn", QStringLiteral("標準設定"), {8, 130, 80, 24});
  SetHint(standard, QStringLiteral("上記の転送設定を標準（２つともチェック）に戻します。"));
  QPushButton* cancel =
      FormButton(this, "CancelBtn", QStringLiteral("キャンセル"), {234, 130, 76, 24});
  QPushButton* run = FormButton(this, "JikkouBtn", QStringLiteral("実行"), {318, 130, 76, 24});
  run->setDefault(true);
  connect(standard, &QPushButton::clicked, this, [this] {
    for (QCheckBox* box : {readOnlyChk_, movieChk_, makeFolderChk_}) box->setChecked(true);
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(run, &QPushButton::clicked, this, &QDialog::accept);
  run->setFocus();
}

void TTensouForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceOnScreen(*this, parentWidget());
}

QCheckBox* TTensouForm::Option(const char* boxName, const char* labelName, const QString& text,
                               int top, bool checked) {
  auto* box = new QCheckBox(this);
  box->setObjectName(QLatin1String(boxName));
  box->setGeometry(16, top, 16, 16);
  box->setChecked(checked);
  QLabel* label = WhiteText(this, text, 36, top + 1, labelName);
  new ToggleOnPress(label, box);
  return box;
}

transfer::TransferOptions TTensouForm::Options() const {
  return {!readOnlyChk_->isChecked(), movieChk_->isChecked(), makeFolderChk_->isChecked()};
}

}  // namespace kasumori::ui
