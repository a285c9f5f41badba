// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/cp932.h"

#include <windows.h>

namespace core {

namespace {
constexpr UINT codePage932 = 932;
}

std::optional<QString> fromCp932(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return QString();
    const int size = static_cast<int>(bytes.size());
    const int length =
        MultiByteToWideChar(codePage932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(codePage932, MB_ERR_INVALID_CHARS, bytes.data(), size,
                        reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
}

std::optional<QByteArray> toCp932(QStringView text) {
    if (text.isEmpty())
        return QByteArray();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size = static_cast<int>(text.size());
    // No best fit: a character without its own code is refused, never turned into a
    // look-alike or a question mark.
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(codePage932, WC_NO_BEST_FIT_CHARS, wide, size, nullptr,
                                           0, nullptr, &defaulted);
    if (length <= 0 || defaulted)
        return std::nullopt;
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(codePage932, WC_NO_BEST_FIT_CHARS, wide, size, bytes.data(), length,
                        nullptr, nullptr);
    return bytes;
}

} // namespace core
