// The about box.
#include "resources/ResourceIds.h"
#include "resources/Templates.h"

namespace {

using namespace ControlStyle;

// Id, kind, text, x, y, width, height (dialog units), style, picture.
constexpr ControlTemplate Controls[] = {
    {IdCancel, ControlKind::DefaultPushButton, "&OK", 55, 95, 50, 14, TabStop},
    {1015, ControlKind::Text, "Lexamo Version [Version]", 34, 7, 121, 8},
    {NoControlId, ControlKind::Icon, "", 7, 7, 20, 20, None, Resource::AppIcon},
    // What the program is, below the version line.
    {NoControlId, ControlKind::Text, "Verbentrainer Französisch", 34, 22, 121, 8},
    {NoControlId, ControlKind::Text, "366 Verben in acht Zeiten,", 34, 38, 121, 8},
    {NoControlId, ControlKind::Text, "Lektion für Lektion.", 34, 48, 121, 8},
    {NoControlId, ControlKind::Text, "Hilfe: F1 in jedem Fenster.", 34, 64, 121, 8},
};

}  // namespace

const DialogTemplate AboutTemplate120 = {
    Resource::AboutTemplate, "Info über Lexamo...", 162, 114, "MS Shell Dlg", 8, 0, WindowStyle::None, Controls,
};
