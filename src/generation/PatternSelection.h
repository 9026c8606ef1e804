// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace kazenori {

// The ticked patterns as decimal texts ("7"), in the order they were ticked.
// The main window's 150 boxes and the command line both feed it.
class PatternSelection {
 public:
  // A box changed state: a tick appends its number, an untick removes the
  // first equal entry (a number that is not listed changes nothing).
  void QPClick(int tag, bool ticked);
  void Clear() { entries_.clear(); }

  bool Empty() const { return entries_.empty(); }
  int Count() const { return static_cast<int>(entries_.size()); }
  const std::string& Entry(int position) const {
    return entries_.at(static_cast<std::size_t>(position));
  }
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

}  // namespace kazenori
