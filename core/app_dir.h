// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace core {

// The program folder as content paths are built on it: the executable's folder with
// one trailing separator removed ("/" becomes "", "C:\" becomes "C:").
QString appDirFrom(const QString& executableFolder);

} // namespace core
