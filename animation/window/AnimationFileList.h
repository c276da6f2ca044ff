#pragma once

#include <QString>
#include <QStringList>

namespace vx7::core {
class SysInfo;
}

namespace vx7::animation {

// The file list of the animation window: up to 260 files found in the current folder,
// and the rows of the list view, which are added but never removed. A row beyond the
// found files shows "-----". Also keeps the selected row by the window's rules.
class AnimationFileList {
  public:
    static constexpr int kCapacity = 260;
    static QString EmptyRowText() { return QStringLiteral("-----"); }

    // Kind 0: the AVI files of the photo folder; kind 1: the GIF files of the GIF folder
    // (or of the photo folder while none is stored). Clears the selected name and keeps
    // the selected row only while it is below the new file count.
    void Refill(const core::SysInfo& sys, int kind);
    // The same with a given listing (titles and full paths, in order).
    void SetFiles(const QStringList& titles, const QStringList& paths);

    int FileCount() const { return static_cast<int>(paths_.size()); }
    int RowCount() const { return rows_; }
    // Grows the row count (rows are never removed).
    void EnsureRows(int rows);

    // "%d" numbered from 1.
    static QString RowNumber(int row) { return QString::number(row + 1); }
    // The file title of a listed row, or "-----" beyond the file count.
    QString RowName(int row) const;
    QString PathAt(int row) const;

    int SelectedRow() const { return selectedRow_; }
    bool HasValidSelection() const { return selectedRow_ >= 0 && selectedRow_ < FileCount(); }
    // Takes row as the selection when it names a listed file; otherwise selects nothing.
    bool Select(int row);
    void ClearSelection() { selectedRow_ = -1; }

  private:
    QStringList titles_;
    QStringList paths_;
    int rows_ = 0;
    int selectedRow_ = -1;
};

} // namespace vx7::animation
