// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "composition/pagegeometry.h"
#include "generation/zerosetting.h"

namespace kazenori {

// The settings "演算子のみを隠す設定" and "虫食いの設定", in the order of their
// items: "なし", "ﾗﾝﾀﾞﾑ", "全て".
enum class LayerSetting { None, Random, All };

// What the colour dialog confirmed: 0 until its OK button was pressed.
struct ColourWordSettings {
  int colourCount = 0;    // 2..5
  int wordsPerBlock = 0;  // 20, 30 or 40
};

// The operation of a 百ます計算 grid sheet; None makes the usual sheet.
enum class GridOp { None, Add, Sub, Mul };

// Everything a composition reads, as a plain value: the main window fills it
// from its controls, the command line from its arguments. Every member has
// an initialiser, so that a brace list may stop early without a warning.
struct SheetOptions {
  std::vector<int> patterns{};  // ticked pattern numbers in tick order
  ZeroSetting zero = ZeroSetting::Refused;
  LayerSetting hide = LayerSetting::None;
  LayerSetting blank = LayerSetting::None;
  std::int32_t printNumber = 1;  // of the first sheet
  std::string instruction{};     // printed unchanged (UTF-8)
  bool bonus = false;            // the colour-word sheet instead
  ColourWordSettings colourWords{};
  // Beyond the original sheet; the defaults make it byte for byte.
  int problems = 50;                // a sheet's problems: 20, 30 or 50; fewer come larger
  PaperSize paper = PaperSize::A4;  // filled as an enlarging copy would (see PaperFit)
  bool redAnswers = false;          // answers in red and a 「解答」 mark on answer pages
  bool score = false;               // a score box beside the time line
  GridOp grid = GridOp::None;
  int gridSize = 10;  // rows and columns of a grid sheet: 5 or 10
};

// The instruction text that choosing a hide or blank setting writes.
std::string InstructionText(LayerSetting setting);

}  // namespace kazenori
