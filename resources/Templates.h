#pragma once

#include "platform/DialogTemplate.h"

// The tables, one file each.
extern const DialogTemplate MainMenuTemplate102;
extern const DialogTemplate QuizTemplate103;
extern const DialogTemplate ResultsTemplate104;
extern const DialogTemplate AboutTemplate120;
extern const MenuTemplate MainMenuMenu105;
extern const MenuTemplate QuizMenu106;
