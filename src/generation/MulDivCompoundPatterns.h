// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generation/Generators.h"

// The special multiplication and division patterns, which MulDivPatterns.cpp
// puts into the family's table.
namespace kazenori::muldiv {

void Pattern35(Draw& d);
void Pattern36(Draw& d);
void Pattern37(Draw& d);
void Pattern38(Draw& d);
void Pattern39(Draw& d);
void Pattern40(Draw& d);
void Pattern44(Draw& d);
void Pattern45(Draw& d);
void Pattern46(Draw& d);
void Pattern47(Draw& d);
void Pattern48(Draw& d);
void Pattern49(Draw& d);
void Pattern50(Draw& d);
void Pattern73(Draw& d);
void Pattern74(Draw& d);
void Pattern75(Draw& d);

}  // namespace kazenori::muldiv
