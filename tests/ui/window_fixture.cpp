#include "window_fixture.h"

#include <QTest>

#include "../platform/test_files.h"
#include "ui/settings_file.h"

namespace vantorel::ui::testing {

void WindowTest::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  InstallSettingsFile(std::make_unique<SettingsFile>(SettingsPath()));
  previousPresenter_ =
      SetErrorBoxPresenter([this](QWidget*, const QString& caption, const QString& text) {
        captions_ << caption;
        errors_ << text;
      });
}

void WindowTest::TearDown() {
  window_.reset();
  SetErrorBoxPresenter(std::move(previousPresenter_));
  InstallSettingsFile(nullptr);
}

void WindowTest::Open() {
  window_ = std::make_unique<TF_Main_LSF>([this] { return separator_; });
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

void WindowTest::Click(const char* name) {
  QPushButton* key = Key(name);
  ASSERT_NE(key, nullptr) << name;
  QTest::mouseClick(key, Qt::LeftButton);
}

editing::EditControl& WindowTest::Focus(editing::EditControl& editor, const std::string& text,
                                        int start, int length) {
  editor.SetText(text);
  editor.SetFocus();
  editor.SetSelection(start, length);
  return editor;
}

std::string WindowTest::SettingsPath() const {
  return folder_.filePath(QStringLiteral("VANTOREL.INI")).toStdString();
}

void WindowTest::WriteSettings(const std::string& bytes) const {
  ASSERT_TRUE(testing_files::WriteBytes(SettingsPath(), bytes));
}

std::string WindowTest::ReadSettings() const { return testing_files::ReadBytes(SettingsPath()); }

}  // namespace vantorel::ui::testing
