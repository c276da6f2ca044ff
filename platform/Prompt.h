#pragma once

#include <QString>

namespace vx7::platform {

// Message boxes and Yes/No questions. Windows take a Prompt& so tests can
// answer questions and read what would have been shown.
class Prompt {
  public:
    virtual ~Prompt() = default;

    // An information or error message with an OK button.
    virtual void Message(const QString& text, const QString& title = QString()) = 0;

    // A Yes/No question with the question icon; true only for Yes.
    virtual bool Ask(const QString& text, const QString& title = QStringLiteral("特别提示")) = 0;
};

} // namespace vx7::platform
