#include "platform/help_index_panel.h"

#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace vantorel::platform {
namespace {

constexpr int kLocalRole = Qt::UserRole;
constexpr int kKeywordRole = Qt::UserRole + 1;

}  // namespace

HelpIndexPanel::HelpIndexPanel(QWidget* parent)
    : QWidget(parent), filter_(new QLineEdit(this)), list_(new QListWidget(this)) {
  filter_->setPlaceholderText(tr("Type a keyword"));
  filter_->setClearButtonEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(filter_);
  layout->addWidget(list_);
  connect(filter_, &QLineEdit::textChanged, this, &HelpIndexPanel::ApplyFilter);
  connect(filter_, &QLineEdit::returnPressed, this, [this] { Choose(list_->currentItem()); });
  connect(list_, &QListWidget::itemActivated, this, &HelpIndexPanel::Choose);
}

// A keyword with several topics gets one row for each, told apart by the topic's title.
void HelpIndexPanel::SetRows(const QList<IndexRow>& rows) {
  QHash<QString, int> topicsPerKeyword;
  for (const IndexRow& row : rows) ++topicsPerKeyword[row.keyword.toLower()];
  list_->clear();
  for (const IndexRow& row : rows) {
    const bool several = topicsPerKeyword.value(row.keyword.toLower()) > 1;
    auto* item = new QListWidgetItem(several ? row.keyword + " - " + row.title : row.keyword);
    item->setData(kLocalRole, row.local);
    item->setData(kKeywordRole, row.keyword);
    list_->addItem(item);
  }
  ApplyFilter(filter_->text());
}

void HelpIndexPanel::SetFilter(const QString& keyword) {
  filter_->setText(keyword);
  ApplyFilter(keyword);  // also when the text was already there
}

void HelpIndexPanel::ApplyFilter(const QString& text) {
  const QString wanted = text.trimmed();
  QListWidgetItem* first = nullptr;
  QListWidgetItem* beginning = nullptr;
  for (int i = 0; i < list_->count(); ++i) {
    QListWidgetItem* item = list_->item(i);
    const QString keyword = item->data(kKeywordRole).toString();
    const bool shown = keyword.contains(wanted, Qt::CaseInsensitive);
    item->setHidden(!shown);
    if (shown && !first) first = item;
    if (shown && !beginning && keyword.startsWith(wanted, Qt::CaseInsensitive)) beginning = item;
  }
  QListWidgetItem* current = beginning ? beginning : first;
  list_->setCurrentItem(current);
  if (current) list_->scrollToItem(current, QAbstractItemView::PositionAtTop);
}

void HelpIndexPanel::Choose(QListWidgetItem* item) {
  if (item && !item->isHidden()) emit TopicChosen(item->data(kLocalRole).toString());
}

}  // namespace vantorel::platform
