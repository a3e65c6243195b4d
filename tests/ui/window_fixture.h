#pragma once
// A main window per test: its settings file in a fresh folder, the decimal separator
// under the test's control, and the error box replaced by a list of messages.

#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "ui/error_box.h"
#include "ui/main_window.h"

// Test failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace vantorel::ui::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates, shows and activates the window (its creation reads the settings file).
  void Open();
  TF_Main_LSF& Window() { return *window_; }
  template <class T>
  T* Control(const char* name) {
    return window_->findChild<T*>(QString::fromLatin1(name));
  }
  QPushButton* Key(const char* name) { return Control<QPushButton>(name); }
  // A real mouse click on the key.
  void Click(const char* name);
  // The editor focused with `text`, `length` characters selected from `start`.
  editing::EditControl& Focus(editing::EditControl& editor, const std::string& text,
                              int start, int length = 0);

  std::string SettingsPath() const;
  void WriteSettings(const std::string& bytes) const;
  std::string ReadSettings() const;  // "<missing>" without a file

  char separator_ = '.';
  QStringList errors_;   // what the error box showed, in order
  QStringList captions_;

 private:
  QTemporaryDir folder_;
  ErrorBoxPresenter previousPresenter_;
  std::unique_ptr<TF_Main_LSF> window_;
};

}  // namespace vantorel::ui::testing
