// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <memory>
#include <vector>

#include "composition/pagegeometry.h"
#include "composition/composer.h"

namespace kazenori {

class TCustomplPrev;

// What was composed, for tools and tests: the geometry, and per sheet its
// print number, its 50 problems with the question line drawn on page 1, and
// the text operations of its pages as called. Keys in a fixed order, one
// problem or item a line; the same composition gives the same bytes.
QByteArray ComposedSheetsJson(const PageGeometry& geometry,
                              const std::vector<ComposedSheet>& sheets,
                              const TCustomplPrev& document);

// The same bytes in pieces, for sheets written as they are composed: Head,
// then Sheet for each sheet in order (its pages read from `document` as it
// stands), then Tail.
class SheetsJsonWriter {
 public:
  SheetsJsonWriter();
  ~SheetsJsonWriter();
  SheetsJsonWriter(const SheetsJsonWriter&) = delete;
  SheetsJsonWriter& operator=(const SheetsJsonWriter&) = delete;

  QByteArray Head(const PageGeometry& geometry);
  QByteArray Sheet(const ComposedSheet& sheet, const TCustomplPrev& document);
  QByteArray Tail();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace kazenori
