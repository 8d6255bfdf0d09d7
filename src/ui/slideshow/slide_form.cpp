// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slideshow/slide_form.h"

#include "ui/common/fonts.h"
#include "ui/common/form_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace kasumori::ui {

using slideshow::IntervalChoice;
using slideshow::SlideDialogValues;
using slideshow::SlideStart;
using slideshow::TransitionKind;

namespace {

QStringList Items(std::initializer_list<const char*> texts) {
  QStringList items;
  for (const char* text : texts) items << QString::fromUtf8(text);
  return items;
}

const QStringList& SpeedItems() {
  static const QStringList items =
      Items({"速さ５（速い）", "速さ４", "速さ３（標準）", "速さ２", "速さ１（繊細）"});
  return items;
}

}  // namespace

TSlideForm::TSlideForm(QWidget* owner, const SlideDialogValues& values, bool fullScreenActive,
                       platform::DialogService& dialogs)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs) {
  setObjectName("TSlideForm");
  setWindowTitle(QStringLiteral("スライドショー（自動コマ送り観賞）"));
  setFixedSize(411, 347);
  setWindowModality(Qt::ApplicationModal);
  PaintFormGreen(this);
  setFont(ProportionalGothic(12));
  BuildStartGroup();
  BuildQualityGroups();
  BuildIntervalGroup();
  BuildTransitionGroup();
  WhiteText(this, QStringLiteral("※キーを押すか写真をクリックで停止します"), 8, 292, "TeishiLbl");
  BuildButtons(fullScreenActive);
  Show(values);
  PlaceOnScreen(*this, owner);
  startBtn_->setFocus();
}

namespace {

QGroupBox* Group(QWidget* parent, const char* name, const QString& title, const QRect& at) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(QLatin1String(name));
  group->setGeometry(at);
  QPalette palette = group->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  group->setPalette(palette);
  return group;
}

}  // namespace

QRadioButton* TSlideForm::Radio(QWidget* group, QButtonGroup* buttons, int id, const char* name,
                                const QString& text, QPoint at) {
  auto* radio = new QRadioButton(text, group);
  radio->setObjectName(QLatin1String(name));
  radio->move(at);
  radio->adjustSize();
  // The focus stays on "スタート", so that Enter always starts.
  radio->setFocusPolicy(Qt::NoFocus);
  buttons->addButton(radio, id);
  connect(radio, &QRadioButton::clicked, this, [this] { startBtn_->setFocus(); });
  return radio;
}

QCheckBox* TSlideForm::Check(QWidget* group, const char* name, const QString& text, QPoint at) {
  auto* box = new QCheckBox(text, group);
  box->setObjectName(QLatin1String(name));
  box->move(at);
  box->adjustSize();
  box->setFocusPolicy(Qt::NoFocus);
  connect(box, &QCheckBox::clicked, this, [this] { startBtn_->setFocus(); });
  return box;
}

QComboBox* TSlideForm::Box(QWidget* group, const char* name, const QStringList& items,
                           const QRect& at) {
  auto* box = new QComboBox(group);
  box->setObjectName(QLatin1String(name));
  box->addItems(items);
  box->setGeometry(at);
  box->setPalette(QPalette());
  connect(box, &QComboBox::currentIndexChanged, this, [this] { startBtn_->setFocus(); });
  return box;
}

void TSlideForm::BuildStartGroup() {
  QGroupBox* group = Group(this, "StartGrp", QStringLiteral("開始位置"), {6, 4, 174, 118});
  group->installEventFilter(this);
  startButtons_ = new QButtonGroup(this);
  Radio(group, startButtons_, int(SlideStart::FromFirst), "StartHajimeBtn",
        QStringLiteral("最初から"), {8, 18});
  Radio(group, startButtons_, int(SlideStart::FromCursor), "StartCursorBtn",
        QStringLiteral("カーソル位置から"), {8, 36});
  WhiteText(group, QStringLiteral("最後の写真表示後"), 8, 58);
  nextFolderChk_ = Check(group, "NextFolderChk", QStringLiteral("次のフォルダへ"), {16, 76});
  repeatChk_ = Check(group, "RepeatChk", QStringLiteral("繰り返し観賞"), {16, 94});
}

void TSlideForm::BuildQualityGroups() {
  QGroupBox* panorama =
      Group(this, "PanoramicGrp", QStringLiteral("パノラマモード"), {6, 126, 174, 48});
  panorama->installEventFilter(this);
  panoramicBox_ = Box(panorama, "PanoramicBox",
                      Items({"ノーマル（１枚）表示", "パノラマ（２枚）表示",
                             "パノラマ（２枚逆）表示", "パノラマ（４枚）表示"}),
                      {6, 20, 162, 22});
  QGroupBox* group = Group(this, "GashitsuGrp", QStringLiteral("画質モード"), {6, 178, 174, 108});
  group->installEventFilter(this);
  qualityButtons_ = new QButtonGroup(this);
  Radio(group, qualityButtons_, int(config::QualityMode::High), "KougashitsuBtn",
        QStringLiteral("高画質"), {8, 18});
  Radio(group, qualityButtons_, int(config::QualityMode::Fast), "KousokuBtn",
        QStringLiteral("高速"), {84, 18});
  connect(qualityButtons_, &QButtonGroup::idToggled, this, [this] { EnableQualityBoxes(); });
  WhiteText(group, QStringLiteral("画質効果"), 8, 46);
  koukaBox_ = Box(group, "KoukaBox", Items({"普通", "ｸﾛｰﾑ", "ｾﾋﾟｱ", "白黒"}), {70, 43, 98, 22});
  koukaBox_->setToolTip(QStringLiteral("画質効果は、高画質モードのときに有効です。"));
  WhiteText(group, QStringLiteral("シャープ"), 8, 74);
  sharpBox_ =
      Box(group, "SharpBox", Items({"最強", "極強", "強め", "稍強", "普通", "弱め", "なし"}),
          {70, 71, 98, 22});
  sharpBox_->setToolTip(QStringLiteral("シャープネスは、高画質モードのときに有効です。"));
}

void TSlideForm::BuildIntervalGroup() {
  QGroupBox* group = Group(this, "KankakuGrp", QStringLiteral("１枚表示時間"), {184, 4, 221, 72});
  group->installEventFilter(this);
  intervalButtons_ = new QButtonGroup(this);
  const struct {
    IntervalChoice choice;
    const char* name;
    const char* text;
    QPoint at;
  } buttons[] = {{IntervalChoice::S1, "Time1Btn", "１秒", {8, 18}},
                 {IntervalChoice::S5, "Time5Btn", "５秒", {56, 18}},
                 {IntervalChoice::S10, "Time10Btn", "10秒", {104, 18}},
                 {IntervalChoice::S30, "Time30Btn", "30秒", {156, 18}},
                 {IntervalChoice::S60, "Time60Btn", "60秒", {8, 42}},
                 {IntervalChoice::Custom, "TimeNiniBtn", "任意", {62, 42}}};
  for (const auto& b : buttons) {
    Radio(group, intervalButtons_, int(b.choice), b.name, QString::fromUtf8(b.text), b.at);
  }
  timeNiniEdit_ = new QLineEdit(group);
  timeNiniEdit_->setObjectName("TimeNiniEdit");
  timeNiniEdit_->setGeometry(110, 40, 48, 20);
  timeNiniEdit_->setMaxLength(5);
  timeNiniEdit_->setPalette(QPalette());
  // Seconds are digits: Japanese input would only get in the way.
  timeNiniEdit_->setAttribute(Qt::WA_InputMethodEnabled, false);
  WhiteText(group, QStringLiteral("秒"), 162, 43);
}

void TSlideForm::BuildTransitionGroup() {
  QGroupBox* group = Group(this, "KoukaGrp", QStringLiteral("表示効果"), {184, 80, 221, 206});
  group->installEventFilter(this);
  transitionButtons_ = new QButtonGroup(this);
  Radio(group, transitionButtons_, int(TransitionKind::PageTurn), "PageBtn",
        QStringLiteral("ページめくり"), {8, 18});
  pHoukouBox_ =
      Box(group, "PHoukouBox", Items({"左から", "右から", "上から", "下から"}), {20, 36, 62, 22});
  pSpeedBox_ =
      Box(group, "PSpeedBox",
          Items({"速さ５（速い）", "速さ４", "速さ３", "速さ２（標準）", "速さ１（繊細）"}),
          {86, 36, 106, 22});
  Radio(group, transitionButtons_, int(TransitionKind::Fade), "FadeBtn",
        QStringLiteral("フェードアウトイン"), {8, 64});
  fInOutBox_ =
      Box(group, "FInOutBox", Items({"アウト＆イン", "アウト→イン", "インのみ", "アウトのみ"}),
          {20, 82, 92, 22});
  fSpeedBox_ = Box(group, "FSpeedBox", SpeedItems(), {116, 82, 100, 22});
  Radio(group, transitionButtons_, int(TransitionKind::StarSand), "HoshizunaBtn",
        QStringLiteral("星砂効果"), {8, 110});
  hSpeedBox_ = Box(group, "HSpeedBox", SpeedItems(), {20, 128, 106, 22});
  Radio(group, transitionButtons_, int(TransitionKind::None), "KoukaNoBtn",
        QStringLiteral("効果なし"), {8, 158});
}

void TSlideForm::BuildButtons(bool fullScreenActive) {
  QPushButton* cancel =
      FormButton(this, "CancelBtn", QStringLiteral("キャンセル"), {142, 314, 80, 26});
  QPushButton* full =
      FormButton(this, "FullStartBtn", QStringLiteral("全画面スタート"), {228, 314, 96, 26});
  full->setEnabled(!fullScreenActive);
  startBtn_ = FormButton(this, "StartBtn", QStringLiteral("スタート"), {330, 314, 74, 26});
  startBtn_->setFont(ProportionalGothic(12, true));
  startBtn_->setDefault(true);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(full, &QPushButton::clicked, this, [this] { Accept(SlideFormResult::FullScreenStart); });
  connect(startBtn_, &QPushButton::clicked, this, [this] { Accept(SlideFormResult::Start); });
}

void TSlideForm::Show(const SlideDialogValues& v) {
  startButtons_->button(int(v.start))->setChecked(true);
  nextFolderChk_->setChecked(v.nextFolder);
  repeatChk_->setChecked(v.repeat);
  panoramicBox_->setCurrentIndex(v.panorama);
  qualityButtons_->button(int(v.quality))->setChecked(true);
  koukaBox_->setCurrentIndex(int(v.effect));
  sharpBox_->setCurrentIndex(v.sharpIndex);
  intervalButtons_->button(int(v.interval))->setChecked(true);
  timeNiniEdit_->setText(v.customText);
  transitionButtons_->button(int(v.transition))->setChecked(true);
  hSpeedBox_->setCurrentIndex(v.starSpeed);
  pHoukouBox_->setCurrentIndex(v.pageDirection);
  pSpeedBox_->setCurrentIndex(v.pageSpeed);
  fInOutBox_->setCurrentIndex(v.fadeMode);
  fSpeedBox_->setCurrentIndex(v.fadeSpeed);
  EnableQualityBoxes();
}

SlideDialogValues TSlideForm::Values() const {
  SlideDialogValues v;
  v.start = SlideStart(startButtons_->checkedId());
  v.nextFolder = nextFolderChk_->isChecked();
  v.repeat = repeatChk_->isChecked();
  v.panorama = panoramicBox_->currentIndex();
  v.quality = config::QualityMode(qualityButtons_->checkedId());
  v.effect = config::PictureEffect(koukaBox_->currentIndex());
  v.sharpIndex = sharpBox_->currentIndex();
  v.interval = IntervalChoice(intervalButtons_->checkedId());
  v.customText = timeNiniEdit_->text();
  v.transition = TransitionKind(transitionButtons_->checkedId());
  v.starSpeed = hSpeedBox_->currentIndex();
  v.pageDirection = pHoukouBox_->currentIndex();
  v.pageSpeed = pSpeedBox_->currentIndex();
  v.fadeMode = fInOutBox_->currentIndex();
  v.fadeSpeed = fSpeedBox_->currentIndex();
  return v;
}

void TSlideForm::EnableQualityBoxes() {
  const bool high = qualityButtons_->checkedId() == int(config::QualityMode::High);
  koukaBox_->setEnabled(high);
  sharpBox_->setEnabled(high);
}

// Whichever interval is chosen, the typed seconds must be valid: they are kept in the settings.
void TSlideForm::Accept(SlideFormResult result) {
  if (!slideshow::ParseCustomInterval(timeNiniEdit_->text())) {
    dialogs_.Notice(
        {QStringLiteral("表示間隔の秒数は"), QStringLiteral("１秒以上の整数が指定できます。")});
    timeNiniEdit_->selectAll();
    timeNiniEdit_->setFocus();
    return;
  }
  result_ = result;
  accept();
}

bool TSlideForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) startBtn_->setFocus();
  return QDialog::eventFilter(watched, event);
}

void TSlideForm::mousePressEvent(QMouseEvent* event) {
  startBtn_->setFocus();
  QDialog::mousePressEvent(event);
}

}  // namespace kasumori::ui
