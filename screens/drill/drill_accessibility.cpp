#include "screens/drill/drill.h"

#include "core/content_layout.h"
#include "platform/accessibility.h"

#include <QShortcut>

// What a screen reader calls the drill's controls. The buttons read their faces; the
// images that carry meaning read what they show, the ring positions and the streak
// column as they stand now; the rest of the pictures are decoration.
void ドリル::nameForScreenReaders() {
    platform::Form& screen = form();
    const struct {
        const char* button;
        const char* face;
    } faces[] = {{"Command1", "全削除"}, {"Command2", "基削除"}, {"Command3", "終了"},
                 {"Command4", "戻る"},   {"Command5", "判定"},   {"Command6", "再挑戦"}};
    for (const auto& b : faces)
        platform::setAccessibleName(screen.button(b.button), QString::fromUtf8(b.face));
    for (int n = 1; n <= 20; ++n) {
        platform::setAccessibleName(Image3(n), content::groupFormula(n));
        platform::setKeyboardItemOf(paletteStop, Image3(n));
    }
    for (int k = 1; k <= 6; ++k) {
        platform::setAccessibleName(Image5(k), [this, k] { return RingPositionName(k); });
        platform::setKeyboardItemOf(ringStop, Image5(k));
    }
    platform::setAccessibleName(screen.image("Image10"), [this] {
        for (int digit = 0; digit <= streakForBonus; ++digit)
            if (Image9(digit).visible())
                return QStringLiteral("連続正解数 %1").arg(digit);
        return QStringLiteral("連続正解数");
    });
    platform::setAccessibleName(screen.image("Image7"), QStringLiteral("得点"));
    platform::setAccessibleName(Image8, QStringLiteral("ボーナス 1000点"));
    platform::setAccessibleName(Image11, QStringLiteral("金メダル"));
    platform::setAccessibleName(Label1, [this] { return MessageWords(Label1.text()); });

    // F2 reads the score and the run of right answers wherever the focus is.
    auto* scoreKey = new QShortcut(QKeySequence(Qt::Key_F2), &screen.window());
    QObject::connect(scoreKey, &QShortcut::activated, [this] { SayScore(); });
}

// The stars that frame 「☆☆☆☆☆　正解です　☆☆☆☆☆」 would be spelt out one by one.
QString ドリル::MessageWords(const QString& message) {
    QString words = message;
    words.remove(QChar(u'☆'));
    return words.trimmed();
}

// As the screen shows them: the score catches up only when the verdict's display ends.
QString ドリル::ScoreWords() const {
    const QString shown = Label13.text().isEmpty() ? QStringLiteral("0") : Label13.text();
    return QStringLiteral("得点 %1、連続正解 %2").arg(shown).arg(streak);
}

void ドリル::SayScore() { platform::announce(Label13.widget(), ScoreWords()); }

// 「位置1 COOH」, 「位置4 空き」.
QString ドリル::RingPositionName(int position) const {
    const int group = ringGroups.at(position);
    // Carrying a group, the focused position offers it: 「位置1 に CHO」.
    if (keyCarrying && position == keyRingPosition)
        return QStringLiteral("位置%1 に %2").arg(position).arg(content::groupFormula(dragGroup));
    return QStringLiteral("位置%1 %2")
        .arg(position)
        .arg(group == 0 ? QStringLiteral("空き") : content::groupFormula(group));
}
