// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace checker {

// Errors stop the program sooner or later, or make it ask or grade wrongly (a question
// under another's name, an answer moved to another question); warnings mean it runs and
// grades right but a learner would see something wrong.
enum class Severity { Error, Warning };

struct Finding {
    Severity severity;
    QString file;    // relative to the content folder, with forward slashes
    QString where;   // "3 行目 第 1 問 位置 2", or empty for the whole file
    QString problem; // what is wrong
    QString remedy;  // what to do
};

class Findings {
public:
    void error(const QString& file, const QString& where, const QString& problem,
               const QString& remedy);
    void warning(const QString& file, const QString& where, const QString& problem,
                 const QString& remedy);
    void add(const Finding& finding) { findings_.push_back(finding); }

    const std::vector<Finding>& all() const { return findings_; }
    int count(Severity severity) const;

    // One line per finding, errors first, each kind in the order found.
    QStringList lines() const;
    QString summary() const;

private:
    std::vector<Finding> findings_;
};

QString formatFinding(const Finding& finding);

// "3 行目", or nothing when the line is not known.
QString lineText(int line);
// "第 3 問"; "C（3 番目）" for the chart's compound number 3.
QString questionPlace(int question);
QString compoundPlace(int compound);
// Joins the non-empty parts of a place with blanks.
QString place(const QStringList& parts);

} // namespace checker
