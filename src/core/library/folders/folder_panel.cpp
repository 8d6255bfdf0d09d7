// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folders/folder_panel.h"

#include "library/folder_listing.h"
#include "library/folders/path_label.h"

#include <algorithm>
#include <utility>

namespace kasumori::library {

QString SlotPickerTitle(int slot) {
  return QStringLiteral("「写真のあるフォルダ(%1)」を設定").arg(slot);
}

QString ClearSlotQuestion(int slot) {
  return QStringLiteral("「写真のあるフォルダ(%1)」の設定を解除しますか？").arg(slot);
}

QString PickerStart(const QString& folder, const QString& desktop) {
  if (folder.isEmpty() || folder == desktop) return {};
  return folder.endsWith(':') ? folder + '/' : folder;
}

QString WithoutTrailingSlash(const QString& folder) {
  QString result = folder;
  while (result.size() > 1 && result.endsWith('/')) result.chop(1);
  return result;
}

bool FolderWindowApplies(const QString& folder) {
  return !folder.endsWith(':') && IsExistingFolder(folder);
}

FolderPanel::FolderPanel(config::Settings& settings, FolderState& folders, PhotoList& list,
                         FolderTree& tree, platform::DialogService& dialogs,
                         platform::PickerService& picker, QString desktopFolder,
                         FolderPanelHooks hooks)
    : settings_(settings),
      folders_(folders),
      list_(list),
      tree_(tree),
      dialogs_(dialogs),
      picker_(picker),
      desktop_(std::move(desktopFolder)),
      hooks_(std::move(hooks)) {}

bool FolderPanel::StoppedSlideshow() {
  if (!hooks_.slideshowActive || !hooks_.slideshowActive()) return false;
  Notify(hooks_.stopSlideshow);
  return true;
}

bool FolderPanel::CurrentSlotHasRoot() const {
  if (!folders_.HasSlot()) return false;
  return IsExistingFolder(settings_.PhotoFolder(folders_.CurrentSlot));
}

void FolderPanel::ResetSlot(int n) {
  folders_.SlotCurrentFolder[std::size_t(n - 1)] = settings_.PhotoFolder(n);
  folders_.SlotPosition[std::size_t(n - 1)] = 1;
}

void FolderPanel::SelectSlot(int n) {
  if (n < 1 || n > kSlotCount || StoppedSlideshow() || !UiReady()) return;
  if (hooks_.checkRadio) hooks_.checkRadio(n);
  folders_.CurrentSlot = n;
  QString& slotFolder = folders_.SlotFolder();
  // A folder removed behind the program's back gives way to the slot's root.
  const bool gone = !IsExistingFolder(slotFolder) && !FindContainingArchive(slotFolder);
  if (slotFolder.isEmpty() || gone) slotFolder = settings_.PhotoFolder(n);
  folders_.CurrentFolder = slotFolder;
  BuildSlotTree(n);
  Notify(hooks_.scanFolder);
  int& position = folders_.SlotPositionOfCurrent();
  position = std::min(position, list_.PhotoCount);
  // A slot that was empty once starts again at its first photo.
  if (position < 1 && list_.PhotoCount > 0) position = 1;
  list_.CurrentIndex = position;
  Notify(hooks_.refreshStrip);
}

void FolderPanel::BuildSlotTree(int n) {
  tree_.Clear();
  QString& root = settings_.PhotoFolder(n);
  if (!root.isEmpty() && !IsExistingFolder(root)) {
    dialogs_.Notice({QString::fromUtf8(kMissingRootLine1), QString::fromUtf8(kMissingRootLine2)});
    // The settings file keeps the old root until it is next written.
    root.clear();
    ResetSlot(n);
    if (folders_.CurrentSlot == n) folders_.CurrentFolder.clear();
    Notify(hooks_.updateLabels);
  } else if (!root.isEmpty()) {
    tree_.BuildTree(root, folders_.CurrentFolder);
  }
  Notify(hooks_.treeChanged);
}

void FolderPanel::SelectNode(FolderNode& node) {
  if (!CurrentSlotHasRoot()) {
    Notify(hooks_.clearStrip);
    return;
  }
  const QString folder = tree_.FolderOf(node);
  if (folder == folders_.CurrentFolder) return;
  Notify(hooks_.clearStrip);
  folders_.CurrentFolder = folder;
  if (!tree_.TreeClickConsumed) {
    tree_.ReloadNode(folder, node, folder);
    Notify(hooks_.treeChanged);
  }
  folders_.SlotFolder() = folder;
  folders_.SlotPositionOfCurrent() = 1;
  Notify(hooks_.scanFolder);
  Notify(hooks_.refreshStrip);
}

void FolderPanel::OnTreeButton(FolderNode& node) {
  if (StoppedSlideshow() || !UiReady()) return;
  tree_.TreeClickConsumed = true;
  tree_.Select(&node);
  SelectNode(node);
}

bool FolderPanel::OnTreeMouseDown(FolderNode* node, bool rightButton) {
  if (tree_.TreeClickConsumed) {
    tree_.TreeClickConsumed = false;
    return false;
  }
  if (StoppedSlideshow() || !UiReady() || !folders_.HasSlot() || !node) return false;
  tree_.Select(node);
  SelectNode(*node);
  return rightButton && FolderWindowApplies(tree_.FolderOf(*node));
}

void FolderPanel::PreviousFolder() {
  if (!CurrentSlotHasRoot()) return;
  FolderNode* selected = tree_.Selected();
  if (!selected || !selected->parent) return;
  if (FolderNode* previous = selected->PreviousSibling()) {
    selected->expanded = false;
    tree_.Select(previous);
  } else {
    tree_.Select(selected->parent);
  }
  SelectNode(*tree_.Selected());
}

void FolderPanel::NextFolder() {
  if (!CurrentSlotHasRoot()) return;
  FolderNode* selected = tree_.Selected();
  if (!selected) return;
  FolderNode* next = selected->FirstChild();
  if (!next) next = selected->NextSibling();
  // A last child without children: climb, folding each level left, to the first ancestor
  // with a next sibling, or back to the root.
  for (FolderNode* up = selected; !next && up->parent;) {
    up = up->parent;
    up->expanded = false;
    next = up->NextSibling();
  }
  tree_.Select(next ? next : tree_.Root());
  SelectNode(*tree_.Selected());
}

void FolderPanel::SetSlotFolder(int n) {
  if (n < 1 || n > kSlotCount || !UiReady()) return;
  QString& root = settings_.PhotoFolder(n);
  const auto picked = picker_.PickFolder(SlotPickerTitle(n), PickerStart(root, desktop_));
  const bool chosen = picked && !picked->isEmpty();
  if (!chosen) {
    if (root.isEmpty() ||
        !dialogs_.Confirm({ClearSlotQuestion(n), QString::fromUtf8(kClearSlotLine2)})) {
      return;
    }
  }
  root = chosen ? WithoutTrailingSlash(*picked) : QString();
  Notify(hooks_.saveSettings);
  ResetSlot(n);
  if (hooks_.detachShownPhoto) hooks_.detachShownPhoto(n);
  Notify(hooks_.updateLabels);
  if (chosen || folders_.CurrentSlot == n) SelectSlot(n);
}

void FolderPanel::ChooseOtherFolder() {
  if (!UiReady()) return;
  const auto picked = picker_.PickFolder(QString::fromUtf8(kOtherFolderTitle),
                                         PickerStart(folders_.OtherFolder, desktop_));
  if (!picked || picked->isEmpty()) return;
  folders_.CurrentFolder = folders_.OtherFolder = WithoutTrailingSlash(*picked);
  if (hooks_.checkRadio) hooks_.checkRadio(0);
  folders_.CurrentSlot = 0;
  tree_.Clear();
  Notify(hooks_.treeChanged);
  Notify(hooks_.scanFolder);
  Notify(hooks_.refreshStrip);
}

void FolderPanel::ShowFolderOf(const QString& folder) {
  const int slot = SlotOfFolder(folder, settings_);
  folders_.CurrentFolder = folder;
  folders_.CurrentSlot = slot;
  if (hooks_.checkRadio) hooks_.checkRadio(slot);
  if (slot != 0) {
    folders_.SlotFolder() = folder;
    BuildSlotTree(slot);
    return;
  }
  folders_.OtherFolder = folder;
  tree_.Clear();
  Notify(hooks_.treeChanged);
}

}  // namespace kasumori::library
