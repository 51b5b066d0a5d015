#include "framework/Menu.h"

#include "framework/Exceptions.h"

namespace framework {

void MenuItem::Append(std::unique_ptr<MenuItem> entry)
{
    if (!entry)
        throw NilObjectException("no menu entry to append");
    entries_.push_back(std::move(entry));
}

MenuItem& MenuItem::Item(Integer index) const
{
    if (index < 0 || index >= Count())
        throw OutOfBoundsException("menu entry " + std::to_string(index) + " of " + name_);
    return *entries_[static_cast<std::size_t>(index)];
}

MenuItem* MenuItem::Child(std::string_view name) const
{
    for (const auto& entry : entries_)
        if (entry->Name() == name)
            return entry.get();
    return nullptr;
}

MenuItem* MenuItem::Lookup(std::string_view name) const
{
    for (const auto& entry : entries_) {
        if (entry->Name() == name)
            return entry.get();
        if (auto* found = entry->Lookup(name))
            return found;
    }
    return nullptr;
}

} // namespace framework
