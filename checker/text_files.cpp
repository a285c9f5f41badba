// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/text_files.h"

#include "checker/content_lines.h"
#include "checker/file_verdict.h"
#include "core/content_fields.h"
#include "core/runtime_error.h"
#include "core/text_reader.h"

#include <algorithm>
#include <functional>
#include <optional>

using core::RuntimeError;

namespace checker {

namespace {

// Where the program's own reading of a file stops it, if it does: it reads the file as
// one stream of fields, without regard to lines.
struct Stop {
    int number = 0; // 0: the program reads all it needs
    int line = 0;
};

Stop streamStop(const ContentFolder& folder, const QString& file, int fields,
                const std::function<void(core::TextReader&)>& readField) {
    core::TextReader reader;
    try {
        folder.open(reader, file);
        for (int i = 0; i < fields; ++i)
            readField(reader);
    } catch (const RuntimeError& e) {
        return {e.number(), reader.lineNumber()};
    }
    return {};
}

// What the program does at the stop, in plain words.
QString stopSentence(const Stop& stop) {
    switch (stop.number) {
    case RuntimeError::inputPastEndNumber:
        return QStringLiteral("プログラムはファイルの終わりより先を読もうとして、エラー 62 で"
                              "止まります。");
    case RuntimeError::overflowNumber:
        return QStringLiteral("プログラムはこの数を読めず、エラー 6 で止まります。");
    case RuntimeError::typeMismatchNumber:
        return QStringLiteral("プログラムはここを読めず、エラー 13 で止まります。");
    default:
        return QStringLiteral("プログラムはここでエラー %1 で止まります。").arg(stop.number);
    }
}

// The findings of one file, held until the whole file is read, so that the program's stop
// joins the fault that causes it and the report runs in line order. Many faults of one kind
// (a decimal point in every answer, a seventh column on every line) become one line with
// their count and first places, so that the report stays readable.
class FileReport {
public:
    explicit FileReport(QString file) : file_(std::move(file)) {}

    // `kind`, when given, is what the fault says when it is told with others of its kind,
    // and `detail` what tells this one apart in the list of places ("「1.0」").
    void error(int line, const QString& where, const QString& problem, const QString& remedy,
               const QString& kind = {}, const QString& detail = {}) {
        entries_.push_back(
            {line, {Severity::Error, file_, where, problem, remedy}, kind, detail, {}});
    }
    void warning(int line, const QString& where, const QString& problem, const QString& remedy) {
        entries_.push_back({line, {Severity::Warning, file_, where, problem, remedy}, {}, {}, {}});
    }

    // The stop joins the error on its line; running out of fields is caused by the
    // first fault that ate some, so it joins the first error; else it stands alone.
    void joinStop(const Stop& stop, int lastLine) {
        if (stop.number == 0)
            return;
        const auto isError = [](const Entry& e) { return e.finding.severity == Severity::Error; };
        auto at = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
            return isError(e) && e.line == stop.line && stop.line > 0;
        });
        if (at == entries_.end() && stop.number == RuntimeError::inputPastEndNumber)
            at = std::find_if(entries_.begin(), entries_.end(), isError);
        if (at != entries_.end()) {
            at->stop = stopSentence(stop);
            return;
        }
        const int line = stop.number == RuntimeError::inputPastEndNumber ? lastLine : stop.line;
        error(line, lineText(line), stopSentence(stop), {});
    }

    void addTo(Findings& findings) {
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const Entry& a, const Entry& b) { return a.line < b.line; });
        std::vector<bool> told(entries_.size(), false);
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (told[i])
                continue;
            std::vector<std::size_t> same;
            if (!entries_[i].kind.isEmpty())
                for (std::size_t j = i; j < entries_.size(); ++j)
                    if (entries_[j].kind == entries_[i].kind)
                        same.push_back(j);
            if (same.size() < manyOfAKind) {
                Finding finding = entries_[i].finding;
                finding.problem += entries_[i].stop;
                findings.add(finding);
                continue;
            }
            QStringList places, stops;
            for (std::size_t j : same) {
                told[j] = true;
                if (places.size() < qsizetype(placesShown))
                    places << entries_[j].finding.where + entries_[j].detail;
                if (!entries_[j].stop.isEmpty())
                    stops << entries_[j].stop;
            }
            Finding finding = entries_[i].finding;
            finding.where = QStringLiteral("%1 か所（%2 ほか）")
                                .arg(same.size())
                                .arg(places.join(QStringLiteral("、")));
            finding.problem = entries_[i].kind + stops.join(QString());
            findings.add(finding);
        }
    }

private:
    static constexpr std::size_t manyOfAKind = 4, placesShown = 3;
    struct Entry {
        int line;
        Finding finding;
        QString kind, detail, stop;
    };
    QString file_;
    std::vector<Entry> entries_;
};

QString positionText(int question, int position) {
    return QStringLiteral("第 %1 問 位置 %2").arg(question).arg(position);
}

// Look-alike characters that a teacher cannot see are wrong.
bool holdsAny(const QString& text, QStringView characters) {
    return std::any_of(characters.begin(), characters.end(),
                       [&](QChar c) { return text.contains(c); });
}
const QStringView fullWidthDigits = u"０１２３４５６７８９";
const QStringView fullWidthQuotes = u"“”＂„‟″";
const QChar fullWidthSpace = u'　';

// A blank line moves every later line by one field; past the last filled line it is
// never read.
void reportBlankLine(FileReport& report, const ContentLine& line, const QString& shift) {
    report.error(line.number, lineText(line.number), QStringLiteral("空行があります。") + shift,
                 QStringLiteral("この空行を消して下さい。"));
}

struct Cause {
    QString problem, remedy;
    QString kind = {}; // what it says told with others like it, when not `problem`
};

// Why a line of the answer file does not read as six numbers, when one cause explains
// the whole line.
std::optional<Cause> answerLineCause(const QString& text,
                                     const std::vector<core::ContentField>& fields) {
    const QString shifts = QStringLiteral("後の問題の正解がずれます。");
    if (fields.size() == 1 && fields[0].quoted && fields[0].text.contains(QLatin1Char(',')))
        return Cause{QStringLiteral("行全体が引用符（\"）で囲まれていて、6 個の基番号が一つの"
                                    "値として読まれます（表計算ソフトがこう書き出すことが"
                                    "あります）。"),
                     QStringLiteral("行の最初と最後の \" を消して下さい。")};
    if (fields.size() < 6 && text.contains(QLatin1Char('\t')))
        return Cause{QStringLiteral("基番号がタブで区切られています。タブは区切りになりません。"),
                     QStringLiteral("タブを半角のコンマ（,）に替えて下さい。")};
    if (fields.size() < 6 && text.contains(u'、'))
        return Cause{QStringLiteral("基番号が「、」で区切られています。「、」は区切りに"
                                    "なりません。"),
                     QStringLiteral("「、」を半角のコンマ（,）に替えて下さい。")};
    if (fields.size() < 6 && text.contains(u'，'))
        return Cause{QStringLiteral("基番号が全角のコンマ「，」で区切られています。全角の"
                                    "コンマは区切りになりません。"),
                     QStringLiteral("半角のコンマ（,）に替えて下さい。")};
    if (holdsAny(text, fullWidthDigits))
        return Cause{QStringLiteral("全角数字（１、２ など）があります。基番号は半角数字でないと"
                                    "読めません。"),
                     QStringLiteral("半角数字（1、2 など）で書き直して下さい。")};
    if (text.contains(fullWidthSpace))
        return Cause{QStringLiteral("全角スペースがあります。全角スペースは区切りにも空白にも"
                                    "なりません。"),
                     QStringLiteral("全角スペースを消して下さい。")};
    if (holdsAny(text, fullWidthQuotes))
        return Cause{QStringLiteral("全角の引用符があります。"),
                     QStringLiteral("引用符を消して下さい。")};
    if (fields.size() == 7 && fields.back().text.isEmpty() && !fields.back().quoted)
        return Cause{QStringLiteral("行末に余分なコンマがあり、プログラムはその後に 7 個目の値"
                                    "（空、0 として）を読みます（表計算ソフトが空の欄を書き"
                                    "出すとこうなります）。") +
                         shifts,
                     QStringLiteral("行末のコンマを消して下さい。")};
    if (fields.size() != 6)
        return Cause{QStringLiteral("基番号が %1 個あります。1 行に 6 個ちょうどでないと、")
                             .arg(fields.size()) +
                         shifts,
                     QStringLiteral("位置 1～6 の 6 個をコンマで区切って書いて下さい"
                                    "（空きは 0）。"),
                     QStringLiteral("基番号が 6 個ではありません。1 行に 6 個ちょうどでないと、") +
                         shifts};
    return std::nullopt;
}

const QString numberRemedy = QStringLiteral("0～%1 の基番号を半角数字で書いて下さい（0 は空き）。")
                                 .arg(core::drill_rules::groupCount);

// One line of the answer file, question `q`: six numbers, each a group or 0.
AnswerRow readAnswerLine(const ContentLine& line, int q, FileReport& report) {
    AnswerRow row;
    row.line = line.number;
    const std::vector<core::ContentField> fields = core::splitFields(line.text, line.number);
    std::vector<core::IntegerReading> readings;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::int16_t value = 0;
        readings.push_back(core::readInteger(fields[i].text, value));
        if (i < core::content::ringPositions && readings.back() == core::IntegerReading::Number) {
            row.groups.at(i + 1) = value;
            row.read.at(i + 1) = true;
        }
    }
    const bool sixNumbers =
        fields.size() == core::content::ringPositions &&
        std::all_of(readings.begin(), readings.end(),
                    [](core::IntegerReading r) { return r == core::IntegerReading::Number; });
    if (!sixNumbers) {
        if (const auto cause = answerLineCause(line.text, fields)) {
            report.error(line.number, place({lineText(line.number), questionPlace(q)}),
                         cause->problem, cause->remedy,
                         cause->kind.isEmpty() ? cause->problem : cause->kind);
            row.read = {};
            return row;
        }
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (readings[i] != core::IntegerReading::Number) {
                const QString why = readings[i] == core::IntegerReading::TooBig
                                        ? QStringLiteral("大きすぎて")
                                        : QString();
                report.error(
                    line.number,
                    place({lineText(line.number), positionText(q, static_cast<int>(i) + 1)}),
                    QStringLiteral("「%1」は%2基番号として読めません。").arg(fields[i].text, why),
                    numberRemedy, QStringLiteral("%1基番号として読めない値です。").arg(why),
                    QStringLiteral("「%1」").arg(fields[i].text));
            }
        return row;
    }
    const auto faults = core::drill_rules::answerFaults(q, row.groups);
    for (const auto& fault : faults)
        report.error(
            line.number,
            place({lineText(line.number),
                   fault.position == 0 ? questionPlace(q) : positionText(q, fault.position)}),
            (fault.position == 0
                 ? QStringLiteral("正解に基がひとつもありません（値 0,0,0,0,0,0）。")
                 : QStringLiteral("基番号 %1 は 0～%2 の範囲にありません。")
                       .arg(fault.group)
                       .arg(core::drill_rules::groupCount)) +
                QStringLiteral("この問題には正解できません。"),
            fault.position == 0 ? QStringLiteral("正解の基番号を少なくとも 1 つ書いて下さい。")
                                : numberRemedy,
            fault.position == 0
                ? QStringLiteral("正解に基がひとつもありません。この問題には正解できません。")
                : QStringLiteral("0～%1 の範囲にない基番号です。この問題には正解できません。")
                      .arg(core::drill_rules::groupCount),
            fault.position == 0 ? QString() : QStringLiteral("「%1」").arg(fault.group));
    row.sound = faults.empty();
    return row;
}

// A line a spreadsheet writes for an empty row: commas and blanks, nothing else.
bool isEmptyRow(const ContentLine& line) {
    if (!line.unreadable.isEmpty())
        return false;
    const std::vector<core::ContentField> fields = core::splitFields(line.text);
    return fields.size() > 1 && std::all_of(fields.begin(), fields.end(), [](const auto& f) {
               return !f.quoted && f.text.isEmpty();
           });
}

// The lines of a file from its first to its last filled one, and what follows them that the
// program never reads.
struct FileLines {
    std::vector<ContentLine> lines;
    core::TextReader::EndMark endMark;
    int emptyRowsFrom = 0, emptyRows = 0; // empty spreadsheet rows after the last filled line
};

// Nothing if the file cannot be opened (said already).
std::optional<FileLines> linesOf(const ContentFolder& folder, const QString& file,
                                 Findings& findings) {
    core::TextReader reader;
    if (!openContentFile(reader, folder, file, findings))
        return std::nullopt;
    FileLines read{readLines(reader), reader.endMark()};
    reader.Close();
    std::vector<ContentLine>& lines = read.lines;
    lines.resize(static_cast<std::size_t>(lastFilledLine(lines) + 1));
    while (!lines.empty() && (isEmptyRow(lines.back()) || isBlank(lines.back().text)) &&
           lines.back().unreadable.isEmpty()) {
        if (isEmptyRow(lines.back())) {
            ++read.emptyRows;
            read.emptyRowsFrom = lines.back().number;
        }
        lines.pop_back();
    }
    return read;
}

// Rows the program never reads need no mending; they are named so that the teacher knows.
void reportEmptyRows(FileReport& report, const FileLines& read) {
    if (read.emptyRows > 0)
        report.warning(read.emptyRowsFrom, lineText(read.emptyRowsFrom),
                       QStringLiteral("ここから後の %1 行はコンマ（,）と空白だけの空の行で、"
                                      "プログラムは読みません（表計算ソフトが空の行を書き出すと"
                                      "こうなります）。")
                           .arg(read.emptyRows),
                       QStringLiteral("消してもかまいません。"));
}

// The end-of-file mark of old editors (0x1A) hides every line after it from the program.
// When lines are missing for it, that is said with the count; else it is a warning.
QString endMarkCause(const FileLines& read) {
    if (!read.endMark.textAfter)
        return {};
    return QStringLiteral("%1 行目に、ファイルの終わりを表す見えない文字（0x1A、古いエディタが"
                          "付けるもの）があり、プログラムはそこから後を読みません。")
        .arg(read.endMark.line);
}
void reportEndMark(FileReport& report, const FileLines& read, bool saidWithCount) {
    if (read.endMark.textAfter && !saidWithCount)
        report.warning(read.endMark.line, lineText(read.endMark.line), endMarkCause(read),
                       QStringLiteral("後の行も使うなら、この見えない文字を消して下さい。"));
}

// The filled lines must number exactly `needed`: fewer stops the program, more are never
// read. `what` names one line's content ("問題文"), `rule` says why the count matters.
// `whyShort` is what hides the missing lines from the program, if something does.
void reportLineCount(FileReport& report, const std::vector<ContentLine>& lines, std::size_t filled,
                     int needed, const QString& what, const QString& rule,
                     const QString& whyShort = {}) {
    const int count = static_cast<int>(filled);
    if (count == needed)
        return;
    if (count < needed) {
        const int last = lines.empty() ? 0 : lines.back().number;
        report.error(last, lineText(last),
                     QStringLiteral("%1が %2 行しかありません（%3 行要ります）。")
                             .arg(what)
                             .arg(count)
                             .arg(needed) +
                         whyShort + rule,
                     whyShort.isEmpty()
                         ? QStringLiteral("%1 行目から後を書き足して下さい。").arg(count + 1)
                         : QStringLiteral("見えない文字を消すか、%1 行目から後を書き足して下さい。")
                               .arg(count + 1));
        return;
    }
    // The first line past the last one read.
    int seen = 0, extra = 0;
    for (const ContentLine& line : lines)
        if ((!line.unreadable.isEmpty() || !isBlank(line.text)) && ++seen == needed + 1) {
            extra = line.number;
            break;
        }
    report.error(extra, lineText(extra),
                 QStringLiteral("%1が %2 行あります。プログラムが読むのは %3 行までで、"
                                "この行から後は使われません。")
                         .arg(what)
                         .arg(count)
                         .arg(needed) +
                     rule,
                 QStringLiteral("余分な行を消して、%1 行にして下さい。").arg(needed));
}

const QString questionsPairAnswers =
    QStringLiteral("問題.txt と 正解.txt は、同じ順の行どうしが 1 問です。");

// Why a line of the question or name file does not read as one text, or nothing.
std::optional<Cause> textLineCause(const std::vector<core::ContentField>& fields,
                                   const QString& text, const QString& shifts) {
    const core::ContentField& first = fields.front();
    if (first.quoted && !first.closed)
        return Cause{QStringLiteral("閉じる引用符（\"）がありません。プログラムは次の \" まで、"
                                    "後の行も続けて一つとして読みます。") +
                         shifts,
                     QStringLiteral("行の終わりに \" を書いて下さい。")};
    const QString dropped = first.droppedAfterQuote.trimmed();
    if (first.quoted && dropped.startsWith(QLatin1Char('"')))
        return Cause{QStringLiteral("引用符の中に \"\" があります。プログラムは 2 つ目の \" で"
                                    "終わりとし、「%1」だけを読んで、後を捨てます。")
                         .arg(first.text),
                     QStringLiteral("中の引用符は全角（＂）か「」にして下さい。")};
    if (first.quoted && !dropped.isEmpty())
        return Cause{QStringLiteral("閉じる引用符（\"）の後の「%1」は読まれず、捨てられます。")
                         .arg(first.droppedAfterQuote),
                     QStringLiteral("全体を \" で囲み、引用符の外には何も書かないで下さい。")};
    if (fields.size() == 1)
        return std::nullopt;
    QStringList pieces;
    for (const core::ContentField& field : fields)
        pieces << QStringLiteral("「%1」").arg(field.text);
    const QString split = QStringLiteral("プログラムはコンマの所で %1 つ（%2）に分けて読みます。")
                              .arg(fields.size())
                              .arg(pieces.join(QString()));
    if (holdsAny(text, fullWidthQuotes))
        return Cause{QStringLiteral("全角の引用符（“ ” ＂）は引用符として働きません。") + split +
                         shifts,
                     QStringLiteral("半角の \" で全体を囲んで下さい。")};
    return Cause{QStringLiteral("引用符で囲まれていないコンマ（,）があります。") + split + shifts,
                 QStringLiteral("全体を半角の \" で囲んで下さい: \"%1\"").arg(text.trimmed())};
}

// The question or name file: one text per filled line, `count` of them.
struct TextFileRules {
    QString file;
    int count;
    std::function<QString(int)> placeOf; // "第 3 問", "C（3 番目）"
    QString what;                        // "問題文"
    QString shifts;                      // what a moved line does to the later ones
    QString countRule;                   // why the count matters
};

std::vector<TextField> checkTextLines(const ContentFolder& folder, const TextFileRules& rules,
                                      Findings& findings) {
    const auto read = linesOf(folder, rules.file, findings);
    if (!read)
        return {};
    const std::vector<ContentLine>* lines = &read->lines;
    FileReport report(rules.file);
    std::vector<TextField> fields;
    for (const ContentLine& line : *lines) {
        const int n = static_cast<int>(fields.size()) + 1;
        const QString where = place({lineText(line.number), rules.placeOf(n)});
        if (!line.unreadable.isEmpty()) {
            report.error(line.number, where, line.unreadable, {});
            fields.push_back({{}, line.number, false});
            continue;
        }
        if (isBlank(line.text)) {
            reportBlankLine(report, line,
                            QStringLiteral("プログラムはこれを空の%1として読み、").arg(rules.what) +
                                rules.shifts);
            continue;
        }
        const std::vector<core::ContentField> pieces = core::splitFields(line.text, line.number);
        if (const auto cause = textLineCause(pieces, line.text, rules.shifts))
            report.error(line.number, where, cause->problem, cause->remedy);
        else if (pieces.front().text.isEmpty())
            report.warning(line.number, where,
                           QStringLiteral("空です。学習者には何も表示されません。"),
                           QStringLiteral("文字を書いて下さい。"));
        fields.push_back({pieces.front().text, line.number});
    }
    const bool missingLines = fields.size() < static_cast<std::size_t>(rules.count);
    reportLineCount(report, *lines, fields.size(), rules.count, rules.what, rules.countRule,
                    missingLines ? endMarkCause(*read) : QString());
    reportEndMark(report, *read, missingLines);
    reportEmptyRows(report, *read);
    report.joinStop(
        streamStop(folder, rules.file, rules.count, [](core::TextReader& r) { r.ReadTextField(); }),
        lines->empty() ? 0 : lines->back().number);
    report.addTo(findings);
    if (fields.size() > static_cast<std::size_t>(rules.count))
        fields.resize(static_cast<std::size_t>(rules.count));
    return fields;
}

} // namespace

std::vector<AnswerRow> checkAnswers(const ContentFolder& folder, Findings& findings) {
    const auto read = linesOf(folder, answerFile, findings);
    if (!read)
        return {};
    const std::vector<ContentLine>* lines = &read->lines;
    FileReport report(answerFile);
    std::vector<AnswerRow> rows;
    for (const ContentLine& line : *lines) {
        const int q = static_cast<int>(rows.size()) + 1;
        if (!line.unreadable.isEmpty()) {
            report.error(line.number, place({lineText(line.number), questionPlace(q)}),
                         line.unreadable, {});
            rows.push_back({});
            rows.back().line = line.number;
        } else if (isBlank(line.text)) {
            reportBlankLine(report, line,
                            QStringLiteral("プログラムはこれを値 0 が一つとして読み、後の問題の"
                                           "正解がずれます。"));
        } else {
            rows.push_back(readAnswerLine(line, q, report));
        }
    }
    const bool missingLines = rows.size() < static_cast<std::size_t>(core::content::questionCount);
    reportLineCount(report, *lines, rows.size(), core::content::questionCount,
                    QStringLiteral("正解"), questionsPairAnswers,
                    missingLines ? endMarkCause(*read) : QString());
    reportEndMark(report, *read, missingLines);
    reportEmptyRows(report, *read);
    report.joinStop(streamStop(folder, answerFile,
                               core::content::questionCount * core::content::ringPositions,
                               [](core::TextReader& r) { r.ReadIntegerField(); }),
                    lines->empty() ? 0 : lines->back().number);
    report.addTo(findings);
    if (rows.size() > static_cast<std::size_t>(core::content::questionCount))
        rows.resize(static_cast<std::size_t>(core::content::questionCount));
    return rows;
}

std::vector<TextField> checkQuestions(const ContentFolder& folder, Findings& findings) {
    return checkTextLines(folder,
                          {questionFile, core::content::questionCount, questionPlace,
                           QStringLiteral("問題文"),
                           QStringLiteral("後の問題文が 1 つずつずれて、正解と合わなくなります。"),
                           questionsPairAnswers},
                          findings);
}

std::vector<TextField> checkNames(const ContentFolder& folder, Findings& findings) {
    return checkTextLines(
        folder,
        {nameFile, core::content::compoundCount, compoundPlace, QStringLiteral("化合物名"),
         QStringLiteral("後の化合物名が 1 つずつずれて、系統図の文字と合わなくなります。"),
         QStringLiteral("系統図の A～X の %1 個に、1 行に 1 つずつ対応します。")
             .arg(core::content::compoundCount)},
        findings);
}

void checkExplanation(const ContentFolder& folder, Findings& findings) {
    core::TextReader reader;
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
            findings.error(explanationFile, lineText(e.line()), e.fault(), {});
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
                core::drill_rules::sameStructure(answers[a].groups, answers[b].groups))
                findings.warning(
                    answerFile,
                    place({lineText(answers[b].line),
                           QStringLiteral("第 %1 問と第 %2 問").arg(a + 1).arg(b + 1)}),
                    QStringLiteral("二つの正解が同じ構造です（環を回すか裏返すと重なります）。"),
                    QStringLiteral("どちらかの正解か問題文を確かめて下さい。"));
}

} // namespace checker
