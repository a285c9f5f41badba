// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/cp932.h"
#include "core/cp932_table.h"

namespace core {

std::optional<QString> fromCp932(QByteArrayView bytes) { return cp932table::decode(bytes); }

std::optional<QByteArray> toCp932(QStringView text) { return cp932table::encode(text); }

} // namespace core
