// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

namespace kazenori {

// The ticked pattern numbers, in the order they were ticked. The main
// window's 150 boxes and the command line both feed it.
class PatternSelection {
 public:
  // A box changed state: a tick appends its number, an untick removes the
  // first equal entry (a number that is not listed changes nothing).
  void SetTicked(int pattern, bool ticked);
  void Clear() { patterns_.clear(); }

  bool Empty() const { return patterns_.empty(); }
  int Count() const { return static_cast<int>(patterns_.size()); }
  int At(int position) const { return patterns_.at(static_cast<std::size_t>(position)); }
  const std::vector<int>& Patterns() const { return patterns_; }

 private:
  std::vector<int> patterns_;
};

}  // namespace kazenori
