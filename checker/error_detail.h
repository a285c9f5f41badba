#pragma once

#include "platform/runtime_error.h"

namespace checker {

// What a run-time error says about this file in particular, without the opening words its
// number always carries ("型が一致しません。"), which mean nothing to a teacher.
QString detailOf(const platform::RuntimeError& error);

} // namespace checker
