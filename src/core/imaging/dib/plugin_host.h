// SPDX-License-Identifier: GPL-3.0-or-later
// The seam through which decoder plug-ins fill a buffer. The real host loads the "*.spi"
// libraries; until one is attached, every plug-in attempt simply fails.
#pragma once

#include "imaging/dib/qx_dib.h"

#include <QString>

#include <optional>

namespace kasumori::imaging {

class ByteSource;

class PicturePluginHost {
 public:
  virtual ~PicturePluginHost() = default;
  // Asks the decoder plug-ins in turn; the picture as a plain buffer (already read back from
  // the plug-in's BMP hand-over image), or nothing when no plug-in decoded it. `name` only
  // chooses the plug-ins to try.
  virtual std::optional<TQxDIB> Decode(ByteSource& source, const QString& name) = 0;
};

}  // namespace kasumori::imaging
