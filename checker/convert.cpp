#include "checker/convert.h"

#include "core/cp932.h"
#include "core/runtime_error.h"
#include "core/text_encoding.h"
#include "core/text_reader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

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
    app::TextReader reader;
    try {
        reader.OpenBytes(bytes, path);
        for (;;)
            reader.ReadLine();
    } catch (const platform::RuntimeError& e) {
        return e.number() == platform::RuntimeError::inputPastEndNumber ? QString() : e.detail();
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
        if (!app::toCp932(character)) {
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
            app::toCp932(mapped.replace(QLatin1Char('\n'), QStringLiteral("\r\n"))).value();
    return result;
}

ConversionResult convertToCp932(const QString& path) {
    QFile in(path);
    if (!in.exists())
        return {Conversion::Refused, {QStringLiteral("ファイルがありません。")}};
    if (!QFileInfo(path).isFile())
        return {Conversion::Refused,
                {QStringLiteral("普通のファイルではありません（フォルダー、"
                                "デバイス、名前付きパイプなど）。")}};
    if (!in.open(QIODevice::ReadOnly))
        return {Conversion::Refused,
                {QStringLiteral("ファイルを開けません（%1）。").arg(in.errorString())}};
    const QByteArray bytes = in.read(app::TextReader::maxFileBytes + 1);
    in.close();
    if (bytes.size() > app::TextReader::maxFileBytes)
        return {Conversion::Refused,
                {QStringLiteral("教材のテキストファイルとしては大きすぎます（%1 バイトを超えて"
                                "います）。変更していません。")
                     .arg(app::TextReader::maxFileBytes)}};
    switch (app::detectEncoding(bytes)) {
    case app::TextEncoding::Cp932:
        return {Conversion::AlreadyCp932,
                {QStringLiteral("すでにシフトJIS（コードページ 932）です。そのままにしました。")}};
    case app::TextEncoding::Utf16:
        return {Conversion::Refused,
                {QStringLiteral("UTF-16 で保存されています。変換できるのは UTF-8 だけです。"
                                "テキストエディタで UTF-8 かシフトJIS で保存し直して下さい。")}};
    case app::TextEncoding::Jis:
        return {Conversion::Refused,
                {QStringLiteral(
                    "JIS（ISO-2022-JP）で保存されています。変換できるのは UTF-8 "
                    "だけです。テキストエディタで UTF-8 かシフトJIS で保存し直して下さい。")}};
    case app::TextEncoding::Utf8:
        break;
    }
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(bytes);
    if (decode.hasError())
        return {Conversion::Refused,
                {QStringLiteral("UTF-8 として正しくない所があります。変更していません。")}};
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const Encoded encoded = encodeCp932(text);
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
                 QStringLiteral("ファイルは変更していません。")}};
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(encoded.bytes) != encoded.bytes.size() ||
        !out.commit())
        return {Conversion::Refused,
                {QStringLiteral("書き込めません（%1）。ファイルは変更していません。")
                     .arg(out.errorString())}};
    QString done =
        QStringLiteral("UTF-8 からシフトJIS（コードページ 932、改行 CR LF）に変換しました。");
    if (encoded.twins > 0)
        done += QStringLiteral("〜 などの %1 文字は、コードページ 932 の同じ字形の文字（～ など）"
                               "にしました。")
                    .arg(encoded.twins);
    return {Conversion::Converted, {done}};
}

} // namespace checker
