// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/working_copy.h"

#include "checker/check_folder.h"
#include "checker/content_folder.h"
#include "checker/text_files.h"
#include "core/content_fields.h"
#include "core/content_layout.h"
#include "core/cp932_table.h"
#include "core/runtime_error.h"
#include "core/text_reader.h"
#include "editor/written_text.h"

#include <QUndoCommand>
#include <algorithm>

namespace editor {

QString relativePath(TextFile file) {
    switch (file) {
    case TextFile::Questions:
        return core::content::questionFile();
    case TextFile::Answers:
        return core::content::answerFile();
    case TextFile::Names:
        return core::content::nameFile();
    case TextFile::Explanation:
        break;
    }
    return core::content::explanationFile();
}

namespace {

QString decoded(const QByteArray& line) {
    return core::cp932table::decode(line).value_or(QString());
}

QString firstField(const QByteArray& line) {
    const auto fields = core::splitFields(decoded(line));
    return fields.empty() ? QString() : fields.front().text;
}

} // namespace

// One line of one file, from what it held to what it holds now. Typing into one name field
// merges into one command, so that one Ctrl+Z takes back the whole word.
class WorkingCopy::LineChange : public QUndoCommand {
public:
    LineChange(WorkingCopy& copy, TextFile file, int line, QByteArray before, QByteArray after,
               const QString& what)
        : QUndoCommand(what), copy_(copy), file_(file), line_(line), before_(std::move(before)),
          after_(std::move(after)) {}

    void redo() override { copy_.file(file_).lines.replace(line_, after_); }
    void undo() override { copy_.file(file_).lines.replace(line_, before_); }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const LineChange*>(other);
        if (next->file_ != file_ || next->line_ != line_ || file_ == TextFile::Answers)
            return false;
        after_ = next->after_;
        return true;
    }

private:
    WorkingCopy& copy_;
    TextFile file_;
    int line_;
    QByteArray before_, after_;
};

std::unique_ptr<WorkingCopy> WorkingCopy::open(const QString& folder, QStringList& why) {
    std::unique_ptr<WorkingCopy> copy(new WorkingCopy(folder));
    checker::ContentFolder content(folder);
    for (const TextFile f : textFiles) {
        const QString relative = relativePath(f);
        core::TextReader reader;
        checker::Findings findings;
        QByteArray bytes;
        try {
            content.open(reader, relative);
            bytes = content.bytes(relative, core::TextReader::maxFileBytes);
        } catch (const core::RuntimeError& e) {
            // The checker says why in a teacher's words.
            const QStringList told = checker::checkFolder(content).lines().filter(relative);
            why << (told.isEmpty() ? QStringList{relative + QStringLiteral(": ") + e.detail()}
                                   : told);
            continue;
        }
        const TextLines lines(bytes);
        for (int n = 1; n <= lines.count(); ++n)
            if (!core::cp932table::decode(lines.line(n)))
                why << QStringLiteral(
                           "%1: %2 行目がシフトJIS（コードページ 932）として読めません。")
                           .arg(relative)
                           .arg(n);
        copy->file(f) = {bytes, lines};
    }
    if (!why.isEmpty())
        return nullptr;
    return copy;
}

QByteArray WorkingCopy::line(TextFile f, int number) const { return file(f).lines.line(number); }

QString WorkingCopy::question(int q) const { return firstField(line(TextFile::Questions, q)); }
QString WorkingCopy::compoundName(int k) const { return firstField(line(TextFile::Names, k)); }
QString WorkingCopy::explanation() const { return decoded(line(TextFile::Explanation, 1)); }

core::drill_rules::Ring WorkingCopy::answer(int q) const {
    core::drill_rules::Ring ring{};
    const auto fields = core::splitFields(decoded(line(TextFile::Answers, q)));
    for (int p = 1; p <= core::content::ringPositions && p <= int(fields.size()); ++p)
        if (core::readInteger(fields[p - 1].text, ring[p]) != core::IntegerReading::Number)
            ring[p] = 0;
    return ring;
}

void WorkingCopy::change(TextFile f, int number, QByteArray text, const QString& what) {
    QByteArray before = line(f, number);
    if (before == text && number <= file(f).lines.count())
        return;
    undo_.push(new LineChange(*this, f, number, std::move(before), std::move(text), what));
}

QString WorkingCopy::setName(TextFile f, int number, const QString& name, const QString& what) {
    if (name == firstField(line(f, number)))
        return {};
    const Written written = fieldLine(name);
    if (written.ok())
        change(f, number, written.bytes, what);
    return written.refusal;
}

QString WorkingCopy::setQuestion(int q, const QString& name) {
    return setName(TextFile::Questions, q, name, QStringLiteral("第 %1 問の問題文").arg(q));
}

void WorkingCopy::setAnswer(int q, const core::drill_rules::Ring& ring) {
    if (ring != answer(q))
        change(TextFile::Answers, q, answerLine(ring), QStringLiteral("第 %1 問の正解").arg(q));
}

QString WorkingCopy::setCompoundName(int k, const QString& name) {
    return setName(TextFile::Names, k, name, QStringLiteral("化合物 %1 の名前").arg(k));
}

QString WorkingCopy::setExplanation(const QString& text) {
    if (text == explanation())
        return {};
    const Written written = wholeLine(text);
    if (written.ok())
        change(TextFile::Explanation, 1, written.bytes, QStringLiteral("説明の 1 行目"));
    return written.refusal;
}

QByteArray WorkingCopy::bytes(TextFile f) const { return file(f).lines.bytes(); }
bool WorkingCopy::changed(TextFile f) const { return bytes(f) != file(f).saved; }

bool WorkingCopy::anyChanged() const {
    return std::any_of(std::begin(textFiles), std::end(textFiles),
                       [&](TextFile f) { return changed(f); });
}

void WorkingCopy::markSaved() {
    for (const TextFile f : textFiles)
        file(f).saved = bytes(f);
    undo_.setClean();
}

checker::Findings WorkingCopy::findings() const {
    checker::ContentFolder content(folder_);
    for (const TextFile f : textFiles)
        content.hold(relativePath(f), bytes(f));
    return checker::checkFolder(content);
}

std::vector<checker::Finding> questionFindings(const checker::Findings& findings, int q) {
    std::vector<checker::Finding> mine;
    const QString line = checker::lineText(q), place = checker::questionPlace(q);
    for (const checker::Finding& f : findings.all()) {
        if (f.file != relativePath(TextFile::Questions) &&
            f.file != relativePath(TextFile::Answers))
            continue;
        if (f.where == line || f.where.startsWith(line + QLatin1Char(' ')) ||
            f.where.contains(place))
            mine.push_back(f);
    }
    return mine;
}

} // namespace editor
