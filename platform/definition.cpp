// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/definition.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace platform {

TwipsRect boundsOf(const FormDefinition& definition, ControlRef id) {
    bool found = false;
    double left = 0, top = 0, right = 0, bottom = 0;
    for (const ControlDef& row : definition.controls) {
        if (!id.name || !row.id.name || std::strcmp(row.id.name, id.name) != 0 ||
            row.id.kind != id.kind || row.id.array != id.array)
            continue;
        left = found ? std::min(left, row.left) : row.left;
        top = found ? std::min(top, row.top) : row.top;
        right = found ? std::max(right, row.left + row.width) : row.left + row.width;
        bottom = found ? std::max(bottom, row.top + row.height) : row.top + row.height;
        found = true;
    }
    if (!found)
        throw std::logic_error(std::string("the table places no control ") +
                               (id.name ? id.name : "(none)"));
    return {left, top, right - left, bottom - top};
}

} // namespace platform
