// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/paperfit.h"

#include <utility>

namespace kazenori {

PaperFit::PaperFit(const PageGeometry& a4, PaperSize paper) : from_(a4), to_(OnPaper(a4, paper)) {
  if (!Scales() || from_.width <= 0 || from_.height <= 0) return;
  // to.width / from.width against to.height / from.height, crosswise.
  if (std::int64_t{to_.width} * from_.height <= std::int64_t{to_.height} * from_.width) {
    times_ = to_.width;
    over_ = from_.width;
  } else {
    times_ = to_.height;
    over_ = from_.height;
  }
}

int PaperFit::Length(int length) const {
  const std::int64_t scaled =
      (2 * std::int64_t{length < 0 ? -length : length} * times_ + over_) / (2 * over_);
  return static_cast<int>(length < 0 ? -scaled : scaled);
}

Point PaperFit::Place(Point p) const {
  return {to_.left + Length(p.x - from_.left), to_.top + Length(p.y - from_.top)};
}

TextItem PaperFit::Fit(TextItem item) const {
  const Point at = Place({item.x, item.y});
  item.x = at.x;
  item.y = at.y;
  item.height = Length(item.height);
  return item;
}

void PaperFit::Fit(WorksheetPage& page) const {
  if (!Scales()) return;
  for (TextItem& item : page.items) item = Fit(std::move(item));
  for (RuleItem& rule : page.rules) {
    rule.from = Place(rule.from);
    rule.to = Place(rule.to);
    rule.width = Length(rule.width);
  }
}

}  // namespace kazenori
