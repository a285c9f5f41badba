// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// Rewrites a text file saved as UTF-8, UTF-16 or EUC-JP as the program reads it: code page
// 932, CR LF. Which it is, the same verdict as the check and the program decides.
namespace checker {

enum class Conversion { Converted, AlreadyCp932, Refused };

struct ConversionResult {
    Conversion outcome;
    QStringList messages; // what happened, in a teacher's words, without the file name
};

// Either the whole file is rewritten (through a temporary file renamed over it) or it is
// left exactly as it was.
ConversionResult convertToCp932(const QString& path);

// The text as code page 932 with CR LF line ends, or the places ("3 行目 5 文字目の「¥」")
// of the characters that have no code page 932 form. `twins` counts characters taken as
// their code page 932 look-alike (〜 as ～).
struct Encoded {
    QByteArray bytes;
    QStringList unmappable;
    int twins = 0;
};
Encoded encodeCp932(const QString& text);

// What --convert does, for the command's help: its paragraph there, ending in a line end.
QString convertHelp();

} // namespace checker
