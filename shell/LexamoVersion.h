#pragma once

#include <string>

// The version text of this build, "3.0.x", from the CMake project version.
std::string LexamoVersionText();
