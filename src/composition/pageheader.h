// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "composition/pagegeometry.h"
#include "composition/worksheet.h"

namespace kazenori {

inline constexpr const char* kNameBox = "（　　　　　　　　　　　）";
inline constexpr const char* kDateLine = "月　　日　（　　）　　分　　秒";

// The header at the top of every page: "問題No." with the print number, the
// name box, the instruction line, the date line, regular and black whatever
// the writer held before; leaves the height at 60.
void WritePageHeader(PageWriter& page, const PageGeometry& g, std::int32_t printNumber,
                     const std::string& instruction);

// 「　　／50点」 (the sheet's number of problems) beside the date and time line.
void WriteScoreBox(PageWriter& page, const PageGeometry& g, int problems);

}  // namespace kazenori
