#pragma once

#include "install/model/InstallModel.h"

#include <QDialog>
#include <QHash>

#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vx7::install {

// The install dialog: shows the model's form and view, forwards the commands, and runs
// the one-second progress timer while the copy thread works.
class InstallDialog : public QDialog {
    Q_OBJECT
  public:
    explicit InstallDialog(InstallModel& model, QWidget* parent = nullptr);

    // The control with a dialog identifier (for tests); null for unknown ones.
    QWidget* Control(int id) const { return controls_.value(id, nullptr); }
    // Runs the command of a control identifier as its button or field would.
    void Command(int id);
    // One tick of the progress timer.
    void OnTimer();

    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void OnStart();
    void OnStop();
    void OnExit();
    void OnDriveChanged();
    void OnCheckBoxes();
    void TakeForm();
    void Refresh();

    InstallModel& model_;
    QHash<int, QWidget*> controls_;
    // The command table: control identifier to handler.
    std::map<int, void (InstallDialog::*)()> commands_;
    QComboBox* drive_;
    QLineEdit* folder_;
    QLabel* needed_;
    QLabel* free_;
    QLabel* ratio_;
    QCheckBox* desktop_;
    QLabel* captionLabel_;
    QLineEdit* caption_;
    QCheckBox* startMenu_;
    QLabel* linkLabel_;
    QLineEdit* linkName_;
    QProgressBar* folderBar_;
    QProgressBar* fileBar_;
    QLabel* status_;
    QPushButton* start_;
    QPushButton* stop_;
    QPushButton* exit_;
    QTimer* timer_;
};

} // namespace vx7::install
