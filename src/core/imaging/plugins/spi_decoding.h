// SPDX-License-Identifier: GPL-3.0-or-later
// One decoding of one picture through the decoder plug-ins: the head buffer, the candidates
// asked in turn at each head offset, the progress reports, and the returned blocks checked.
#pragma once

#include "imaging/plugins/spi_graphic.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace kasumori::imaging {

class ByteSource;
class TSPI;

enum class SpiStage { Starting, Running, Ending };

struct SpiProgress {
  SpiStage stage;
  int percent;  // 0 starting, 1 seeking, 2..99 the plug-in's own, 100 ending
  QString text;
};

// Answers false to stop the plug-in (it then returns early and the attempt fails).
using SpiProgressHook = std::function<bool(const SpiProgress&)>;

struct SpiDecodeOptions {
  bool MacBinary = true;  // also try each plug-in 128 bytes in, past a MacBinary header
  bool GraphicPreview = false;
};

// The head buffer: 2048 bytes for IsSupported, and the 128 of a MacBinary header before them.
inline constexpr std::size_t kSpiHeadBytes = 2048 + 128;
inline constexpr std::size_t kMacBinaryHeaderBytes = 128;

// The plug-in percent for done of total: rnd(done × 97 / total) + 2 (2..99); nothing when the
// numbers make no sense (total not positive).
std::optional<int> SpiPercent(int done, int total);

// Asks the candidates in order; the first picture that passes the checks, or nothing. A file
// source with a name is offered to the plug-ins by that name (flag 0); any other source as a
// memory image (flag 1). An error of the progress hook ends the decoding and passes on.
// The decoders to ask, in order; taken once the search for them has been reported.
using SpiCandidates = std::function<std::vector<const TSPI*>()>;

std::optional<TSPIGraphic> DecodeWithPlugins(const SpiCandidates& candidates, ByteSource& source,
                                             const QString& name, const SpiDecodeOptions& options,
                                             const SpiProgressHook& progress);

}  // namespace kasumori::imaging
