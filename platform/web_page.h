// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// The page the browser build runs in (its own script is packaging/web/page.js): what the
// program asks of it and what it hands back. Only the browser build has it.
namespace platform::web {

// Fetches each file (relative to the page, forward slashes) from the server and writes it
// below `folder` in the program's own file system; a file the server does not have is
// left out. `done` runs once every fetch has ended.
void fetchFiles(const QString& folder, const QStringList& files, std::function<void()> done);

// The screen on view: the page's canvas takes the window's size in CSS pixels and the
// page its title.
void presentScreen(int width, int height, const QString& title);

// Plays a WAV file's bytes through Web Audio; `failed` runs if the browser cannot decode
// them. A new sound stops the one before it.
void playSound(const QByteArray& wav, std::function<void()> failed);

// The program has ended, with this exit code: the page says so and offers to start again.
void showEnded(int code);

// The screen on view as a screen reader reads it, for the page's mirror (JSON: the tree of
// {id, role, name, kids} and the focused node's id), and one message for its live region.
void mirrorScreen(const QByteArray& json);
void mirrorAnnouncement(const QString& message);

} // namespace platform::web
