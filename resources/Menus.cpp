// The menu bars of the main menu (105) and of the quiz (106); both end in the
// same "&Hilfe" popup.
#include "resources/ResourceIds.h"
#include "resources/Templates.h"

namespace {

constexpr MenuItemTemplate HelpItems[] = {
    {Command::Help, "&Lexamo Hilfe"},
    {Command::Website, "&Vandrel Website"},
    {0, ""},
    {Command::About, "&Info über Lexamo..."},
};

constexpr MenuItemTemplate MainMenuItems[] = {
    {Command::StartQuiz, "&OK"},
    {0, ""},
    {Command::Quit, "&Beenden"},
};

constexpr MenuItemTemplate QuizItems[] = {
    {Command::Action, "&Fertig!"},
    {Command::BackToMenu, "&Hauptmenü"},
    {0, ""},
    {Command::Quit, "&Beenden"},
};

constexpr MenuPopupTemplate MainMenuPopups[] = {
    {"&Lexamo", MainMenuItems},
    {"&Hilfe", HelpItems},
};

constexpr MenuPopupTemplate QuizPopups[] = {
    {"&Lexamo", QuizItems},
    {"&Hilfe", HelpItems},
};

}  // namespace

const MenuTemplate MainMenuMenu105 = {Resource::MainMenuMenu, MainMenuPopups};
const MenuTemplate QuizMenu106 = {Resource::QuizMenu, QuizPopups};
