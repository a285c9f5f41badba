// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/drill/drill.h"

#include "core/content_layout.h"
#include "platform/accessibility.h"

#include <QShortcut>

namespace screens {

// What a screen reader calls the drill's controls. The buttons read their faces; the
// images that carry meaning read what they show, the ring positions and the streak
// column as they stand now; the rest of the pictures are decoration.
void DrillScreen::nameForScreenReaders() {
    platform::Form& screen = form();
    const struct {
        platform::ButtonId button;
        const char* face;
    } faces[] = {{drill::deleteAllButton, "全削除"}, {drill::deleteGroupButton, "基削除"},
                 {drill::quitButton, "終了"},        {drill::backButton, "戻る"},
                 {drill::judgeButton, "判定"},       {drill::tryAgainButton, "再挑戦"}};
    for (const auto& b : faces)
        platform::setAccessibleName(screen.get(b.button), QString::fromUtf8(b.face));
    for (int n = 1; n <= core::content::groupCount; ++n) {
        platform::setAccessibleName(paletteItems(n), core::content::groupFormula(n));
        platform::setKeyboardItemOf(paletteStop, paletteItems(n));
    }
    for (int k = 1; k <= core::content::ringPositions; ++k) {
        platform::setAccessibleName(ringPositions(k), [this, k] { return RingPositionName(k); });
        platform::setKeyboardItemOf(ringStop, ringPositions(k));
    }
    platform::setAccessibleName(screen.get(drill::streakColumn), [this] {
        for (int digit = 0; digit <= core::drillScoring.streakForBonus; ++digit)
            if (streakDigits(digit).visible())
                return QStringLiteral("連続正解数 %1").arg(digit);
        return QStringLiteral("連続正解数");
    });
    platform::setAccessibleName(screen.get(drill::scorePanel), QStringLiteral("得点"));
    platform::setAccessibleName(
        bonusBanner, QStringLiteral("ボーナス %1点").arg(core::drillScoring.bonusPoints));
    platform::setAccessibleName(medal, QStringLiteral("金メダル"));
    platform::setAccessibleName(messageText, [this] { return MessageWords(messageText.text()); });

    // F2 reads the score and the run of right answers wherever the focus is.
    auto* scoreKey = new QShortcut(QKeySequence(Qt::Key_F2), &screen.window());
    QObject::connect(scoreKey, &QShortcut::activated, [this] { SayScore(); });
}

// The stars that frame 「☆☆☆☆☆　正解です　☆☆☆☆☆」 would be spelt out one by one.
QString DrillScreen::MessageWords(const QString& message) {
    QString words = message;
    words.remove(QChar(u'☆'));
    return words.trimmed();
}

// As the screen shows them: the score catches up only when the verdict's display ends.
QString DrillScreen::ScoreWords() const {
    const QString shown = scoreLabel.text().isEmpty() ? QStringLiteral("0") : scoreLabel.text();
    return QStringLiteral("得点 %1、連続正解 %2").arg(shown).arg(streak);
}

void DrillScreen::SayScore() { platform::announce(scoreLabel.widget(), ScoreWords()); }

// 「位置1 COOH」, 「位置4 空き」.
QString DrillScreen::RingPositionName(int position) const {
    const int group = ringGroups.at(position);
    // Carrying a group, the focused position offers it: 「位置1 に CHO」.
    if (keyCarrying && position == keyRingPosition)
        return QStringLiteral("位置%1 に %2")
            .arg(position)
            .arg(core::content::groupFormula(dragGroup));
    return QStringLiteral("位置%1 %2")
        .arg(position)
        .arg(group == 0 ? QStringLiteral("空き") : core::content::groupFormula(group));
}

} // namespace screens
