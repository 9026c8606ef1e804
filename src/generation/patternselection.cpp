// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generation/patternselection.h"

#include <algorithm>

namespace kazenori {

void PatternSelection::SetTicked(int pattern, bool ticked) {
  if (ticked) {
    patterns_.push_back(pattern);
    return;
  }
  const auto it = std::find(patterns_.begin(), patterns_.end(), pattern);
  if (it != patterns_.end()) patterns_.erase(it);
}

}  // namespace kazenori
