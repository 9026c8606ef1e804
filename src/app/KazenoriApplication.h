#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace kazenori {

// The application object with the program's one handler for errors that
// escape an event handler: the error is shown (through ErrorReporter) and the
// event loop goes on, so the window stays usable.
class KazenoriApplication : public QApplication {
  Q_OBJECT

 public:
  using ErrorReporter = std::function<void(const QString& text)>;

  KazenoriApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Replaces how an escaped error is shown; a test records it instead.
  void SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }
  void ReportError(const QString& text) const;

 private:
  ErrorReporter reporter_;
};

}  // namespace kazenori
