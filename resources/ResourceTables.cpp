// The lookups of platform/DialogTemplate.h over this program's resources.
#include "platform/DialogTemplate.h"
#include "resources/ResourceIds.h"
#include "resources/Templates.h"

const DialogTemplate* FindDialogTemplate(int id)
{
    switch (id) {
    case Resource::MainMenuTemplate:
        return &MainMenuTemplate102;
    case Resource::QuizTemplate:
        return &QuizTemplate103;
    case Resource::ResultsTemplate:
        return &ResultsTemplate104;
    case Resource::AboutTemplate:
        return &AboutTemplate120;
    default:
        return nullptr;
    }
}

const MenuTemplate* FindMenuTemplate(int id)
{
    switch (id) {
    case Resource::MainMenuMenu:
        return &MainMenuMenu105;
    case Resource::QuizMenu:
        return &QuizMenu106;
    default:
        return nullptr;
    }
}

std::string_view PictureResource(int id)
{
    switch (id) {
    case Resource::AppIcon:
        return ":/art/app-icon.svg";
    case Resource::SmilingFace:
        return ":/art/face-smiling.svg";
    case Resource::NeutralFace:
        return ":/art/face-neutral.svg";
    case Resource::SadFace:
        return ":/art/face-sad.svg";
    case Resource::Logo:
        return ":/art/logo.svg";
    default:
        return {};
    }
}
