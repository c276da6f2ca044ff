#pragma once

#include "animation/making/FileChooser.h"

#include <QStringList>

#include <deque>
#include <optional>

namespace vx7::test {

// Answers file and folder dialogs from a script; an empty answer is Cancel. Records
// what each dialog was opened with.
class ScriptedFileChooser final : public animation::FileChooser {
  public:
    QString OpenFile(QWidget*, const QString& filter, const QString& initialName) override {
        filters.append(filter);
        initialNames.append(initialName);
        if (files.empty())
            return QString();
        const QString f = files.front();
        files.pop_front();
        return f;
    }
    std::optional<QString> ChooseFolder(QWidget*) override {
        ++folderDialogs;
        if (folders.empty())
            return std::nullopt;
        const QString f = folders.front();
        folders.pop_front();
        if (f.isEmpty())
            return std::nullopt;
        return f;
    }

    std::deque<QString> files;
    std::deque<QString> folders;
    QStringList filters;
    QStringList initialNames;
    int folderDialogs = 0;
};

} // namespace vx7::test
