// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"

#include <memory>

namespace app {

struct SharedState;

class Program;

// A loaded screen: its window and controls, built from its definition when it is shown,
// and its own variables. A new object is made for every visit.
class Screen {
public:
    Screen(Program& program, const platform::FormDefinition& definition);
    virtual ~Screen();

    platform::Form& form() { return *form_; }
    // Connects the screen's handlers to its controls: one place per screen.
    virtual void wire() = 0;
    virtual void Form_Load() = 0;

protected:
    Program& program() { return program_; }
    SharedState& shared();
    const QString& AppDir() const;

private:
    Program& program_;
    std::unique_ptr<platform::Form> form_;
};

} // namespace app
