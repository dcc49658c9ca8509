#pragma once

#include <QObject>

class QSocketNotifier;

namespace direvovu::platform {

// Turns an interrupt, terminate or hang-up signal (Ctrl+C in the terminal, a desktop
// session ending) into a queued Qt signal, so that the viewer closes as its close button
// would and leaves no working copies behind. After the first such signal the default
// handlers are back: a second Ctrl+C ends the process at once.
// One object at a time; it restores the previous handlers when it goes.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // False when the handlers could not be installed (the process then ends the usual way).
  [[nodiscard]] bool installed() const { return notifier_ != nullptr; }

 signals:
  void requested(int signalNumber);

 private:
  void Drain();

  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace direvovu::platform
