// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/chart/chart.h"

#include "platform/accessibility.h"

namespace screens {

// The chart from the keyboard: one stop after the two buttons holds the 24 letters. The
// arrow keys go through them in letter order, the focused letter shows a frame, and Enter
// shows its compound as a click on the letter does; Escape closes the panel again.
void ChartScreen::wireKeyboard() {
    platform::Form& screen = form();
    platform::setAccessibleName(screen.get(chart::backButton), QStringLiteral("戻る"));
    platform::setAccessibleName(screen.get(chart::quitButton), QStringLiteral("終了"));
    platform::ControlArray<platform::Image>& letters = screen.get(chart::compoundLetters);
    for (int n = 1; n <= core::content::compoundCount; ++n)
        platform::setAccessibleName(letters(n), QString(QChar(u'A' + n - 1)));
    platform::setAccessibleName(screen.get(chart::chartPicture), QStringLiteral("Kaveloの系統図"));
    platform::setAccessibleName(screen.get(chart::benzeneBox), QStringLiteral("ベンゼン"));
    platform::setAccessibleName(compoundPicture, [this] {
        return compoundPanel.caption().isEmpty() ? QStringLiteral("構造式")
                                                 : compoundPanel.caption();
    });

    // Over the chart picture, where the letters are.
    letterStop = new platform::KeyboardStop(
        screen, QAccessible::List, QStringLiteral("化合物（Ａ～Ｘ）"), 135, 195, 13500, 5985);
    letterStop->setObjectName(QStringLiteral("letters"));
    for (int n = 1; n <= core::content::compoundCount; ++n)
        platform::setKeyboardItemOf(letterStop, letters(n));
    letterFrame = new platform::FocusFrame(&screen.window());
    letterStop->followInTabOrder(screen.get(chart::quitButton).widget());
    letterStop->onFocusIn = [this] { ShowKeyLetter(true); };
    letterStop->onFocusOut = [this] { ShowKeyLetter(false); };
    letterStop->onKey = [this](int key) {
        switch (key) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            MoveKeyLetter(keyLetter % core::content::compoundCount + 1);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            MoveKeyLetter(
                (keyLetter + core::content::compoundCount - 2) % core::content::compoundCount + 1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            compoundLetters_Click(keyLetter);
            return true;
        case Qt::Key_Escape:
            ClosePanel();
            return true;
        default:
            if (key >= Qt::Key_A && key < Qt::Key_A + core::content::compoundCount) {
                MoveKeyLetter(key - Qt::Key_A + 1);
                return true;
            }
            return false;
        }
    };
}

void ChartScreen::MoveKeyLetter(int letter) {
    ShowKeyLetter(false);
    keyLetter = letter;
    ShowKeyLetter(true);
}

// The focused letter's zone draws the light frame of an image's border, as before; but
// each letter sits in a box with a white outline of its own that hides that frame, so the
// letter is also ringed outside its box, in yellow.
void ChartScreen::ShowKeyLetter(bool shown) {
    platform::Image& zone = form().get(chart::compoundLetters)(keyLetter);
    zone.setBorderStyle(shown ? 1 : 0);
    if (shown)
        letterFrame->ring(zone.widget()->geometry());
    else
        letterFrame->hide();
    platform::setKeyboardItem(shown ? zone.widget() : nullptr);
}

} // namespace screens
