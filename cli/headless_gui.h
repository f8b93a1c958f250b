#pragma once
// Drawing text (the PDF report) needs a QGuiApplication. The command line starts one on
// Qt's offscreen platform unless a platform is chosen explicitly, so it runs the same with
// or without a display, and never waits for or fails on one.

#include <QGuiApplication>
#include <array>
#include <memory>

namespace soatnoma::cli {

class HeadlessGui {
 public:
  HeadlessGui();
  HeadlessGui(const HeadlessGui&) = delete;
  HeadlessGui& operator=(const HeadlessGui&) = delete;
  ~HeadlessGui();

 private:
  int argc_ = 1;
  std::array<char, 16> name_{"soatnoma-cli"};
  std::array<char*, 2> argv_{name_.data(), nullptr};
  std::unique_ptr<QGuiApplication> application_;  // none when one runs already
};

}  // namespace soatnoma::cli
