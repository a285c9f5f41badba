#include "screens/drill/drill.h"

#include "core/text_reader.h"
#include "core/runtime_error.h"
#include "core/answer_rules.h"

namespace {

const char* const answerFile = "\\説明\\正解.txt";
const char* const questionFile = "\\説明\\問題.txt";

} // namespace

void ドリル::Form_Load() {
    litPaletteItem = 1;
    hoverPaletteItem = 1;
    questionCount = questionsInDrill;
    askedCount = 0;
    matchFound = 0;
    drillFinished = 0;
    score = 0;
    streak = 0;
    targetScore = passingScore;
    selectedPosition = 0;
    dragGroup = 0;
    dragGroupText = QString();
    ReadAnswers();
    ReadQuestions();
    PickQuestion();
}

void ドリル::ReadAnswers() {
    app::TextReader reader;
    reader.Open(AppDir() + QString::fromUtf8(answerFile));
    for (int q = 1; q <= questionCount; ++q)
        for (int p = 1; p <= 6; ++p)
            answerTable.at(q).at(p) = reader.ReadIntegerField();
    reader.Close();
    for (int q = 1; q <= questionCount; ++q) {
        const auto faults = drill_rules::answerFaults(q, answerTable.at(q));
        if (!faults.empty())
            throw platform::RuntimeError::invalidContent(reader.path(), faults.front().description);
    }
}

void ドリル::ReadQuestions() {
    app::TextReader reader;
    reader.Open(AppDir() + QString::fromUtf8(questionFile));
    for (int q = 1; q <= questionCount; ++q)
        questionTexts.at(q) = reader.ReadTextField();
    reader.Close();
}

// Positions 5 and 6 sit left of the ring, so they take the picture written right to left.
QString ドリル::groupPicturePath(const QString& groupText, int position) const {
    const char* variant = (position == 5 || position == 6) ? ",2).gif" : ",1).gif";
    return AppDir() + QStringLiteral("\\官能基\\ki(") + groupText + QString::fromUtf8(variant);
}

QString ドリル::highlightPicturePath(const QString& groupText) const {
    return AppDir() + QStringLiteral("\\官能基\\ki2(") + groupText + QStringLiteral(").gif");
}

void ドリル::PlaySound(const char* relativePath) {
    MediaPlayer1.setFileName(AppDir() + QString::fromUtf8(relativePath));
}
