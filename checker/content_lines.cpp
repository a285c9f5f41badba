#include "checker/content_lines.h"

#include "core/runtime_error.h"

#include <QRegularExpression>

using platform::RuntimeError;

namespace checker {

namespace {

bool isFieldBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// The reader's sentence names the line itself; the checker names it in front already.
QString withoutLinePrefix(QString detail) {
    static const QRegularExpression prefix(QStringLiteral("^\\d+ 行目に"));
    return detail.remove(prefix);
}

} // namespace

std::vector<ContentLine> readLines(app::TextReader& reader) {
    std::vector<ContentLine> lines;
    for (;;) {
        try {
            QString text = reader.ReadLine();
            lines.push_back({reader.lineNumber(), std::move(text), {}});
        } catch (const RuntimeError& e) {
            if (e.number() == RuntimeError::inputPastEndNumber)
                return lines;
            if (e.number() != RuntimeError::typeMismatchNumber &&
                e.number() != RuntimeError::invalidContentNumber)
                throw;
            // The line has been passed: the next read goes on after it.
            lines.push_back({reader.lineNumber(), {}, withoutLinePrefix(e.detail())});
        }
    }
}

bool isBlank(const QString& line) { return std::all_of(line.begin(), line.end(), isFieldBlank); }

int lastFilledLine(const std::vector<ContentLine>& lines) {
    for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i)
        if (!lines[static_cast<std::size_t>(i)].unreadable.isEmpty() ||
            !isBlank(lines[static_cast<std::size_t>(i)].text))
            return i;
    return -1;
}

std::vector<LineField> splitFields(const QString& line) {
    std::vector<LineField> fields;
    qsizetype at = 0;
    for (;;) {
        while (at < line.size() && isFieldBlank(line[at]))
            ++at;
        LineField field;
        field.column = static_cast<int>(at) + 1;
        if (at < line.size() && line[at] == QLatin1Char('"')) {
            field.quoted = true;
            const qsizetype close = line.indexOf(QLatin1Char('"'), at + 1);
            field.closed = close >= 0;
            const qsizetype end = field.closed ? close : line.size();
            field.text = line.mid(at + 1, end - at - 1);
            at = field.closed ? end + 1 : line.size();
            const qsizetype comma = line.indexOf(QLatin1Char(','), at);
            const qsizetype stop = comma >= 0 ? comma : line.size();
            field.droppedAfterQuote = line.mid(at, stop - at);
            at = stop;
        } else {
            const qsizetype comma = line.indexOf(QLatin1Char(','), at);
            const qsizetype stop = comma >= 0 ? comma : line.size();
            qsizetype end = stop;
            while (end > at && isFieldBlank(line[end - 1]))
                --end;
            field.text = line.mid(at, end - at);
            at = stop;
        }
        fields.push_back(std::move(field));
        if (at >= line.size())
            return fields;
        ++at; // the comma
    }
}

} // namespace checker
