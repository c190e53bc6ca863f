// The result log as a table model: eight columns computed from the lines as they are shown.
#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <QStringList>
#include <memory>
#include <vector>

#include "stats/log_lines.hpp"

namespace quilloro {

class ResultLogModel : public QAbstractTableModel {
 public:
  // headings: the eight column titles; won and lost: the words of the W/L column.
  ResultLogModel(QStringList headings, QString won, QString lost, QObject* parent = nullptr);

  // A new log (kept for later filters) and every line of it shown.
  void setLog(std::shared_ptr<const stats::ResultLogLines> log);
  // Keeps the lines of the filter, newest first.
  void setFilter(const stats::LogFilter& filter);
  // The number of kept lines (the table shows one empty row when there is none).
  std::size_t keptLines() const { return kept_.size(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // The text of a cell, as data() shows it.
  QString cell(int row, int column) const;

 private:
  QStringList headings_;
  QString won_;
  QString lost_;
  QLocale locale_;
  std::shared_ptr<const stats::ResultLogLines> log_;
  std::vector<std::uint32_t> kept_;
};

}  // namespace quilloro
