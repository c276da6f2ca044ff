#pragma once

#include "install/model/Uninstaller.h"

#include <QDialog>

class QPushButton;

namespace vx7::install {

// The uninstall program's only window: the question, "确定" removes, "取消" leaves.
class UninstallDialog : public QDialog {
    Q_OBJECT
  public:
    explicit UninstallDialog(Uninstaller& uninstaller, QWidget* parent = nullptr);

    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    // The outcome of "确定"; empty while it was not pressed.
    std::optional<Uninstaller::Outcome> Outcome() const { return outcome_; }

  private:
    void OnOk();

    Uninstaller& uninstaller_;
    QPushButton* ok_;
    QPushButton* cancel_;
    std::optional<Uninstaller::Outcome> outcome_;
};

} // namespace vx7::install
