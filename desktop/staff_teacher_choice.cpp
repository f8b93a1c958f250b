#include "desktop/staff_teacher_choice.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/number_text.h"

namespace soatnoma::ui {
namespace {

QTableWidgetItem* Item(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(alignment);
  return item;
}

QTableWidget* TeacherTable(QWidget* parent, const std::vector<batch::StaffTeacherSheet>& teachers) {
  auto* table = new QTableWidget(static_cast<int>(teachers.size()), 3, parent);
  table->setObjectName(QStringLiteral("staffTeachers"));
  table->setHorizontalHeaderLabels({QStringLiteral("Varaq"), QStringLiteral("O'qituvchi"), QStringLiteral("Yillik soat")});
  table->verticalHeader()->hide();
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < table->rowCount(); ++row) {
    const batch::StaffTeacherSheet& teacher = teachers[static_cast<std::size_t>(row)];
    table->setItem(row, 0, Item(QString::fromStdString(teacher.sheetName)));
    table->setItem(row, 1, Item(QString::fromStdString(teacher.teacher)));
    table->setItem(row, 2, Item(QString::fromStdString(NumberToText(teacher.annualTotal)), Qt::AlignRight | Qt::AlignVCenter));
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  table->selectRow(0);
  return table;
}

}  // namespace

int ChooseStaffTeacher(QWidget* parent, const QString& fileName, const std::vector<batch::StaffTeacherSheet>& teachers) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("staffTeacherChoice"));
  dialog.setWindowTitle(QStringLiteral("Xodimlar kitobi"));
  dialog.resize(560, 420);
  auto* question = new QLabel(
      QStringLiteral("\"%1\" - xodimlar kitobi. Qaysi o'qituvchining hisobotini ochasiz? Saqlaganda butun kitob "
                     "yoziladi, \"Jami\" varag'i ham qayta hisoblanadi.")
          .arg(fileName),
      &dialog);
  question->setWordWrap(true);
  QTableWidget* table = TeacherTable(&dialog, teachers);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("Ochish"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Bekor qilish"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(question);
  layout->addWidget(table);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || table->currentRow() < 0) return -1;
  return table->currentRow();
}

}  // namespace soatnoma::ui
