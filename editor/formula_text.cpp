// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/formula_text.h"

#include "core/content_layout.h"

#include <QStringList>
#include <algorithm>

namespace editor {

namespace {

bool isCharge(QChar c) { return c == QLatin1Char('+') || c == QChar(0x2212); }

// The formula cut into the atoms that join one another in a chain, each with the hydrogens
// and the charge it carries ("CH2", "OH", "NH3+"), a bracketed branch with its count
// ("(CH3)2"), or a double bond ("=").
QStringList chainUnits(const QString& formula) {
    QStringList units;
    qsizetype i = 0;
    const qsizetype n = formula.size();
    const auto takeDigits = [&] {
        while (i < n && formula[i].isDigit())
            ++i;
    };
    while (i < n) {
        const qsizetype from = i;
        if (formula[i] == QLatin1Char('(')) {
            while (i < n && formula[i] != QLatin1Char(')'))
                ++i;
            i = std::min(i + 1, n);
            takeDigits();
        } else if (formula[i].isUpper()) {
            const bool hydrogen = formula[i] == QLatin1Char('H');
            ++i;
            while (i < n && formula[i].isLower())
                ++i;
            takeDigits();
            if (!hydrogen && i < n && formula[i] == QLatin1Char('H') &&
                (i + 1 >= n || !formula[i + 1].isLower())) {
                ++i;
                takeDigits();
            }
            while (i < n && isCharge(formula[i]))
                ++i;
        } else {
            ++i;
        }
        units << formula.mid(from, i - from);
    }
    return units;
}

// "CH2" → "H2C", "NH3+" → "H3N+": the hydrogens face the ring's side the text starts from.
QString turned(const QString& unit) {
    const qsizetype h = unit.indexOf(QLatin1Char('H'), 1);
    if (!unit.front().isUpper() || unit.front() == QLatin1Char('H') || h < 0)
        return unit;
    qsizetype chargeAt = unit.size();
    while (chargeAt > h && isCharge(unit[chargeAt - 1]))
        --chargeAt;
    return unit.mid(h, chargeAt - h) + unit.left(h) + unit.mid(chargeAt);
}

} // namespace

std::vector<FormulaPiece> formulaPieces(const QString& formula) {
    std::vector<FormulaPiece> pieces;
    for (qsizetype i = 0; i < formula.size(); ++i) {
        const QChar c = formula[i];
        const bool afterSomething = i > 0 && formula[i - 1] != QLatin1Char('=');
        const FormulaPiece::Level level = c.isDigit() && afterSomething
                                              ? FormulaPiece::Level::Lowered
                                          : isCharge(c) ? FormulaPiece::Level::Raised
                                                        : FormulaPiece::Level::Base;
        if (!pieces.empty() && pieces.back().level == level)
            pieces.back().text += c;
        else
            pieces.push_back({QString(c), level});
    }
    return pieces;
}

QString spelledLeftward(const QString& formula) {
    QStringList units = chainUnits(formula);
    std::reverse(units.begin(), units.end());
    for (QString& unit : units)
        unit = turned(unit);
    return units.join(QString());
}

QString formulaAt(int group, int position) {
    if (group == 0)
        return {};
    const QString formula = core::content::groupFormula(group);
    return core::content::groupPictureVariant(position) == core::content::rightToLeftVariant
               ? spelledLeftward(formula)
               : formula;
}

} // namespace editor
