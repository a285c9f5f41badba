#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace platform {

void installFontSubstitutions() {
    // Windows has the real faces; elsewhere (Linux, Wine) the IPA faces stand in, and
    // only for a face this system does not have.
    const QStringList families = QFontDatabase::families();
    const auto substitute = [&families](const QString& face, const QString& standIn) {
        if (!families.contains(face))
            QFont::insertSubstitution(face, standIn);
    };
    substitute(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    substitute(QStringLiteral("MS Mincho"), QStringLiteral("IPAMincho"));
    substitute(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    substitute(QStringLiteral("MS PMincho"), QStringLiteral("IPAPMincho"));
}

QFont screenFont(const QString& face, double points, bool bold) {
    QFont font(face);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace platform
