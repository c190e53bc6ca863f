// Tip of the Day: one short tip at a time, Previous and Next wrapping round, and whether to show it at start-up.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

namespace quilloro {

class DialogHost;

class TfrmTips : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kTipCount = 19;

  explicit TfrmTips(DialogHost& host, QWidget* parent = nullptr);

  // The page shown, 1 to kTipCount.
  int page() const { return page_; }
  QString tipText() const;
  QCheckBox* chkStartup() const { return startup_; }

 public Q_SLOTS:
  void btnPreviousClick();
  void btnNextClick();

 protected:
  void done(int result) override;

 private:
  void showPage(int page);

  DialogHost& host_;
  QLabel* tip_ = nullptr;
  QLabel* heading_ = nullptr;
  QCheckBox* startup_ = nullptr;
  int page_ = 1;
};

// The English tips, page 1 first.
extern const char* const kTips[TfrmTips::kTipCount];

}  // namespace quilloro
