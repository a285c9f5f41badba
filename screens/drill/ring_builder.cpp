// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/drill/drill.h"

namespace screens {

void DrillScreen::paletteItems_MouseMove(int Index) {
    if (drillFinished != 0)
        return;
    hoverPaletteItem = static_cast<std::int16_t>(Index);
    HoverPaletteItem();
}

// Lights the hovered palette item. The item still named lit keeps its state even when a
// drop has cleared its picture: only the bare screen or another item lights it again.
void DrillScreen::HoverPaletteItem() {
    if (litPaletteItem == hoverPaletteItem)
        return;
    if (litPaletteItem != -1)
        paletteItems(litPaletteItem).clearPicture();
    dragGroupText = QString::number(hoverPaletteItem);
    paletteItems(hoverPaletteItem).loadPicture(highlightPicturePath(hoverPaletteItem));
    litPaletteItem = hoverPaletteItem;
}

void DrillScreen::Form_MouseMove() {
    if (hoverPaletteItem != 0)
        paletteItems(hoverPaletteItem).clearPicture();
    litPaletteItem = -1;
}

// Any button starts a drag; the item stays where it is while its icon follows the pointer.
void DrillScreen::paletteItems_MouseDown(int Index) {
    if (drillFinished != 0)
        return;
    TakeGroup(Index);
    form().beginDrag(paletteItems(Index));
}

// The hint bar and the selection go, and the group is lit as the one being carried.
void DrillScreen::TakeGroup(int group) {
    instructionText.setVisible(false);
    instructionBar.setVisible(false);
    if (selectedPosition != 0)
        ringPositions(selectedPosition).setBorderStyle(0);
    dragGroup = static_cast<std::int16_t>(group);
    selectedPosition = 0;
    dragGroupText = QString::number(group);
    paletteItems(group).loadPicture(highlightPicturePath(group));
}

// Previews the dragged group on the position; leaving restores the position's own group.
void DrillScreen::ringPositions_DragOver(int Index, int State) {
    if (State == platform::dragEnter) {
        bonds(Index).setVisible(true);
        ringPositions(Index).loadPicture(groupPicturePath(dragGroupText.toInt(), Index));
        ringPositions(Index).setBorderStyle(1);
    } else if (State == platform::dragLeave) {
        if (ringGroups.at(Index) == 0) {
            bonds(Index).setVisible(false);
            ringPositions(Index).clearPicture();
        } else {
            ringPositions(Index).loadPicture(groupPicturePath(ringGroups.at(Index), Index));
        }
        ringPositions(Index).setBorderStyle(0);
    }
}

// The position shows the dropped group; the answer waits for 判定. The preview loaded the
// same picture on entering, but a drag held through the end of the correct display sees
// the next question empty the ring under it, so the drop does not rely on the preview.
void DrillScreen::ringPositions_DragDrop(int Index) {
    paletteItems(dragGroup).clearPicture();
    ringGroups.at(Index) = dragGroup;
    ringPositions(Index).loadPicture(groupPicturePath(dragGroup, Index));
    bonds(Index).setVisible(true);
    ringPositions(Index).setBorderStyle(0);
}

// The item never left its place (only its icon followed the pointer): a drop anywhere
// but on the ring just puts its light out.
void DrillScreen::CancelDrag() { paletteItems(dragGroup).clearPicture(); }

void DrillScreen::Form_DragDrop() { CancelDrag(); }

void DrillScreen::Form_Click() { DropSelection(); }

} // namespace screens
