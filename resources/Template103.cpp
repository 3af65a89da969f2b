// The quiz: counts, tense, the German infinitive and seven answer rows.
#include "resources/ResourceIds.h"
#include "resources/Templates.h"

namespace {

using namespace ControlStyle;

constexpr ControlKind Text = ControlKind::Text;
constexpr ControlKind Edit = ControlKind::Edit;
constexpr ControlKind Group = ControlKind::GroupBox;

// Id, kind, text, x, y, width, height (dialog units), style.
constexpr ControlTemplate Controls[] = {
    {NoControlId, Text, "Anzahl Verben:", 15, 15, 60, 8},
    {1015, Text, "[anz]", 73, 15, 22, 8},
    {NoControlId, Text, "+", 370, 15, 10, 8},
    {1017, Text, "[anz]", 375, 15, 19, 8, AlignRight},
    {NoControlId, Text, "Aktuelle Lektion:", 15, 26, 60, 8},
    {1016, Text, "[Lektion]", 73, 26, 39, 8},
    {NoControlId, Text, "-", 371, 25, 8, 8},
    {1018, Text, "[anz]", 375, 25, 19, 8, AlignRight},
    {NoControlId, Group, "", 15, 39, 379, 24},
    {1019, Text, "[Zeit]", 27, 44, 355, 17, AlignCenter | CenterVertically},
    {NoControlId, Group, "", 15, 59, 379, 42},
    {1020, Text, "[Infinitiv deutsch]", 27, 78, 177, 8},
    {1008, Edit, "", 217, 76, 142, 12, TabStop},
    {1021, Text, "[Krg]", 364, 78, 18, 8},
    {1022, Text, "[Lösung]", 219, 90, 131, 8},
    {NoControlId, Group, "", 15, 97, 189, 99},
    {NoControlId, Group, "", 203, 97, 191, 99},
    {NoControlId, Text, "je/j'", 27, 115, 17, 8},
    {1009, Edit, "", 52, 113, 117, 12, TabStop},
    {1023, Text, "[Krg]", 174, 115, 18, 8},
    {1024, Text, "[Lösung]", 54, 127, 131, 8},
    {NoControlId, Text, "tu", 27, 144, 17, 8},
    {1010, Edit, "", 52, 142, 117, 12, TabStop},
    {1025, Text, "[Krg]", 174, 144, 18, 8},
    {1026, Text, "[Lösung]", 54, 156, 131, 8},
    {NoControlId, Text, "il", 27, 174, 17, 8},
    {1011, Edit, "", 52, 172, 117, 12, TabStop},
    {1027, Text, "[Krg]", 174, 174, 18, 8},
    {1028, Text, "[Lösung]", 54, 186, 131, 8},
    {NoControlId, Text, "nous", 217, 115, 17, 8},
    {1012, Edit, "", 242, 113, 117, 12, TabStop},
    {1029, Text, "[Krg]", 364, 115, 18, 8},
    {1030, Text, "[Lösung]", 244, 127, 131, 8},
    {NoControlId, Text, "vous", 217, 144, 17, 8},
    {1013, Edit, "", 242, 142, 117, 12, TabStop},
    {1031, Text, "[Krg]", 364, 144, 18, 8},
    {1032, Text, "[Lösung]", 244, 156, 131, 8},
    {NoControlId, Text, "ils", 217, 174, 17, 8},
    {1014, Edit, "", 242, 172, 117, 12, TabStop},
    {1033, Text, "[Krg]", 364, 174, 18, 8},
    {1034, Text, "[Lösung]", 244, 186, 131, 8},
    {1005, ControlKind::PushButton, "H&auptmenü", 15, 208, 50, 14, TabStop},
    {1006, ControlKind::PushButton, "&Beenden", 75, 208, 50, 14, TabStop},
    {1007, ControlKind::DefaultPushButton, "&Fertig!", 344, 208, 50, 14, TabStop},
};

}  // namespace

// The caption is replaced when the quiz initialises.
const DialogTemplate QuizTemplate103 = {
    Resource::QuizTemplate, "Lexamo 3.0", 409, 231, "MS Shell Dlg", 8,
    Resource::QuizMenu,     WindowStyle::MinimizeBox | WindowStyle::AppWindow | WindowStyle::CenterScreen,
    Controls,
};
