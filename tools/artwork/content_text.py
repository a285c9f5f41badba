# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""The text files of the default content set: questions, answers, the menu's
explanation and the chart's compound names.

Every file is written in code page 932 with CR LF line ends and a final CR LF,
because that is what the program's reader expects.
"""

import pathlib

# Group numbers as the palette numbers them (row by row, five to a row).
CH3, C2H5, ISOPROPYL, VINYL, CHO, CH2OH, COOCH3, COOH, COONA, CL = range(1, 11)
NH2, NHCOCH3, N2CL, NH3CL, NO2, OCOCH3, ONA, OH, SO3H, SO3NA = range(11, 21)

# The 33 drill questions, in drill order: the text shown to the learner and
# the ring, positions 1..6 clockwise from the top. The parent's own group sits
# at position 1 and the others follow from their locants (2 = ortho,
# 3 = meta, 4 = para).
QUESTIONS = [
    ("トルエン", (CH3, 0, 0, 0, 0, 0)),
    ("エチルベンゼン", (C2H5, 0, 0, 0, 0, 0)),
    ("クメン", (ISOPROPYL, 0, 0, 0, 0, 0)),
    ("スチレン", (VINYL, 0, 0, 0, 0, 0)),
    ("ベンズアルデヒド", (CHO, 0, 0, 0, 0, 0)),
    ("ベンジルアルコール", (CH2OH, 0, 0, 0, 0, 0)),
    ("安息香酸メチル", (COOCH3, 0, 0, 0, 0, 0)),
    ("安息香酸", (COOH, 0, 0, 0, 0, 0)),
    ("安息香酸ナトリウム", (COONA, 0, 0, 0, 0, 0)),
    ("クロロベンゼン", (CL, 0, 0, 0, 0, 0)),
    ("アニリン", (NH2, 0, 0, 0, 0, 0)),
    ("アセトアニリド", (NHCOCH3, 0, 0, 0, 0, 0)),
    ("塩化ベンゼンジアゾニウム", (N2CL, 0, 0, 0, 0, 0)),
    ("アニリン塩酸塩", (NH3CL, 0, 0, 0, 0, 0)),
    ("ニトロベンゼン", (NO2, 0, 0, 0, 0, 0)),
    ("酢酸フェニル", (OCOCH3, 0, 0, 0, 0, 0)),
    ("ナトリウムフェノキシド", (ONA, 0, 0, 0, 0, 0)),
    ("フェノール", (OH, 0, 0, 0, 0, 0)),
    ("ベンゼンスルホン酸", (SO3H, 0, 0, 0, 0, 0)),
    ("ベンゼンスルホン酸ナトリウム", (SO3NA, 0, 0, 0, 0, 0)),
    ("o-キシレン", (CH3, CH3, 0, 0, 0, 0)),
    ("m-キシレン", (CH3, 0, CH3, 0, 0, 0)),
    ("p-キシレン", (CH3, 0, 0, CH3, 0, 0)),
    # 2-hydroxybenzoic acid and its relatives: the carboxyl group is the
    # parent's, the hydroxy (or acetoxy) group is its ortho neighbour.
    ("サリチル酸", (COOH, OH, 0, 0, 0, 0)),
    ("アセチルサリチル酸", (COOH, OCOCH3, 0, 0, 0, 0)),
    ("サリチル酸メチル", (COOCH3, OH, 0, 0, 0, 0)),
    # Sodium salicylate is the carboxylate; the phenolic OH stays.
    ("サリチル酸ナトリウム", (COONA, OH, 0, 0, 0, 0)),
    ("フタル酸", (COOH, COOH, 0, 0, 0, 0)),
    ("テレフタル酸", (COOH, 0, 0, COOH, 0, 0)),
    ("o-クレゾール", (OH, CH3, 0, 0, 0, 0)),
    ("p-ニトロトルエン", (CH3, 0, 0, NO2, 0, 0)),
    ("2,4,6-トリニトロフェノール", (OH, NO2, 0, NO2, 0, NO2)),
    ("2,4,6-トリニトロトルエン", (CH3, NO2, 0, NO2, 0, NO2)),
]

# The chart's compounds, lettered A..X, in the order the chart's arrows tell
# their story (benzene -> A nitrobenzene -> B aniline -> ...).
COMPOUND_NAMES = [
    "ニトロベンゼン",
    "アニリン",
    "塩化ベンゼンジアゾニウム",
    "p-ヒドロキシアゾベンゼン",
    "アセトアニリド",
    "アニリン塩酸塩",
    "ベンゼンスルホン酸",
    "ナトリウムフェノキシド",
    "フェノール",
    "サリチル酸",
    "アセチルサリチル酸",
    "サリチル酸メチル",
    "シクロヘキサン",
    "クメン",
    "クメンヒドロペルオキシド",
    "クロロベンゼン",
    "2,4,6-トリニトロフェノール",
    "o-クレゾール",
    "トルエン",
    "o-キシレン",
    "フタル酸",
    "ベンズアルデヒド",
    "安息香酸",
    "2,4,6-トリニトロトルエン",
]

# The menu shows only this first line, wrapped inside a 442 x 261 pixel panel
# in bold Mincho 17 px.
EXPLANATION = (
    "Kaveloは、ベンゼン環に官能基がついた化合物（ベンゼンの誘導体）の"
    "構造式を覚えるための練習ソフトです。"
    "【ドリル】上に出た化合物の名前を見て、官能基の表から基をベンゼン環の"
    "まわりの枠へドラッグして構造式を作り、「判定」ボタンを押します。"
    "正解なら100点、まちがえると100点減点（0点より下にはなりません）。"
    "5問続けて正解するとボーナス1000点。10000点になれば合格です。"
    "【系統図】反応でつながる化合物の図です。A～Xの文字をクリックすると、"
    "その化合物の名前と構造式が表示されます。"
)

# Lines after the first are never read by the program: a note for whoever
# edits the content.
AUTHOR_NOTES = [
    "--- 以下は教材を作る方へのメモです（プログラムは1行目しか読みません）---",
    "文字コードはシフトJIS（コードページ932）、改行はCR LFで保存してください。",
    "項目はコンマか改行で区切ります。項目の前の空白とタブは読み飛ばします。"
    "コンマを含む項目は \"2,4,6-トリニトロフェノール\" のように二重引用符で囲みます。",
    "説明\\問題.txt：33問の問題文を1行に1問。",
    "説明\\正解.txt：1行に1問、位置1～6（1が上、時計回り）の官能基番号6個をコンマで区切る。"
    "0は空き。環を回転・裏返した形も正解として扱われます。",
    "官能基番号：1 CH3、2 CH2CH3、3 CH(CH3)2、4 CH=CH2、5 CHO、6 CH2OH、7 COOCH3、"
    "8 COOH、9 COONa、10 Cl、11 NH2、12 NHCOCH3、13 N2Cl、14 NH3+Cl-、15 NO2、"
    "16 OCOCH3、17 ONa、18 OH、19 SO3H、20 SO3Na",
    "化合物\\名前.txt：系統図のA～Xの化合物名24個を1行に1つ。"
    "絵は化合物\\b(1).gif～b(24).gif（215×105画素以内：高いと上の化合物名に重なります）。",
    "官能基\\ki(n,1).gif は位置1～4用、ki(n,2).gif は位置5・6用、ki2(n).gif は表の強調表示（どれも140×28画素）。",
]


def field_text(value: str) -> str:
    """One text field as the reader takes it back: quoted when it holds a
    comma, a double quote cannot be written at all."""
    if '"' in value or "\r" in value or "\n" in value:
        raise ValueError(f"cannot be written as a field: {value!r}")
    if "," in value or value != value.strip(" \t"):
        return f'"{value}"'
    return value


def encode_lines(lines) -> bytes:
    """Code page 932, CR LF after every line including the last."""
    return "".join(line + "\r\n" for line in lines).encode("cp932")


def text_files() -> dict:
    """Relative path (below content/) -> bytes of every text file."""
    answers = [",".join(str(g) for g in ring) for _, ring in QUESTIONS]
    return {
        "説明/問題.txt": encode_lines(field_text(q) for q, _ in QUESTIONS),
        "説明/正解.txt": encode_lines(answers),
        "説明/説明.txt": encode_lines([EXPLANATION] + AUTHOR_NOTES),
        "化合物/名前.txt": encode_lines(field_text(n) for n in COMPOUND_NAMES),
    }


def build(content_root: pathlib.Path) -> None:
    for rel, data in text_files().items():
        path = content_root / rel
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
