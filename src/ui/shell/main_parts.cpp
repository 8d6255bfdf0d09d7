// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/main_parts.h"

#include "library/photo_list_controller.h"
#include "config/text_file.h"
#include "library/photo_location.h"
#include "thumbs/thumbnail_maker.h"
#include "ui/apps/apps_view.h"
#include "ui/apps/help_form.h"
#include "ui/display/main_display.h"
#include "ui/favourites/favourites_view.h"
#include "ui/common/view_image.h"
#include "ui/export/photo_save_view.h"
#include "ui/library/folder_panel_view.h"
#include "ui/shell/input_pacer.h"
#include "ui/shell/main_commands.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_panels.h"
#include "ui/thumbs/thumb_strip.h"
#include "ui/thumbs/wide_thumb_form.h"
#include "ui/transfer/transfer_view.h"
#include "ui/display/full_screen_view.h"
#include "ui/display/panorama_view.h"
#include "ui/slideshow/slideshow_view.h"

#include <QApplication>

namespace kasumori::ui {

namespace {

void BusyCursor(bool busy) {
  busy ? QApplication::setOverrideCursor(Qt::WaitCursor) : QApplication::restoreOverrideCursor();
}

}  // namespace

MainParts::MainParts(MainPartsContext context) : c_(std::move(context)) {
  MakeLists();
  MakeThumbnailMaker();
  MakeDisplayAndStrips();
  MakeFolderPanel();
  MakeFavourites();
  MakeExport();
  MakeApps();
  MakeTransfer();
  MakeFullScreenAndSlideshow();
  commands_ = std::make_unique<MainCommands>(
      MainCommandParts{c_.window, c_.model, c_.panels, c_.menu, c_.view, *display_, *strip_,
                       *folders_, *wide_, *lists_, *favourites_, *photoSave_, *transfer_,
                       *fullScreen_, *slideshow_, *panorama_, *apps_});
}

MainParts::~MainParts() = default;

bool MainParts::UiReady() const { return c_.model.Session().UiReady; }

void MainParts::RedrawStrip() {
  strip_->RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Update);
}

void MainParts::MakeLists() {
  library::PhotoListHooks hooks;
  hooks.watchFolder = [this](const QString& folder) { folders_->Watcher().SetDirectory(folder); };
  hooks.refreshStrip = [this] { RedrawStrip(); };
  hooks.rebuildFolderTree = [this](const QString&) {
    const library::FolderState& folders = c_.model.Folders();
    if (!folders.HasSlot()) return;
    folders_->Panel().BuildSlotTree(folders.CurrentSlot);
    folders_->ShowTree();
  };
  hooks.resetPerPhotoState = [this] {
    c_.model.Thumbnails().Reset();
    // Photos decoded ahead in another folder are of no use to this one; in the same folder
    // (a refresh after a file command) they are still what the next step shows.
    const QString& folder = c_.model.Folders().CurrentFolder;
    if (display_ && folder != listedFolder_) display_->Decoder().ForgetDecodedAhead();
    listedFolder_ = folder;
  };
  hooks.shownPhoto = [this]() -> std::optional<library::ShownPhoto> {
    const display::ShownPhoto& shown = display_->Driver().Shown();
    if (!shown.Shown()) return std::nullopt;
    return library::ShownPhoto{shown.Folder, shown.Name};
  };
  hooks.uiReady = [this] { return UiReady(); };
  hooks.saveSettings = c_.saveSettings;
  hooks.showOrderSettings = [this] {
    const config::Settings& settings = c_.model.settings();
    c_.menu.CheckOrder(settings.SortOrder, settings.ListDirection);
    c_.panels.ShowDirection(settings.ListDirection);
  };
  hooks.setBusyCursor = BusyCursor;
  hooks.slideshowActive = [this] { return display_->Driver().Modes().SlideshowActive; };
  lists_ = std::make_unique<library::PhotoListController>(
      c_.model.List(), c_.model.settings(), c_.model.Folders(), c_.model.Extensions(),
      c_.model.Session().dialogs(), std::move(hooks));
  lists_->SetArchiveLister(&c_.model.Archives());
}

void MainParts::MakeThumbnailMaker() {
  shell::AppModel& m = c_.model;
  thumbs::ThumbnailMakerContext context{m.List(), m.Folders(), m.settings(), m.ThumbnailDecoder(),
                                        m.Thumbnails()};
  context.favourites = favourites::FavouriteSubjectsOf(m.Favourites().Folder());
  context.redrawStrip = [this] { RedrawStrip(); };
  context.busyCursor = BusyCursor;
  // A thumbnail of a photo in an archive that does not open stays black without a message:
  // the strip asks for eight of them at once.
  context.extractArchived = [this](const QString& path) {
    return c_.model.Archives().ExtractPhoto(path, archive::ArchivePhotos::Report::Quiet);
  };
  thumbnailMaker_ = std::make_unique<thumbs::ThumbnailMaker>(context);
  thumbs::ConnectThumbnailMaker(m.Thumbnails(), *thumbnailMaker_);
}

void MainParts::MakeDisplayAndStrips() {
  shell::AppModel& m = c_.model;
  display_ = std::make_unique<MainDisplay>(MainDisplayParts{
      c_.window, c_.panels, c_.view, c_.menu, m.List(), m.Folders(), m.settings(),
      m.Session().dialogs(), m.LoadFailed(), m.Thumbnails(), c_.saveSettings,
      [this](config::Direction direction) {
        strip_->RefreshStrip(direction, ThumbStrip::Hover::Hide);
      },
      [this] { return UiReady(); }, [this] { strip_->HideNameTag(); },
      [this] { return strip_->SelectionFrameCentre(); }, [this] { slideshow_->RequestStop(); },
      [this](const display::MissingRecordSource& missing) {
        commands_->ResolveMissingSource(missing);
      },
      [this](const QString& path) {
        return c_.model.Archives().ExtractPhoto(path, archive::ArchivePhotos::Report::Message);
      }});
  strip_ = std::make_unique<ThumbStrip>(ThumbStripParts{
      *c_.panels.thumbPnl, *c_.panels.dummyBtn, m.List(), m.Folders(), m.settings(), m.Thumbnails(),
      [this] { return UiReady(); }, [this](int position) { display_->ShowPhoto(position); },
      [this] { wide_->Open(); }});
  wide_ = std::make_unique<TWideThumbForm>(WideThumbParts{
      *strip_, c_.window, *c_.panels.thumbPnl, m.List(), m.settings(), m.Thumbnails(),
      [this] { return UiReady(); }, [this](bool shift) { display_->NextPhoto(shift); },
      [this](bool shift) { display_->PreviousPhoto(shift); },
      [this] { commands_->RefreshThumbnails(false, false); },
      [this] { folders_->Panel().PreviousFolder(); }, [this] { folders_->Panel().NextFolder(); },
      [this] { return c_.pacer.Dropping(); }, [this] { c_.pacer.DropUntilCaughtUp(); },
      [this] { apps_->ShowHelpText(apps::HelpText::Keybord); }});
}

void MainParts::MakeFolderPanel() {
  shell::AppModel& m = c_.model;
  folders_ = std::make_unique<FolderPanelView>(FolderPanelViewParts{
      c_.panels, m.settings(), m.Folders(), m.List(), *lists_, m.Session().dialogs(),
      m.Services().picker, m.Session().folders(), [this] { return UiReady(); }, c_.saveSettings,
      [this] { RedrawStrip(); }, [this] { strip_->ClearCells(); },
      [this](const QString& photo, const QString& folder, library::DragSource from) {
        commands_->MoveDroppedPhoto(photo, folder, from);
      },
      &c_.view, c_.panels.thumbPnl,
      [this](int slot) {
        display::ShownPhoto& shown = display_->Driver().Shown();
        if (shown.Slot == slot) shown.Slot = 0;
      },
      [this](const QString& oldPath, const QString& newPath) {
        display::ShownPhoto& shown = display_->Driver().Shown();
        if (const auto moved = library::RebasedPath(shown.Folder, oldPath, newPath)) {
          shown.Folder = *moved;
        }
      },
      [this](const QString& oldPath, const QString& newPath) {
        // The folder on disk is renamed already; a favourites file that cannot be written is
        // reported and left as it was, with the favourites inside pointing at the old path.
        try {
          c_.model.Favourites().RewritePhotoPaths(oldPath, newPath);
        } catch (const config::TextFileError& error) {
          c_.model.Session().dialogs().Notice(
              QString::fromStdString(error.what()).split(QStringLiteral(": ")));
        }
      }});
  folders_->Tree().SetArchiveLister(&m.Archives());
  m.Archives().SetRepaint([this] { c_.window.repaint(); });
}

void MainParts::MakeFavourites() {
  favourites_ = std::make_unique<FavouritesView>(FavouritesViewDeps{
      c_.window, c_.model, *thumbnailMaker_,
      [this]() -> const display::ShownPhoto& { return display_->Driver().Shown(); },
      [this] { return display_->Driver().Modes().Panorama(); },
      [this](const QString& path) { commands_->ShowPhotoByPath(path); }});
}

void MainParts::MakeExport() {
  photoSave_ = std::make_unique<PhotoSaveView>(
      PhotoSaveDeps{c_.window, c_.model, *display_, c_.saveSettings});
}

void MainParts::MakeTransfer() {
  transfer_ = std::make_unique<TransferView>(
      TransferViewDeps{c_.window, c_.model, c_.menu, *lists_, *folders_, *strip_, *display_,
                       [this] { commands_->ClearShownPhoto(); }, c_.saveSettings, &apps_->Help()});
}

void MainParts::MakeApps() {
  apps_ = std::make_unique<AppsView>(
      AppsViewDeps{c_.window, c_.model,
                   [this]() -> std::optional<apps::ShownPhotoFile> {
                     const display::ShownPhoto& shown = display_->Driver().Shown();
                     if (!shown.Shown()) return std::nullopt;
                     return apps::ShownPhotoFile{shown.Folder, shown.Name};
                   },
                   [this] { return display_->Driver().Modes().Panorama(); }, c_.saveSettings});
}

void MainParts::MakeFullScreenAndSlideshow() {
  fullScreen_ = std::make_unique<FullScreenView>(FullScreenDeps{
      c_.window, c_.model, *display_,
      FullScreenSlideshow{[this] { return slideshow_->Running(); },
                          [this](int key) { slideshow_->KeyPressed(key); },
                          [this] { slideshow_->RequestStop(); }, [this] { slideshow_->Command(); },
                          [this] { slideshow_->StartInFullScreen(); },
                          [this] { slideshow_->RequestStop(); }}});
  panorama_ = std::make_unique<PanoramaView>(PanoramaViewParts{
      c_.window, c_.panels, c_.menu, *display_, c_.model.List(), c_.model.Session().dialogs(),
      [this] { return UiReady(); }, [this](bool ready) { c_.model.Session().UiReady = ready; },
      [this](const QString& path) { commands_->ShowPhotoByPath(path); },
      [this] { fullScreen_->Open(false); }});
  slideshow_ = std::make_unique<SlideshowView>(SlideshowViewDeps{
      c_.window, c_.model, c_.panels, *display_, *folders_, *fullScreen_, [this] { RedrawStrip(); },
      c_.saveSettings, [this](display::PanoramaMode mode) { panorama_->SetMode(mode); }});
}

}  // namespace kasumori::ui
