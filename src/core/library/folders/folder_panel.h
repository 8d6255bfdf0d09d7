// SPDX-License-Identifier: GPL-3.0-or-later
// The folder panel's behaviour: the three slots, another folder chosen with the picker, and the
// folder tree with its selection and keyboard walk. The window owns one and forwards its
// clicks; everything it shows comes back through the hooks.
#pragma once

#include "library/folder_state.h"
#include "library/folders/folder_tree.h"
#include "library/photo_list.h"
#include "platform/dialog_service.h"
#include "platform/platform_services.h"
#include "config/settings.h"

#include <QString>

#include <functional>

namespace kasumori::library {

struct FolderPanelHooks {
  // Commands do nothing while this says no; unset means ready.
  std::function<bool()> uiReady;
  std::function<bool()> slideshowActive;
  std::function<void()> stopSlideshow;
  // Checks the radio button of slot n, or clears all three for 0.
  std::function<void(int slot)> checkRadio;
  // The slot labels need redrawing (UpdateFolderLabels).
  std::function<void()> updateLabels;
  // Writes the settings file.
  std::function<void()> saveSettings;
  // Lists CurrentFolder (ScanFolder).
  std::function<void()> scanFolder;
  // Drops the thumbnail strip's images.
  std::function<void()> clearStrip;
  // Redraws the thumbnail strip around CurrentIndex (with the hover update).
  std::function<void()> refreshStrip;
  // The shown photo, when it belongs to the slot, no longer counts as belonging to it.
  std::function<void(int slot)> detachShownPhoto;
  // The tree's contents changed: the view shows FolderTree again.
  std::function<void()> treeChanged;
};

inline constexpr char kMissingRootLine1[] = "設定されているフォルダが見つかりませんでした。";
inline constexpr char kMissingRootLine2[] = "このフォルダの設定を解除しました。";
inline constexpr char kClearSlotLine2[] = "（サムネイル画像のキャッシュもクリアされます）";
inline constexpr char kOtherFolderTitle[] = "「写真を開くフォルダ」を設定";

// "「写真のあるフォルダ(n)」を設定"
QString SlotPickerTitle(int slot);
// "「写真のあるフォルダ(n)」の設定を解除しますか？"
QString ClearSlotQuestion(int slot);
// Where the folder picker starts for a folder: "/" added to a name ending in ":", nothing for
// the desktop folder.
QString PickerStart(const QString& folder, const QString& desktop);
// The picked folder without a trailing "/" ("/" itself stays).
QString WithoutTrailingSlash(const QString& folder);

class FolderPanel {
 public:
  FolderPanel(config::Settings& settings, FolderState& folders, PhotoList& list, FolderTree& tree,
              platform::DialogService& dialogs, platform::PickerService& picker,
              QString desktopFolder, FolderPanelHooks hooks = {});

  // Makes slot n (1..3) current: its folder listed and its tree built, the remembered
  // position restored (lowered to the photo count); a slot folder that is gone gives way to
  // the root. While a slideshow runs it only stops it.
  void SelectSlot(int n);
  // Picks the root of slot n, or clears it when the picker is cancelled and the user agrees.
  void SetSlotFolder(int n);
  // Picks another folder outside the slots; it has no tree.
  void ChooseOtherFolder();
  // Rebuilds the tree for slot n down to CurrentFolder; a root that is gone is reported and
  // cleared.
  void BuildSlotTree(int n);
  // Makes a node's folder current (nothing when it already is).
  void SelectNode(FolderNode& node);
  // The node's expand button was clicked.
  void OnTreeButton(FolderNode& node);
  // A mouse button went down over the tree (node null when over no node). True when the
  // folder window should open for the node (right button on an existing folder).
  bool OnTreeMouseDown(FolderNode* node, bool rightButton);
  // The keyboard walk through the tree, depth first.
  void PreviousFolder();
  void NextFolder();
  // The folder steps walk the tree only while the slot's root folder exists.
  bool CurrentSlotHasRoot() const;
  // A photo was opened by path: its folder becomes current in its slot, or as another folder.
  void ShowFolderOf(const QString& folder);

  FolderTree& Tree() { return tree_; }
  FolderState& Folders() { return folders_; }
  config::Settings& Settings() { return settings_; }
  platform::DialogService& Dialogs() { return dialogs_; }
  const FolderPanelHooks& Hooks() const { return hooks_; }

 private:
  bool UiReady() const { return !hooks_.uiReady || hooks_.uiReady(); }
  bool StoppedSlideshow();
  // The slot back at its root (or at nothing) after its root was set or cleared.
  void ResetSlot(int n);
  void Notify(const std::function<void()>& hook) const {
    if (hook) hook();
  }

  config::Settings& settings_;
  FolderState& folders_;
  PhotoList& list_;
  FolderTree& tree_;
  platform::DialogService& dialogs_;
  platform::PickerService& picker_;
  QString desktop_;
  FolderPanelHooks hooks_;
};

// Whether the folder window may open for a folder: an existing folder, not a bare drive name.
bool FolderWindowApplies(const QString& folder);

}  // namespace kasumori::library
