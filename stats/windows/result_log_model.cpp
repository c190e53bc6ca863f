// The cells of the log table, made from a line only when the view asks for them.
#include "stats/windows/result_log_model.hpp"

#include <QDate>

#include "stats/hi_score_table.hpp"

namespace quilloro {

namespace {
constexpr int kLogColumns = 8;

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

ResultLogModel::ResultLogModel(QStringList headings, QString won, QString lost, QObject* parent)
    : QAbstractTableModel(parent), headings_(std::move(headings)), won_(std::move(won)), lost_(std::move(lost)) {}

void ResultLogModel::setLog(std::shared_ptr<const stats::ResultLogLines> log) {
  log_ = std::move(log);
  setFilter({});
}

void ResultLogModel::setFilter(const stats::LogFilter& filter) {
  beginResetModel();
  kept_ = log_ ? stats::filterLog(*log_, filter) : std::vector<std::uint32_t>{};
  endResetModel();
}

int ResultLogModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return kept_.empty() ? 1 : static_cast<int>(kept_.size());
}

int ResultLogModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kLogColumns; }

QString ResultLogModel::cell(int row, int column) const {
  if (!log_ || row < 0 || static_cast<std::size_t>(row) >= kept_.size()) return {};
  const std::string_view line = log_->line(kept_[static_cast<std::size_t>(row)]);
  using namespace stats::logfield;
  switch (column) {
    case 0: {
      const std::string_view text = stats::logField(line, Date, DateWidth);
      const QDate date = QDate::fromString(fromView(text), QStringLiteral("yyyyMMdd"));
      return date.isValid() ? locale_.toString(date, QLocale::ShortFormat) : QString();
    }
    case 1: return fromView(stats::logField(line, Start, StartWidth));
    case 2: {
      const auto seconds = stats::logNumber(stats::logField(line, Elapsed, ElapsedWidth));
      return seconds ? QString::fromStdString(stats::elapsedTimeText(static_cast<int>(*seconds))) : QString();
    }
    case 3: return fromView(stats::logField(line, GameName, GameNameWidth));
    case 4: return stats::logLineWon(line) ? won_ : lost_;
    case 5: return fromView(stats::logField(line, Score, ScoreWidth));
    case 6: return fromView(stats::logField(line, Player, PlayerWidth));
    case 7: return fromView(stats::logField(line, Number, NumberWidth));
    default: return {};
  }
}

QVariant ResultLogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return cell(index.row(), index.column());
  if (role == Qt::TextAlignmentRole && (index.column() == 2 || index.column() == 5))
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant ResultLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return section >= 0 && section < headings_.size() ? headings_[section] : QVariant();
  return {};
}

}  // namespace quilloro
