#pragma once
// The live state of every control of the window and the events bound to them. Handlers
// read and write controls only through the Form; a view mirrors it into real windows.
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace ui {

struct WindowDesc {
  std::string title;
  int width = 0, height = 0;  // outer size
};

struct MenuItem {
  std::string text;
  int command = 0;  // 0 for a submenu
  std::vector<MenuItem> items;
};

struct Control {
  ControlDesc desc;
  int parent = -1;     // index of the parent control, -1 for the client area
  int pageNumber = 0;  // pages: position among the pages of their container
  std::string text;
  bool enabled = true;
  int selection = -1;  // combo boxes and lists
  int current = 0;     // containers: the page shown
};

// What a view is told after the Form changed a control.
enum class Aspect { Text, Enabled, Page };

class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void formChanged(int index, Aspect aspect) = 0;
};

using Handler = std::function<void()>;
using SpinHandler = std::function<void(int direction)>;

class Form {
 public:
  explicit Form(WindowDesc window = {}) : window_(std::move(window)) {}
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Building. A parent must be added before its children.
  int add(ControlDesc desc);
  void setMenu(std::vector<MenuItem> menu) { menu_ = std::move(menu); }
  void setObserver(FormObserver* observer) { observer_ = observer; }

  const WindowDesc& window() const { return window_; }
  const std::vector<MenuItem>& menu() const { return menu_; }
  int size() const { return static_cast<int>(controls_.size()); }
  const Control& control(int index) const { return controls_[index]; }
  int find(std::string_view name) const;  // -1 when there is no such control

  // Reading.
  const std::string& text(std::string_view name) const { return at(name).text; }
  bool enabled(std::string_view name) const { return at(name).enabled; }
  int selection(std::string_view name) const { return at(name).selection; }
  int currentPage(std::string_view container) const { return at(container).current; }
  // Whether the control is on screen: visible itself and every page above it current.
  bool shown(int index) const;
  bool shown(std::string_view name) const { return shown(indexOf(name)); }

  // Program writes. Writing an edit box raises its change event at once, every time,
  // and the handler runs to its end before the write returns.
  void setText(std::string_view name, std::string text);
  void setEnabled(std::string_view name, bool enabled);
  void setPage(std::string_view container, int page);

  // Bindings.
  void onChanged(std::string_view name, Handler handler);
  void onClicked(std::string_view name, Handler handler);
  void onSelected(std::string_view name, Handler handler);
  void onTick(std::string_view name, Handler handler);
  void onSpin(std::string_view name, SpinHandler handler);
  void onCommand(int command, Handler handler);
  void onCreated(Handler handler) { created_ = std::move(handler); }
  // From now on a change of `from` runs the change handler of `to`.
  void link(std::string_view from, std::string_view to);

  // User input, from the view or a test. None of these echo back to the view, except
  // what the handlers write.
  void edited(std::string_view name, std::string text);
  void clicked(std::string_view name);
  void spun(std::string_view name, int direction);
  void picked(std::string_view name, int item);  // item -1: confirmed with none selected
  void ticked(std::string_view name);
  void tabClicked(std::string_view name, int page);
  void command(int id);
  void windowCreated();

 private:
  struct Bindings {
    Handler changed, clicked, selected, tick;
    SpinHandler spin;
    int changeSource = -1;  // the control whose change handler runs; -1: its own
  };

  int indexOf(std::string_view name) const;
  Control& at(std::string_view name) { return controls_[indexOf(name)]; }
  const Control& at(std::string_view name) const { return controls_[indexOf(name)]; }
  void raiseChanged(int index);
  void notify(int index, Aspect aspect) {
    if (observer_) observer_->formChanged(index, aspect);
  }
  static void run(const Handler& handler) {
    if (handler) handler();
  }

  WindowDesc window_;
  std::vector<MenuItem> menu_;
  std::vector<Control> controls_;
  std::vector<Bindings> bindings_;
  std::map<std::string, int, std::less<>> byName_;
  std::map<int, Handler> commands_;
  Handler created_;
  FormObserver* observer_ = nullptr;
};

}  // namespace ui
