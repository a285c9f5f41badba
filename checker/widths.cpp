// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/widths.h"

#include "platform/definition.h"
#include "platform/fonts.h"
#include "platform/text_fit.h"
#include "platform/twips.h"
#include "screens/chart/chart_controls.h"
#include "screens/chart/chart_definition.h"
#include "screens/drill/drill_controls.h"
#include "screens/drill/drill_definition.h"

#include <cstring>
#include <stdexcept>

namespace checker {

namespace {

const platform::ControlDef& controlOf(const platform::FormDefinition& form,
                                      platform::ControlRef id) {
    for (const platform::ControlDef& def : form.controls)
        if (std::strcmp(def.id.name, id.name) == 0)
            return def;
    throw std::logic_error(std::string("no control ") + id.name);
}

// A warning quotes the start of a long text, enough to find it in the file.
QString quoted(const QString& text) {
    constexpr qsizetype shown = 40;
    return text.size() <= shown ? text : text.left(shown) + QStringLiteral("…");
}

QFont fontOf(const platform::ControlDef& def) {
    return platform::screenFont(QString::fromUtf8(def.font.face), def.font.points, def.font.bold);
}

} // namespace

bool questionFitsItsBar(const QString& text) {
    const platform::ControlDef& bar =
        controlOf(screens::drillDefinition(), screens::drill::questionText);
    return platform::labelShowsWhole(
        fontOf(bar), QSize(platform::toPixels(bar.width), platform::toPixels(bar.height)),
        bar.align, text);
}

bool nameFitsThePanelCaption(const QString& name) {
    const platform::ControlDef& panel =
        controlOf(screens::chartDefinition(), screens::chart::compoundPanel);
    return platform::frameCaptionShowsWhole(fontOf(panel), platform::toPixels(panel.width), name);
}

void checkQuestionWidths(const std::vector<TextField>& questions, Findings& findings) {
    for (std::size_t i = 0; i < questions.size(); ++i)
        if (!questionFitsItsBar(questions[i].text))
            findings.warning(
                questionFile,
                place({lineText(questions[i].line), questionPlace(static_cast<int>(i) + 1)}),
                QStringLiteral("問題文「%1」はドリル画面の問題の欄に入りきらず、"
                               "はみ出た所が切れて見えません。")
                    .arg(quoted(questions[i].text)),
                QStringLiteral("短くして下さい。"));
}

void checkNameWidths(const std::vector<TextField>& names, Findings& findings) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!nameFitsThePanelCaption(names[i].text))
            findings.warning(
                nameFile, place({lineText(names[i].line), compoundPlace(static_cast<int>(i) + 1)}),
                QStringLiteral("化合物名「%1」は系統図の枠の見出しに入りきらず、"
                               "右端が切れて見えません。")
                    .arg(quoted(names[i].text)),
                QStringLiteral("短くして下さい。"));
}

} // namespace checker
