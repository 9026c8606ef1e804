// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generation/PatternSelection.h"

#include <algorithm>

namespace kazenori {

void PatternSelection::QPClick(int tag, bool ticked) {
  const std::string text = std::to_string(tag);
  if (ticked) {
    entries_.push_back(text);
    return;
  }
  const auto it = std::find(entries_.begin(), entries_.end(), text);
  if (it != entries_.end()) entries_.erase(it);
}

}  // namespace kazenori
