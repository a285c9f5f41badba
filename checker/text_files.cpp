#include "checker/text_files.h"

#include "checker/file_verdict.h"
#include "core/runtime_error.h"
#include "core/text_encoding.h"
#include "core/text_reader.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <map>

using platform::RuntimeError;

namespace checker {

namespace {

void reportTooShort(const QString& file, int lastLine, const QString& needed, const QString& found,
                    const QString& remedy, Findings& findings) {
    findings.error(file, lineText(lastLine),
                   QStringLiteral("%1が要りますが、%2しかありません。").arg(needed, found), remedy);
}

// Reads `count` text fields, one per question or compound; a field that begins on the
// same line as the one before most likely comes from an unquoted comma.
std::vector<TextField> readTextFields(const ContentFolder& folder, const QString& file, int count,
                                      Findings& findings, const std::function<QString(int)>& nameOf,
                                      const QString& needed, const QString& unit) {
    std::vector<TextField> fields;
    app::TextReader reader;
    if (!openContentFile(reader, folder, file, findings))
        return fields;
    try {
        for (int i = 1; i <= count; ++i) {
            try {
                QString text = reader.ReadTextField();
                fields.push_back({std::move(text), reader.lineNumber()});
            } catch (const RuntimeError& e) {
                if (e.number() != RuntimeError::typeMismatchNumber &&
                    e.number() != RuntimeError::invalidContentNumber)
                    throw;
                findings.error(file, place({lineText(reader.lineNumber()), nameOf(i)}), e.detail(),
                               {});
                fields.push_back({QString(), reader.lineNumber(), false});
            }
        }
    } catch (const RuntimeError& e) {
        if (e.number() != RuntimeError::inputPastEndNumber)
            throw;
        const int found = static_cast<int>(fields.size());
        reportTooShort(file, fields.empty() ? 0 : fields.back().line, needed,
                       QStringLiteral("%1 %2").arg(found).arg(unit),
                       QStringLiteral("%1から後を書き足して下さい。").arg(nameOf(found + 1)),
                       findings);
    }
    reader.Close();
    for (std::size_t first = 0, last = 0; first < fields.size(); first = last + 1) {
        last = first;
        while (last + 1 < fields.size() && fields[last + 1].line > 0 &&
               fields[last + 1].line == fields[first].line)
            ++last;
        if (last == first)
            continue;
        const int from = static_cast<int>(first) + 1, to = static_cast<int>(last) + 1;
        findings.warning(file, place({lineText(fields[first].line), nameOf(from)}),
                         QStringLiteral("1 行に%1～%2の %3 つが入っています。")
                             .arg(nameOf(from), nameOf(to))
                             .arg(to - from + 1),
                         QStringLiteral("コンマ（,）を含む文は全体を \"...\" で囲んで下さい。"
                                        "囲まないとコンマの所で分かれ、後がずれます。"));
    }
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].readable && fields[i].text.isEmpty())
            findings.warning(file,
                             place({lineText(fields[i].line), nameOf(static_cast<int>(i) + 1)}),
                             QStringLiteral("空です。学習者には何も表示されません。"),
                             QStringLiteral("文字を書いて下さい。"));
    return fields;
}

QString positionText(int question, int position) {
    return QStringLiteral("第 %1 問 位置 %2").arg(question).arg(position);
}

// Most answer files hold one question per line. Where a file does, a line with a value
// too few or too many moves every later answer by one place, and the drill then asks for
// wrong structures without ever stopping. `fieldLines` holds the line of each field read,
// in order; a file that ended too early has been named already, its last line with it.
void checkSixPerLine(const std::vector<int>& fieldLines, bool endedEarly, Findings& findings) {
    std::map<int, int> perLine; // line -> fields on it
    for (int line : fieldLines)
        if (line > 0)
            ++perLine[line];
    if (endedEarly && !perLine.empty())
        perLine.erase(std::prev(perLine.end()));
    const auto sixes =
        std::count_if(perLine.begin(), perLine.end(), [](const auto& l) { return l.second == 6; });
    if (sixes * 2 <= static_cast<qsizetype>(perLine.size()))
        return;
    for (const auto& [line, count] : perLine)
        if (count != 6) {
            const auto first = std::find(fieldLines.begin(), fieldLines.end(), line);
            const int question = static_cast<int>(first - fieldLines.begin()) / 6 + 1;
            findings.warning(
                answerFile, place({lineText(line), questionPlace(question)}),
                QStringLiteral("この行の基番号は %1 個です（ほかの行は 6 個）。値が足りないか"
                               "多いと、後の問題の正解がずれます。")
                    .arg(count),
                QStringLiteral("1 行に 1 問、6 個ずつ書いて下さい。"));
        }
}

} // namespace

std::vector<AnswerRow> checkAnswers(const ContentFolder& folder, Findings& findings) {
    constexpr int questions = content::questionCount;
    std::vector<AnswerRow> rows;
    app::TextReader reader;
    if (!openContentFile(reader, folder, answerFile, findings))
        return rows;
    const QString numberRemedy =
        QStringLiteral("0～%1 の基番号を半角数字で書いて下さい（0 は空き）。")
            .arg(drill_rules::groupCount);
    std::vector<int> fieldLines; // the line of every field read, in order
    bool endedEarly = false;
    try {
        for (int q = 1; q <= questions; ++q) {
            rows.emplace_back();
            AnswerRow& row = rows.back();
            for (int p = 1; p <= content::ringPositions; ++p) {
                try {
                    row.groups.at(p) = reader.ReadIntegerField();
                    row.read.at(p) = true;
                } catch (const RuntimeError& e) {
                    if (e.number() != RuntimeError::typeMismatchNumber &&
                        e.number() != RuntimeError::overflowNumber)
                        throw;
                    findings.error(answerFile,
                                   place({lineText(reader.lineNumber()), positionText(q, p)}),
                                   QStringLiteral("基番号として読めません。プログラムはここで「%"
                                                  "1」と報告して止まります。")
                                       .arg(e.description()),
                                   numberRemedy);
                }
                row.lines.at(p) = reader.lineNumber();
                fieldLines.push_back(reader.lineNumber());
            }
        }
    } catch (const RuntimeError& e) {
        if (e.number() != RuntimeError::inputPastEndNumber)
            throw;
        rows.pop_back(); // the question that ran into the end
        endedEarly = true;
        const int fieldsRead = static_cast<int>(fieldLines.size());
        reportTooShort(
            answerFile, fieldLines.empty() ? 0 : fieldLines.back(),
            QStringLiteral("%1 問 × 6 = %2 個の基番号").arg(questions).arg(questions * 6),
            QStringLiteral("%1 個").arg(fieldsRead),
            QStringLiteral("第 %1 問 位置 %2 から後を書き足して下さい（1 行に 1 問、"
                           "6 個をコンマで区切ります）。")
                .arg(fieldsRead / 6 + 1)
                .arg(fieldsRead % content::ringPositions + 1),
            findings);
    }
    reader.Close();
    checkSixPerLine(fieldLines, endedEarly, findings);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        AnswerRow& row = rows[i];
        const int q = static_cast<int>(i) + 1;
        if (!std::all_of(row.read.begin() + 1, row.read.end(), [](bool b) { return b; }))
            continue;
        const auto faults = drill_rules::answerFaults(q, row.groups);
        for (const auto& fault : faults) {
            const int line = row.lines.at(fault.position == 0 ? 1 : fault.position);
            findings.error(
                answerFile,
                place({lineText(line),
                       fault.position == 0 ? questionPlace(q) : positionText(q, fault.position)}),
                (fault.position == 0
                     ? QStringLiteral("正解に基がひとつもありません（値 0,0,0,0,0,0）。")
                     : QStringLiteral("基番号 %1 は 0～%2 の範囲にありません。")
                           .arg(fault.group)
                           .arg(drill_rules::groupCount)) +
                    QStringLiteral("この問題には正解できません。"),
                fault.position == 0 ? QStringLiteral("正解の基番号を少なくとも 1 つ書いて下さい。")
                                    : numberRemedy);
        }
        row.sound = faults.empty();
    }
    return rows;
}

std::vector<TextField> checkQuestions(const ContentFolder& folder, Findings& findings) {
    return readTextFields(folder, questionFile, content::questionCount, findings, questionPlace,
                          QStringLiteral("%1 問分の問題文").arg(content::questionCount),
                          QStringLiteral("問分"));
}

std::vector<TextField> checkNames(const ContentFolder& folder, Findings& findings) {
    return readTextFields(folder, nameFile, content::compoundCount, findings, compoundPlace,
                          QStringLiteral("A～X の %1 個の化合物名").arg(content::compoundCount),
                          QStringLiteral("個"));
}

void checkExplanation(const ContentFolder& folder, Findings& findings) {
    app::TextReader reader;
    if (!openContentFile(reader, folder, explanationFile, findings))
        return;
    try {
        const QString line = reader.ReadLine();
        if (line.trimmed().isEmpty())
            findings.warning(explanationFile, lineText(1),
                             QStringLiteral("1 行目が空です。メニューの説明には 1 行目だけが"
                                            "表示されるので、説明が出ません。"),
                             QStringLiteral("説明文を 1 行目に書いて下さい。"));
    } catch (const RuntimeError& e) {
        if (e.number() == RuntimeError::typeMismatchNumber ||
            e.number() == RuntimeError::invalidContentNumber) {
            findings.error(explanationFile, lineText(1), e.detail(), {});
            reader.Close();
            return;
        }
        if (e.number() != RuntimeError::inputPastEndNumber)
            throw;
        findings.error(
            explanationFile, {},
            QStringLiteral("ファイルが空です。メニューは 1 行目を読んで説明に出します。"),
            QStringLiteral("説明文を 1 行目に書いて下さい。"));
    }
    reader.Close();
}

void checkSameStructures(const std::vector<AnswerRow>& answers, Findings& findings) {
    for (std::size_t a = 0; a < answers.size(); ++a)
        for (std::size_t b = a + 1; b < answers.size(); ++b)
            if (answers[a].sound && answers[b].sound &&
                drill_rules::sameStructure(answers[a].groups, answers[b].groups))
                findings.warning(
                    answerFile,
                    place({lineText(answers[b].lines.at(1)),
                           QStringLiteral("第 %1 問と第 %2 問").arg(a + 1).arg(b + 1)}),
                    QStringLiteral("二つの正解が同じ構造です（環を回すか裏返すと重なります）。"),
                    QStringLiteral("どちらかの正解か問題文を確かめて下さい。"));
}

} // namespace checker
