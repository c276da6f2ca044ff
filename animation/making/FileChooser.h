#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace vx7::animation {

// The open-file and folder dialogs, behind an interface so that tests can choose.
class FileChooser {
  public:
    virtual ~FileChooser() = default;

    // An open-file dialog. filter is written "description|pattern;pattern"; initialName
    // is the text the name field starts with. Returns the chosen full path, or an empty
    // text on Cancel.
    virtual QString OpenFile(QWidget* parent, const QString& filter, const QString& initialName) = 0;

    // The folder chooser; nullopt on Cancel.
    virtual std::optional<QString> ChooseFolder(QWidget* parent) = 0;

    // "description|*.a;*.b" as a Qt name filter that still shows the description:
    // "description (*.a *.b)".
    static QString QtNameFilter(const QString& filter);
};

} // namespace vx7::animation
