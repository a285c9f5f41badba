// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/convert.h"

#include "checker/content_folder.h"
#include "checker/euc_jp.h"
#include "checker/file_kind.h"
#include "checker/windows1252.h"
#include "core/cp932.h"
#include "core/runtime_error.h"
#include "core/text_encoding.h"
#include "core/text_reader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <optional>

namespace checker {

namespace {

// Editors outside Windows write these JIS characters with other code points than code
// page 932 does; each is the same character there, so taking the twin loses nothing.
char32_t cp932Twin(char32_t c) {
    switch (c) {
    case U'\u301C':
        return U'\uFF5E'; // 〜 wave dash
    case U'\u2016':
        return U'\u2225'; // ‖ double vertical line
    case U'\u2212':
        return U'\uFF0D'; // − minus sign
    case U'\u00A2':
        return U'\uFFE0'; // ¢
    case U'\u00A3':
        return U'\uFFE1'; // £
    case U'\u00AC':
        return U'\uFFE2'; // ¬
    case U'\u2014':
        return U'\u2015'; // — em dash
    default:
        return c;
    }
}

// CR LF, a lone CR and a lone LF each end one line.
QString withLfOnly(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The program's own reader must take every line of the result; it refuses, for instance,
// the user-defined characters that UTF-8's private use area turns into.
QString readerRefusal(const QByteArray& bytes, const QString& path) {
    core::TextReader reader;
    try {
        reader.OpenBytes(bytes, path);
        for (;;)
            reader.ReadLine();
    } catch (const core::RuntimeError& e) {
        return e.number() == core::RuntimeError::inputPastEndNumber ? QString() : e.detail();
    }
}

} // namespace

Encoded encodeCp932(const QString& text) {
    Encoded result;
    QString mapped;
    int line = 1, column = 0;
    for (char32_t c : withLfOnly(text).toUcs4()) {
        if (c == U'\n') {
            ++line;
            column = 0;
            mapped += QLatin1Char('\n');
            continue;
        }
        ++column;
        const char32_t twin = cp932Twin(c);
        const QString character = QString::fromUcs4(&twin, 1);
        if (!core::toCp932(character)) {
            result.unmappable
                << QStringLiteral("%1 行目 %2 文字目の「%3」（U+%4）")
                       .arg(line)
                       .arg(column)
                       .arg(QString::fromUcs4(&c, 1),
                            QString::number(quint32(c), 16).toUpper().rightJustified(4, u'0'));
            continue;
        }
        if (twin != c)
            ++result.twins;
        mapped += character;
    }
    if (result.unmappable.isEmpty())
        result.bytes =
            core::toCp932(mapped.replace(QLatin1Char('\n'), QStringLiteral("\r\n"))).value();
    return result;
}

namespace {

const char* const unchanged = "ファイルは変更していません。";

ConversionResult refused(const QString& why) {
    return {Conversion::Refused, {why + QString::fromUtf8(unchanged)}};
}

// UTF-16 as its byte-order mark says, or, without one, as its NULs fall: ASCII has its NUL
// second in little-endian order.
QString fromUtf16(const QByteArray& bytes) {
    QStringConverter::Encoding order = QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        order = QStringConverter::Utf16BE;
    else if (!bytes.startsWith("\xFF\xFE")) {
        qsizetype even = 0, odd = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\0')
                ++(i % 2 ? odd : even);
        order = odd >= even ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
    }
    QStringDecoder decode(order, QStringDecoder::Flag::Stateless);
    QString text = decode(bytes);
    return decode.hasError() ? QString() : text;
}

// The text of a file in one of the encodings convert takes, with the name of that encoding;
// or why the file cannot be converted.
struct Decoded {
    QString text, from;
    std::optional<ConversionResult> refusal;
};

Decoded decodeForConversion(const QByteArray& bytes, const QString& path) {
    switch (core::detectEncoding(bytes)) {
    case core::TextEncoding::Cp932: {
        // The same verdict as the check: a file the program cannot read is not left as it
        // were fine.
        const QString refusal = readerRefusal(bytes, path);
        if (!refusal.isEmpty())
            return {{},
                    {},
                    refused(QStringLiteral("シフトJIS（コードページ 932）として読めない所が"
                                           "あります: %1")
                                .arg(refusal))};
        return {{},
                {},
                ConversionResult{Conversion::AlreadyCp932,
                                 {QStringLiteral("すでにシフトJIS（コードページ 932）"
                                                 "です。そのままにしました。")}}};
    }
    case core::TextEncoding::NotText:
        return {{},
                {},
                refused(QStringLiteral("テキストファイルではありません（文字のない NUL "
                                       "バイトが入っています）。変換しません。"))};
    case core::TextEncoding::Jis:
        return {{},
                {},
                refused(QStringLiteral("JIS（ISO-2022-JP）で保存されています。変換できるのは "
                                       "UTF-8、UTF-16、EUC-JP です。テキストエディタで "
                                       "シフトJIS を選んで保存し直して下さい。"))};
    case core::TextEncoding::Windows1252: {
        // Latin letters with accents have no code page 932 form, and the typographic marks
        // that have one would change their look: a person chooses what each becomes.
        QStringList messages{QStringLiteral("Windows-1252（欧文）で保存されています。次の文字は"
                                            "シフトJIS にありません。")};
        int line = 1, column = 0;
        for (QChar c : withLfOnly(fromWindows1252(bytes))) {
            if (c == QLatin1Char('\n')) {
                ++line;
                column = 0;
                continue;
            }
            ++column;
            if (c.unicode() >= 0x80)
                messages
                    << QStringLiteral("%1 行目 %2 文字目の「%3」（U+%4）")
                           .arg(line)
                           .arg(column)
                           .arg(c)
                           .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
        }
        messages << QString::fromUtf8(unchanged) +
                        QStringLiteral("これらの文字をシフトJIS にある文字（カタカナの名前など）に"
                                       "書き換え、シフトJIS で保存し直して下さい。");
        return {{}, {}, ConversionResult{Conversion::Refused, messages}};
    }
    case core::TextEncoding::EucJp: {
        const EucJpText euc = fromEucJp(bytes);
        if (!euc.unmappable.isEmpty()) {
            QStringList messages;
            for (const QString& where : euc.unmappable)
                messages << where + QStringLiteral("はシフトJIS（コードページ 932）にない文字です"
                                                   "（EUC-JP の補助漢字など）。");
            messages << QString::fromUtf8(unchanged) +
                            QStringLiteral("これらの文字を別の文字に置き換えてから、もう一度"
                                           "変換して下さい。");
            return {{}, {}, ConversionResult{Conversion::Refused, messages}};
        }
        return {euc.text, QStringLiteral("EUC-JP"), {}};
    }
    case core::TextEncoding::Utf16: {
        const QString text = fromUtf16(bytes);
        if (text.isEmpty())
            return {{}, {}, refused(QStringLiteral("UTF-16 として正しくない所があります。"))};
        return {text, QStringLiteral("UTF-16"), {}};
    }
    case core::TextEncoding::Utf8:
        break;
    }
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError())
        return {{}, {}, refused(QStringLiteral("UTF-8 として正しくない所があります。"))};
    return {text, QStringLiteral("UTF-8"), {}};
}

} // namespace

ConversionResult convertToCp932(const QString& path) {
    const QFileInfo info(path);
    const QString why = ContentFolder(info.absolutePath()).unreadable(info.fileName());
    if (!why.isEmpty())
        return refused(why + QStringLiteral("。"));
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {Conversion::Refused, {QStringLiteral("ファイルがありません。")}};
    const QByteArray bytes = in.read(core::TextReader::maxFileBytes + 1);
    in.close();
    if (bytes.size() > core::TextReader::maxFileBytes)
        return refused(QStringLiteral("教材のテキストファイルとしては大きすぎます（%1 バイトを"
                                      "超えています）。")
                           .arg(core::TextReader::maxFileBytes));
    const QString kind = binaryKind(bytes);
    if (!kind.isEmpty())
        return refused(
            QStringLiteral("%1のファイルです。テキストファイルではないので、変換しません。")
                .arg(kind));
    Decoded decoded = decodeForConversion(bytes, path);
    if (decoded.refusal)
        return *decoded.refusal;
    if (decoded.text.startsWith(QChar(0xFEFF)))
        decoded.text.remove(0, 1);
    const Encoded encoded = encodeCp932(decoded.text);
    if (!encoded.unmappable.isEmpty()) {
        QStringList messages;
        for (const QString& where : encoded.unmappable)
            messages << where + QStringLiteral("はシフトJIS（コードページ 932）にない文字です。");
        messages << QStringLiteral("ファイルは変更していません。これらの文字を別の文字に"
                                   "置き換えてから、もう一度変換して下さい。");
        return {Conversion::Refused, messages};
    }
    const QString refusal = readerRefusal(encoded.bytes, path);
    if (!refusal.isEmpty())
        return {Conversion::Refused,
                {QStringLiteral("変換してもプログラムが読めません: %1").arg(refusal),
                 QString::fromUtf8(unchanged)}};
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(encoded.bytes) != encoded.bytes.size() ||
        !out.commit())
        return refused(QStringLiteral("書き込めません（%1）。").arg(out.errorString()));
    QString done =
        QStringLiteral("%1 からシフトJIS（コードページ 932、改行 CR LF）に変換しました。")
            .arg(decoded.from);
    if (encoded.twins > 0)
        done += QStringLiteral("〜 などの %1 文字は、コードページ 932 の同じ字形の文字（～ など）"
                               "にしました。")
                    .arg(encoded.twins);
    return {Conversion::Converted, {done}};
}

QString convertHelp() {
    return QStringLiteral(
        "kavelo-check --convert ファイル...\n"
        "  UTF-8（BOM の有無、改行の種類を問いません）、UTF-16、EUC-JP で保存されたテキスト\n"
        "  ファイルを、シフトJIS（コードページ 932）、改行 CR LF に書き換えます。シフトJIS に\n"
        "  ない文字があれば、その行と何文字目かを示し、ファイルは変えません。\n"
        "  〜 ‖ − ¢ £ ¬ — は、シフトJIS の同じ字（～ ∥ － ￠ ￡ ￢ ―）にします。\n"
        "  すでにシフトJIS のファイルはそのままにします（プログラムが読めない所があれば、\n"
        "  そう言います）。Windows-1252（欧文）のファイルは変換せず、シフトJIS にない文字を\n"
        "  示します。絵や音などテキストでないファイルは変換しません。\n"
        "  書き換えは一時ファイルを経てから行うので、途中で止まっても半端なファイルは\n"
        "  残りません。\n");
}

} // namespace checker
