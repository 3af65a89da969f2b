#pragma once

#include <string>

class QWidget;

enum class MessageIcon { None, Information, Warning, Error };

// A modal message box with one OK button, owned by owner (centred over it
// and blocking it until OK). Texts are UTF-8.
void ShowMessageBox(QWidget* owner, const std::string& caption, const std::string& text, MessageIcon icon);
