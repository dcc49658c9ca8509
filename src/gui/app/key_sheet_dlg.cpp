#include "gui/app/key_sheet_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/app/key_map.h"
#include "core/settings/text_rows.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

// The keys of a binding as this keyboard names them ("Shift+Left", "PgDown", "F1, ?").
QString KeysText(const KeyBinding& binding) {
  QStringList keys;
  for (const std::string_view key : binding.keys) {
    if (key.empty()) continue;
    const QKeySequence sequence(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())),
                                QKeySequence::PortableText);
    keys << sequence.toString(QKeySequence::NativeText);
  }
  return keys.join(QStringLiteral(", "));
}

}  // namespace

CKeySheetDlg::CKeySheetDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(UiText(TextTable::KeySheet, rows::key_sheet::kTitle));
  const std::span<const KeyBinding> bindings = KeyBindings();
  table_ = new QTableWidget(static_cast<int>(bindings.size()), 2, this);
  table_->horizontalHeader()->hide();
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setShowGrid(false);
  table_->setFocusPolicy(Qt::NoFocus);  // nothing to pick: no cell looks chosen
  for (std::size_t i = 0; i < bindings.size(); ++i) {
    const int row = static_cast<int>(i);
    table_->setItem(row, 0, new QTableWidgetItem(KeysText(bindings[i])));
    table_->setItem(row, 1,
                    new QTableWidgetItem(UiText(TextTable::KeySheet, rows::key_sheet::kFirstBinding + row)));
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(UiText(TextTable::CommonButtons, rows::common::kClose), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  resize(table_->columnWidth(0) + 420, 640);
}

}  // namespace direvovu::gui
