# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""What Orca speaks while the real kavelo is played from the keyboard.

Started by screen_reader_test.sh, with Orca already running on the private buses and
writing its debug log (support/orca_speech.py hears it).
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from orca_speech import SAID, fail, failures, ok, step, wait_for_orca, window  # noqa: E402

kavelo = sys.argv[1]


def read_lines(path):
    with open(path, "rb") as handle:
        return handle.read().decode("cp932").replace("\r\n", "\n").strip("\n").split("\n")


def keys_to(from_group, group):
    """The arrow keys from one lit palette group to another: rows first, then columns."""
    row, column = divmod(from_group - 1, 5)
    to_row, to_column = divmod(group - 1, 5)
    return (["Down"] * (to_row - row) + ["Up"] * (row - to_row) +
            ["Right"] * (to_column - column) + ["Left"] * (column - to_column))


wait_for_orca()

# A copy of the program's folder, so the test never depends on what ran before.
work = tempfile.mkdtemp()
folder = os.path.join(work, "kavelo")
os.mkdir(folder)
shutil.copy(kavelo, folder)
for sub in ("説明", "化合物", "官能基", "音"):
    shutil.copytree(os.path.join(os.path.dirname(kavelo), sub), os.path.join(folder, sub))
questions = [line.strip('"') for line in read_lines(os.path.join(folder, "説明", "問題.txt"))]
answers = [[int(x) for x in line.replace(" ", "").split(",")]
           for line in read_lines(os.path.join(folder, "説明", "正解.txt"))]
compounds = [line.strip('"') for line in read_lines(os.path.join(folder, "化合物", "名前.txt"))]
FORMULAS = {1: "CH3", 19: "SO3H", 20: "SO3Na"}

program = subprocess.Popen([os.path.join(folder, "kavelo")], cwd=folder)
lit = 1  # the palette group the keys light


def place(group, position):
    """Lights the group, picks it up and places it, without waiting for speech."""
    global lit
    for name in keys_to(lit, group) + ["Return", str(position), "Return"]:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.2)
    lit = group


QUESTION = re.compile(r"第\d+問 (.+?)\.?$")


def question_on_view(heard):
    """The question said last, by its whole text: one name can be part of another
    (サリチル酸 and サリチル酸ナトリウム)."""
    for utterance in reversed(heard):
        said = QUESTION.search(utterance)
        if said and said.group(1) in questions:
            return questions.index(said.group(1))
    return None


def right_answer(number, expected):
    """Builds the answer of question `number` with the keys, each group where the answer
    has it, and judges it."""
    for position, group in enumerate(answers[number], start=1):
        if group:
            place(group, position)
    time.sleep(0.5)
    return step("judged right", ["shift+Tab", "Return"], expected, seconds=12, absent=("☆",))


try:
    if window("メニュー") is None:
        fail("no menu window")
        raise SystemExit(1)
    time.sleep(2)  # Orca reads the new window

    # The chart: its letters after the two buttons, and a panel that says its compound.
    step("the chart opens", ["Return"], ["系統図"])
    window("系統図")
    step("Tab to the letters", ["Tab", "Tab"], ["化合物", "A"], absent=("画像",))
    step("the next letter", ["Right"], ["B"])
    step("a panel opens", ["Return"], [SAID + "B " + compounds[1]])
    step("back to the menu", ["Escape", "Tab", "Return"], ["メニュー"])
    window("メニュー")

    # The drill: the question is read once the window and its first button are.
    heard = step("the drill opens", ["Tab", "Return"], ["ドリル", SAID + "第1問"], seconds=10)
    number = question_on_view(heard)
    if number is None:
        fail("no question text was spoken: %s" % heard)
        raise SystemExit(1)
    window("ドリル")
    answer = answers[number]
    # One group that the answer does not have is wrong wherever it stands.
    wrong = next(group for group in (20, 19, 1) if group not in answer)

    step("Tab to the palette", ["Tab"] * 5, ["官能基の表", "CH3"], absent=("画像", "リスト項目"))
    step("light a group", keys_to(1, wrong), [FORMULAS[wrong]])
    lit = wrong
    step("pick it up", ["Return"], ["ベンゼン環", "位置1 に " + FORMULAS[wrong]])
    step("carry it", ["2"], ["位置2 に " + FORMULAS[wrong]])
    step("place it", ["Return"], ["官能基の表", SAID + "位置2 " + FORMULAS[wrong]])
    step("Tab to the ring", ["Tab"], ["ベンゼン環", "位置2 " + FORMULAS[wrong]])
    step("Delete", ["Delete"], [SAID + "位置2 空き"])
    step("back to the palette", ["shift+Tab"], ["官能基の表", FORMULAS[wrong]])
    step("Escape puts back", ["Return", "Escape"], [SAID + FORMULAS[wrong] + " を表に戻しました"])
    step("place for a wrong answer", ["Return", "1", "Return"],
         [SAID + "位置1 " + FORMULAS[wrong]])
    # Orca may skip 判定 itself: the focus leaves it as soon as it hides.
    step("judged wrong", ["shift+Tab", "Return"], [SAID + "化学式に誤りがあります", SAID + "得点 0"],
         seconds=10)

    # The wrong group off the ring again, then the right answer.
    step("clear the ring", ["Tab", "1", "Delete", "shift+Tab"], [SAID + "位置1 空き", "官能基の表"])
    heard = right_answer(number, [SAID + "正解です", SAID + "得点 100", "第2問"])
    step("F2 reads the score", ["F2"], [SAID + "得点 100、連続正解 1"])

    # Four more in a row: the bonus, and the score with it.
    for count in range(2, 6):
        number = question_on_view(heard)
        if number is None:
            fail("question %d was not spoken: %s" % (count, heard))
            raise SystemExit(1)
        if count < 5:
            heard = right_answer(number, [SAID + "正解です", SAID + "得点 %d" % (count * 100),
                                          "第%d問" % (count + 1)])
        else:
            # The fifth score and the banner show in one step and come in one notification.
            heard = right_answer(number, [SAID + "正解です", SAID + "得点 500", "ボーナス 1000点",
                                          SAID + "得点 1500"])
finally:
    program.kill()
    program.wait()
    shutil.rmtree(work, ignore_errors=True)

print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
