// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace platform {

void installFontSubstitutions(const QString& mincho, const QString& pMincho) {
    // Windows has the real faces; elsewhere (Linux, Wine) the IPA faces stand in, and
    // only for a face this system does not have.
    const QStringList families = QFontDatabase::families();
    const auto substitute = [&families](const QString& face, const QString& standIn) {
        if (families.contains(face))
            return;
        QFont::removeSubstitutions(face);
        QFont::insertSubstitution(face, standIn);
    };
    substitute(QStringLiteral("ＭＳ 明朝"), mincho);
    substitute(QStringLiteral("MS Mincho"), mincho);
    substitute(QStringLiteral("ＭＳ Ｐ明朝"), pMincho);
    substitute(QStringLiteral("MS PMincho"), pMincho);
}

QFont screenFont(const QString& face, double points, bool bold) {
    QFont font(face);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace platform
