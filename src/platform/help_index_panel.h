#pragma once
// The Index tab of the help window: the keyword list with a box that filters it.

#include <QWidget>

#include "platform/chm_sitemap.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace vantorel::platform {

class HelpIndexPanel : public QWidget {
  Q_OBJECT

 public:
  explicit HelpIndexPanel(QWidget* parent = nullptr);

  void SetRows(const QList<IndexRow>& rows);
  // Puts `keyword` into the filter box: the list keeps the keywords that contain it and
  // selects the first that begins with it.
  void SetFilter(const QString& keyword);

  QLineEdit* Filter() const { return filter_; }
  QListWidget* List() const { return list_; }

 signals:
  void TopicChosen(const QString& local);

 private:
  void ApplyFilter(const QString& text);
  void Choose(QListWidgetItem* item);

  QLineEdit* filter_;
  QListWidget* list_;
};

}  // namespace vantorel::platform
