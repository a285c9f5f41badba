#include "app/text_reader.h"

#include "platform/paths.h"
#include "platform/runtime_error.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <limits>

using platform::RuntimeError;

namespace app {

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// A file saved as UTF-8 often decodes as code page 932 without a single error ("ベンゼン"
// becomes "繝吶Φ繧ｼ繝ｳ"), and the learner would see that on screen. Japanese text in code
// page 932 is practically never valid UTF-8 (its kana rows lead with 0x82 and 0x83, which
// UTF-8 only allows as continuation bytes), so a file that is valid UTF-8 with any byte
// above 0x7F, or that starts with the UTF-8 mark, was saved in the wrong encoding.
bool looksLikeUtf8(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    const bool onlyAscii = std::all_of(bytes.begin(), bytes.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (onlyAscii)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return !utf8.hasError();
}

} // namespace

void TextReader::Open(const QString& contentPath) {
    path_ = platform::nativePath(contentPath);
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError::fileNotFound(path_);
    const QByteArray bytes = file.readAll();
    if (looksLikeUtf8(bytes))
        throw RuntimeError::typeMismatch(
            path_,
            QStringLiteral(
                "UTF-8 で保存されています。シフトJIS（コードページ 932）で保存し直して下さい。"));
    QStringDecoder decode("windows-31j");
    if (!decode.isValid())
        throw RuntimeError::typeMismatch(path_, QStringLiteral("コードページ 932 を読めません。"));
    text_ = decode(bytes);
    if (decode.hasError())
        throw RuntimeError::typeMismatch(
            path_, QStringLiteral("シフトJIS（コードページ 932）で保存されていません。"));
    position_ = 0;
    fieldsRead_ = 0;
    open_ = true;
}

void TextReader::Close() {
    text_.clear();
    position_ = 0;
    open_ = false;
}

void TextReader::requireMore() const {
    if (!open_ || position_ >= text_.size())
        throw RuntimeError::inputPastEnd(path_);
}

bool TextReader::atLineEnd() const {
    return position_ < text_.size() && isLineEnd(text_[position_]);
}

// CR LF, a lone CR and a lone LF each end one line.
void TextReader::skipLineEnd() {
    if (position_ < text_.size() && text_[position_] == QLatin1Char('\r'))
        ++position_;
    if (position_ < text_.size() && text_[position_] == QLatin1Char('\n'))
        ++position_;
}

void TextReader::skipBlanks() {
    while (position_ < text_.size() && isBlank(text_[position_]))
        ++position_;
}

QString TextReader::ReadLine() {
    requireMore();
    const qsizetype start = position_;
    while (position_ < text_.size() && !isLineEnd(text_[position_]))
        ++position_;
    QString line = text_.mid(start, position_ - start);
    skipLineEnd();
    return line;
}

QString TextReader::nextField() {
    requireMore();
    skipBlanks();
    ++fieldsRead_;
    QString field;
    if (position_ < text_.size() && text_[position_] == QLatin1Char('"')) {
        const qsizetype start = ++position_;
        while (position_ < text_.size() && text_[position_] != QLatin1Char('"'))
            ++position_;
        field = text_.mid(start, position_ - start);
        // Whatever stands between the closing quote and the separator is dropped.
        while (position_ < text_.size() && text_[position_] != QLatin1Char(',') && !atLineEnd())
            ++position_;
    } else {
        const qsizetype start = position_;
        while (position_ < text_.size() && text_[position_] != QLatin1Char(',') && !atLineEnd())
            ++position_;
        field = text_.mid(start, position_ - start);
        while (!field.isEmpty() && isBlank(field.back()))
            field.chop(1);
    }
    if (position_ < text_.size() && text_[position_] == QLatin1Char(','))
        ++position_;
    else
        skipLineEnd();
    return field;
}

QString TextReader::ReadTextField() { return nextField(); }

std::int16_t TextReader::ReadIntegerField() {
    const QString field = nextField();
    if (field.isEmpty())
        return 0;
    qsizetype digitsFrom = (field[0] == QLatin1Char('+') || field[0] == QLatin1Char('-')) ? 1 : 0;
    bool digitsOnly = digitsFrom < field.size();
    for (qsizetype i = digitsFrom; i < field.size(); ++i)
        digitsOnly = digitsOnly && field[i] >= QLatin1Char('0') && field[i] <= QLatin1Char('9');
    const QString where = QStringLiteral("（%1 番目のデータ「%2」）").arg(fieldsRead_).arg(field);
    if (!digitsOnly)
        throw RuntimeError::typeMismatch(path_, where);
    bool fits = false;
    const qlonglong value = field.toLongLong(&fits);
    if (!fits || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError::overflow(path_, where);
    return static_cast<std::int16_t>(value);
}

} // namespace app
