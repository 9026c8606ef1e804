// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kazenori {

// "第２項のｾﾞﾛの設定": whether the second term may be 0 ("なし", "あり"). Some
// patterns draw their second term from 0 rather than 1 when it is allowed.
enum class ZeroSetting { Refused, Allowed };

}  // namespace kazenori
