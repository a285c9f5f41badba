#include "platform/fonts.h"

#include <cmath>

namespace platform {

void installFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("MS Mincho"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(QStringLiteral("MS PMincho"), QStringLiteral("IPAPMincho"));
}

QFont screenFont(const QString& face, double points, bool bold) {
    QFont font(face);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace platform
