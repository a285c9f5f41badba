// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/menu/menu.h"

#include "platform/accessibility.h"

namespace screens {

// The menu from the keyboard: the explanation opens from its button, as a click opens it,
// and the focus goes into the panel, which Escape or Enter closes as a click does; the
// focus then returns to the button.
void MenuScreen::wireKeyboard() {
    platform::Form& screen = form();
    const struct {
        platform::ButtonId button;
        const char* face;
    } faces[] = {{menu::drillButton, "Kaveloドリル"},
                 {menu::chartButton, "Kavelo系統図"},
                 {menu::quitButton, "終了"},
                 {menu::explanationButton, "説明"}};
    for (const auto& b : faces)
        platform::setAccessibleName(screen.get(b.button), QString::fromUtf8(b.face));

    panelStop = new platform::KeyboardStop(screen, QAccessible::StaticText, QString(), 180, 4035,
                                           6855, 4230);
    panelStop->setObjectName(QStringLiteral("explanation"));
    platform::setAccessibleName(panelStop, [this] { return explanationText.text(); });
    panelStop->followInTabOrder(explanationButton.widget());
    panelStop->setVisible(false);
    // The open panel with the focus in it is ringed, as a focused button is framed.
    panelFrame = new platform::FocusFrame(&screen.window());
    panelStop->onFocusIn = [this] { panelFrame->ring(panelStop->geometry()); };
    panelStop->onFocusOut = [this] { panelFrame->hide(); };
    panelStop->onKey = [this](int key) {
        if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        ClosePanel();
        return true;
    };
}

// The button hid itself, and the focus went on to the next button: a learner on the
// keyboard reads the explanation next.
void MenuScreen::PanelOpened() {
    panelStop->setVisible(true);
    if (panelStop->keyboardInUse())
        panelStop->setFocus(Qt::OtherFocusReason);
}

// The panel's stop goes with the panel; the focus it held goes back to the button.
void MenuScreen::PanelClosed() {
    const bool focused = form().window().focusWidget() == panelStop;
    if (focused)
        explanationButton.widget()->setFocus(Qt::OtherFocusReason);
    panelStop->setVisible(false);
    panelFrame->hide();
}

} // namespace screens
