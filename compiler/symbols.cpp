// Member and event lookup through the class chain, and the owner of symbols.
#include "compiler/symbols.h"

#include "compiler/names.h"

namespace zc {

const Symbol* ClassInfo::find_member(std::string_view name) const {
  const std::string key = name_key(name);
  const Symbol* member = nullptr;
  any_ancestor([&](const ClassInfo& info) {
    auto found = info.members.find(key);
    if (found != info.members.end()) member = found->second;
    return member != nullptr;
  });
  return member;
}

const EventInfo* ClassInfo::find_event(std::string_view name) const {
  const std::string key = name_key(name);
  for (const ClassInfo* info = this; info != nullptr; info = info->base)
    if (auto found = info->events.find(key); found != info->events.end()) return &found->second;
  return nullptr;
}

Symbol* SymbolTable::make(SymbolKind kind, std::string name, const Type* type, SourcePos pos) {
  Symbol& symbol = m_symbols.emplace_back();
  symbol.kind = kind;
  symbol.name = std::move(name);
  symbol.type = type;
  symbol.pos = pos;
  return &symbol;
}

ClassInfo* SymbolTable::make_class(std::string name) {
  ClassInfo& info = m_classes.emplace_back();
  info.name = std::move(name);
  return &info;
}

}  // namespace zc
