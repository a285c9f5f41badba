// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/runtime_error.h"

namespace core {

namespace {

QString wordsOf(int number) {
    switch (number) {
    case RuntimeError::invalidContentNumber:
        return QStringLiteral("内容が不正です。");
    case RuntimeError::overflowNumber:
        return QStringLiteral("オーバーフローしました。");
    case RuntimeError::subscriptNumber:
        return QStringLiteral("インデックスが有効範囲にありません。");
    case RuntimeError::typeMismatchNumber:
        return QStringLiteral("型が一致しません。");
    case RuntimeError::fileNotFoundNumber:
        return QStringLiteral("ファイルが見つかりません。");
    case RuntimeError::inputPastEndNumber:
        return QStringLiteral("ファイルにこれ以上データがありません。");
    case RuntimeError::invalidPictureNumber:
        return QStringLiteral("ピクチャが不正です。");
    }
    return {};
}

} // namespace

RuntimeError::RuntimeError(int number, QString file, QString what, ErrorPlace place)
    : std::runtime_error((wordsOf(number) + what).toStdString()), number_(number),
      file_(std::move(file)), what_(std::move(what)), place_(std::move(place)) {}

QString RuntimeError::description() const { return wordsOf(number_) + what_; }

QString RuntimeError::report() const {
    QString line = QStringLiteral("実行時エラー '%1': %2").arg(number_).arg(description());
    if (!file_.isEmpty())
        line += QStringLiteral(" (%1)").arg(file_);
    return line;
}

RuntimeError RuntimeError::fileNotFound(const QString& file) { return {fileNotFoundNumber, file}; }

RuntimeError RuntimeError::inputPastEnd(const QString& file) { return {inputPastEndNumber, file}; }

RuntimeError RuntimeError::overflow(const QString& file, const QString& detail, ErrorPlace place) {
    return {overflowNumber, file, detail, std::move(place)};
}

RuntimeError RuntimeError::typeMismatch(const QString& file, const QString& detail,
                                        ErrorPlace place) {
    return {typeMismatchNumber, file, detail, std::move(place)};
}

RuntimeError RuntimeError::invalidPicture(const QString& file, const QString& detail) {
    return {invalidPictureNumber, file, detail};
}

RuntimeError RuntimeError::subscriptOutOfRange(const QString& detail) {
    return {subscriptNumber, {}, detail};
}

RuntimeError RuntimeError::invalidContent(const QString& file, const QString& detail,
                                          ErrorPlace place) {
    return {invalidContentNumber, file, detail, std::move(place)};
}

} // namespace core
