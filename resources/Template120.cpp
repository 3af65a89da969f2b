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
};

}  // namespace

const DialogTemplate AboutTemplate120 = {
    Resource::AboutTemplate, "Info über Lexamo...", 162, 114, "MS Shell Dlg", 8, 0, WindowStyle::None, Controls,
};
