#include "platform/qt_services.h"

#include "core/paths.h"
#include "core/runtime_error.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <cstdio>

namespace platform {

SystemClock::SystemClock()
    : startSecondsSinceMidnight_(QTime::currentTime().msecsSinceStartOfDay() / 1000.0) {
    sinceStart_.start();
}

double SystemClock::timeOfDay() {
    return startSecondsSinceMidnight_ + sinceStart_.nsecsElapsed() / 1e9;
}

SeededRandom::SeededRandom(unsigned seed) : engine_(seed) {}

double SeededRandom::next() { return uniform_(engine_); }

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const QString& path) {
    const QString file = nativePath(path);
    if (!QFileInfo(file).isFile()) {
        std::fprintf(stderr, "kavelo: 音声ファイルが見つかりません: %s\n", qPrintable(file));
        return;
    }
    // A fresh effect per sound: the previous one stops, and a file that fails to
    // decode reports itself once through its own status.
    effect_ = std::make_unique<QSoundEffect>();
    QSoundEffect* effect = effect_.get();
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, file] {
        if (effect->status() == QSoundEffect::Error)
            std::fprintf(stderr, "kavelo: 音声ファイルを再生できません: %s\n", qPrintable(file));
    });
    effect->setSource(QUrl::fromLocalFile(file));
    effect->play();
}

namespace {

class QtTimerHandle : public TimerHandle {
public:
    explicit QtTimerHandle(std::function<void()> tick) {
        QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
    }
    void setInterval(int milliseconds) override {
        if (milliseconds <= 0) {
            timer_.stop();
            return;
        }
        timer_.start(milliseconds);
    }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<TimerHandle> QtTimerDriver::create(std::function<void()> tick) {
    return std::make_unique<QtTimerHandle>(std::move(tick));
}

void QtErrorReport::show(const RuntimeError& error) {
    std::fprintf(stderr, "kavelo: %s\n", qPrintable(error.report()));
    std::fflush(stderr);
    if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
        QGuiApplication::platformName() == QLatin1String("minimal"))
        return;
    QString text =
        QStringLiteral("実行時エラー '%1':\n\n%2").arg(error.number()).arg(error.description());
    if (!error.file().isEmpty())
        text += QStringLiteral("\n\n%1").arg(error.file());
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kavelo"), text, QMessageBox::Ok);
    box.exec();
}

void QtProcessControl::exit(int code) { QCoreApplication::exit(code); }

} // namespace platform
