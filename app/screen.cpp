// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "app/screen.h"

#include "app/program.h"

namespace app {

Screen::Screen(Program& program, const platform::FormDefinition& definition)
    : program_(program),
      form_(std::make_unique<platform::Form>(definition, program.services(), program)) {}

Screen::~Screen() = default;

SharedState& Screen::shared() { return program_.shared(); }

const QString& Screen::AppDir() const { return program_.shared().AppDir; }

} // namespace app
