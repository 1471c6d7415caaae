#include "ui/form.h"

#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {
bool isPage(Kind kind) {
  return kind == Kind::Page || kind == Kind::TabPage;
}
}  // namespace

int Form::add(ControlDesc desc) {
  Control control;
  control.parent = desc.parent.empty() ? -1 : indexOf(desc.parent);
  control.text = desc.text;
  control.current = desc.current;
  if (isPage(desc.kind)) {
    for (const Control& other : controls_) {
      if (other.parent == control.parent && isPage(other.desc.kind)) ++control.pageNumber;
    }
  }
  control.desc = std::move(desc);
  const int index = size();
  byName_.emplace(control.desc.name, index);
  controls_.push_back(std::move(control));
  bindings_.emplace_back();
  return index;
}

int Form::find(std::string_view name) const {
  const auto it = byName_.find(name);
  return it == byName_.end() ? -1 : it->second;
}

int Form::indexOf(std::string_view name) const {
  const int index = find(name);
  if (index < 0) {
    // A misspelt name in a page table is a programming error; stop loudly.
    std::fprintf(stderr, "no control named %.*s\n", static_cast<int>(name.size()), name.data());
    std::abort();
  }
  return index;
}

bool Form::shown(int index) const {
  for (int i = index; i >= 0; i = controls_[i].parent) {
    const Control& c = controls_[i];
    if (!c.desc.visible || c.desc.kind == Kind::Timer) return false;
    if (isPage(c.desc.kind) && controls_[c.parent].current != c.pageNumber) return false;
  }
  return true;
}

void Form::setText(std::string_view name, std::string text) {
  const int index = indexOf(name);
  controls_[index].text = std::move(text);
  notify(index, Aspect::Text);
  if (controls_[index].desc.kind == Kind::Edit) raiseChanged(index);
}

void Form::setEnabled(std::string_view name, bool enabled) {
  const int index = indexOf(name);
  if (controls_[index].enabled == enabled) return;
  controls_[index].enabled = enabled;
  notify(index, Aspect::Enabled);
}

void Form::setPage(std::string_view container, int page) {
  const int index = indexOf(container);
  controls_[index].current = page;
  notify(index, Aspect::Page);
}

void Form::onChanged(std::string_view name, Handler handler) {
  bindings_[indexOf(name)].changed = std::move(handler);
}
void Form::onClicked(std::string_view name, Handler handler) {
  bindings_[indexOf(name)].clicked = std::move(handler);
}
void Form::onSelected(std::string_view name, Handler handler) {
  bindings_[indexOf(name)].selected = std::move(handler);
}
void Form::onTick(std::string_view name, Handler handler) {
  bindings_[indexOf(name)].tick = std::move(handler);
}
void Form::onSpin(std::string_view name, SpinHandler handler) {
  bindings_[indexOf(name)].spin = std::move(handler);
}
void Form::onCommand(int command, Handler handler) {
  commands_[command] = std::move(handler);
}

void Form::link(std::string_view from, std::string_view to) {
  bindings_[indexOf(from)].changeSource = indexOf(to);
}

void Form::raiseChanged(int index) {
  const int source = bindings_[index].changeSource;
  // Copied: a handler may rebind while it runs.
  const Handler handler = bindings_[source < 0 ? index : source].changed;
  run(handler);
}

void Form::edited(std::string_view name, std::string text) {
  const int index = indexOf(name);
  controls_[index].text = std::move(text);
  raiseChanged(index);
}

void Form::clicked(std::string_view name) {
  const Handler handler = bindings_[indexOf(name)].clicked;
  run(handler);
}

void Form::spun(std::string_view name, int direction) {
  const SpinHandler handler = bindings_[indexOf(name)].spin;
  if (handler) handler(direction > 0 ? +1 : -1);
}

void Form::picked(std::string_view name, int item) {
  const int index = indexOf(name);
  Control& c = controls_[index];
  if (item < -1 || item >= static_cast<int>(c.desc.items.size())) return;
  // -1: confirmed with nothing selected; the edit field keeps its text.
  c.selection = item;
  if (item >= 0) c.text = c.desc.items[item];
  const Handler handler = bindings_[index].selected;
  run(handler);
}

void Form::ticked(std::string_view name) {
  const Handler handler = bindings_[indexOf(name)].tick;
  run(handler);
}

void Form::tabClicked(std::string_view name, int page) {
  const int index = indexOf(name);
  controls_[index].current = page;
  notify(index, Aspect::Page);
}

void Form::command(int id) {
  const auto it = commands_.find(id);
  if (it != commands_.end()) {
    const Handler handler = it->second;
    run(handler);
  }
}

void Form::windowCreated() {
  run(created_);
}

}  // namespace ui
