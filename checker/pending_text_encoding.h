#pragma once

// TEMPORARY until app/text_encoding.h is on main: the same interface, so that only the
// include changes when it arrives.
#include <QByteArray>

namespace app {

enum class TextEncoding { Cp932, Utf8, Utf16, Jis };
TextEncoding detectEncoding(const QByteArray& bytes);

} // namespace app
