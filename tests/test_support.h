#pragma once
// A recording platform and a started application on a headless form.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "ui/input_filter.h"
#include "ui/platform.h"

namespace testing_support {

class FakePlatform : public ui::Platform {
 public:
  void message(std::string_view text, std::string_view title) override {
    messages.emplace_back(std::string(text), std::string(title));
  }
  ui::LocalTime now() override { return time; }
  void open(std::string_view url) override { opened.emplace_back(url); }

  std::vector<std::pair<std::string, std::string>> messages;  // text, title
  std::vector<std::string> opened;
  ui::LocalTime time{2014, 6, 13, 8, 59, 55};
};

class AppTest : public ::testing::Test {
 protected:
  AppTest() { form.windowCreated(); }

  // Types a text one character at a time through the box's input filter, as the
  // keyboard does: at the end of the text, or over the whole text when `over` is set.
  void type(std::string_view name, std::string_view text, bool over = false) {
    const ui::Input mode = form.control(form.find(name)).desc.input;
    for (std::size_t i = 0; i < text.size();) {
      const auto lead = static_cast<unsigned char>(text[i]);
      const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      char32_t cp = length == 1 ? lead : lead & (0x3F >> (length - 1));
      for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (text[i + k] & 0x3F);
      if (ui::acceptsTyped(mode, cp)) {
        const std::string kept = over ? std::string() : form.text(name);
        form.edited(name, kept + std::string(text.substr(i, length)));
        over = false;
      }
      i += length;
    }
  }
  void typeOver(std::string_view name, std::string_view text) { type(name, text, true); }
  // Selects the whole text and deletes it.
  void clear(std::string_view name) { form.edited(name, ""); }
  // Pastes over the whole text (pastes are not filtered).
  void paste(std::string_view name, std::string text) { form.edited(name, std::move(text)); }

  FakePlatform platform;
  app::App app{platform};
  ui::Form& form = app.form();
};

}  // namespace testing_support
