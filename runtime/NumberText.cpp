// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <cmath>
#include <limits>

#include "PlatformError.h"

namespace NumberText {

QString fromNumber(double value)
{
    if (value == 0.0) {
        return QStringLiteral(" 0"); // also for -0.0, which has no sign of its own here
    }
    // QString::number ignores the locale, so the separator is always a period.
    const QString digits = QString::number(value, 'g', 15);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

std::int32_t toInt32(double value)
{
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw PlatformError(PlatformError::Kind::Overflow, QString::number(value, 'g', 17));
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace NumberText
