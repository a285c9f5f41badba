#include "checker/file_verdict.h"

#include "core/runtime_error.h"
#include "core/text_encoding.h"

#include <QFileInfo>

using platform::RuntimeError;

namespace checker {

namespace {

// Says in a teacher's words why the reader refused a file as a whole.
void reportOpenFailure(const ContentFolder& folder, const QString& file, const RuntimeError& e,
                       app::TextEncoding encoding, Findings& findings) {
    if (e.number() == RuntimeError::fileNotFoundNumber) {
        const QFileInfo info(folder.path(file));
        if (info.exists() || info.isSymLink())
            findings.error(file, {},
                           QStringLiteral("普通のファイルではありません（フォルダー、デバイス、"
                                          "名前付きパイプ、行き先のないリンクなど）。"),
                           QStringLiteral("この名前でテキストファイルを置いて下さい。"));
        else
            findings.error(
                file, {}, QStringLiteral("ファイルがありません。"),
                QStringLiteral("この名前で作って下さい（フォルダーと名前を確かめて下さい）。"));
        return;
    }
    if (e.number() == RuntimeError::invalidContentNumber) {
        findings.error(file, {}, e.detail(),
                       QStringLiteral("教材のファイルを選んだか確かめて下さい。"));
        return;
    }
    if (e.number() != RuntimeError::typeMismatchNumber) {
        findings.error(file, {}, e.report() + QStringLiteral("。"), {});
        return;
    }
    const QString resave = QStringLiteral("テキストエディタで文字コードにシフトJIS（CP932、Windows-"
                                          "31J）を選んで保存し直して下さい。");
    switch (encoding) {
    case app::TextEncoding::Utf8:
        findings.error(file, {},
                       QStringLiteral("UTF-8 で保存されています。プログラムが読めるのはシフトJIS"
                                      "（コードページ 932）だけです。"),
                       QStringLiteral("次のように変換して下さい: kavelo-check --convert %1")
                           .arg(folder.commandPath(file)));
        return;
    case app::TextEncoding::Utf16:
        findings.error(file, {}, QStringLiteral("UTF-16（Unicode）で保存されています。"), resave);
        return;
    case app::TextEncoding::Jis:
        findings.error(file, {}, QStringLiteral("JIS（ISO-2022-JP）で保存されています。"), resave);
        return;
    case app::TextEncoding::Cp932:
        findings.error(
            file, {},
            QStringLiteral("シフトJIS（コードページ 932）として読めない所があります（%1）。")
                .arg(e.description()),
            resave);
        return;
    }
}

} // namespace

bool openContentFile(app::TextReader& reader, const ContentFolder& folder, const QString& file,
                     Findings& findings) {
    try {
        reader.Open(folder.path(file));
        return true;
    } catch (const RuntimeError& e) {
        reportOpenFailure(folder, file, e, reader.encoding(), findings);
        return false;
    }
}

} // namespace checker
