// The borderless picture shown while the program starts.
#pragma once

#include <QWidget>

namespace quilloro {

class StartupScreen : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 373;
  static constexpr int kHeight = 309;

  // The line under the name and the version line, in the language of the preferences.
  StartupScreen(QString subtitle, QString version);
  // Centres the screen, shows it and lets it be drawn at once.
  void showNow();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString subtitle_;
  QString version_;
};

}  // namespace quilloro
