// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include <QString>

// The number conversions the trial relies on, the same on every locale.
namespace NumberText {

// One space before a number that is not negative, a minus sign otherwise; up to 15 significant
// digits, no trailing zeros, always a period as decimal separator: " 400", " 2.345", "-3".
QString fromNumber(double value);

// Rounds to the nearest whole number, halves to the even neighbour. Throws PlatformError
// (Overflow) outside the 32-bit range.
std::int32_t toInt32(double value);

} // namespace NumberText
