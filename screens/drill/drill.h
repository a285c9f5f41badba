// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/screen.h"
#include "app/shared_state.h"
#include "core/content_layout.h"
#include "core/score_rules.h"
#include "platform/keyboard_stop.h"
#include "screens/drill/drill_controls.h"

#include <array>
#include <cstdint>

namespace screens {

// The drill: the learner builds the asked compound by dragging functional groups onto
// the ring and has it judged. One class over several files, one file per concern:
// the layout (drill_definition), the wiring, the content and load, the question cycle,
// the ring builder, the commands and the timed displays.
class DrillScreen : public app::Screen {
public:
    explicit DrillScreen(app::Program& program);
    static const platform::FormDefinition& definition();

    void wire() override;
    void Form_Load() override;

    // Numbers that the drill fixes; how it scores is core::drillScoring.
    static constexpr std::int16_t questionsInDrill = core::content::questionCount;
    static constexpr int tickMilliseconds = 100;
    static constexpr int questionSlots = app::SharedState::questionSlots;

    // Where the drill stands, for those who watch it from outside (tests, benchmarks):
    // a copy, so that how the screen keeps its state stays its own business.
    struct State {
        int score, streak, currentQuestion, askedCount;
        bool finished;
        int selectedPosition, litPaletteItem;
        bool matchFound;
        std::array<int, core::content::ringPositions + 1> ring; // positions 1..6; 0 unused
    };
    State state() const;
    // Question q's stored answer, positions 1..6, and its text.
    std::array<int, core::content::ringPositions + 1> storedAnswer(int question) const;
    QString question(int question) const;

private:
    using Image = platform::Image;
    using Label = platform::Label;
    using Button = platform::PictureButton;
    using Timer = platform::Timer;
    template <typename T> using Array = platform::ControlArray<T>;

    // Window events.
    void Form_Click();
    void Form_DragDrop();
    void Form_MouseMove();

    // Ring builder.
    // The drill reads neither the button, the keys held nor the place within a control:
    // which control, and for a drag whether it enters or leaves, is all it needs.
    void paletteItems_MouseMove(int Index);
    void paletteItems_MouseDown(int Index);
    void ringPositions_DragOver(int Index, int State);
    void ringPositions_DragDrop(int Index);
    void HoverPaletteItem();
    void CancelDrag();

    // Commands.
    void deleteAllButton_Click();
    void deleteGroupButton_Click();
    void quitButton_Click();
    void backButton_Click();
    void judgeButton_Click();
    void tryAgainButton_Click();
    void yellowRing_Click();
    void ringPositions_Click(int Index);
    void DropSelection();

    // Question cycle and judgement.
    void PickQuestion();
    void RememberQuestion();
    void ShowQuestion();
    void MatchAnswer();
    void AnswerCorrect();
    void AnswerWrong();
    void StartCorrectDisplay();

    // Timed displays.
    void hintTimer_Timer();
    void wrongTimer_Timer();
    void blinkTimer_Timer();
    void correctTimer_Timer();
    void bonusTimer_Timer();
    void finishTimer_Timer();
    void NextQuestion();
    void StartFinish();
    bool verdictRunning() const;
    void ShowMessage(const QString& text);
    void HideMessage();
    void ShowScore();

    // Picking a group up from the palette, by the pointer or by the keyboard.
    void TakeGroup(int group);

    // Content.
    void ReadAnswers();
    void ReadQuestions();
    QString groupPicturePath(int group, int position) const;
    QString highlightPicturePath(int group) const;
    void PlaySound(core::content::Sound sound);

    // The clock as the timed displays read it.
    std::int32_t stampNow();
    double elapsedSince(std::int32_t stamp);

    Label& messageText = form().get(drill::messageText);
    Label& messageBox = form().get(drill::messageBox);
    Label& instructionBar = form().get(drill::instructionBar);
    Label& instructionText = form().get(drill::instructionText);
    Label& questionNumber = form().get(drill::questionNumber);
    Label& questionText = form().get(drill::questionText);
    Label& scoreLabel = form().get(drill::scoreLabel);
    Image& yellowRing = form().get(drill::yellowRing);
    Image& redRing = form().get(drill::redRing);
    Image& bonusBanner = form().get(drill::bonusBanner);
    Image& medal = form().get(drill::medal);
    Array<Image>& paletteItems = form().get(drill::paletteItems);
    Array<Image>& bonds = form().get(drill::bonds);
    Array<Image>& ringPositions = form().get(drill::ringPositions);
    Array<Image>& streakDigits = form().get(drill::streakDigits);
    Button& judgeButton = form().get(drill::judgeButton);
    Button& tryAgainButton = form().get(drill::tryAgainButton);
    Timer& hintTimer = form().get(drill::hintTimer);
    Timer& wrongTimer = form().get(drill::wrongTimer);
    Timer& blinkTimer = form().get(drill::blinkTimer);
    Timer& correctTimer = form().get(drill::correctTimer);
    Timer& bonusTimer = form().get(drill::bonusTimer);
    Timer& finishTimer = form().get(drill::finishTimer);
    platform::MediaPlayer& soundPlayer = form().get(drill::soundPlayer);

    // The drill's state; every visit and every start-over sets it afresh at load.
    std::int16_t questionCount = 0;
    std::array<QString, questionSlots> questionTexts{};
    std::array<std::array<std::int16_t, core::content::ringPositions + 1>, questionSlots>
        answerTable{};
    std::int16_t currentQuestion = 0;
    std::int16_t askedCount = 0;
    std::array<std::array<std::int16_t, 3>, core::content::ringPositions + 1> currentAnswer{};
    std::array<std::int16_t, core::content::ringPositions + 1> ringGroups{};
    std::int16_t matchFound = 0;
    std::int16_t matchForm = 0;
    std::int16_t score = 0;
    std::int16_t streak = 0;
    std::int16_t targetScore = 0;
    std::int16_t drillFinished = 0;
    std::int16_t selectedPosition = 0;
    std::int16_t dragGroup = 0;
    QString dragGroupText;
    std::int16_t litPaletteItem = 0;
    std::int16_t hoverPaletteItem = 0;
    std::int32_t hintShownAt = 0, wrongShownAt = 0, blinkStartedAt = 0, correctShownAt = 0,
                 bonusShownAt = 0, finishArmedAt = 0;
    std::int16_t blinkPhase = 0;

    // The keyboard path: after the six buttons, the palette and the ring take the focus;
    // and what the screen reader calls each control.
    void wireKeyboardPath();
    void nameForScreenReaders();
    QString RingPositionName(int position) const;
    static QString MessageWords(const QString& message);
    QString ScoreWords() const;
    void SayScore();
    bool PaletteKey(int key);
    bool RingKey(int key);
    void PaletteFocusIn();
    void PaletteFocusOut();
    void RingFocusIn();
    void RingFocusOut();
    void LightKeyPaletteItem();
    void MoveKeyRingPosition(int position);
    void ShowKeyRingPosition();
    void PickUpKeyGroup();
    void PlaceKeyGroup();
    void PutBackKeyGroup();
    QString PutBackWords() const;
    void LeaveKeyPreview();
    void ShowKeyboardFocusAgain();

    platform::KeyboardStop* paletteStop = nullptr;
    platform::KeyboardStop* ringStop = nullptr;
    std::int16_t keyPaletteItem = 1;
    std::int16_t keyRingPosition = 1;
    std::int16_t keyPreviewPosition = 0; // the position showing the carried group, or 0
    bool keyCarrying = false;            // a group picked up from the palette with the keys
};

} // namespace screens
