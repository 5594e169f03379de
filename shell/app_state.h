// The state every window shares: the edition, the host services, the course text, the user's
// settings and progress, the review test and exam in progress, and the window registry.
#pragma once

#include "editions/edition.h"
#include "platform/platform.h"
#include "shell/config_file.h"
#include "shell/forms.h"
#include "shell/main_menu_link.h"
#include "shell/text_store.h"

#include <QString>
#include <array>
#include <vector>

// The review test in progress.
struct ReviewState {
    enum Tally { Right = 1, Wrong, Tries, WildGuesses };                // slots of ReviewTally
    enum Lifeline { NoLifeline = 0, CoinToss, FreeResponse, ExpertAdvice };  // of LifelinesLeft, LifelineChoice

    int ReviewItemNo = 0;          // position shown; 0 = no test in progress
    int ReviewItemsReached = 0;
    int ReviewItemCount = 0;
    int ReviewTestType = 0;        // index into ReviewTypeTitles
    int CurrentTopic = 1;
    std::vector<int> ReviewOrder = std::vector<int>(MostTestItems + 1, 0);
    std::vector<int> ReviewMisses = std::vector<int>(MostTestItems + 1, 0);
    std::array<int, 5> ReviewTally{};     // 1..4, by Tally
    float ReviewScore = 0;
    double ReviewElapsed = 0;             // days
    std::array<int, 4> LifelinesLeft{};   // 1..3, by Lifeline
    int LifelineChoice = NoLifeline;
    int ReviewRecordNo = 0;
};

// The mock exam being set up or in progress.
struct ExamState {
    int ExamChoice = 1;
    int ExamKind = 0;
    int ExamItemCount = 100;
    int ExamTimeLimit = 150;      // minutes
    int ExamMinutesLeft = 0;
    bool ExamScrambled = true;
    int ExamStructured = 0;
    std::vector<bool> ExamTopics;            // 1..TopicCount
    std::vector<int> ExamItems = std::vector<int>(MostTestItems + 1, 0);
    std::vector<int> ExamPool;
    std::vector<int> ExamAnswers = std::vector<int>(MostTestItems + 1, 0);
    std::vector<int> ExamKey = std::vector<int>(MostTestItems + 1, 0);
    std::vector<int> ExamUnsure = std::vector<int>(MostTestItems + 1, 0);
    std::vector<int> ExamAnswerCount = std::vector<int>(MostTestItems + 1, 0);
    std::vector<int> ExamAnswered = std::vector<int>(MostTestItems + 1, 0);
    int ExamCurrentItem = 0;      // 0 = no exam in progress
    double ExamElapsed = 0;       // days
    float ExamScore = 0;
    int ExamRecordNo = 0;
};

inline constexpr int WindowSlotCount = 15;

class AppState {
public:
    // folder: the program's current folder, where every file lives.
    AppState(const Edition& edition, Platform& platform, QString folder);

    QString path(const QString& fileName) const;
    ConfigFile config() const { return ConfigFile(path(ConfigFileName), edition); }

    const Edition& edition;
    Platform& platform;
    const QString folder;

    const QString CrLf = "\r\n";
    QString PublisherLine;
    QString AuthorLine;
    QString ConfigFileName;
    QString NotebookFileName;
    QString RunningFlagFileName;
    bool RunningFlagOwned = false;  // start-up made the marker, or took over one left behind
    bool SessionEnding = false;     // the desktop session's end is being handled

    TextStore text;
    Settings settings;
    ReviewState review;
    ExamState exam;

    std::array<int, WindowSlotCount + 1> FormLeft{};  // twips
    std::array<int, WindowSlotCount + 1> FormTop{};
    QString PrinterFontName;
    bool PrinterFailed = false;
    int HelpTopicNo = 0;
    int ViewingMode = 0;
    bool NotebookChanged = false;

    Forms forms;
    MainMenuLink mainMenu;
};
