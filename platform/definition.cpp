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

namespace {

bool sameText(const char* a, const char* b) { return a == b || (a && b && std::strcmp(a, b) == 0); }

std::string roleOf(const ControlRef& id) { return id.role ? id.role : "a control with no role"; }

} // namespace

void refuseSharedNames(const FormDefinition& definition) {
    const std::vector<ControlDef>& rows = definition.controls;
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            const ControlRef& a = rows[i].id;
            const ControlRef& b = rows[j].id;
            if (!a.name || !sameText(a.name, b.name))
                continue;
            const bool oneRole = a.kind == b.kind && a.array == b.array && sameText(a.role, b.role);
            if (oneRole && a.array && rows[i].index != rows[j].index)
                continue; // two members of one array
            if (oneRole)
                throw std::logic_error("the table places " + roleOf(a) + " (" + a.name +
                                       (a.array ? "(" + std::to_string(rows[i].index) + ")" : "") +
                                       ") twice");
            throw std::logic_error(std::string("two roles share the designer name ") + a.name +
                                   ": " + roleOf(a) + " and " + roleOf(b));
        }
}

} // namespace platform
