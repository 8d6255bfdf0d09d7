// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/decode/decode_steps.h"

namespace kasumori::imaging {

bool RunDecodeSteps(std::initializer_list<DecodeStep> steps, const std::function<void()>& report) {
  for (const DecodeStep& step : steps) {
    if (!step.applies) continue;
    StepOutcome outcome = StepOutcome::Failed;
    try {
      outcome = step.run();
    } catch (...) {
      if (report) report();
      throw;
    }
    if (outcome == StepOutcome::Decoded) return true;
    if (report) report();
    if (outcome == StepOutcome::End) return false;
  }
  return false;
}

}  // namespace kasumori::imaging
