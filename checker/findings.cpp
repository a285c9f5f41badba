// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/findings.h"

#include <algorithm>

namespace checker {

void Findings::error(const QString& file, const QString& where, const QString& problem,
                     const QString& remedy) {
    findings_.push_back({Severity::Error, file, where, problem, remedy});
}

void Findings::warning(const QString& file, const QString& where, const QString& problem,
                       const QString& remedy) {
    findings_.push_back({Severity::Warning, file, where, problem, remedy});
}

int Findings::count(Severity severity) const {
    return static_cast<int>(
        std::count_if(findings_.begin(), findings_.end(),
                      [&](const Finding& f) { return f.severity == severity; }));
}

QStringList Findings::lines() const {
    QStringList out;
    for (Severity severity : {Severity::Error, Severity::Warning})
        for (const Finding& f : findings_)
            if (f.severity == severity)
                out << formatFinding(f);
    return out;
}

QString Findings::summary() const {
    const int errors = count(Severity::Error), warnings = count(Severity::Warning);
    if (errors > 0)
        return QStringLiteral("エラー %1 件、警告 %2 件。エラーがあるとプログラムは途中で止まるか、"
                              "正しく出題・判定できません。"
                              "直してから、もう一度 kavelo-check で確かめて下さい。")
            .arg(errors)
            .arg(warnings);
    if (warnings > 0)
        return QStringLiteral("エラーはありません（警告 %1 件）。プログラムは止まりませんが、"
                              "警告の所は学習者に正しく見えません。")
            .arg(warnings);
    return QStringLiteral("エラーも警告もありません。");
}

QString formatFinding(const Finding& f) {
    QString line =
        f.severity == Severity::Error ? QStringLiteral("エラー: ") : QStringLiteral("警告: ");
    line += f.file + QStringLiteral(": ");
    if (!f.where.isEmpty())
        line += f.where + QStringLiteral(": ");
    line += f.problem;
    if (!f.remedy.isEmpty())
        line += f.remedy;
    return line;
}

QString lineText(int line) { return line > 0 ? QStringLiteral("%1 行目").arg(line) : QString(); }

QString questionPlace(int question) { return QStringLiteral("第 %1 問").arg(question); }

QString compoundPlace(int compound) {
    return QStringLiteral("%1（%2 番目）").arg(QChar(u'A' + compound - 1)).arg(compound);
}

QString place(const QStringList& parts) {
    QStringList kept;
    for (const QString& part : parts)
        if (!part.isEmpty())
            kept << part;
    return kept.join(QLatin1Char(' '));
}

} // namespace checker
