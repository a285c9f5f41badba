// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls.h"

#include "platform/form.h"
#include "platform/services.h"

namespace platform {

MediaPlayer::MediaPlayer(Form& form, const ControlDef& def) : Control(form, def) {}

void MediaPlayer::setFileName(const QString& path) {
    fileName_ = path;
    form().services().sound.play(path);
}

} // namespace platform
