#pragma once

#include "platform/Prompt.h"

#include <QStringList>

#include <deque>

namespace vx7::test {

// A prompt that records what would have been shown and answers questions from a script.
// Questions beyond the script are answered with defaultAnswer.
class ScriptedPrompt final : public platform::Prompt {
  public:
    struct Shown {
        QString text;
        QString title;
        bool question;
    };

    void Message(const QString& text, const QString& title = QString()) override {
        shown.push_back({text, title, false});
    }
    bool Ask(const QString& text, const QString& title = QStringLiteral("特别提示")) override {
        shown.push_back({text, title, true});
        if (answers.empty())
            return defaultAnswer;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    QStringList Texts() const {
        QStringList out;
        for (const auto& s : shown)
            out.append(s.text);
        return out;
    }

    std::deque<bool> answers;
    bool defaultAnswer = false;
    std::vector<Shown> shown;
};

} // namespace vx7::test
