// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "generation/PatternSelection.h"

namespace kazenori {

// Item indexes of the option groups "演算子のみを隠す設定" (rgOpeSetup) and
// "虫食いの設定" (rgBlankSetup).
inline constexpr int kItemNone = 0;    // "なし"
inline constexpr int kItemRandom = 1;  // "ﾗﾝﾀﾞﾑ"
inline constexpr int kItemAll = 2;     // "全て"

// What the colour dialog confirmed: 0 until its OK button was pressed.
struct ColourWordSettings {
  int colourCount = 0;    // 2..5
  int wordsPerBlock = 0;  // 20, 30 or 40
};

// Everything the preview command reads from the main window, as a plain value:
// the window fills it from its controls, the command line from its arguments.
struct SheetOptions {
  PatternSelection selection;                     // ticked patterns in tick order
  int zeroAllowed = 0;                            // item index of "第２項のｾﾞﾛの設定"
  int hideItem = kItemNone;                       // rgOpeSetup
  int blankItem = kItemNone;                      // rgBlankSetup
  QString printNumberText = QStringLiteral("1");  // edtPrintNum, converted when composing
  QString instruction;                            // edtQuestMes, printed unchanged
  bool bonus = false;  // rgBonus at "あり": the colour-word sheet instead
  ColourWordSettings colourWords;
};

}  // namespace kazenori
