#include "platform/MessageMap.h"

#include <utility>

MessageMap& MessageMap::Command(int id, Handler handler)
{
    Commands_[id] = std::move(handler);
    return *this;
}

MessageMap& MessageMap::SelChange(int controlId, Handler handler)
{
    SelChanges_[controlId] = std::move(handler);
    return *this;
}

const MessageMap::Handler* MessageMap::FindCommand(int id) const
{
    const auto it = Commands_.find(id);
    return it == Commands_.end() ? nullptr : &it->second;
}

const MessageMap::Handler* MessageMap::FindSelChange(int controlId) const
{
    const auto it = SelChanges_.find(controlId);
    return it == SelChanges_.end() ? nullptr : &it->second;
}
