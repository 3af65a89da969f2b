// The main menu: tense, "von" and "bis" lessons, "&OK" and "&Beenden".
#include "resources/ResourceIds.h"
#include "resources/Templates.h"

namespace {

using namespace ControlStyle;

constexpr std::string_view Tenses[] = {
    "présent", "futur composé", "passé récent", "passé composé",
    "imparfait", "conditionnel", "subjonctif", "futur simple",
};

constexpr std::string_view Lessons[] = {
    "Leçon 1",  "Leçon 2",  "Leçon 4",  "Leçon 5",  "Leçon 6",  "Leçon 7",  "Leçon 8",
    "Leçon 9",  "Leçon 10", "Leçon 11", "Leçon 12", "Leçon 13", "Leçon 14", "Leçon 15",
    "Leçon 16", "Leçon 17", "Leçon 18", "Leçon 19", "Leçon 20", "Leçon 21", "Leçon 22",
    "Leçon 23", "Leçon 24", "Leçon 25", "Leçon 26", "Leçon 27", "Leçon 28", "Leçon 29",
};

constexpr unsigned ListStyle = VerticalScroll | TabStop;
constexpr unsigned LabelStyle = CenterVertically | Group;

// Id, kind, text, x, y, width, height (dialog units), style, picture, entries.
constexpr ControlTemplate Controls[] = {
    {NoControlId, ControlKind::GroupBox, "Zeit wählen", 110, 12, 154, 41},
    {NoControlId, ControlKind::Text, "Zeit:", 123, 28, 17, 13, LabelStyle},
    {1002, ControlKind::DropDownList, "", 140, 28, 65, 86, ListStyle, 0, Tenses},
    {NoControlId, ControlKind::GroupBox, "Lektion(en) wählen", 110, 63, 154, 41},
    {NoControlId, ControlKind::Text, "von", 122, 79, 15, 13, LabelStyle},
    {1003, ControlKind::DropDownList, "", 137, 79, 45, 73, ListStyle, 0, Lessons},
    {NoControlId, ControlKind::Text, "bis", 193, 79, 13, 13, LabelStyle},
    {1004, ControlKind::DropDownList, "", 205, 79, 45, 73, ListStyle, 0, Lessons},
    {1005, ControlKind::DefaultPushButton, "&OK", 84, 115, 50, 14, TabStop},
    {1006, ControlKind::PushButton, "&Beenden", 144, 115, 50, 14, TabStop},
    {NoControlId, ControlKind::Bitmap, "", 14, 15, 87, 89, None, Resource::Logo},
};

}  // namespace

const DialogTemplate MainMenuTemplate102 = {
    Resource::MainMenuTemplate, "Lexamo 3.0 - Hauptmenü", 279, 138, "MS Shell Dlg", 8,
    Resource::MainMenuMenu,     WindowStyle::MinimizeBox | WindowStyle::AppWindow | WindowStyle::CenterScreen,
    Controls,
};
