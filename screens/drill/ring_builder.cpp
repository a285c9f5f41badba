#include "screens/drill/drill.h"

void ドリル::Image3_MouseMove(int Index, int Button, int Shift, double X, double Y) {
    if (drillFinished != 0)
        return;
    hoverPaletteItem = static_cast<std::int16_t>(Index);
    HoverPaletteItem();
}

// Lights the hovered palette item. The item still named lit keeps its state even when a
// drop has cleared its picture: only the bare screen or another item lights it again.
void ドリル::HoverPaletteItem() {
    if (litPaletteItem == hoverPaletteItem)
        return;
    if (litPaletteItem != -1)
        Image3(litPaletteItem).clearPicture();
    dragGroupText = QString::number(hoverPaletteItem);
    Image3(hoverPaletteItem).loadPicture(highlightPicturePath(hoverPaletteItem));
    litPaletteItem = hoverPaletteItem;
}

void ドリル::Form_MouseMove(int Button, int Shift, double X, double Y) {
    if (hoverPaletteItem != 0)
        Image3(hoverPaletteItem).clearPicture();
    litPaletteItem = -1;
}

// Any button starts a drag; the item stays where it is while its icon follows the pointer.
void ドリル::Image3_MouseDown(int Index, int Button, int Shift, double X, double Y) {
    if (drillFinished != 0)
        return;
    TakeGroup(Index);
    form().beginDrag(Image3(Index));
}

// The hint bar and the selection go, and the group is lit as the one being carried.
void ドリル::TakeGroup(int group) {
    Label4.setVisible(false);
    Label3.setVisible(false);
    if (selectedPosition != 0)
        Image5(selectedPosition).setBorderStyle(0);
    dragGroup = static_cast<std::int16_t>(group);
    selectedPosition = 0;
    dragGroupText = QString::number(group);
    Image3(group).loadPicture(highlightPicturePath(group));
}

// Previews the dragged group on the position; leaving restores the position's own group.
void ドリル::Image5_DragOver(int Index, platform::Control* Source, double X, double Y, int State) {
    if (State == platform::dragEnter) {
        Image4(Index).setVisible(true);
        Image5(Index).loadPicture(groupPicturePath(dragGroupText.toInt(), Index));
        Image5(Index).setBorderStyle(1);
    } else if (State == platform::dragLeave) {
        if (ringGroups.at(Index) == 0) {
            Image4(Index).setVisible(false);
            Image5(Index).clearPicture();
        } else {
            Image5(Index).loadPicture(groupPicturePath(ringGroups.at(Index), Index));
        }
        Image5(Index).setBorderStyle(0);
    }
}

// The position shows the dropped group; the answer waits for 判定. The preview loaded the
// same picture on entering, but a drag held through the end of the correct display sees
// the next question empty the ring under it, so the drop does not rely on the preview.
void ドリル::Image5_DragDrop(int Index, platform::Control* Source, double X, double Y) {
    Image3(dragGroup).clearPicture();
    ringGroups.at(Index) = dragGroup;
    Image5(Index).loadPicture(groupPicturePath(dragGroup, Index));
    Image4(Index).setVisible(true);
    Image5(Index).setBorderStyle(0);
}

// The item never left its place (only its icon followed the pointer): a drop anywhere
// but on the ring just puts its light out.
void ドリル::CancelDrag() { Image3(dragGroup).clearPicture(); }

void ドリル::Form_DragDrop(platform::Control* Source, double X, double Y) { CancelDrag(); }

void ドリル::Form_Click() { DropSelection(); }
