// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/main_panels.h"

#include "ui/display/info_panel.h"
#include "ui/common/fonts.h"
#include "ui/common/view_image.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace kasumori::ui {

namespace {

constexpr int kHeadingHeight = 18;
constexpr int kFolderHeadingHeight = 22;

void Paint(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QWidget* Panel(QWidget* parent, const char* name, const QColor& colour) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QLatin1String(name));
  Paint(panel, colour);
  return panel;
}

QLabel* Label(QWidget* parent, const char* name, const QFont& font, const QColor& colour,
              const QString& text = QString()) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

// A light yellow heading without bevel, its caption centred.
QWidget* Heading(QWidget* parent, const char* name, const QString& caption) {
  QWidget* heading = Panel(parent, name, kHeadingYellow);
  if (!caption.isEmpty()) {
    QLabel* text = Label(heading, "", ProportionalGothic(12, true), Qt::black, caption);
    text->setAlignment(Qt::AlignCenter);
    text->setObjectName(QString::fromLatin1(name) + QStringLiteral("Caption"));
  }
  return heading;
}

void StretchCaption(QWidget* heading) {
  if (auto* caption = heading->findChild<QLabel*>(heading->objectName() + "Caption")) {
    caption->setGeometry(0, 0, heading->width(), heading->height());
  }
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, int fontPx = 12) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setFont(ProportionalGothic(fontPx));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

MainPanels::MainPanels(QWidget* client) {
  dummyBtn = Button(client, "DummyBtn", QString());
  dummyBtn->setFocusPolicy(Qt::StrongFocus);
  dummyBtn->setGeometry(6, 77, 75, 25);
  thumbPnl = Panel(client, "ThumbPnl", kStripGrey);
  thumbPnl->setGeometry(1, 1, 725, 69);
  BuildFolderPanel(client);
  BuildHenshuPanel(client);
  BuildQualityPanels(client);
  BuildExifPanel(client);
  sideBouPnl = Panel(client, "SideBouPnl", kSeparatorSilver);
  dummyBtn->lower();  // hidden behind the folder panel
}

void MainPanels::BuildFolderPanel(QWidget* client) {
  folderPnl = Panel(client, "FolderPnl", kPanelGreen);
  folderLblPnl = Heading(folderPnl, "FolderLblPnl", QStringLiteral("写真のあるフォルダ"));
  narabikaeLbl = Label(folderLblPnl, "NarabikaeLbl", ProportionalGothic(12, true), Qt::black);
  static constexpr int kSlotTops[3] = {29, 56, 83};
  for (int i = 0; i < 3; ++i) {
    const QByteArray n = QByteArray::number(i + 1);
    folderRadio[i] = new QRadioButton(folderPnl);
    folderRadio[i]->setObjectName("FolderRadio" + n);
    folderRadio[i]->setGeometry(5, kSlotTops[i], 14, 14);
    folderRadio[i]->setFocusPolicy(Qt::NoFocus);
    const QFont font = ProportionalGothic(12, true);
    folderLbl[i] = Label(folderPnl, ("FolderLbl" + n).constData(), font, Qt::white);
    folderLblB[i] = Label(folderPnl, ("FolderLbl" + n + "B").constData(), font, Qt::white);
    folderBtn[i] = Button(folderPnl, ("FolderBtn" + n).constData(), QStringLiteral("…"));
  }
  folderRadio[0]->setChecked(true);
  subFolderPnl = Panel(folderPnl, "SubFolderPnl", kSeparatorSilver);
  subFolderUePnl = Panel(subFolderPnl, "SubFolderUePnl", Qt::white);
  folderTree = new QTreeWidget(subFolderPnl);
  folderTree->setObjectName("FolderTree");
  folderTree->header()->hide();
  folderTree->setFrameShape(QFrame::NoFrame);
  folderTree->setFocusPolicy(Qt::NoFocus);
  folderTree->setIconSize(QSize(16, 12));
  folderShitaPnl = Panel(folderPnl, "FolderShitaPnl", kSeparatorSilver);
  explorerBtn = Button(folderPnl, "ExplorerBtn", QString());
  openBtn = Button(folderPnl, "OpenBtn", QString());
  okiniBtn = Button(folderPnl, "OkiniBtn", QStringLiteral("お気に入り"));
  folderMigiPnl = Panel(client, "FolderMigiPnl", kSeparatorSilver);
}

void MainPanels::BuildHenshuPanel(QWidget* client) {
  henshuPnl = Panel(client, "HenshuPnl", kPanelGreen);
  henshuLblPnl = Heading(henshuPnl, "HenshuLblPnl", QString());
  henshuLbl = Label(henshuLblPnl, "HenshuLbl", ProportionalGothic(12, true), Qt::black,
                    QStringLiteral("編集"));
  turnLeftBtn = Button(henshuPnl, "TurnLeftBtn", QStringLiteral("左回"));
  turnRightBtn = Button(henshuPnl, "TurnRightBtn", QStringLiteral("右回"));
  saveBtn = Button(henshuPnl, "SaveBtn", QStringLiteral("保存"));
  wideChk = new QCheckBox(henshuPnl);
  wideChk->setObjectName("WideChk");
  wideChk->setFocusPolicy(Qt::NoFocus);
  wideLbl =
      Label(henshuPnl, "WideLbl", ProportionalGothic(12, true), Qt::white, QStringLiteral("W"));
  bairituLbl =
      Label(henshuPnl, "BairituLbl", ProportionalGothic(12), Qt::white, QStringLiteral("倍率"));
  bairituLbl->move(118, 24);
  ritsuLbl = Label(henshuPnl, "RitsuLbl", MonospacedGothic(12), Qt::white);
  ritsuLbl->setGeometry(113, 33, 34, 14);
  joutaiLbl = Label(henshuPnl, "JoutaiLbl", ProportionalGothic(12, true), Qt::white);
  joutaiLbl->setGeometry(64, 50, 84, 14);
  zoomKaijoBtn = Button(henshuPnl, "ZoomKaijoBtn", QStringLiteral("解除"));
  zoomKaijoBtn->setGeometry(64, 29, 30, 19);
  zoomKaijoBtn->setEnabled(false);
  henshuMigiPnl = Panel(henshuPnl, "HenshuMigiPnl", kSeparatorSilver);
  henshuShitaPnl = Panel(henshuPnl, "HenshuShitaPnl", kSeparatorSilver);
}

void MainPanels::BuildQualityPanels(QWidget* client) {
  gashitsuPnl = Panel(client, "GashitsuPnl", kPanelGreen);
  gashitsuLblPnl = Heading(gashitsuPnl, "GashitsuLblPnl", QStringLiteral("画質モード"));
  gashitsuLblPnl->setGeometry(2, 2, 64, kHeadingHeight);
  StretchCaption(gashitsuLblPnl);
  const QFont labelFont = ProportionalGothic(12, true);
  gashitsuModeLbl = Label(gashitsuPnl, "GashitsuModeLbl", labelFont, Qt::white);
  gashitsuModeLbl->setGeometry(2, 26, 64, 14);
  koukaLbl = Label(gashitsuPnl, "KoukaLbl", labelFont, Qt::white);
  koukaLbl->setGeometry(8, 48, 58, 14);
  sharpLbl = Label(gashitsuPnl, "SharpLbl", labelFont, Qt::white);
  sharpLbl->setGeometry(8, 70, 58, 14);

  histgramPnl = Panel(client, "HistgramPnl", kPanelGreen);
  histgramLblPnl = Heading(histgramPnl, "HistgramLblPnl", QStringLiteral("ヒストグラム"));
  gashitsuModeSLbl = Label(histgramLblPnl, "GashitsuModeSLbl", labelFont, Qt::black);
  histDaiPnl = Panel(histgramPnl, "HistDaiPnl", Qt::black);
  histgramImg = new ViewImage(histDaiPnl, "HistgramImg");
  histgramImg->move(2, 2);
  histgramImg->Reset({128, 50}, Qt::black);
  histgramImg2 = new ViewImage(histDaiPnl, "HistgramImg2");
  histgramImg2->move(2, 54);
  histgramImg2->Reset({128, 5}, Qt::black);
}

void MainPanels::BuildExifPanel(QWidget* client) {
  exifPnl = Panel(client, "ExifPnl", kPanelGreen);
  exifLblPnl = Heading(exifPnl, "ExifLblPnl", QStringLiteral("写真の情報"));
  const QFont gothic = MonospacedGothic(12);
  const QFont gothicBold = MonospacedGothic(12, true);
  const QFont proportionalBold = ProportionalGothic(12, true);
  fileNameLbl = Label(exifPnl, "FileNameLbl", proportionalBold, Qt::white);
  extNameLbl = Label(exifPnl, "ExtNameLbl", ProportionalGothic(12), Qt::white);
  sizeLbl = Label(exifPnl, "SizeLbl", gothic, Qt::white);
  hidukeLbl = Label(exifPnl, "HidukeLbl", gothicBold, Qt::white);
  timeLbl = Label(exifPnl, "TimeLbl", gothic, Qt::white);
  fileSizeLbl = Label(exifPnl, "FileSizeLbl", gothic, Qt::white);
  cameraLbl = Label(exifPnl, "CameraLbl", proportionalBold, Qt::white);
  makerLbl = Label(exifPnl, "MakerLbl", proportionalBold, Qt::white);
  satsueiLbl = Label(exifPnl, "SatsueiLbl", gothic, Qt::white);
  strobeLbl = Label(exifPnl, "StrobeLbl", gothic, Qt::white);
  satsueiLbl2 = Label(exifPnl, "SatsueiLbl2", gothic, Qt::white);
}

void MainPanels::LowerFolderLabel(int i, bool lowered) {
  folderLblLowered[i] = lowered;
  folderLbl[i]->move(folderLbl[i]->x(), kFolderLineTops[i] + (lowered ? 1 : 0));
}

void MainPanels::Apply(const shell::LayoutTable& t) {
  const shell::DerivedLayout d = shell::DeriveLayout(t);

  folderPnl->setGeometry(t.folderPnl);
  folderLblPnl->setGeometry(2, 2, d.folderLblPnlWidth, kFolderHeadingHeight);
  StretchCaption(folderLblPnl);
  static constexpr int kButtonTops[3] = {30, 57, 84};
  for (int i = 0; i < 3; ++i) {
    const int labelWidth = d.folderBtnLeft - 20 - 2;
    folderLbl[i]->setGeometry(20, kFolderLineTops[i] + (folderLblLowered[i] ? 1 : 0), labelWidth,
                              12);
    folderLblB[i]->setGeometry(20, kFolderLineTops[i] + 12, labelWidth, 12);
    folderBtn[i]->setGeometry(d.folderBtnLeft, kButtonTops[i], 24, 20);
  }
  subFolderPnl->setGeometry(t.subFolderPnl);
  subFolderUePnl->setGeometry(3, 3, d.subFolderUePnlWidth, 6);
  folderTree->setGeometry(d.folderTree);
  folderShitaPnl->setGeometry(t.folderShitaPnl);
  explorerBtn->setGeometry(t.explorerBtn);
  explorerBtn->setText(QString::fromUtf8(t.explorerCaption));
  openBtn->setGeometry(t.openBtn);
  openBtn->setText(QString::fromUtf8(t.openCaption));
  okiniBtn->setGeometry(t.okiniBtn);
  folderMigiPnl->setGeometry(t.folderMigiPnl);

  henshuPnl->setGeometry(t.henshuPnl);
  henshuLblPnl->setGeometry(t.henshuLblPnl);
  henshuLbl->setGeometry(t.henshuLbl);
  turnLeftBtn->setGeometry(t.turnLeftBtn);
  turnRightBtn->setGeometry(t.turnRightBtn);
  saveBtn->setGeometry(t.saveBtn);
  wideChk->setGeometry(t.wideChk);
  wideLbl->setGeometry(t.wideLbl);
  henshuMigiPnl->setGeometry(d.henshuMigiPnl);
  henshuShitaPnl->setGeometry(d.henshuShitaPnl);

  gashitsuPnl->setGeometry(t.gashitsuPnl);
  gashitsuPnl->setVisible(t.gashitsuShown);
  histgramPnl->setGeometry(t.histgramPnl);
  histgramLblPnl->setGeometry(2, 2, d.histgramLblPnlWidth, kHeadingHeight);
  StretchCaption(histgramLblPnl);
  histDaiPnl->setGeometry(d.histDaiPnlLeft, 24, 132, 61);

  exifPnl->setGeometry(t.exifPnl);
  exifLblPnl->setGeometry(2, 2, d.exifLblPnlWidth, kHeadingHeight);
  StretchCaption(exifLblPnl);
  PlaceInfoLabels(*this);

  sideBouPnl->setGeometry(t.sideBouPnl);
}

void MainPanels::ShowDirection(config::ListDirection direction) {
  narabikaeLbl->setText(direction == config::ListDirection::RightToLeft ? QStringLiteral("Ｒ")
                                                                        : QStringLiteral("Ｌ"));
  narabikaeLbl->setGeometry(shell::NarabikaeLblLeft(folderLblPnl->width(), direction), 4, 13, 14);
}

}  // namespace kasumori::ui
