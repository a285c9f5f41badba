// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/content_layout.h"

#include <cmath>

namespace core::content {

namespace {

// Functions, not constants: kavelo-check names its files in constants of its own, which
// may be made before any constant of this file.
QString explanations() { return QStringLiteral("説明"); }
QString compounds() { return QStringLiteral("化合物"); }
QString groups() { return QStringLiteral("官能基"); }
QString soundFolder() { return QStringLiteral("音"); }

QString in(const QString& folder, const QString& file) { return folder + QLatin1Char('/') + file; }

} // namespace

QStringList folders() { return {explanations(), compounds(), groups(), soundFolder()}; }

QString explanationFile() { return in(explanations(), QStringLiteral("説明.txt")); }
QString questionFile() { return in(explanations(), QStringLiteral("問題.txt")); }
QString answerFile() { return in(explanations(), QStringLiteral("正解.txt")); }
QString nameFile() { return in(compounds(), QStringLiteral("名前.txt")); }

QString groupPictureFile(int group, int variant) {
    return in(groups(), QStringLiteral("ki(%1,%2).gif").arg(group).arg(variant));
}

QString highlightPictureFile(int group) {
    return in(groups(), QStringLiteral("ki2(%1).gif").arg(group));
}

QString compoundPictureFile(int compound) {
    return in(compounds(), QStringLiteral("b(%1).gif").arg(compound));
}

QString soundFile(Sound sound) {
    switch (sound) {
    case Sound::Correct:
        return in(soundFolder(), QStringLiteral("o.wav"));
    case Sound::Wrong:
        return in(soundFolder(), QStringLiteral("x.wav"));
    case Sound::Passed:
        return in(soundFolder(), QStringLiteral("gokaku.wav"));
    }
    return {};
}

QStringList everyFile() {
    QStringList files{explanationFile(), questionFile(), answerFile(), nameFile()};
    for (int group = 1; group <= groupCount; ++group)
        files << groupPictureFile(group, leftToRightVariant)
              << groupPictureFile(group, rightToLeftVariant) << highlightPictureFile(group);
    for (int compound = 1; compound <= compoundCount; ++compound)
        files << compoundPictureFile(compound);
    for (const Sound sound : sounds)
        files << soundFile(sound);
    return files;
}

QString groupFormula(int group) {
    static const char* const formulas[groupCount + 1] = {
        "-",       "CH3",  "CH2CH3", "CH(CH3)2", "CH=CH2", "CHO",     "CH2OH",
        "COOCH3",  "COOH", "COONa",  "Cl",       "NH2",    "NHCOCH3", "N2Cl",
        "NH3+Cl−", "NO2",  "OCOCH3", "ONa",      "OH",     "SO3H",    "SO3Na"};
    if (group < 0 || group > groupCount)
        return QStringLiteral("?%1").arg(group);
    return QString::fromUtf8(formulas[group]);
}

// Centred in the room below the caption strip; the halves of an odd twip are kept, as the
// panel places a picture to the half twip.
double compoundPictureLeft(double width) { return std::floor(compoundPanelWidth - width) / 2; }
double compoundPictureTop(double height) {
    return std::floor(compoundPanelHeightBelowCaption - height) / 2 + compoundCaptionStrip;
}

QString inProgramFolder(const QString& appDir, const QString& relative) {
    QString path = relative;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return appDir + QLatin1Char('\\') + path;
}

} // namespace core::content
