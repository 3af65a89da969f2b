#include "shell/LexamoVersion.h"

std::string LexamoVersionText()
{
    return LEXAMO_VERSION;
}
