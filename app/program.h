// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/shared_state.h"
#include "core/runtime_error.h"
#include "platform/services.h"

#include <functional>
#include <memory>
#include <vector>

namespace app {

class Screen;

enum class ScreenId { Menu, Drill, Chart };

class Program;
// Makes a fresh screen object for every visit. The screens stand on the program, not the
// other way round, so whoever starts the program hands it this.
using ScreenMaker = std::function<std::unique_ptr<Screen>(Program&, ScreenId)>;

// Owns the program-wide state and the one loaded screen, hands over between screens and
// ends the program. Every event handler runs through run(): a run-time error is reported
// and ends the program with exit code 1, and once the handler has returned the program
// ends if no screen is loaded.
class Program : public platform::EventDispatch {
public:
    Program(platform::Services& services, const QString& executableFolder, ScreenMaker makeScreen);
    ~Program() override;

    // Start-up: shows the first screen.
    void start();

    void show(ScreenId screen);
    void unload(Screen& screen);
    void end();

    void run(const std::function<void()>& handler) override;

    platform::Services& services() { return services_; }
    SharedState& shared() { return shared_; }
    Screen* loaded() const { return loaded_.get(); }
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

private:
    void finish(int code);
    void fail(const core::RuntimeError& error);

    platform::Services& services_;
    ScreenMaker makeScreen_;
    SharedState shared_;
    std::unique_ptr<Screen> loaded_;
    // Screens unloaded inside a handler live on until the next handler starts.
    std::vector<std::unique_ptr<Screen>> unloaded_;
    int depth_ = 0;
    bool ended_ = false;
    int exitCode_ = 0;
};

} // namespace app
