// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plugins/susie_form.h"

#include "imaging/plugins/spi_table.h"
#include "platform/dialog_service.h"
#include "platform/platform_services.h"
#include "ui/common/fonts.h"
#include "ui/common/form_text.h"

#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <cmath>

namespace kasumori::ui {

namespace {

constexpr int kColumnWidths[4] = {70, 299, 80, 160};
constexpr int kRowHeight = 16;
const QColor kFrameLight(224, 224, 224);

// The explanation's lines are the program's own texts, broken where they are, and must be read
// whole. The gothic font here sets them wider than the font they were broken for, so a line
// that would run past the window's right margin (as wide as its left one) is set with its
// characters a little closer, by the fraction of a pixel that makes it fit.
void FitBeforeRightMargin(QLabel* label, int formWidth) {
  const int rightEdge = formWidth - label->x();
  const int excess = label->x() + label->width() - rightEdge;
  const qsizetype gaps = label->text().size() - 1;
  if (excess <= 0 || gaps <= 0) return;
  QFont font = label->font();
  font.setLetterSpacing(QFont::AbsoluteSpacing, -std::ceil(10.0 * excess / double(gaps)) / 10.0);
  label->setFont(font);
  label->adjustSize();
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, QPoint at, int pixels,
                bool bold = false) {
  QLabel* label = WhiteText(parent, text, at.x(), at.y(), name);
  label->setFont(ProportionalGothic(pixels, bold));
  label->adjustSize();
  FitBeforeRightMargin(label, parent->width());
  return label;
}

void Panel(QWidget* parent, const char* name, const QRect& bounds, const QColor& colour) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QLatin1String(name));
  panel->setGeometry(bounds);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour);
  panel->setPalette(palette);
}

}  // namespace

TSusieForm::TSusieForm(QWidget* mainWindow, SusieFormDeps deps)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      mainWindow_(mainWindow),
      deps_(std::move(deps)) {
  setObjectName("TSusieForm");
  setWindowTitle(QStringLiteral("「Susieプラグイン」の設定"));
  setFixedSize(652, 380);
  setFont(ProportionalGothic(12));
  PaintFormGreen(this);
  BuildTexts();
  BuildGrid();
  BuildFrame();
  BuildButtons();
}

void TSusieForm::BuildTexts() {
  Caption(this, "Label1",
          QStringLiteral("『Susieプラグイン』（定番ビューワーソフト「Susie」用の拡張ファイルです。"
                         "他のいろいろなソフトで使用されていま"),
          {11, 8}, 13);
  Caption(this, "Label2",
          QStringLiteral("す）を「Kasumori2」フォルダ（「Kasumori２」をインストールしたフォルダ）"
                         "内にコピーして、「Kasumori２」を再起動してくだ"),
          {11, 24}, 13);
  Caption(this, "Label4", QStringLiteral("さい。様々な拡張子の画像も読み込めるようになります。"),
          {11, 40}, 13);
  Caption(this, "Label3", QStringLiteral("現在読み込まれているプラグイン"), {10, 62}, 15, true);
  Caption(this, "Label7", QStringLiteral("「Kasumori２」は、1000個までプラグインが使用できます。"),
          {10, 313}, 12);
  Caption(this, "Label6",
          QStringLiteral("※あまり多くのプラグインをお使いになると起動が遅くなることがあります。"),
          {11, 326}, 12);
}

void TSusieForm::BuildGrid() {
  pluginGrid_ = new QTableWidget(this);
  pluginGrid_->setObjectName("PluginGrid");
  pluginGrid_->setGeometry(12, 78, 629, 232);
  pluginGrid_->setFrameShape(QFrame::NoFrame);
  pluginGrid_->setColumnCount(4);
  pluginGrid_->setHorizontalHeaderLabels({QStringLiteral("ファイル名"), QStringLiteral("説明"),
                                          QStringLiteral("拡張子"),
                                          QStringLiteral("ファイルタイプ")});
  for (int c = 0; c < 4; ++c) pluginGrid_->setColumnWidth(c, kColumnWidths[c]);
  QHeaderView* header = pluginGrid_->horizontalHeader();
  header->setFixedHeight(kRowHeight);
  header->setStyleSheet(QStringLiteral("QHeaderView::section { background: silver; }"));
  header->setSectionsClickable(false);
  pluginGrid_->verticalHeader()->hide();
  pluginGrid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  pluginGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pluginGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  pluginGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
  pluginGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  pluginGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pluginGrid_->installEventFilter(this);
}

// Thin panels frame the grid like a sunken border.
void TSusieForm::BuildFrame() {
  Panel(this, "HidariPnl", {10, 78, 3, 233}, kFrameLight);
  Panel(this, "MigiPnl2", {640, 78, 1, 233}, Qt::gray);
  Panel(this, "MigiPnl", {641, 78, 2, 232}, kFrameLight);
  Panel(this, "ShitaPnl", {10, 310, 598, 1}, Qt::gray);
}

void TSusieForm::BuildButtons() {
  QPushButton* home =
      FormButton(this, "HomePageBtn", QStringLiteral("「Susieプラグイン」のダウンロード"),
                 {199, 348, 186, 23});
  QPushButton* folder = FormButton(this, "FolderBtn", QStringLiteral("「Kasumori2」フォルダを開く"),
                                   {387, 348, 186, 23});
  tojiruBtn_ = FormButton(this, "TojiruBtn", QStringLiteral("閉じる"), {575, 348, 68, 23});
  tojiruBtn_->setDefault(true);
  connect(tojiruBtn_, &QPushButton::clicked, this, &QDialog::reject);
  connect(home, &QPushButton::clicked, this, [this] {
    deps_.shellOpen.OpenDocument(deps_.resourceFolder + QStringLiteral("/Plugin.html"));
  });
  connect(folder, &QPushButton::clicked, this, &TSusieForm::OpenProgramFolder);
  setTabOrder(tojiruBtn_, pluginGrid_);
  setTabOrder(pluginGrid_, home);
  setTabOrder(home, folder);
}

void TSusieForm::FillGrid() {
  const std::vector<imaging::SpiTableRow> rows = imaging::SpiTableRows(deps_.plugins);
  pluginGrid_->setRowCount(int(rows.size()));
  for (int r = 0; r < int(rows.size()); ++r) {
    const imaging::SpiTableRow& row = rows[std::size_t(r)];
    const QString cells[4] = {row.fileName, row.description, row.filter, row.fileType};
    for (int c = 0; c < 4; ++c) pluginGrid_->setItem(r, c, new QTableWidgetItem(cells[c]));
  }
  // The blank last row is selected, so no plug-in looks chosen; the list shows from its top.
  pluginGrid_->selectRow(int(rows.size()) - 1);
  pluginGrid_->scrollToTop();
}

void TSusieForm::showEvent(QShowEvent* event) {
  FillGrid();
  if (mainWindow_) {
    const QRect main = mainWindow_->frameGeometry();
    move(main.left() + main.width() / 2 - width() / 2,
         main.top() + main.height() / 2 - height() / 2);
  }
  tojiruBtn_->setFocus();
  QDialog::showEvent(event);
}

void TSusieForm::mousePressEvent(QMouseEvent* event) {
  tojiruBtn_->setFocus();
  QDialog::mousePressEvent(event);
}

bool TSusieForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pluginGrid_ && event->type() == QEvent::FocusIn) tojiruBtn_->setFocus();
  return QDialog::eventFilter(watched, event);
}

void TSusieForm::OpenProgramFolder() {
  const bool yes = deps_.dialogs.Confirm(
      {QStringLiteral("「Kasumori2」フォルダを開きます。"),
       QStringLiteral("※フォルダ内のファイルを書き換えたりしないでください。"),
       QStringLiteral("（書き換えると正常に動作しなくなることがあります）"), QString(),
       QStringLiteral("「Kasumori2」フォルダ内に、ダウンロードした"),
       QStringLiteral("「Susieプラグイン」ファイルをコピーすればＯＫです。")});
  if (yes) deps_.shellOpen.OpenDocument(deps_.programFolder);
}

}  // namespace kasumori::ui
