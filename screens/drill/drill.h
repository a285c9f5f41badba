#pragma once

#include "app/screen.h"
#include "app/shared_state.h"
#include "core/content_layout.h"
#include "platform/keyboard_stop.h"

#include <array>
#include <cstdint>

// The drill: the learner builds the asked compound by dragging functional groups onto
// the ring and has it judged. One class over several files, one file per concern:
// the layout (drill_definition), the wiring, the content and load, the question cycle,
// the ring builder, the commands and the timed displays.
class ドリル : public app::Screen {
public:
    explicit ドリル(app::Program& program);
    static const platform::FormDefinition& definition();

    void wire() override;
    void Form_Load() override;

    // Numbers that the drill's rules fix.
    static constexpr std::int16_t questionsInDrill = content::questionCount;
    static constexpr std::int16_t pointsPerAnswer = 100;
    static constexpr std::int16_t bonusPoints = 1000;
    static constexpr std::int16_t streakForBonus = 5;
    static constexpr std::int16_t passingScore = 10000;
    static constexpr int tickMilliseconds = 100;
    static constexpr int questionSlots = 変数宣言::questionSlots;

private:
    using Image = platform::Image;
    using Label = platform::Label;
    using Button = platform::PictureButton;
    using Timer = platform::Timer;
    template <typename T> using Array = platform::ControlArray<T>;

    // Window events.
    void Form_Click();
    void Form_DragDrop(platform::Control* Source, double X, double Y);
    void Form_MouseMove(int Button, int Shift, double X, double Y);

    // Ring builder.
    void Image3_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Image3_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void Image5_DragOver(int Index, platform::Control* Source, double X, double Y, int State);
    void Image5_DragDrop(int Index, platform::Control* Source, double X, double Y);
    void HoverPaletteItem();
    void CancelDrag();

    // Commands.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Image1_Click();
    void Image5_Click(int Index);
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
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
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
    void PlaySound(content::Sound sound);

    // The clock as the timed displays read it.
    std::int32_t stampNow();
    double elapsedSince(std::int32_t stamp);

    Label& Label1 = form().label("Label1");
    Label& Label2 = form().label("Label2");
    Label& Label3 = form().label("Label3");
    Label& Label4 = form().label("Label4");
    Label& Label7 = form().label("Label7");
    Label& Label9 = form().label("Label9");
    Label& Label13 = form().label("Label13");
    Image& Image1 = form().image("Image1");
    Image& Image6 = form().image("Image6");
    Image& Image8 = form().image("Image8");
    Image& Image11 = form().image("Image11");
    Array<Image>& Image3 = form().images("Image3");
    Array<Image>& Image4 = form().images("Image4");
    Array<Image>& Image5 = form().images("Image5");
    Array<Image>& Image9 = form().images("Image9");
    Button& Command5 = form().button("Command5");
    Button& Command6 = form().button("Command6");
    Timer& Timer1 = form().timer("Timer1");
    Timer& Timer2 = form().timer("Timer2");
    Timer& Timer3 = form().timer("Timer3");
    Timer& Timer4 = form().timer("Timer4");
    Timer& Timer5 = form().timer("Timer5");
    Timer& Timer6 = form().timer("Timer6");
    platform::MediaPlayer& MediaPlayer1 = form().mediaPlayer("MediaPlayer1");

    // The drill's state; every visit and every start-over sets it afresh at load.
    std::int16_t questionCount = 0;
    std::array<QString, questionSlots> questionTexts{};
    std::array<std::array<std::int16_t, content::ringPositions + 1>, questionSlots> answerTable{};
    std::int16_t currentQuestion = 0;
    std::int16_t askedCount = 0;
    std::array<std::array<std::int16_t, 3>, content::ringPositions + 1> currentAnswer{};
    std::array<std::int16_t, content::ringPositions + 1> ringGroups{};
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

    friend class DrillProbe; // tests read the state through it
};
