#include "recording_prompts.h"

#include <utility>

namespace direvovu::test {

std::vector<MessageId> RecordingPrompts::rows() const {
  std::vector<MessageId> rows;
  rows.reserve(requests_.size());
  for (const auto& request : requests_) rows.push_back(request.message);
  return rows;
}

bool RecordingPrompts::Message(const gui::MessageRequest& request) {
  requests_.push_back(request);
  if (while_shown_) std::exchange(while_shown_, {})();
  if (request.search_action) {
    request.search_action();
    return true;
  }
  return answer_;
}

bool RecordingPrompts::Password(const PasswordQuestion& question) {
  ++password_questions_;
  return password_ && password_(question);
}

QStringList RecordingPrompts::ChooseFiles(const QString& /*title*/, const QString& start,
                                          const QString& /*filter*/, gui::FilePick pick) {
  file_picks_.push_back(pick);
  return files_ ? files_(start) : QStringList();
}

QString RecordingPrompts::ChooseFolder(const QString& /*title*/, const QString& start) {
  return folder_ ? folder_(start) : QString();
}

bool RecordingPrompts::ChoosePrinter(QPrinter& /*printer*/) { return false; }

}  // namespace direvovu::test
