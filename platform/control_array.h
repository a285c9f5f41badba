// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/runtime_error.h"

#include <QString>
#include <map>

namespace platform {

// Members of one control array, indexed exactly as the screen numbers them; an index
// the screen does not define is error 9.
template <typename T> class ControlArray {
public:
    explicit ControlArray(QString name = {}) : name_(std::move(name)) {}

    void add(int index, T& member) { members_[index] = &member; }

    T& operator()(int index) const {
        auto it = members_.find(index);
        if (it == members_.end())
            throw core::RuntimeError::subscriptOutOfRange(
                QStringLiteral("%1(%2)").arg(name_).arg(index));
        return *it->second;
    }

private:
    QString name_;
    std::map<int, T*> members_;
};

} // namespace platform
