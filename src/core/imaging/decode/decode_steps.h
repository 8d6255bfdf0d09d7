// SPDX-License-Identifier: GPL-3.0-or-later
// The order of attempts shared by display and thumbnail decoding: the first step that
// decodes wins; a step that fails is reported at once and the next one runs; a step that
// throws is reported and ends the whole operation.
#pragma once

#include <functional>
#include <initializer_list>

namespace kasumori::imaging {

enum class StepOutcome {
  Decoded,
  Failed,  // nothing decoded; later steps still run
  End,     // nothing decoded and nothing else may try (a compressed TIFF)
};

struct DecodeStep {
  bool applies;
  std::function<StepOutcome()> run;
};

// True when a step decoded. Rethrows whatever a step throws, after reporting it.
bool RunDecodeSteps(std::initializer_list<DecodeStep> steps, const std::function<void()>& report);

}  // namespace kasumori::imaging
