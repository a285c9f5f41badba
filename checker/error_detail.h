#pragma once

#include "platform/runtime_error.h"

namespace checker {

// The run-time errors the reader and the picture loading raise on content.
inline constexpr int errorInvalidContent = 5, errorOverflow = 6, errorMismatch = 13,
                     errorFileNotFound = 53, errorPastEnd = 62, errorInvalidPicture = 481;

// What a run-time error says about this file in particular, without the opening words its
// number always carries ("型が一致しません。"), which mean nothing to a teacher.
QString detailOf(const platform::RuntimeError& error);

} // namespace checker
