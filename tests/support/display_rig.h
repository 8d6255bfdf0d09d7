// SPDX-License-Identifier: GPL-3.0-or-later
// What a display of its own needs, without a window: a list over one folder, the settings,
// scripted dialogs, a decoder without plug-ins and a headless host. Tests and benchmarks derive
// their fixtures from it and make the display over Services().
#pragma once

#include "display/photo_display.h"
#include "support/headless_display_host.h"
#include "support/scripted_dialog_service.h"

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace kasumori::testkit {

struct DisplayRig {
  using Rotation = std::function<int(int position)>;
  using Extraction = std::function<std::optional<library::ExtractedPhoto>(const QString& path)>;

  // Every photo unturned, and no archives, unless a fixture says otherwise.
  display::DisplayServices Services(
      Rotation rotation = [](int) { return 0; }, Extraction extract = {}) {
    return {*list,
            folders,
            settings,
            dialogs,
            loadFailed,
            decoder,
            host,
            std::move(rotation),
            std::move(extract)};
  }

  std::unique_ptr<library::PhotoList> list = std::make_unique<library::PhotoList>();
  library::FolderState folders;
  config::Settings settings;
  platform::ScriptedDialogService dialogs;
  library::LoadFailedFlags loadFailed;
  imaging::PhotoDecoder decoder{{}, nullptr};
  HeadlessDisplayHost host;
};

}  // namespace kasumori::testkit
