#pragma once

// Numbers of the program's dialog templates, menus and pictures, and the
// command ids that both dialog menus share.
namespace Resource {

inline constexpr int MainMenuTemplate = 102;
inline constexpr int QuizTemplate = 103;
inline constexpr int ResultsTemplate = 104;
inline constexpr int AboutTemplate = 120;

inline constexpr int MainMenuMenu = 105;
inline constexpr int QuizMenu = 106;

inline constexpr int AppIcon = 5;         // the French tricolour
inline constexpr int SmilingFace = 108;
inline constexpr int NeutralFace = 109;
inline constexpr int SadFace = 110;
inline constexpr int Logo = 118;          // Eiffel Tower, flag, "Lexamo 3.0", "Verbentrainer"

}  // namespace Resource

namespace Command {

inline constexpr int StartQuiz = 111;    // main menu "&OK"
inline constexpr int Action = 112;       // quiz "&Fertig!" / "&Weiter >"
inline constexpr int BackToMenu = 113;   // quiz "&Hauptmenü"
inline constexpr int Quit = 114;         // "&Beenden"
inline constexpr int Help = 115;         // "&Lexamo Hilfe"
inline constexpr int Website = 116;      // "&Vandrel Website"
inline constexpr int About = 117;        // "&Info über Lexamo..."

}  // namespace Command
