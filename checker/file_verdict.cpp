// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/file_verdict.h"

#include "checker/file_kind.h"
#include "checker/windows1252.h"
#include "core/runtime_error.h"
#include "core/text_encoding.h"

#include <QFileInfo>

using core::RuntimeError;

namespace checker {

namespace {

const char* const onlyCp932 = "プログラムが読めるのはシフトJIS（コードページ 932）だけです。";

QByteArray bytesOf(const ContentFolder& folder, const QString& file) {
    return folder.bytes(file, core::TextReader::maxFileBytes);
}

// A file the reader could not open is either not there or there in a form it cannot read;
// the two have different mends.
void reportNotOpened(const ContentFolder& folder, const QString& file, Findings& findings) {
    const QString why = folder.unreadable(file);
    if (!why.isEmpty()) {
        findings.error(file, {}, why + QStringLiteral("。プログラムはここで止まります。"),
                       QFileInfo(folder.path(file)).isFile()
                           ? QStringLiteral("ファイルに読む許可を付けて下さい。")
                           : QStringLiteral("この名前でテキストファイルを置いて下さい。"));
        return;
    }
    const ContentFolder::Remark missing = folder.absence(
        file, QStringLiteral("ファイルがありません。"),
        QStringLiteral("この名前で作って下さい（フォルダーと名前を確かめて下さい）。"));
    findings.error(file, {}, missing.problem, missing.remedy);
}

// Says in a teacher's words what the file was saved as and how to mend it, once for the file.
void reportEncoding(const ContentFolder& folder, const QString& file, const RuntimeError& e,
                    core::TextEncoding encoding, Findings& findings) {
    const QString resave = QStringLiteral("テキストエディタで文字コードにシフトJIS（CP932、Windows-"
                                          "31J）を選んで保存し直して下さい。");
    const QString convert = QStringLiteral("次のように変換して下さい: kavelo-check --convert %1")
                                .arg(folder.commandPath(file));
    const QString readable = QString::fromUtf8(onlyCp932);
    switch (encoding) {
    case core::TextEncoding::Utf8:
        findings.error(file, {}, QStringLiteral("UTF-8 で保存されています。") + readable, convert);
        return;
    case core::TextEncoding::Utf16:
        findings.error(file, {}, QStringLiteral("UTF-16（Unicode）で保存されています。") + readable,
                       convert);
        return;
    case core::TextEncoding::Jis:
        findings.error(file, {},
                       QStringLiteral("JIS（ISO-2022-JP）で保存されています。") + readable, resave);
        return;
    case core::TextEncoding::EucJp:
        findings.error(file, {}, QStringLiteral("EUC-JP で保存されています。") + readable, convert);
        return;
    case core::TextEncoding::Windows1252:
        findings.error(
            file, {},
            QStringLiteral("Windows-1252（欧文）で保存されています。") + readable +
                QStringLiteral("%1が化けて、別の漢字などに見えます。")
                    .arg(charactersBeyondAscii(fromWindows1252(bytesOf(folder, file)))),
            QStringLiteral("これらの文字をシフトJIS にある文字（カタカナの名前など）に書き換え、") +
                resave);
        return;
    case core::TextEncoding::NotText: {
        const QString kind = binaryKind(bytesOf(folder, file));
        findings.error(
            file, {},
            kind.isEmpty()
                ? QStringLiteral("テキストファイルではありません（文字のない NUL "
                                 "バイトが入っています）。")
                : QStringLiteral("%1のファイルです。テキストファイルではありません。").arg(kind),
            QStringLiteral("教材のテキストファイルをこの名前で置いて下さい。"));
        return;
    }
    case core::TextEncoding::Cp932:
        findings.error(file, {},
                       QStringLiteral("シフトJIS（コードページ 932）として読めない所があります: %1")
                           .arg(e.detail()),
                       resave);
        return;
    }
}

// Says in a teacher's words why the reader refused a file as a whole.
void reportOpenFailure(const ContentFolder& folder, const QString& file, const RuntimeError& e,
                       core::TextEncoding encoding, Findings& findings) {
    switch (e.number()) {
    case RuntimeError::fileNotFoundNumber:
        reportNotOpened(folder, file, findings);
        return;
    case RuntimeError::invalidContentNumber:
        findings.error(file, {}, e.detail(),
                       QStringLiteral("教材のファイルを選んだか確かめて下さい。"));
        return;
    case RuntimeError::typeMismatchNumber:
        reportEncoding(folder, file, e, encoding, findings);
        return;
    default:
        findings.error(file, {}, QStringLiteral("読めません: %1").arg(e.detail()), {});
        return;
    }
}

} // namespace

bool openContentFile(core::TextReader& reader, const ContentFolder& folder, const QString& file,
                     Findings& findings) {
    try {
        folder.open(reader, file);
        return true;
    } catch (const RuntimeError& e) {
        reportOpenFailure(folder, file, e, reader.encoding(), findings);
        return false;
    }
}

} // namespace checker
