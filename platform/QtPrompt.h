#pragma once

#include "Prompt.h"

#include <memory>

class QMessageBox;
class QWidget;

namespace vx7::platform {

// The real prompt: modal QMessageBox over the given parent.
class QtPrompt final : public Prompt {
  public:
    explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Message(const QString& text, const QString& title = QString()) override;
    bool Ask(const QString& text, const QString& title = QStringLiteral("特别提示")) override;

    // The box Message (OK: "确定") or Ask (Yes "是", No "否", No the default) shows.
    static std::unique_ptr<QMessageBox> MakeBox(QWidget* parent, const QString& text, const QString& title,
                                                bool question);

  private:
    QWidget* parent_;
};

} // namespace vx7::platform
