#include "core/runtime_error.h"

namespace platform {

RuntimeError::RuntimeError(int number, QString description, QString file)
    : std::runtime_error(description.toStdString()), number_(number),
      description_(std::move(description)), file_(std::move(file)) {}

QString RuntimeError::report() const {
    QString line = QStringLiteral("実行時エラー '%1': %2").arg(number_).arg(description_);
    if (!file_.isEmpty())
        line += QStringLiteral(" (%1)").arg(file_);
    return line;
}

RuntimeError RuntimeError::fileNotFound(const QString& file) {
    return {53, QStringLiteral("ファイルが見つかりません。"), file};
}

RuntimeError RuntimeError::inputPastEnd(const QString& file) {
    return {62, QStringLiteral("ファイルにこれ以上データがありません。"), file};
}

RuntimeError RuntimeError::overflow(const QString& file, const QString& detail) {
    return {6, QStringLiteral("オーバーフローしました。%1").arg(detail), file};
}

RuntimeError RuntimeError::typeMismatch(const QString& file, const QString& detail) {
    return {13, QStringLiteral("型が一致しません。%1").arg(detail), file};
}

RuntimeError RuntimeError::invalidPicture(const QString& file, const QString& detail) {
    return {481, QStringLiteral("ピクチャが不正です。%1").arg(detail), file};
}

RuntimeError RuntimeError::subscriptOutOfRange(const QString& detail) {
    return {9, QStringLiteral("インデックスが有効範囲にありません。%1").arg(detail)};
}

RuntimeError RuntimeError::invalidContent(const QString& file, const QString& detail) {
    return {5, QStringLiteral("内容が不正です。%1").arg(detail), file};
}

} // namespace platform
