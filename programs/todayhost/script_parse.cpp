// The event script of todayhost: ostrel-preview's event language (and "options", "wait" and "exit"), checked whole before anything runs.
#include <cwchar>
#include <map>
#include <sstream>

#include "programs/todayhost/todayhost.h"

namespace todayhost {

namespace {

struct Arity {
  int least;
  int most;
  long low;   // range of each number
  long high;
};

// The events and their numbers; "key" takes a word instead.
const std::map<std::wstring, Arity>& Events() {
  static const std::map<std::wstring, Arity> events = {
      {L"tap", {2, 2, -32768, 32767}},  {L"dtap", {2, 2, -32768, 32767}},
      {L"down", {2, 2, -32768, 32767}}, {L"move", {2, 2, -32768, 32767}},
      {L"up", {2, 2, -32768, 32767}},   {L"hold", {2, 2, -32768, 32767}},
      {L"menu", {1, 1, 0, 0xFFFF}},     {L"select", {0, 0, 0, 0}},
      {L"deselect", {0, 0, 0, 0}},      {L"tick", {0, 1, 0, 100000}},
      {L"query", {0, 0, 0, 0}},         {L"options", {0, 0, 0, 0}},
      {L"wait", {1, 1, 0, 600000}},     {L"exit", {0, 0, 0, 0}}};
  return events;
}

bool KeyOf(const std::wstring& word, unsigned* key) {
  if (word == L"left") *key = VK_LEFT;
  else if (word == L"right") *key = VK_RIGHT;
  else if (word == L"up") *key = VK_UP;
  else if (word == L"down") *key = VK_DOWN;
  else return false;
  return true;
}

bool Number(const std::wstring& text, const Arity& arity, int* value) {
  wchar_t* end = nullptr;
  const long v = std::wcstol(text.c_str(), &end, 10);
  if (text.empty() || *end != 0 || v < arity.low || v > arity.high) return false;
  *value = static_cast<int>(v);
  return true;
}

bool ParseOne(const std::vector<std::wstring>& words, ScriptEvent* event, std::wstring* error) {
  event->name = words[0];
  const int given = static_cast<int>(words.size()) - 1;
  if (event->name == L"key") {
    if (given == 1 && KeyOf(words[1], &event->key)) return true;
    *error = L"key: expected one of left, right, up, down";
    return false;
  }
  if (event->name == L"advance") {
    *error = L"advance: the clock here is the system's own (ostrel-preview sets its clock)";
    return false;
  }
  auto found = Events().find(event->name);
  if (found == Events().end()) {
    *error = L"unknown event '" + event->name + L"'";
    return false;
  }
  const Arity& arity = found->second;
  if (given < arity.least || given > arity.most) {
    *error = event->name + L": wrong number of arguments";
    return false;
  }
  for (int i = 1; i <= given; ++i) {
    int value = 0;
    if (!Number(words[i], arity, &value)) {
      *error = event->name + L": '" + words[i] + L"' is not a number in " +
               std::to_wstring(arity.low) + L" .. " + std::to_wstring(arity.high);
      return false;
    }
    event->numbers.push_back(value);
  }
  if (event->name == L"tick" && given == 0) event->numbers.push_back(1);
  return true;
}

}  // namespace

bool ParseScript(const std::wstring& text, std::vector<ScriptEvent>* events, std::wstring* error) {
  events->clear();
  std::wstringstream parts(text);
  std::wstring part;
  while (std::getline(parts, part, L';')) {
    std::wistringstream words(part);
    std::vector<std::wstring> tokens;
    for (std::wstring word; words >> word;) tokens.push_back(word);
    if (tokens.empty()) continue;
    ScriptEvent event;
    if (!ParseOne(tokens, &event, error)) return false;
    events->push_back(event);
  }
  return true;
}

}  // namespace todayhost
