// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "composition/utf8.h"
#include "composition/worksheet.h"

namespace kazenori::testing {

// Where a page's text reaches, by the cells of the sheet font: a full-width
// character is as wide as the text is high, any other half as wide.
struct Box {
  int left, top, width, height;
  bool Intersects(const Box& o) const {
    return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
           o.top < top + height;
  }
  bool Contains(const Box& o) const {
    return o.left >= left && o.top >= top && o.left + o.width <= left + width &&
           o.top + o.height <= top + height;
  }
};

inline Box Cell(const TextItem& item) {
  int width = 0;
  for (const char32_t c : CodePoints(item.text)) width += c < 0x100 ? item.height / 2 : item.height;
  const int h = item.height;
  switch (item.align) {
    case TextAlign::Left:
      return Box{item.x, item.y, width, h};
    case TextAlign::LeftMid:
      return Box{item.x, item.y - h / 2, width, h};
    case TextAlign::Center:
      return Box{item.x - width / 2, item.y - h / 2, width, h};
    case TextAlign::Right:
      return Box{item.x - width, item.y, width, h};
  }
  return {};
}

}  // namespace kazenori::testing
