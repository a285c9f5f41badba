#include "screens/drill/drill.h"

#include "platform/accessibility.h"

// The drill played from the keyboard. Two stops follow the six buttons in the tab order:
// the palette, where the arrow keys light a group as the pointer does and Enter or Space
// picks it up, and the ring, where the arrow keys or the digits choose a position that
// shows the frame a click shows and Enter or Space places the group there as a drop does.

namespace {

constexpr int paletteItems = 20;
constexpr int paletteColumns = 5;
constexpr int ringPositions = 6;

bool pressesKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace

void ドリル::wireKeyboardPath() {
    platform::Form& screen = form();
    // Each stop lies over what it stands for, so a magnifier follows the focus there.
    paletteStop = new platform::KeyboardStop(screen, QAccessible::List,
                                             QStringLiteral("官能基の表"), 870, 1020, 10590, 1755);
    ringStop = new platform::KeyboardStop(screen, QAccessible::List, QStringLiteral("ベンゼン環"),
                                          2055, 3060, 7725, 4830);
    paletteStop->setObjectName(QStringLiteral("palette"));
    ringStop->setObjectName(QStringLiteral("ring"));
    paletteStop->followInTabOrder(Command6.widget());
    ringStop->followInTabOrder(paletteStop);
    paletteStop->onKey = [this](int key) { return PaletteKey(key); };
    paletteStop->onFocusIn = [this] { PaletteFocusIn(); };
    paletteStop->onFocusOut = [this] { PaletteFocusOut(); };
    ringStop->onKey = [this](int key) { return RingKey(key); };
    ringStop->onFocusIn = [this] { RingFocusIn(); };
    ringStop->onFocusOut = [this] { RingFocusOut(); };
    screen.afterEvent = [this] { ShowKeyboardFocusAgain(); };
    nameForScreenReaders();
}

bool ドリル::PaletteKey(int key) {
    int n = keyPaletteItem;
    switch (key) {
    case Qt::Key_Left:
        n = n == 1 ? paletteItems : n - 1;
        break;
    case Qt::Key_Right:
        n = n == paletteItems ? 1 : n + 1;
        break;
    case Qt::Key_Up:
        n = n > paletteColumns ? n - paletteColumns : n;
        break;
    case Qt::Key_Down:
        n = n <= paletteItems - paletteColumns ? n + paletteColumns : n;
        break;
    default:
        if (!pressesKey(key))
            return false;
        PickUpKeyGroup();
        return true;
    }
    keyPaletteItem = static_cast<std::int16_t>(n);
    LightKeyPaletteItem();
    return true;
}

// The focused group shows the highlight that the pointer resting on it shows.
void ドリル::LightKeyPaletteItem() {
    if (litPaletteItem > 0 && litPaletteItem != keyPaletteItem)
        Image3(litPaletteItem).clearPicture();
    hoverPaletteItem = litPaletteItem = keyPaletteItem;
    dragGroupText = QString::number(keyPaletteItem);
    Image3(keyPaletteItem).loadPicture(highlightPicturePath(keyPaletteItem));
    platform::setKeyboardItem(Image3(keyPaletteItem).widget());
}

void ドリル::PaletteFocusIn() {
    if (!keyCarrying)
        LightKeyPaletteItem();
}

// As when the pointer leaves the palette for the bare screen.
void ドリル::PaletteFocusOut() {
    if (keyCarrying)
        return;
    Image3(keyPaletteItem).clearPicture();
    litPaletteItem = -1;
    platform::setKeyboardItem(nullptr);
}

// What pressing the pointer on the group does, but the group waits for the ring instead
// of following the pointer. After the finish, as with the pointer, nothing is picked up.
void ドリル::PickUpKeyGroup() {
    if (drillFinished != 0)
        return;
    TakeGroup(keyPaletteItem);
    keyCarrying = true;
    ringStop->setFocus(Qt::OtherFocusReason);
}

bool ドリル::RingKey(int key) {
    const int k = keyRingPosition;
    if (key >= Qt::Key_1 && key < Qt::Key_1 + ringPositions) {
        MoveKeyRingPosition(key - Qt::Key_1 + 1);
    } else if (key == Qt::Key_Right || key == Qt::Key_Down) {
        MoveKeyRingPosition(k % ringPositions + 1);
    } else if (key == Qt::Key_Left || key == Qt::Key_Up) {
        MoveKeyRingPosition((k + ringPositions - 2) % ringPositions + 1);
    } else if (pressesKey(key)) {
        if (keyCarrying)
            PlaceKeyGroup();
    } else if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        if (keyCarrying)
            return true;
        // 基削除 on the focused position; the focus stays there, and what the position
        // holds now is said, as the focus is not moving to say it.
        selectedPosition = static_cast<std::int16_t>(k);
        Command2_Click();
        ShowKeyRingPosition();
        platform::announce(ringStop, RingPositionName(k));
    } else if (key == Qt::Key_Escape && keyCarrying) {
        PutBackKeyGroup();
        paletteStop->setFocus(Qt::OtherFocusReason);
    } else {
        return false;
    }
    return true;
}

void ドリル::MoveKeyRingPosition(int position) {
    if (keyCarrying)
        LeaveKeyPreview();
    else if (ringGroups.at(keyRingPosition) == 0)
        Image5(keyRingPosition).setBorderStyle(0);
    keyRingPosition = static_cast<std::int16_t>(position);
    ShowKeyRingPosition();
}

// Carrying a group, the position previews it as a drag entering it does; otherwise the
// position is selected as a click selects it, with the frame shown on an empty one too so
// that the focus is always seen. A hidden position (the ring blinks after a right answer)
// takes no preview, as it takes no drag.
void ドリル::ShowKeyRingPosition() {
    const int k = keyRingPosition;
    if (keyCarrying) {
        if (Image5(k).visible() && keyPreviewPosition != k) {
            Image5_DragOver(k, &Image3(dragGroup), 0, 0, platform::dragEnter);
            keyPreviewPosition = static_cast<std::int16_t>(k);
        }
    } else {
        Image5_Click(k);
        Image5(k).setBorderStyle(1);
    }
    platform::setKeyboardItem(Image5(k).widget());
}

void ドリル::LeaveKeyPreview() {
    if (keyPreviewPosition == 0)
        return;
    Image5_DragOver(keyPreviewPosition, &Image3(dragGroup), 0, 0, platform::dragLeave);
    keyPreviewPosition = 0;
}

// A drop on a hidden position falls on the ring behind it, which puts the group back.
void ドリル::PlaceKeyGroup() {
    const int k = keyRingPosition;
    keyPreviewPosition = 0;
    const bool placed = Image5(k).visible();
    if (placed)
        Image5_DragDrop(k, &Image3(dragGroup), 0, 0);
    else
        Image3(dragGroup).clearPicture();
    keyCarrying = false;
    platform::nameChanged(Image5(k).widget());
    paletteStop->setFocus(Qt::OtherFocusReason);
    platform::announce(ringStop, placed ? RingPositionName(k) : PutBackWords());
}

void ドリル::PutBackKeyGroup() {
    LeaveKeyPreview();
    Image3(dragGroup).clearPicture();
    keyCarrying = false;
    platform::announce(paletteStop, PutBackWords());
}

QString ドリル::PutBackWords() const {
    return QStringLiteral("%1 を表に戻しました").arg(content::groupFormula(dragGroup));
}

void ドリル::RingFocusIn() { ShowKeyRingPosition(); }

// Leaving the ring puts a carried group back; a selection stays, showing its frame only
// on a filled position, as after a click.
void ドリル::RingFocusOut() {
    if (keyCarrying)
        PutBackKeyGroup();
    else if (ringGroups.at(keyRingPosition) == 0)
        Image5(keyRingPosition).setBorderStyle(0);
    platform::setKeyboardItem(nullptr);
}

// A handler may have redrawn what showed the focus (a new question empties the ring and
// drops the selection): show it again.
void ドリル::ShowKeyboardFocusAgain() {
    QWidget* focus = form().window().focusWidget();
    if (focus == paletteStop && !keyCarrying && !Image3(keyPaletteItem).hasPicture())
        LightKeyPaletteItem();
    if (focus != ringStop)
        return;
    const int k = keyRingPosition;
    if (keyCarrying ? keyPreviewPosition == 0
                    : selectedPosition != k || Image5(k).borderStyle() != 1)
        ShowKeyRingPosition();
}
