// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/web_page.h"

#include <emscripten.h>

#include <map>
#include <utility>

// Each call hands its arguments to the page's script, which does the work; what comes
// back arrives through the exported callbacks below, by the number given with the call.
// (The bodies become one line of JavaScript: no comments inside them.)

EM_JS(void, kavelo_fetch_files, (const char* folder, const char* files, int callback), {
    globalThis.kaveloPage.fetchFiles(UTF8ToString(folder), JSON.parse(UTF8ToString(files)))
        .then(function(fetched) {
            fetched.forEach(function(file) {
                var path = UTF8ToString(folder) + '/' + file.name;
                FS.mkdirTree(path.substring(0, path.lastIndexOf('/')));
                FS.writeFile(path, file.bytes);
            });
            _kavelo_web_callback(callback);
        });
});

// Qt takes the canvas's new size as the screen's before the window is shown.
EM_JS(void, kavelo_present_screen, (int width, int height, const char* title), {
    globalThis.kaveloPage.presentScreen(width, height, UTF8ToString(title));
    Module.qtResizeAllScreens(null);
});

EM_JS(void, kavelo_play_sound, (const char* bytes, int size, int failed), {
    globalThis.kaveloPage.playSound(HEAPU8.slice(bytes, bytes + size).buffer)
        .then(
            function() { _kavelo_web_forget(failed); },
            function() { _kavelo_web_callback(failed); });
});

EM_JS(void, kavelo_show_ended, (int code), { globalThis.kaveloPage.showEnded(code); });

EM_JS(void, kavelo_mirror_screen, (const char* json),
      { globalThis.kaveloMirror.update(JSON.parse(UTF8ToString(json))); });

EM_JS(void, kavelo_mirror_announcement, (const char* message),
      { globalThis.kaveloMirror.announce(UTF8ToString(message)); });

namespace platform::web {

namespace {

// Callbacks waiting for the page, by number.
std::map<int, std::function<void()>>& pending() {
    static std::map<int, std::function<void()>> callbacks;
    return callbacks;
}

int remember(std::function<void()> callback) {
    static int last = 0;
    pending().emplace(++last, std::move(callback));
    return last;
}

QByteArray json(const QStringList& files) {
    QByteArray text = "[";
    for (const QString& file : files)
        text += (text.size() > 1 ? ",\"" : "\"") + file.toUtf8() + '"';
    return text + ']';
}

} // namespace

void fetchFiles(const QString& folder, const QStringList& files, std::function<void()> done) {
    kavelo_fetch_files(folder.toUtf8().constData(), json(files).constData(),
                       remember(std::move(done)));
}

void presentScreen(int width, int height, const QString& title) {
    kavelo_present_screen(width, height, title.toUtf8().constData());
}

void playSound(const QByteArray& wav, std::function<void()> failed) {
    kavelo_play_sound(wav.constData(), int(wav.size()), remember(std::move(failed)));
}

void showEnded(int code) { kavelo_show_ended(code); }

void mirrorScreen(const QByteArray& json) { kavelo_mirror_screen(json.constData()); }

void mirrorAnnouncement(const QString& message) {
    kavelo_mirror_announcement(message.toUtf8().constData());
}

} // namespace platform::web

extern "C" EMSCRIPTEN_KEEPALIVE void kavelo_web_forget(int number) {
    platform::web::pending().erase(number);
}

extern "C" EMSCRIPTEN_KEEPALIVE void kavelo_web_callback(int number) {
    const auto callback = platform::web::pending().extract(number);
    if (!callback.empty())
        callback.mapped()();
}
