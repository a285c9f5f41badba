#pragma once

#include "platform/runtime_error.h"

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
            throw RuntimeError::subscriptOutOfRange(QStringLiteral("%1(%2)").arg(name_).arg(index));
        return *it->second;
    }

    bool contains(int index) const { return members_.count(index) != 0; }
    int lowest() const { return members_.empty() ? 0 : members_.begin()->first; }
    int highest() const { return members_.empty() ? -1 : members_.rbegin()->first; }
    std::size_t size() const { return members_.size(); }

    template <typename F> void forEach(F f) const {
        for (auto& [index, member] : members_)
            f(index, *member);
    }

private:
    QString name_;
    std::map<int, T*> members_;
};

} // namespace platform
