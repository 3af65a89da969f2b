#pragma once

#include <functional>
#include <map>

// What a dialog does on a command (a button, a menu item, the Enter and
// Escape keys as commands 1 and 2) and on a list's selection change. Each
// dialog fills its map in one function, Dialog::BuildMessageMap. A command
// with a menu item and a button is bound twice, to the same handler.
class MessageMap {
public:
    using Handler = std::function<void()>;

    MessageMap& Command(int id, Handler handler);
    MessageMap& SelChange(int controlId, Handler handler);

    template <class D>
    MessageMap& Command(int id, D* dialog, void (D::*method)())
    {
        return Command(id, [dialog, method] { (dialog->*method)(); });
    }
    template <class D>
    MessageMap& SelChange(int controlId, D* dialog, void (D::*method)())
    {
        return SelChange(controlId, [dialog, method] { (dialog->*method)(); });
    }

    // nullptr when nothing is bound.
    const Handler* FindCommand(int id) const;
    const Handler* FindSelChange(int controlId) const;

private:
    std::map<int, Handler> Commands_;
    std::map<int, Handler> SelChanges_;
};
