// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/text_reader.h"

#include "core/content_fields.h"
#include "core/cp932.h"
#include "core/paths.h"
#include "core/runtime_error.h"
#include "core/text_encoding.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

using core::RuntimeError;

namespace core {

namespace {

// Lines and fields are found on the bytes themselves, by the rule of content_fields.h.
bool isBlank(char c) { return field_rule::isBlank(field_rule::unit(c)); }
bool isLineEnd(char c) { return field_rule::isLineEnd(field_rule::unit(c)); }

const char* const resave = "シフトJIS（コードページ 932）で保存し直して下さい。";

// Old editors end a text file with this byte, and sequential readers of their time stopped
// there: whatever follows it is not part of the text.
constexpr char endOfFileMark = '\x1A';

// Codes that show as nothing, or as a box: a tab is a blank, and a line end inside a
// quoted field is the fault of the unclosed quote, not of the character.
bool isHiddenControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && c != '\t' && !isLineEnd(c)) || u == 0x7F;
}

QString wrongEncoding(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        // What editors call it: Notepad names code page 932 「ANSI」.
        return QStringLiteral("UTF-8 で保存されています。メモ帳なら「名前を付けて保存」で文字コード"
                              "に「ANSI」を選び、");
    case TextEncoding::Utf16:
        return QStringLiteral("UTF-16 で保存されています。");
    case TextEncoding::Jis:
        return QStringLiteral("JIS（ISO-2022-JP）で保存されています。");
    case TextEncoding::EucJp:
        return QStringLiteral("EUC-JP で保存されています。");
    case TextEncoding::Windows1252:
        return QStringLiteral("Windows-1252（欧文）で保存されています。");
    case TextEncoding::NotText:
        return QStringLiteral("テキストファイルではありません（NUL バイトがあります）。");
    case TextEncoding::Cp932:
        break;
    }
    return {};
}

// Characters of the user-defined area (gaiji) come out in the private use area: no font
// here has them, so they would show as empty boxes.
bool holdsGaiji(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF)
            return true;
    return false;
}

} // namespace

void TextReader::Open(const QString& contentPath) {
    const QString path = core::nativePath(contentPath);
    // A named pipe would block the open or the read, a device never end: only a regular
    // file is read, as with pictures. The link it may be is followed first.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw RuntimeError::fileNotFound(path);
    // One byte past the bound is enough to refuse the file, whatever its size said.
    OpenBytes(file.read(maxFileBytes + 1), contentPath);
}

void TextReader::OpenBytes(const QByteArray& bytes, const QString& contentPath) {
    path_ = core::nativePath(contentPath);
    if (bytes.size() > maxFileBytes)
        throw RuntimeError::invalidContent(
            path_, QStringLiteral("テキストファイルが大きすぎます（%1 バイトを超えています）。")
                       .arg(maxFileBytes));
    encoding_ = detectEncoding(bytes);
    // UTF-16 holds the byte in many of its characters; any other file ends at the mark.
    QByteArray text = bytes;
    endMark_ = {};
    if (const qsizetype mark = bytes.indexOf(endOfFileMark);
        mark >= 0 && encoding_ != TextEncoding::Utf16) {
        text.truncate(mark);
        encoding_ = detectEncoding(text);
        endMark_.line = 1 + int(text.count('\n')) + int(text.count('\r')) - int(text.count("\r\n"));
        for (char c : bytes.sliced(mark))
            endMark_.textAfter =
                endMark_.textAfter || !(isBlank(c) || isLineEnd(c) || c == endOfFileMark);
    }
    if (encoding_ == TextEncoding::NotText)
        throw RuntimeError::typeMismatch(
            path_,
            wrongEncoding(encoding_) + QStringLiteral("教材のテキストファイルを置いて下さい。"));
    if (encoding_ == TextEncoding::Utf8)
        throw RuntimeError::typeMismatch(
            path_, wrongEncoding(encoding_) +
                       QStringLiteral("シフトJIS（コードページ 932）で保存し直すか、kavelo-check "
                                      "--convert でこのファイルを変換して下さい。"));
    if (encoding_ != TextEncoding::Cp932)
        throw RuntimeError::typeMismatch(path_,
                                         wrongEncoding(encoding_) + QString::fromUtf8(resave));
    bytes_ = text;
    position_ = 0;
    countedTo_ = 0;
    line_ = 1;
    readLine_ = 0;
    readField_ = 0;
    lineStart_ = 0;
    fieldsRead_ = 0;
    open_ = true;
}

void TextReader::Close() {
    bytes_.clear();
    position_ = 0;
    open_ = false;
}

void TextReader::requireMore() const {
    if (!open_ || position_ >= bytes_.size())
        throw RuntimeError::inputPastEnd(path_);
}

bool TextReader::at(char c) const { return position_ < bytes_.size() && bytes_[position_] == c; }

// CR LF, a lone CR and a lone LF each end one line.
void TextReader::skipLineEnd() {
    if (at('\r'))
        ++position_;
    if (at('\n'))
        ++position_;
}

// Notes the line on which a read begins, counting the line ends passed since the last one.
void TextReader::beginRead() {
    for (; countedTo_ < position_; ++countedTo_) {
        const char c = bytes_[countedTo_];
        if (c == '\n' ||
            (c == '\r' && (countedTo_ + 1 >= bytes_.size() || bytes_[countedTo_ + 1] != '\n'))) {
            ++line_;
            lineStart_ = countedTo_ + 1;
        }
    }
    readLine_ = line_;
}

// The report names the line in front of what is wrong there ("3 行目に…"); the parts go
// along as they are, for kavelo-check to name the place its own way.
RuntimeError TextReader::errorOnLine(int number, QStringView joiner, const QString& fault) const {
    return {number,
            path_,
            QStringLiteral("%1 行目%2").arg(readLine_).arg(joiner) + fault,
            {readLine_, readField_, fault}};
}

void TextReader::refuseHiddenControl(qsizetype from, qsizetype to) const {
    const char* begin = bytes_.constData();
    const char* control = std::find_if(begin + from, begin + to, isHiddenControl);
    if (control == begin + to)
        return;
    // Counted in characters from the start of its line, as an editor shows the place.
    const qsizetype at = control - begin;
    const qsizetype lineFrom = std::min(lineStart_, at);
    const std::optional<QString> before =
        fromCp932(QByteArrayView(begin + lineFrom, at - lineFrom));
    const qsizetype column = (before ? before->size() : at - lineFrom) + 1;
    throw errorOnLine(
        RuntimeError::typeMismatchNumber, u"に",
        QStringLiteral("見えない制御文字 U+%1 があります（%2 文字目）。この文字を消して下さい。")
            .arg(QString::number(static_cast<unsigned char>(*control), 16)
                     .rightJustified(4, QLatin1Char('0'))
                     .toUpper())
            .arg(column));
}

QString TextReader::decode(qsizetype from, qsizetype to) {
    // Each piece is decoded on its own: a character cut off at its end is an error, not
    // something kept back for a next piece.
    const QByteArrayView bytes(bytes_.constData() + from, to - from);
    const std::optional<QString> text = hasCp932Form(bytes) ? fromCp932(bytes) : std::nullopt;
    if (!text)
        throw errorOnLine(
            RuntimeError::typeMismatchNumber, u"に",
            QStringLiteral("シフトJIS（コードページ 932）で読めない文字があります。") +
                QString::fromUtf8(resave));
    refuseHiddenControl(from, to);
    if (holdsGaiji(*text))
        throw errorOnLine(
            RuntimeError::typeMismatchNumber, u"に",
            QStringLiteral("外字（利用者定義文字）があります。表示できる文字に直して下さい。"));
    return *text;
}

void TextReader::requireShort(qsizetype from, qsizetype to) const {
    if (to - from > maxFieldBytes)
        throw errorOnLine(RuntimeError::invalidContentNumber, u"の",
                          QStringLiteral("行またはデータが長すぎます（%1 バイトを超えています）。")
                              .arg(maxFieldBytes));
}

QString TextReader::ReadLine() {
    requireMore();
    beginRead();
    readField_ = 0;
    const qsizetype start = position_;
    while (position_ < bytes_.size() && !isLineEnd(bytes_[position_]))
        ++position_;
    const qsizetype end = position_;
    skipLineEnd();
    requireShort(start, end);
    return decode(start, end);
}

QString TextReader::nextField() {
    requireMore();
    const int previousLine = readLine_;
    beginRead();
    ++fieldsRead_;
    readField_ = readField_ > 0 && readLine_ == previousLine ? readField_ + 1 : 1;
    const FieldCut cut = cutField(QByteArrayView(bytes_), position_);
    position_ = cut.end;
    if (at(','))
        ++position_;
    else
        skipLineEnd();
    requireShort(cut.textFrom, cut.textTo);
    return decode(cut.textFrom, cut.textTo);
}

QString TextReader::ReadTextField() { return nextField(); }

IntegerReading readInteger(const QString& field, std::int16_t& value) {
    value = 0;
    if (field.isEmpty())
        return IntegerReading::Number;
    const qsizetype digitsFrom =
        (field[0] == QLatin1Char('+') || field[0] == QLatin1Char('-')) ? 1 : 0;
    bool digitsOnly = digitsFrom < field.size();
    for (qsizetype i = digitsFrom; i < field.size(); ++i)
        digitsOnly = digitsOnly && field[i] >= QLatin1Char('0') && field[i] <= QLatin1Char('9');
    if (!digitsOnly)
        return IntegerReading::NotNumber;
    bool fits = false;
    const qlonglong number = field.toLongLong(&fits);
    if (!fits || number < std::numeric_limits<std::int16_t>::min() ||
        number > std::numeric_limits<std::int16_t>::max())
        return IntegerReading::TooBig;
    value = static_cast<std::int16_t>(number);
    return IntegerReading::Number;
}

std::int16_t TextReader::ReadIntegerField() {
    const QString field = nextField();
    std::int16_t value = 0;
    const IntegerReading reading = readInteger(field, value);
    if (reading == IntegerReading::Number)
        return value;
    // The report counts the field among all read from the file.
    const QString where = QStringLiteral("（%1 行目、%2 番目のデータ「%3」）")
                              .arg(readLine_)
                              .arg(fieldsRead_)
                              .arg(field);
    const core::ErrorPlace place{readLine_, readField_, QStringLiteral("データ「%1」").arg(field)};
    if (reading == IntegerReading::NotNumber)
        throw RuntimeError::typeMismatch(path_, where, place);
    throw RuntimeError::overflow(path_, where, place);
}

} // namespace core
