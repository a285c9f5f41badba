#include "screens/drill/drill.h"

#include "app/program.h"

// 全削除: empties the whole ring; the selection is kept.
void ドリル::Command1_Click() {
    if (drillFinished != 0)
        return;
    for (int p = 1; p <= content::ringPositions; ++p) {
        ringGroups.at(p) = 0;
        Image5(p).clearPicture();
        Image5(p).setBorderStyle(0);
        Image4(p).setVisible(false);
    }
}

// 基削除: deletes the selected group, or says how to select one.
void ドリル::Command2_Click() {
    if (drillFinished != 0)
        return;
    if (selectedPosition != 0) {
        const int s = selectedPosition;
        ringGroups.at(s) = 0;
        Image4(s).setVisible(false);
        Image5(s).clearPicture();
        Image5(s).setBorderStyle(0);
        selectedPosition = 0;
        return;
    }
    Command5.setVisible(false);
    ShowMessage(QStringLiteral("削除する基を選択してから実行して下さい"));
    hintShownAt = stampNow();
    Timer1.setInterval(tickMilliseconds);
}

// Any cell can be selected, also after the finish; only a filled one shows the frame.
void ドリル::Image5_Click(int Index) {
    if (selectedPosition != 0)
        Image5(selectedPosition).setBorderStyle(0);
    selectedPosition = static_cast<std::int16_t>(Index);
    if (ringGroups.at(Index) != 0)
        Image5(Index).setBorderStyle(1);
}

void ドリル::Image1_Click() { DropSelection(); }

void ドリル::DropSelection() {
    if (selectedPosition != 0) {
        Image5(selectedPosition).setBorderStyle(0);
        selectedPosition = 0;
    }
}

void ドリル::Command3_Click() {
    program().unload(*this);
    program().end();
}

void ドリル::Command4_Click() {
    program().unload(*this);
    program().show(app::ScreenId::Menu);
}

// 再挑戦: the displays go back to their first state, then the drill loads afresh.
void ドリル::Command6_Click() {
    Command6.setVisible(false);
    Image11.setVisible(false);
    Label13.setText(QString());
    for (int p = 1; p <= content::ringPositions; ++p) {
        Image4(p).setVisible(false);
        Image5(p).clearPicture();
        // A cell selected after the finish would otherwise keep its frame on an empty ring.
        Image5(p).setBorderStyle(0);
        Image5(p).setVisible(true);
    }
    Image9(streak).setVisible(false);
    Image9(0).setVisible(true);
    Label3.setVisible(true);
    Label4.setVisible(true);
    Form_Load();
}
